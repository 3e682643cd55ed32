"""Regions of a world as boolean masks over its rows, for cells= (set_field, clear_life).

Built on the lattice: a plane's columns and rows, a disc's rings, a sphere's latitudes.
"""

from __future__ import annotations

import numpy as np

from ._grids import angles, rows_of
from ._quillmoss import World


def _require(world: World, topology: str, helper: str) -> None:
    if world.topology != topology:
        raise ValueError(f"{helper} selects cells of a {topology}, not of a {world.topology}")


def box(world: World, columns: tuple[int, int], rows: tuple[int, int]) -> np.ndarray:
    """The plane's cells in columns columns[0] <= x < columns[1] and rows rows[0] <= y < rows[1].

    Columns and rows count from 0 at the plane's first cell, as ranges do: box(world, (0, 10),
    (0, 5)) is the 50 cells of the first ten columns of the first five rows.
    """
    _require(world, "plane", "box")
    column, row = world.lattice_cursor.T
    return (columns[0] <= column) & (column < columns[1]) & (rows[0] <= row) & (row < rows[1])


def rings(world: World, first: int, stop: int | None = None) -> np.ndarray:
    """The disc's cells in rings first <= ring < stop (stop None: the ring first alone); ring 0 is the centre."""
    _require(world, "disc", "rings")
    ring = rows_of(world)
    return (first <= ring) & (ring < (first + 1 if stop is None else stop))


def latitude_band(world: World, south: float, north: float) -> np.ndarray:
    """The sphere's cells whose centres lie at latitudes south <= latitude <= north, in degrees (-90..90)."""
    _require(world, "sphere", "latitude_band")
    latitude = angles(world)[0]
    return (south <= latitude) & (latitude <= north)
