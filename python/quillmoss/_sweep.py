"""quillmoss.sweep: a grid of settings times seeds, run on threads, processes or a Dask cluster,
brought together in one tidy table, as quillmoss-lab sweep brings its runs together in sweep.csv."""

from __future__ import annotations

import itertools
import os
from concurrent.futures import ProcessPoolExecutor, ThreadPoolExecutor
from typing import Any, Iterable, Mapping

from ._experiments import Reporter, progress_bar
from ._quillmoss import TOPOLOGIES, World

# The settings in the order of the lab's sweep.csv (runs nest in this order, seeds innermost),
# then the rule switches the lab has no option for.
LAB_SWITCHES = ("pollution", "human_rules", "lineage_rule")
OTHER_SWITCHES = ("spread_cost", "group_defence", "self_mutation", "culture_drift")
SIZE_SETTINGS = {"plane": "plane_size", "disc": "disc_rings", "sphere": "sphere_rows"}


def _listed(name: str, value: Any) -> list[Any]:
    """A setting's values: a list of them, or one (a plane's size is a tuple, so only a list lists sizes)."""
    if name == "plane_size":
        values = list(value) if isinstance(value, list) else [value]
    else:
        values = list(value) if isinstance(value, (list, tuple, range)) else [value]
    if not values:
        raise ValueError(f"{name} lists no values")
    return values


def _size_text(topology: str, size: Any) -> str:
    return f"{size[0]}x{size[1]}" if topology == "plane" else str(size)


def _plan(settings: Mapping[str, Any], seeds: Iterable[int]) -> list[dict[str, Any]]:
    known = {"topology", "disaster_rate", *LAB_SWITCHES, *OTHER_SWITCHES, *SIZE_SETTINGS.values()}
    for name in settings:
        if name not in known:
            raise TypeError(f"sweep has no setting {name!r}: the settings are {', '.join(sorted(known))}")
    topologies = _listed("topology", settings.get("topology", "plane"))
    for topology in topologies:
        if topology not in TOPOLOGIES:
            raise ValueError(f"no topology is called {topology!r}: the topologies are {', '.join(TOPOLOGIES)}")
    sized = any(name in settings for name in SIZE_SETTINGS.values())
    swept = ["disaster_rate", *LAB_SWITCHES] + [name for name in OTHER_SWITCHES if name in settings]
    lists = [_listed(name, settings.get(name, 0.0 if name == "disaster_rate" else False)) for name in swept]
    seeds = list(seeds)
    if not seeds:
        raise ValueError("seeds lists no seeds")
    runs = []
    for topology in topologies:
        sizes = _listed(SIZE_SETTINGS[topology], settings[SIZE_SETTINGS[topology]]) if SIZE_SETTINGS[topology] in settings else [None]
        for size, values in itertools.product(sizes, itertools.product(*lists)):
            for seed in seeds:
                run = {"run": len(runs) + 1, "topology": topology}
                if sized:
                    run["size"] = size
                run["seed"] = seed
                run.update(zip(swept, values))
                runs.append(run)
    return runs


def _one_run(run: Mapping[str, Any], steps: int, every: int, reporters: Mapping[str, Reporter] | None) -> Any:
    world = World(run["topology"], seed=run["seed"], size=run.get("size"))
    world.disaster_rate = float(run["disaster_rate"])
    for name in (*LAB_SWITCHES, *OTHER_SWITCHES):
        if name in run:
            setattr(world, name, run[name])
    table = world.run(steps, every, reporters=reporters)
    settings = dict(run)
    if "size" in settings:
        settings["size"] = _size_text(run["topology"], world.size)
    for at, (name, value) in enumerate(settings.items()):
        table.insert(at, name, [value] * len(table))
    return table


def _executor(executor: Any) -> tuple[Any, bool]:
    """The executor to submit runs to, and whether it is ours to shut down."""
    if executor is None or executor == "threads":
        return ThreadPoolExecutor(max_workers=os.cpu_count() or 1), True
    if executor == "processes":
        return ProcessPoolExecutor(max_workers=os.cpu_count() or 1), True
    if callable(getattr(executor, "submit", None)):
        return executor, False
    raise TypeError(
        f"executor must be None or 'threads', 'processes', a concurrent.futures executor or a dask.distributed.Client, not {executor!r}"
    )


def sweep(
    steps: int,
    every: int = 100,
    seeds: Iterable[int] = (1,),
    executor: Any = None,
    reporters: Mapping[str, Reporter] | None = None,
    progress: bool = False,
    **settings: Any,
) -> Any:
    """Runs every combination of the settings for every seed and brings the runs together in one
    pandas DataFrame: one row per run and recorded step, with the columns of quillmoss-lab sweep's
    sweep.csv (run, topology, size when sizes are given, seed, disaster_rate, pollution, human_rules,
    lineage_rule, then the statistics), the other rule switches when given, and a column per reporter.

    settings: each a value or a list of values. topology ("plane", "disc", "sphere"), plane_size
    ((width, height) or a list of them), disc_rings, sphere_rows, disaster_rate (0..1), and the rule
    switches pollution, human_rules, lineage_rule, spread_cost, group_defence, self_mutation and
    culture_drift (True or False). Runs nest as the lab's do: topology (and its sizes), disaster rate,
    switches, then the seeds.

    executor: None or "threads" (a thread pool in this process: worlds step without the GIL),
    "processes" (a process pool), or anything with submit(), such as a concurrent.futures executor
    or a dask.distributed.Client: the runs go to its workers. The table is the same in every case.
    Reporters and the settings travel to other processes pickled (Dask's cloudpickle takes lambdas).
    progress: a tqdm bar of runs done. to_dataset(table) turns the table into an xarray.Dataset.
    """
    import pandas

    runs = _plan(settings, seeds)
    pool, ours = _executor(executor)
    bar = progress_bar(len(runs), "sweep", "run") if progress else None
    try:
        futures = [pool.submit(_one_run, run, steps, every, reporters) for run in runs]
        tables = []
        for future in futures:
            tables.append(future.result())
            if bar is not None:
                bar.update(1)
    finally:
        if bar is not None:
            bar.close()
        if ours:
            pool.shutdown(cancel_futures=True)
    return pandas.concat(tables, ignore_index=True)


def to_dataset(table: Any) -> Any:
    """A sweep's table as an xarray.Dataset: the settings, the seed and the step as dimensions, each
    statistic and reporter a variable over them (NaN where a combination was not run)."""
    statistics_start = list(table.columns).index("step")
    dimensions = [name for name in table.columns[:statistics_start] if name != "run"] + ["step"]
    return table.drop(columns="run").set_index(dimensions).to_xarray()
