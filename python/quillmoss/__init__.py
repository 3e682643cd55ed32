"""Quillmoss's worlds from Python: the engine itself, in-process, many worlds at once.

>>> import quillmoss
>>> world = quillmoss.World("sphere", seed=3)
>>> world.step(500)
>>> world.stats()["living_cells"]

A World holds its lattice, cells, rules and its own random generator, at the size
it was made (World("plane", size=(160, 120)), World("disc", size=80),
World("sphere", size=159); world.size reads it back). Cells are
NumPy arrays with one row per real cell in the lattice's walk order: world.fields
(all twelve fields), world.field("technology"), world.groups, world.parents,
world.positions, world.neighbours. cells= takes rows or a boolean mask over them, and
quillmoss.box (plane), rings (disc) and latitude_band (sphere) make masks of regions.
world.copy(seed=...) branches a replicate with its own random future. Worlds step
without holding the GIL, so a thread pool steps several at once; they copy, deepcopy
and pickle exactly.

world.run(steps, every, reporters={...}, record=[...]) adds a column per reporter and keeps
fields of every cell as xarray; quillmoss.sweep runs a grid of settings times seeds on threads,
processes or a Dask cluster into one DataFrame, the lab's sweep.csv (to_dataset makes it xarray).
world.grid(name) gives a field in the lattice's shape, world.to_xarray() every field with the
lattice's coordinates.

NumPy is needed from the start; pandas only by World.run and sweep, which return DataFrames;
xarray to record fields, tqdm for progress bars, dask.distributed to sweep on a cluster.
"""

try:
    import numpy as _numpy  # noqa: F401  (every array of the module is NumPy's)
except ImportError as missing:
    raise ImportError(
        "quillmoss needs NumPy, which this Python cannot import: install Debian's python3-numpy "
        "(apt-get install python3-numpy) and use /usr/bin/python3, or install NumPy for this Python"
    ) from missing

from ._quillmoss import FIELDS, RENDER_MODES, STATISTICS, TOPOLOGIES, TOUCH_TOOLS, RunInterrupted, World, WorldFileError

__all__ = ["FIELDS", "RENDER_MODES", "STATISTICS", "TOPOLOGIES", "TOUCH_TOOLS", "RunInterrupted", "World", "WorldFileError"]

from . import _experiments, _grids  # noqa: E402  (after the engine, which these build on)
from ._regions import box, latitude_band, rings  # noqa: E402
from ._sweep import sweep, to_dataset  # noqa: E402

World.run = _experiments.run
World.grid = _grids.grid
World.to_xarray = _grids.to_xarray
__all__ += ["box", "latitude_band", "rings", "sweep", "to_dataset"]
