"""Worlds step side by side in threads, and Ctrl+C stops a long step between two steps."""

import os
import pickle
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

import quillmoss


def grown(seed, world=None):
    world = world or quillmoss.World("disc", seed=seed)
    world.disaster_rate = 0.1
    world.step(150)
    return pickle.dumps(world)


def test_worlds_in_a_thread_pool_end_where_they_end_one_after_another():
    alone = [grown(seed) for seed in range(4)]
    with ThreadPoolExecutor(4) as pool:
        assert list(pool.map(grown, range(4))) == alone
        shared = quillmoss.World("disc", seed=0)
        list(pool.map(lambda _: shared.step(75), range(2)))
    shared.disaster_rate = 0.0
    assert shared.step_count == 150, "two threads on one world take turns"


def test_ctrl_c_stops_a_long_step_and_leaves_the_world_whole(tmp_path):
    script = f"""
import os, signal, threading, quillmoss
world = quillmoss.World("sphere", seed=1)
threading.Timer(0.5, os.kill, (os.getpid(), signal.SIGINT)).start()
try:
    world.step(10**8)
except KeyboardInterrupt:
    world.step(1)
    world.save({str(tmp_path / "stopped.qmw")!r})
    print(world.step_count)
"""
    done = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True, env=os.environ, timeout=120)
    steps = int(done.stdout)
    assert 1 < steps < 10**8
    assert quillmoss.World.load(tmp_path / "stopped.qmw").step_count == steps
