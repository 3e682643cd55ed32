"""The tour of docs/notebooks runs from the first cell to the last, headless."""

import pathlib

import nbformat
from nbclient import NotebookClient

TOUR = pathlib.Path(__file__).resolve().parents[2] / "docs" / "notebooks" / "tour.ipynb"


def test_the_tour_runs_through(tmp_path):
    notebook = nbformat.read(TOUR, as_version=4)
    assert all(not cell.get("outputs") for cell in notebook.cells), "kept with its outputs stripped"
    NotebookClient(notebook, timeout=600, kernel_name="python3", resources={"metadata": {"path": str(tmp_path)}}).execute()
    outputs = [output for cell in notebook.cells for output in cell.get("outputs", [])]
    assert any(output.get("data", {}).get("image/png") for output in outputs)
    printed = "".join(output.get("text", "") for output in outputs)
    assert "living cells in the emptied half and the wall right after: 0\n" in printed, "the intervention leaves no life there"
