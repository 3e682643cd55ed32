"""Bad input is a Python exception that says what is wrong, and the world stays as it was."""

import pickle
import struct
import subprocess
import sys

import numpy as np
import pytest

import quillmoss
from conftest import world_files

BAD = [
    (lambda w: quillmoss.World("torus"), ValueError, "no topology is called 'torus'"),
    (lambda w: quillmoss.World(seed=-1), ValueError, "seed must be 0..4294967295"),
    (lambda w: quillmoss.World(seed=2**32), ValueError, "seed must be"),
    (lambda w: quillmoss.World(seed=3.0), TypeError, "seed must be a whole number, not float"),
    (lambda w: quillmoss.World("plane", size=(4, 80)), ValueError, "a plane of 4x80 cells is out of range: width and height run from 8 to 4096"),
    (lambda w: quillmoss.World("sphere", size=80), ValueError, "a sphere of 80 rows is out of range: rows are an odd number"),
    (lambda w: quillmoss.World("disc", size=-3), ValueError, "a disc of -3 rings is out of range: rings run from 8 to 2311"),
    (lambda w: quillmoss.World("plane", size=80), TypeError, "size of a plane must be .width, height., not 80"),
    (lambda w: quillmoss.World("disc", size=(40,)), TypeError, "size must be a whole number, not tuple"),
    (lambda w: w.field("pressure"), ValueError, "the fields are environment, population"),
    (lambda w: w.set_field("technology", [0.5, 0.5]), ValueError, "2 values for 6400 cells"),
    (lambda w: w.set_field("technology", np.nan, cells=[3]), ValueError, "NaN"),
    (lambda w: w.set_field("technology", np.zeros((2, 2)), cells=[0, 1]), ValueError, "2 dimensions"),
    (lambda w: w.set_field("technology", "high"), TypeError, "values must be numbers"),
    (lambda w: w.set_field("technology", 0.5, cells=[0, 6400]), IndexError, "cell 6400 is not a row"),
    (lambda w: w.set_field("technology", 0.5, cells=[0.5]), TypeError, "cells must be whole row numbers, not float64"),
    (lambda w: w.set_field("technology", 0.5, cells=np.array([2**63], np.uint64)), IndexError, "cell 9223372036854775808 is not"),
    (lambda w: w.seed_life(-1), ValueError, "count must be 0..6400, not -1"),
    (lambda w: w.seed_life(2**31 - 1), ValueError, "count must be 0..6400, not 2147483647"),
    (lambda w: w.touch(0, "copy_culture"), ValueError, "no cell is selected"),
    (lambda w: setattr(w, "pollution", None), TypeError, "pollution must be True or False, not None"),
    (lambda w: setattr(w, "self_mutation", 1), TypeError, "self_mutation must be True or False, not 1"),
    (lambda w: w.copy(seed=-1), ValueError, "seed must be 0..4294967295"),
    (lambda w: w.clear_life(np.ones(6399, bool)), ValueError, "one value for each of the 6400 cells, not an array of shape .6399,."),
    (lambda w: quillmoss.rings(w, 0), ValueError, "rings selects cells of a disc, not of a plane"),
    (lambda w: w.run(5, reporters={"tech": 3}), TypeError, "reporters must map names to functions of a world"),
    (lambda w: w.run(5, reporters={"groups": len}), ValueError, "may not be called 'groups'"),
    (lambda w: w.run(5, reporters={"boom": lambda w: 1 / 0}), ZeroDivisionError, "division by zero"),
    (lambda w: w.run(5, record=["wealth"]), ValueError, "there is none called 'wealth'"),
    (lambda w: quillmoss.sweep(5, seeds=[1], climate=[1]), TypeError, "sweep has no setting 'climate'"),
    (lambda w: w.movie("world.avi", 5), ValueError, "a movie is an .mp4 or a .webm file, not world.avi"),
    (lambda w: w.movie("world.mp4", 5, fps=0), ValueError, "fps must be 1..120, not 0"),
    (lambda w: quillmoss.sweep(5, seeds=[1], executor=4), TypeError, "executor must be None or 'threads'"),
    (lambda w: quillmoss.sweep(5, seeds=[], topology="disc"), ValueError, "seeds lists no seeds"),
    (lambda w: w.touch(0, "hammer"), ValueError, "'paint_with_one', 'paint_with_zero'"),
    (lambda w: w.touch(0, "paint_noise", mode="Smell"), ValueError, "no render mode is called 'Smell'"),
    (lambda w: w.touch(-1, "select_cell"), IndexError, "cell -1"),
    (lambda w: w.touch(0, "paint_noise", radius=2), ValueError, "radius must be 0..1"),
    (lambda w: setattr(w, "disaster_rate", 1.5), ValueError, "disaster_rate must be 0..1"),
    (lambda w: setattr(w, "disaster_rate", float("nan")), ValueError, "disaster_rate"),
    (lambda w: w.step(-1), ValueError, "n must be 0 or more"),
    (lambda w: w.run(10, every=0), ValueError, "every must be 1 or more"),
    (lambda w: w.picture(inner="Smell"), ValueError, "render mode"),
    (lambda w: w.save("/proc/no/such.qmw"), OSError, "/proc/no/such.qmw: cannot create the file"),
    (lambda w: w.snapshot("/proc/no/such.png"), FileNotFoundError, "such.png"),
    (lambda w: w.snapshot("/"), IsADirectoryError, "Is a directory: '/'"),
    (lambda w: w.save("world\0.qmw"), ValueError, "holds a NUL byte"),
    (lambda w: quillmoss.World.load("/no/such.qmw"), quillmoss.WorldFileError, "/no/such.qmw: cannot open"),
]


def test_bad_input_is_refused_and_changes_nothing(capfd):
    world = quillmoss.World("plane", seed=1)
    world.step(20)
    before = pickle.dumps(world)
    for act, kind, reason in BAD:
        with pytest.raises(kind, match=reason.replace("(", r"\(")):
            act(world)
        assert pickle.dumps(world) == before, reason
    world.set_field("technology", 1.0, cells=[])
    world.clear_life([])
    assert pickle.dumps(world) == before, "no cells is a selection too, of nothing"
    assert capfd.readouterr().err == ""


# A fresh interpreter for what would hang or crash this one, and what the import says is missing.
FRESH = [
    ("w = quillmoss.World.__new__(quillmoss.World); print(repr(w)); w.step_count", "TypeError: this quillmoss.World was not initialised"),
    ("sys.modules['pandas'] = None; w = quillmoss.World(); w.run(5)", "ImportError: World.run needs pandas"),
    ("sys.modules['numpy'] = None; importlib.reload(quillmoss)", "ImportError: quillmoss needs NumPy"),
]


def test_a_fresh_interpreter_is_told_what_is_wrong():
    for script, told in FRESH:
        done = subprocess.run([sys.executable, "-c", "import importlib, sys, quillmoss\n" + script], capture_output=True,
                              text=True, timeout=60)
        assert told in done.stderr, script


def sealed(body):
    """A world file's bytes with its FNV-1a checksum made right."""
    checksum = 14695981039346656037
    for byte in body:
        checksum = ((checksum ^ byte) * 1099511628211) % 2**64
    return body + struct.pack("<Q", checksum)


def test_damaged_and_foreign_world_files_are_world_file_errors(tmp_path):
    kept = world_files()
    assert kept, "the world-file fuzzer's corpus"
    for path in kept:
        good = path.read_bytes()
        quillmoss.World.load(path).step(2)
        for damaged, reason in [(good[:-1], "truncated"), (good[:20] + b"\xff" + good[21:], "checksum mismatch"),
                                (b"hello\n", "not a Quillmoss world file"), (good + b"\0", "trailing bytes"),
                                (sealed(good[:8] + struct.pack("<I", 7) + good[12:-8]), "file version 7")]:
            (tmp_path / "damaged.qmw").write_bytes(damaged)
            with pytest.raises(quillmoss.WorldFileError, match=reason):
                quillmoss.World.load(tmp_path / "damaged.qmw")
            assert issubclass(quillmoss.WorldFileError, ValueError)
    nearly_full = sealed(good[:20] + struct.pack("<i", 2**31 - 5) + good[24:-8])
    (tmp_path / "old.qmw").write_bytes(nearly_full)
    old = quillmoss.World.load(tmp_path / "old.qmw")
    with pytest.raises(ValueError, match="the step counter would pass 2147483647"):
        old.step(10)
    assert old.step_count == 2**31 - 5
