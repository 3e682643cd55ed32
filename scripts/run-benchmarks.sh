#!/usr/bin/env bash
# Runs every benchmark program in the given directory, one after the other.
set -euo pipefail
binDir=$1
for benchmark in "$binDir"/*Bench; do
  echo "== $(basename "$benchmark")"
  "$benchmark" --benchmark_counters_tabular=true
done
