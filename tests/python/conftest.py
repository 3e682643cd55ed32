"""What the Python tests share: the lab's binary and the fuzzers' world files, from CTest's environment."""

import os
import pathlib
import subprocess

import pytest

FUZZ = pathlib.Path(__file__).resolve().parents[2] / "fuzz"


@pytest.fixture
def lab(tmp_path):
    """Runs quillmoss-lab with the arguments in tmp_path; the completed process."""

    def run(*arguments):
        command = [os.environ["QUILLMOSS_LAB"], *map(str, arguments)]
        return subprocess.run(command, cwd=tmp_path, capture_output=True, text=True, check=True)

    return run


def world_files():
    """The world files the world-file fuzzer keeps: its corpus and the inputs that once broke it."""
    return sorted(p for kind in ("corpus", "regressions") for p in (FUZZ / kind / "worldFile").glob("[!.]*") if p.is_file())
