"""World.run with reporters, recorded fields and a progress bar, and the cells' records as xarray."""

from __future__ import annotations

from typing import Any, Callable, Iterable, Mapping

import numpy as np

from ._quillmoss import FIELDS, STATISTICS, RunInterrupted, World

Reporter = Callable[[World], Any]


def progress_bar(total: int, description: str, unit: str) -> Any:
    """A tqdm bar: a widget in a notebook that has ipywidgets, a line in a terminal and elsewhere."""
    try:
        from tqdm import tqdm
    except ImportError as missing:
        raise ImportError("progress=True needs tqdm: install Debian's python3-tqdm") from missing
    try:
        import ipywidgets  # noqa: F401  (without it tqdm.auto warns and draws the line anyway)
        from tqdm.auto import tqdm
    except ImportError:
        pass
    return tqdm(total=total, desc=description, unit=unit)


def _checked_reporters(reporters: Mapping[str, Reporter] | None, taken: Iterable[str]) -> dict[str, Reporter]:
    checked = dict(reporters or {})
    for name, reporter in checked.items():
        if not isinstance(name, str) or not callable(reporter):
            raise TypeError(f"reporters must map names to functions of a world, not {name!r}: {reporter!r}")
        if name in taken:
            raise ValueError(f"a reporter may not be called {name!r}, a column of the table already")
    return checked


def _checked_fields(record: Iterable[str] | None) -> list[str]:
    fields = list(record or [])
    for name in fields:
        if name not in FIELDS:
            raise ValueError(f"record names fields, and there is none called {name!r}: the fields are {', '.join(FIELDS)}")
    return fields


def records(world: World, steps: list[int], kept: Mapping[str, list[np.ndarray]]) -> Any:
    """The kept fields as an xarray.Dataset over step x cell, the cells' positions as coordinates."""
    import xarray

    positions = world.positions
    coordinates = {"step": steps, "cell": np.arange(len(world))}
    coordinates.update({axis: ("cell", positions[:, at]) for at, axis in enumerate("xyz")})
    return xarray.Dataset({name: (("step", "cell"), np.stack(values)) for name, values in kept.items()}, coords=coordinates)


def run(
    self: World,
    steps: int,
    every: int = 100,
    *,
    reporters: Mapping[str, Reporter] | None = None,
    record: Iterable[str] | None = None,
    progress: bool = False,
) -> Any:
    """Steps the world, measuring it as quillmoss-lab run does: a pandas DataFrame of stats.csv's
    rows (the first step, every multiple of every, the last).

    reporters: {"name": function} adds a column per reporter, each function called with the world
    at every row. record: names of fields (FIELDS) whose every cell is kept at every row; with it,
    run returns (table, records), records an xarray.Dataset of one DataArray per field over
    step x cell with the cells' positions (x, y, z) as coordinates. progress: a tqdm bar.

    Ctrl+C stops it between two steps with RunInterrupted, a KeyboardInterrupt whose .table holds
    the rows measured so far and one at the step it stopped at. Needs pandas (and xarray to record).
    A reporter that fails at the first row, or a bad name, leaves the world as it was.
    """
    checked = _checked_reporters(reporters, ("step", *STATISTICS))
    fields = _checked_fields(record)
    columns: dict[str, list[Any]] = {name: [] for name in checked}
    kept: dict[str, list[np.ndarray]] = {name: [] for name in fields}
    measured: list[int] = []
    bar = progress_bar(int(steps), "run", "step") if progress else None

    def on_row() -> None:
        for name, reporter in checked.items():
            columns[name].append(reporter(self))
        for name in fields:
            kept[name].append(self.field(name))
        if bar is not None:
            bar.update(self.step_count - (measured[-1] if measured else self.step_count))
        measured.append(self.step_count)

    try:
        table = self._run_table(steps, every, on_row if checked or fields or bar is not None else None)
    except RunInterrupted as stopped:
        if len(measured) < len(stopped.table):
            on_row()
        for name, values in columns.items():
            stopped.table[name] = values
        raise
    finally:
        if bar is not None:
            bar.close()
    for name, values in columns.items():
        table[name] = values
    return (table, records(self, measured, kept)) if fields else table
