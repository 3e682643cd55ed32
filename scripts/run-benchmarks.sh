#!/usr/bin/env bash
# Runs every benchmark program in the given directory, one after the other; the one that draws
# runs under a private Xvfb.
set -euo pipefail
binDir=$1
for benchmark in "$binDir"/*Bench; do
  echo "== $(basename "$benchmark")"
  display=()
  case "$(basename "$benchmark")" in displayBench | pickBench) display=("$(dirname "$0")/with-display.sh") ;; esac
  "${display[@]}" "$benchmark" --benchmark_counters_tabular=true
done
