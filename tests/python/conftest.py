"""What the Python tests share: the lab's binary and the fuzzers' world files."""

import os
import pathlib
import subprocess

import pytest

import quillmoss

ROOT = pathlib.Path(__file__).resolve().parents[2]
FUZZ = ROOT / "fuzz"

# The interpreters the tests start, the notebook's kernel in a directory of its own among them, import
# the module these tests import, however PYTHONPATH named it.
os.environ["PYTHONPATH"] = os.pathsep.join(filter(None, [str(pathlib.Path(quillmoss.__file__).parents[1]),
                                                         os.environ.get("PYTHONPATH")]))


@pytest.fixture
def lab(tmp_path):
    """Runs quillmoss-lab (QUILLMOSS_LAB, by default make's build/bin/quillmoss-lab) with the arguments
    in tmp_path; the completed process."""
    program = pathlib.Path(os.environ.get("QUILLMOSS_LAB", ROOT / "build" / "bin" / "quillmoss-lab")).resolve()

    def run(*arguments):
        command = [program, *map(str, arguments)]
        return subprocess.run(command, cwd=tmp_path, capture_output=True, text=True, check=True)

    return run


def world_files():
    """The world files the world-file fuzzer keeps: its corpus and the inputs that once broke it."""
    return sorted(p for kind in ("corpus", "regressions") for p in (FUZZ / kind / "worldFile").glob("[!.]*") if p.is_file())
