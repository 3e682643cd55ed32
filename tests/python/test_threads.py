"""Worlds step side by side in threads; Ctrl+C and the interpreter's exit stop a long step between two steps."""

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


def interpreter(script, tmp_path):
    """What a new interpreter printed after running script, with the module, a sphere as world,
    and ctrl_c() pressing Ctrl+C half a second later; a hang fails on the timeout."""
    prelude = f"""
import os, signal, threading, quillmoss
from concurrent.futures import ThreadPoolExecutor
world, saved = quillmoss.World("sphere", seed=1), {str(tmp_path / "stopped.qmw")!r}
ctrl_c = lambda: threading.Timer(0.5, os.kill, (os.getpid(), signal.SIGINT)).start()
"""
    done = subprocess.run([sys.executable, "-c", prelude + script], capture_output=True, text=True, env=os.environ, timeout=60)
    assert not done.stderr
    assert done.returncode == 0
    return done.stdout.split()


def test_ctrl_c_stops_a_long_step_and_leaves_the_world_whole(tmp_path):
    in_main = interpreter("""
ctrl_c()
try:
    world.step(10**8)
except KeyboardInterrupt:
    world.step(1)
    world.save(saved)
    print(world.step_count)
""", tmp_path)
    steps = int(in_main[0])
    assert 1 < steps < 10**8
    assert quillmoss.World.load(tmp_path / "stopped.qmw").step_count == steps

    in_pool = interpreter("""
pool, other = ThreadPoolExecutor(2), world.copy()
stepping = [pool.submit(world.step, 10**8), pool.submit(other.step, 10**8)]
ctrl_c()
try:
    stepping[0].result()
except KeyboardInterrupt:
    pool.shutdown()
    print(*[type(each.exception()).__name__ for each in stepping], world.step_count)
""", tmp_path)
    assert in_pool[:2] == ["KeyboardInterrupt"] * 2
    assert 0 < int(in_pool[2]) < 10**8


def test_a_run_stopped_by_ctrl_c_keeps_its_rows(tmp_path):
    rows = interpreter("""
import pandas  # before Ctrl+C, which would stop the import instead
ctrl_c()
try:
    world.run(10**8, every=7)
except quillmoss.RunInterrupted as stopped:
    print(world.step_count, *stopped.table.step)
""", tmp_path)
    stopped_at, steps = int(rows[0]), [int(step) for step in rows[1:]]
    assert stopped_at > 7
    assert steps[-1] == stopped_at, "the last row where it stopped"
    assert steps[:-1] == list(range(0, stopped_at, 7)), "every row before it"


def test_the_interpreter_exits_without_waiting_for_steps_in_threads(tmp_path):
    assert interpreter("""
threading.Thread(target=world.copy().step, args=(10**8,)).start()
ThreadPoolExecutor(1).submit(world.step, 10**8)
print("exiting")
""", tmp_path) == ["exiting"]
