"""Sweeps on threads, processes and a Dask cluster are the lab's sweep.csv; runs keep reporters and fields."""

import numpy as np
import pandas as pd
import pytest

import quillmoss

GRID = dict(topology=["plane", "disc"], plane_size=[(24, 16), (32, 16)], disaster_rate=[0, 0.1], pollution=[False, True])
LAB_GRID = ["--topology", "plane,disc", "--plane-size", "24x16,32x16", "--disaster-rate", "0,0.1", "--pollution", "off,on"]


@pytest.fixture(scope="module")
def threaded():
    return quillmoss.sweep(20, 10, seeds=[1, 2], **GRID)


def test_a_sweep_is_the_labs_sweep_csv(threaded, lab, tmp_path):
    lab("sweep", *LAB_GRID, "--seeds", "1-2", "--steps", 20, "--every", 10, "--out", "grid")
    table = pd.read_csv(tmp_path / "grid" / "sweep.csv").replace({"on": True, "off": False})
    assert len(threaded) == 3 * 2 * 2 * 2 * 3, "three sizes, two rates, two switches, two seeds, three rows"
    pd.testing.assert_frame_equal(threaded, table, check_dtype=False)
    dataset = quillmoss.to_dataset(threaded)
    assert dict(dataset.sizes) == {"topology": 2, "size": 3, "seed": 2, "disaster_rate": 2, "pollution": 2,
                                   "human_rules": 1, "lineage_rule": 1, "step": 3}
    picked = dataset.living_cells.sel(topology="disc", size="40", seed=2, disaster_rate=0.1, pollution=True, step=20)
    assert picked.squeeze().item() == table.query("topology == 'disc' and seed == 2 and disaster_rate == 0.1 "
                                                  "and pollution and step == 20").living_cells.item()


def test_processes_give_the_same_table_with_their_reporters(threaded, capfd):
    table = quillmoss.sweep(20, 10, seeds=[1, 2], executor="processes", reporters={"rows": len}, **GRID)
    pd.testing.assert_frame_equal(table.drop(columns="rows"), threaded)
    assert (table.rows == table["size"].map({"24x16": 384, "32x16": 512, "40": 4955})).all()
    assert capfd.readouterr().err == "", "no progress bar unless asked"


def test_a_setting_is_one_value_or_a_list_a_planes_size_a_tuple():
    table = quillmoss.sweep(0, seeds=range(1, 3), plane_size=(24, 16), disaster_rate=(0, 0.5), pollution=True)
    assert list(zip(table["size"], table.disaster_rate, table.seed)) == [("24x16", 0, 1), ("24x16", 0, 2),
                                                                         ("24x16", 0.5, 1), ("24x16", 0.5, 2)]
    assert table.pollution.all()


@pytest.mark.filterwarnings("ignore:make_current is deprecated:DeprecationWarning")
def test_a_dask_cluster_on_this_machine_gives_the_same_table(threaded):
    distributed = pytest.importorskip("distributed")
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, host="127.0.0.1", dashboard_address=None) as cluster:
        with distributed.Client(cluster) as client:
            assert len(client.scheduler_info()["workers"]) == 2
            table = quillmoss.sweep(20, 10, seeds=[1, 2], executor=client, **GRID)
    pd.testing.assert_frame_equal(table, threaded)


def test_a_run_keeps_its_reporters_and_recorded_fields(capsys):
    world = quillmoss.World("sphere", seed=5)
    alike = world.copy()
    table, records = world.run(25, 10, reporters={"tech": lambda w: w.field("technology").sum()},
                               record=["technology", "population"], progress=True)
    assert list(table.step) == list(records.step) == [0, 10, 20, 25]
    for row, step in enumerate(table.step):
        alike.step(step - alike.step_count)
        assert table.tech[row] == alike.field("technology").sum()
        assert np.array_equal(records.population[row], alike.field("population"))
    assert np.array_equal(records.x, world.positions[:, 0]) and records.technology.dims == ("step", "cell")
    assert "25/25" in capsys.readouterr().err, "the bar counts the steps"
    pd.testing.assert_frame_equal(table.drop(columns="tech"), quillmoss.World("sphere", seed=5).run(25, 10))


@pytest.mark.parametrize("topology, size, row_lengths, coordinates", [
    ("plane", (10, 8), [10] * 8, ("y", "x")),
    ("disc", 8, [2, 8, 14, 20, 27, 33, 39, 45], ("ring", "angle")),
    ("sphere", 9, [6, 11, 16, 19, 20, 19, 16, 11, 6], ("row", "latitude", "longitude")),
])
def test_fields_come_in_the_lattices_shape(topology, size, row_lengths, coordinates):
    world = quillmoss.World(topology, seed=2, size=size)
    grid, dataset = world.grid("environment"), world.to_xarray()
    assert [len(row) for row in grid] == row_lengths
    assert np.array_equal(np.concatenate(list(grid)), world.field("environment")), "rows in the walk's order"
    assert all(name in dataset.coords for name in coordinates) and list(dataset.data_vars) == list(quillmoss.FIELDS)
    assert np.array_equal(dataset.technology.values.ravel(), world.field("technology"))
    if topology == "sphere":
        assert dataset.latitude[0] > 0 > dataset.latitude[-1] and set(np.round(dataset.latitude.values[dataset.row == 4])) == {0}
        assert np.allclose(dataset.longitude[:6], [0, 60, 120, 180, 240, 300], atol=0.5)
    if topology == "disc":
        assert (np.diff(dataset.angle.values[dataset.ring == 1]) % 360 < 180).all(), "a ring's cells go round"


def test_a_movie_is_the_labs_and_a_notebook_shows_the_picture(lab, tmp_path):
    lab("run", "--topology", "disc", "--seed", 3, "--steps", 30, "--every", 10, "--fps", 5, "--mode", "Technology",
        "--movie", "lab.webm", "--out", "run")
    world = quillmoss.World("disc", seed=3)
    world.movie(tmp_path / "python.webm", 30, 10, mode="Technology", fps=5)
    assert (tmp_path / "python.webm").read_bytes() == (tmp_path / "lab.webm").read_bytes()
    assert world.step_count == 30
    world.snapshot(tmp_path / "now.png")
    assert world._repr_png_() == (tmp_path / "now.png").read_bytes()
