#!/usr/bin/env python3
"""Runs the notebook tour (docs/notebooks/tour.ipynb) on the module in build/python and writes the
figure of its cell tagged readme-figure to docs/python-sensitivity.png, for the README."""

import base64
import os
import pathlib
import tempfile

import nbformat
from nbclient import NotebookClient

root = pathlib.Path(__file__).resolve().parents[1]
os.environ["PYTHONPATH"] = str(root / "build" / "python")
os.environ["PYDEVD_DISABLE_FILE_VALIDATION"] = "1"  # the kernel debugger's note about frozen modules
notebook = nbformat.read(root / "docs" / "notebooks" / "tour.ipynb", as_version=4)
with tempfile.TemporaryDirectory() as work:
    NotebookClient(notebook, timeout=600, kernel_name="python3", resources={"metadata": {"path": work}}).execute()
tagged = next(cell for cell in notebook.cells if "readme-figure" in cell.metadata.get("tags", []))
picture = next(output["data"]["image/png"] for output in tagged.outputs if "image/png" in output.get("data", {}))
(root / "docs" / "python-sensitivity.png").write_bytes(base64.b64decode(picture))
print("wrote docs/python-sensitivity.png")
