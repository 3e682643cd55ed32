"""Steps per second of populated spheres stepped from Python: one world in one thread, then two worlds
in two threads of a pool, in alternating rounds; the ratio of the two rates (at most 2 on two cores).
Worlds release the GIL while they step, so the threads step side by side."""

import statistics
import time
from concurrent.futures import ThreadPoolExecutor

import quillmoss

STEPS = 300
ROUNDS = 5


def steps_per_second(grown, threads):
    worlds = [grown.copy() for _ in range(threads)]
    with ThreadPoolExecutor(threads) as pool:
        start = time.perf_counter()
        list(pool.map(lambda world: world.step(STEPS), worlds))
        return threads * STEPS / (time.perf_counter() - start)


def main():
    grown = quillmoss.World("sphere", seed=1733500000)
    grown.step(1500)
    one, two = [], []
    for _ in range(ROUNDS):
        one.append(steps_per_second(grown, 1))
        two.append(steps_per_second(grown, 2))
    rate_one, rate_two = statistics.median(one), statistics.median(two)
    print(f"python threads: one thread {rate_one:.0f} steps/s, two threads {rate_two:.0f} steps/s, "
          f"ratio {rate_two / rate_one:.2f} (goal: at least 1.8)")


if __name__ == "__main__":
    main()
