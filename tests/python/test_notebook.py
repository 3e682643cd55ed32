"""The notebooks of docs/notebooks run from the first cell to the last, headless."""

import pathlib

import nbformat
from nbclient import NotebookClient

NOTEBOOKS = pathlib.Path(__file__).resolve().parents[2] / "docs" / "notebooks"


def printed_by(name, directory):
    """Runs the notebook, kept with its outputs stripped, in directory; what it printed. It must draw."""
    notebook = nbformat.read(NOTEBOOKS / name, as_version=4)
    assert all(not cell.get("outputs") for cell in notebook.cells), "kept with its outputs stripped"
    NotebookClient(notebook, timeout=600, kernel_name="python3", resources={"metadata": {"path": str(directory)}}).execute()
    outputs = [output for cell in notebook.cells for output in cell.get("outputs", [])]
    assert any(output.get("data", {}).get("image/png") for output in outputs)
    return "".join(output.get("text", "") for output in outputs)


def test_the_tour_runs_through(tmp_path):
    printed = printed_by("tour.ipynb", tmp_path)
    assert "living cells in the emptied half and the wall right after: 0\n" in printed, "the intervention leaves no life there"


def test_the_experiments_run_through_on_a_local_cluster(tmp_path):
    printed = printed_by("experiments.ipynb", tmp_path)
    assert "living cells in the cleared half right after: 0\n" in printed
    endings = int(printed.split("different endings among the 8 control replicates: ")[1].split()[0])
    assert endings > 1, "replicates have futures of their own"
    assert "108 rows from 12 runs\n" in printed, "three sizes times four seeds, nine rows each"
