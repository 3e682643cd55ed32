"""A world's fields in the shape of its lattice: the plane's rows and columns, the disc's rings, the
sphere's rows of longitudes, and all of them as an xarray.Dataset with the lattice's coordinates."""

from __future__ import annotations

from typing import Any

import numpy as np

from ._quillmoss import FIELDS, World


def rows_of(world: World) -> np.ndarray:
    """Each cell's row of the lattice: the plane's row, the disc's ring, the sphere's latitude row."""
    return world.lattice_cursor[:, 0 if world.topology == "disc" else 1]


def angles(world: World) -> tuple[np.ndarray, np.ndarray]:
    """The disc's angle, or the sphere's latitude and longitude, of each cell's centre, in degrees."""
    positions = world.positions.astype(np.float64)
    x, y, z = positions.T
    if world.topology == "disc":
        return np.degrees(np.arctan2(y, x)) % 360.0, np.zeros(0)
    latitude = np.degrees(np.arcsin(y / np.linalg.norm(positions, axis=1)))
    return latitude, np.degrees(np.arctan2(x, z)) % 360.0


def grid(self: World, name: str) -> Any:
    """A field in the lattice's shape: on the plane an array (height, width), row 0 first; on the disc
    a list of one array per ring, ring 0 the centre; on the sphere a list of one array per latitude
    row, the northernmost first, each row's cells by longitude."""
    values = self.field(name)
    rows = rows_of(self)
    if self.topology == "plane":
        return values.reshape(self.size[1], self.size[0])
    return [values[rows == row] for row in range(int(rows.max()) + 1)]


def to_xarray(self: World) -> Any:
    """The twelve fields as an xarray.Dataset: on the plane over (y, x), the cells' row and column;
    on the disc and the sphere over cell, with the ring and angle, or the row, latitude and longitude
    (degrees) of each cell as coordinates."""
    import xarray

    fields = self.fields
    if self.topology == "plane":
        width, height = self.size
        shaped = fields.reshape(height, width, len(FIELDS))
        return xarray.Dataset({name: (("y", "x"), shaped[:, :, at]) for at, name in enumerate(FIELDS)},
                              coords={"y": np.arange(height), "x": np.arange(width)})
    rows = rows_of(self)
    first, second = angles(self)
    if self.topology == "disc":
        coordinates = {"ring": ("cell", rows), "angle": ("cell", first)}
    else:
        coordinates = {"row": ("cell", rows), "latitude": ("cell", first), "longitude": ("cell", second)}
    coordinates["cell"] = np.arange(len(self))
    return xarray.Dataset({name: ("cell", fields[:, at]) for at, name in enumerate(FIELDS)}, coords=coordinates)
