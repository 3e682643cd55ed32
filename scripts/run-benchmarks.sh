#!/usr/bin/env bash
# Runs every benchmark program in the given directory, one after the other; the one that draws
# runs under a private Xvfb.
set -euo pipefail
binDir=$1
for benchmark in "$binDir"/*Bench; do
  echo "== $(basename "$benchmark")"
  display=()
  if [ "$(basename "$benchmark")" = displayBench ]; then display=("$(dirname "$0")/with-display.sh"); fi
  "${display[@]}" "$benchmark" --benchmark_counters_tabular=true
done
