#!/usr/bin/env bash
# How much faster a sweep of 24 runs finishes with two workers than with one: the same sweep run
# into two fresh directories, timed by the wall clock, and the tables checked to be the same.
# usage: scripts/sweep-speedup.sh path/to/quillmoss-lab [workers, default the number of cores]
set -euo pipefail
lab=$1
workers=${2:-$(nproc)}
work=$(mktemp -d /tmp/quillmossSpeedupXXXXXX)
trap 'rm -rf "$work"' EXIT
sweep=(sweep --topology plane,disc,sphere --disaster-rate 0,0.05 --seeds 1-4 --steps 1000 --every 250)

seconds() {
  local start end
  start=$(date +%s.%N)
  "$lab" "${sweep[@]}" --workers "$1" --out "$work/$1" 2>/dev/null >/dev/null
  end=$(date +%s.%N)
  awk -v start="$start" -v end="$end" 'BEGIN { print end - start }'
}

one=$(seconds 1)
many=$(seconds "$workers")
cmp -s "$work/1/sweep.csv" "$work/$workers/sweep.csv" || { echo "the tables differ" >&2; exit 1; }
printf '24 runs: %.1f s with 1 worker, %.1f s with %d: %.2f times as fast\n' "$one" "$many" "$workers" "$(awk -v one="$one" -v many="$many" 'BEGIN { print one / many }')"
