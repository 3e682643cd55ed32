#!/usr/bin/env bash
# Compares the speed of the working tree with that of commit BASE on this machine: BASE is built
# in a git worktree and the working tree in a build directory of its own, both Release with the
# same compiler and flags; their stepBench, displayBench and (when both have it) pickBench run
# alternately, ROUNDS rounds; the medians of each benchmark and their ratio are printed.
# usage: scripts/bench-compare.sh BASE [ROUNDS, default 5]
set -euo pipefail
base=$1
rounds=${2:-5}
root=$(git rev-parse --show-toplevel)
work=$(mktemp -d /tmp/quillmossCompareXXXXXX)
cleanUp() {
  git -C "$root" worktree remove --force "$work/base" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanUp EXIT

git -C "$root" worktree add --detach "$work/base" "$base" >/dev/null 2>&1
for side in base current; do
  source=$root
  [ "$side" = base ] && source=$work/base
  echo "building $side" >&2
  cmake -S "$source" -B "$work/build-$side" -DCMAKE_BUILD_TYPE=Release >/dev/null
  targets=(stepBench displayBench)
  grep -q pickBench "$source/bench/CMakeLists.txt" && targets+=(pickBench)
  cmake --build "$work/build-$side" --target "${targets[@]}" -j "$(nproc)" >/dev/null
done

# Each round runs every benchmark of both sides once, the order of the sides alternating.
for round in $(seq "$rounds"); do
  sides=(base current)
  [ $((round % 2)) -eq 0 ] && sides=(current base)
  for side in "${sides[@]}"; do
    for bench in stepBench displayBench pickBench; do
      binary=$work/build-$side/bin/$bench
      [ -x "$binary" ] || continue
      display=()
      [ "$bench" != stepBench ] && display=("$root/scripts/with-display.sh")
      echo "round $round: $side $bench" >&2
      "${display[@]}" "$binary" --benchmark_format=json >"$work/$side-$bench-$round.json" 2>/dev/null
    done
  done
done

python3 - "$work" "$rounds" <<'PY'
import json, statistics, sys
from pathlib import Path
work, rounds = Path(sys.argv[1]), int(sys.argv[2])
topologies = ['plane', 'disc', 'sphere']

def named(name):
    # Older benchmarks were numbered by topology (step/0 is step/plane); a frame timed by the
    # benchmark itself carries a suffix.
    name = name.removesuffix('/manual_time')
    head, _, tail = name.partition('/')
    return f'{head}/{topologies[int(tail)]}' if tail.isdigit() else name

def results(side, bench):
    runs = {}
    for round in range(1, rounds + 1):
        path = work / f'{side}-{bench}-{round}.json'
        if not path.exists():
            continue
        for entry in json.loads(path.read_text())['benchmarks']:
            runs.setdefault(named(entry['name']), []).append(entry)
    return runs

print(f'{"benchmark":<16}{"base":>12}{"current":>12}{"base/current":>14}{"reference/ours (base, current)":>34}')
for bench in ['stepBench', 'displayBench', 'pickBench']:
    base, current = results('base', bench), results('current', bench)
    for name in current:
        unit = current[name][0]['time_unit']
        now = statistics.median(entry['real_time'] for entry in current[name])
        reference = ''
        if 'referenceToOurs' in current[name][0]:
            ours = statistics.median(entry['referenceToOurs'] for entry in current[name])
            then = statistics.median(entry['referenceToOurs'] for entry in base[name]) if name in base else float('nan')
            reference = f'{then:.2f}, {ours:.2f}'
        if name in base:
            before = statistics.median(entry['real_time'] for entry in base[name])
            print(f'{name:<16}{before:>9.3f} {unit}{now:>9.3f} {unit}{before / now:>14.2f}{reference:>34}')
        else:
            print(f'{name:<16}{"-":>12}{now:>9.3f} {unit}{"-":>14}{reference:>34}')
PY
