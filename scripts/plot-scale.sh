#!/usr/bin/env bash
# Draws docs/scale-cost.png: the step's time and the world's memory against the number of cells, on
# planes from 80 x 80 to 2048 x 2048, log-log, from the step benchmark's scale rows (make bench builds it).
set -euo pipefail
cd "$(dirname "$0")/.."
bench=${1:-build/bin/stepBench}
[ -x "$bench" ] || { echo "build stepBench first (make bench builds it)" >&2; exit 1; }
command -v gnuplot > /dev/null || { echo "gnuplot is needed (apt-get install gnuplot-nox)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bench" --benchmark_filter='stepAtScale/plane' --benchmark_format=csv > "$work/rows.csv"
# Columns by name: cells, milliseconds per step, megabytes held (bytes per cell times cells).
awk -F, 'NR == 1 { for (c = 1; c <= NF; ++c) { gsub(/"/, "", $c); column[$c] = c }; next }
         /^"stepAtScale/ { cells = $column["cells"]; print cells, $column["msPerStep"], cells * $column["bytesPerCell"] / 1e6 }' \
  "$work/rows.csv" > "$work/rows.dat"
gnuplot <<PLOT
set terminal pngcairo size 800,500
set output 'docs/scale-cost.png'
set title 'The step on planes of 80x80 to 2048x2048 cells'
set logscale xy
set xlabel 'cells'
set ylabel 'milliseconds per step, megabytes held'
set key top left
set grid
plot '$work/rows.dat' using 1:2 with linespoints title 'time per step (ms)', \
     '$work/rows.dat' using 1:3 with linespoints title 'memory of the world (MB)'
PLOT
echo "docs/scale-cost.png drawn from $(wc -l < "$work/rows.dat") plane sizes"
cat "$work/rows.dat"
