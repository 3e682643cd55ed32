"""Worlds made, stepped, measured, drawn and saved from Python are the lab's, byte for byte."""

import copy
import multiprocessing
import os
import pickle

import numpy as np
import pandas as pd
import pytest

import quillmoss

REAL_CELLS = {"plane": 6400, "disc": 4955, "sphere": 8112}


def state(world):
    """Everything a world holds: the world file's bytes."""
    return world.__getstate__()[0]


@pytest.mark.parametrize("topology", quillmoss.TOPOLOGIES)
def test_a_world_from_python_is_the_labs_and_comes_back_whole(topology, tmp_path, lab):
    rules = {"plane": [], "disc": ["--pollution", "--human-rules"], "sphere": ["--lineages"]}[topology]
    world = quillmoss.World(topology, seed=11)
    world.pollution, world.human_rules = "--pollution" in rules, "--human-rules" in rules
    world.lineage_rule, world.disaster_rate = "--lineages" in rules, 0.1
    assert world.disaster_rate == 0.1, "read back as it was set"
    table = world.run(120, every=50)
    world.save(os.fsencode(tmp_path / "python.qmw"))
    world.snapshot(os.fsencode(tmp_path / "python.png"), mode="Technology", inner="Groups")
    lab("run", "--topology", topology, "--seed", 11, "--disaster-rate", 0.1, *rules, "--steps", 120, "--every", 50,
        "--mode", "Technology", "--inner", "Groups", "--out", "lab", "--save", "lab.qmw")
    assert (tmp_path / "python.qmw").read_bytes() == (tmp_path / "lab.qmw").read_bytes()
    assert (tmp_path / "python.png").read_bytes() == (tmp_path / "lab/world-000120.png").read_bytes()
    lab_table = pd.read_csv(tmp_path / "lab/stats.csv")
    pd.testing.assert_frame_equal(table, lab_table)
    assert list(table.step) == [0, 50, 100, 120]
    last = {column: None if pd.isna(value) else value for column, value in lab_table.iloc[-1].items()}
    assert world.stats() == pytest.approx(last)
    assert list(world.stats()) == list(lab_table.columns)

    loaded = quillmoss.World.load(os.fsencode(tmp_path / "lab.qmw"))
    assert (loaded.seed, loaded.step_count, loaded.topology, len(loaded)) == (None, 120, topology, REAL_CELLS[topology])
    for travelled in (loaded, world.copy(), copy.deepcopy(world), pickle.loads(pickle.dumps(world))):
        assert state(travelled) == state(world)
        assert travelled.seed == (None if travelled is loaded else 11)
        travelled.step(30)
    world.step(30)
    assert state(loaded) == state(world), "a copy stepped alike stays the same world"
    assert world.picture(mode="Population").shape == (740, 740, 3)


@pytest.mark.parametrize("topology", quillmoss.TOPOLOGIES)
def test_the_arrays_are_the_real_cells_in_walk_order(topology):
    world = quillmoss.World(topology, seed=np.int64(5))
    world.step(60)
    rows, fields = len(world), world.fields
    assert fields.shape == (rows, 12) and fields.dtype == np.float32
    assert np.array_equal(world.field("culture_blue"), fields[:, quillmoss.FIELDS.index("culture_blue")])
    assert np.all(np.diff(world.lattice_index) > 0)
    for linked in (world.parents, world.neighbours):
        assert linked.min() >= -1 and linked.max() < rows
    step = world.neighbours[0]
    assert all(world.neighbours[n][7 - d] == 0 for d, n in enumerate(step) if n != -1 and topology == "plane")
    pairs = {(row, n) for row, linked in enumerate(world.neighbours) for n in linked if n != -1}
    assert all((n, row) in pairs for row, n in pairs) == (topology == "plane"), "one-way off the plane, as help() says"
    assert world.positions.shape == (rows, 3) and np.isfinite(world.positions).all()
    living = world.field("population") > 0
    assert len(np.unique(world.groups[living & (world.groups >= 0)])) == world.stats()["groups"]
    tech = quillmoss.FIELDS.index("technology")
    row = int(np.argmax(fields[:, tech]))
    world.set_field("technology", [0.25, 2.0, -1.0], cells=[row, 1, 2])
    assert list(world.field("technology")[[row, 1, 2]]) == [0.25, 1.0, 0.0], "clamped as the sliders clamp"
    world.touch(row, "select_cell")
    world.touch(3, "copy_culture")
    assert world.selected == row and world.field("technology")[3] == 0.25
    cleared, spared = np.array_split(np.flatnonzero(world.field("population") > 0), 2)
    world.clear_life(cleared)
    assert not world.fields[cleared, 1:].any(), "every field but the environment emptied"
    assert np.all(world.groups[cleared] == -1)
    assert np.all(world.parents[cleared] == -1)
    assert np.all(world.field("population")[spared] > 0)
    assert world.step_count == 60
    world.kill_all()
    assert world.step_count == 0 and world.field("population").max() == 0.0
    world.seed_life(3)
    assert 1 <= np.count_nonzero(world.field("population")) <= 3


@pytest.mark.parametrize("topology, size, cells", [("plane", (24, 16), 384), ("disc", 12, None), ("sphere", 15, None)])
def test_a_world_of_another_size_keeps_it_through_copies_files_and_pickles(topology, size, cells, tmp_path, lab):
    world = quillmoss.World(topology, seed=4, size=size)
    assert world.size == size and quillmoss.World(topology).size == {"plane": (80, 80), "disc": 40, "sphere": 79}[topology]
    assert len(world) == (cells or len(world)) and len(world) < REAL_CELLS[topology]
    assert world.positions.shape == (len(world), 3) and world.fields.shape == (len(world), 12)
    world.step(10)
    world.save(tmp_path / "sized.qmw")
    option = {"plane": "--plane-size", "disc": "--disc-rings", "sphere": "--sphere-rows"}[topology]
    lab("save", "--topology", topology, option, "x".join(map(str, size)) if topology == "plane" else size, "--seed", 4,
        "--steps", 10, "--save", "lab.qmw")
    assert (tmp_path / "sized.qmw").read_bytes() == (tmp_path / "lab.qmw").read_bytes()
    for travelled in (quillmoss.World.load(tmp_path / "sized.qmw"), world.copy(), pickle.loads(pickle.dumps(world))):
        assert travelled.size == size and state(travelled) == state(world)


def stepped_and_drawn(world):
    world.step(50)
    return world, world.picture(mode="Groups")


@pytest.mark.parametrize("start", ["spawn", "fork"])
def test_worlds_travel_to_other_processes_and_back_exactly(start):
    worlds = [quillmoss.World("disc", seed=seed) for seed in (1, 2)]
    worlds[0].picture()  # a forked worker inherits the parent's drawing
    with multiprocessing.get_context(start).Pool(2) as pool:
        back = pool.map_async(stepped_and_drawn, worlds).get(timeout=60)
    for (there, there_picture), (here, here_picture) in zip(back, map(stepped_and_drawn, worlds)):
        assert state(there) == state(here)
        assert np.array_equal(there_picture, here_picture), "drawn alike there and, after the fork, here"


SWITCHES_AT_START = {"pollution": False, "human_rules": False, "lineage_rule": False, "spread_cost": True,
                     "group_defence": True, "self_mutation": False, "culture_drift": True}


@pytest.mark.parametrize("switch, at_start", SWITCHES_AT_START.items())
def test_every_rule_switch_reaches_the_step(switch, at_start):
    world = quillmoss.World("plane", seed=4)
    world.step(60)
    assert getattr(world, switch) is at_start
    turned = world.copy()
    setattr(turned, switch, not at_start)
    assert getattr(turned, switch) is (not at_start)
    for stepped in (world, turned):
        stepped.step(40)
    assert state(turned) != state(world), f"{switch} turned changes what the step does"


def test_copies_with_seeds_are_replicates_of_their_own():
    world = quillmoss.World("sphere", seed=8)
    world.step(50)
    unbranched = world.copy()
    first, again, second = world.copy(seed=1), world.copy(seed=1), world.copy(seed=2)
    assert first.seed == world.seed == 8 and first.step_count == 50
    for stepped in (world, unbranched, first, again, second):
        stepped.step(30)
    assert state(unbranched) == state(world), "branching leaves the original's future as it was"
    assert state(again) == state(first), "the same seed, the same future"
    assert len({state(world), state(first), state(second)}) == 3, "each seed its own future"


@pytest.mark.parametrize("topology, size, region, cells", [
    ("plane", (10, 8), lambda w: quillmoss.box(w, (2, 5), (1, 4)), 9),
    ("disc", 8, lambda w: quillmoss.rings(w, 1, 3), 8 + 14),
    ("disc", 8, lambda w: quillmoss.rings(w, 7), 45),
    ("sphere", 9, lambda w: quillmoss.latitude_band(w, -1.0, 1.0), 20),
    ("sphere", 9, lambda w: quillmoss.latitude_band(w, 0.5, 90.0), (124 - 20) // 2),
])
def test_a_region_s_life_is_cleared_through_its_mask(topology, size, region, cells):
    world = quillmoss.World(topology, seed=6, size=size)
    world.step(120)
    before = world.fields
    mask = region(world)
    assert mask.dtype == bool and mask.sum() == cells
    world.clear_life(mask)
    after = world.fields
    environment = quillmoss.FIELDS.index("environment")
    assert not after[mask][:, environment + 1:].any(), "no life is left in the region"
    assert np.array_equal(after[~mask], before[~mask]), "outside the region nothing changes"
    assert np.array_equal(after[:, environment], before[:, environment]), "the environment stays"
    assert before[mask][:, quillmoss.FIELDS.index("population")].any(), "there was life to clear"
