#!/usr/bin/env bash
# The finite-size study of the README: planes of 80, 160, 320 and 640 cells a side, 8 seeds, 2,000
# steps, run as one sweep with the sizes as an axis, then drawn into docs/finite-size.png: the
# share of living cells, groups per thousand cells and mean technology against the step, a line per
# size with a band of one standard deviation over the seeds. With a directory of a finished sweep
# as its argument it only draws.
set -euo pipefail
cd "$(dirname "$0")/.."
lab=build/bin/quillmoss-lab
out=${1:-finite-size}
command -v gnuplot > /dev/null || { echo "gnuplot is needed (apt-get install gnuplot-nox)" >&2; exit 1; }
if [ ! -f "$out/summary.csv" ]; then
  [ -x "$lab" ] || { echo "build quillmoss-lab first (make python or make test builds it)" >&2; exit 1; }
  "$lab" sweep --topology plane --plane-size 80x80,160x160,320x320,640x640 --seeds 1-8 \
    --steps 2000 --every 100 --out "$out"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One file per size: step, living share, groups per thousand cells and technology, each with its sd.
awk -F, -v dir="$work" '
  NR == 1 { for (c = 1; c <= NF; ++c) column[$c] = c; next }
  {
    size = $column["size"]; split(size, side, "x"); cells = side[1] * side[2]
    print $column["step"], $column["living_cells_mean"] / cells, $column["living_cells_sd"] / cells,
          1000 * $column["groups_mean"] / cells, 1000 * $column["groups_sd"] / cells,
          $column["technology_mean_mean"], $column["technology_mean_sd"] > (dir "/" size ".dat")
  }' "$out/summary.csv"
sizes=$(ls "$work" | sed 's/\.dat$//' | sort -t x -n -k1)
panel() {  # column of the mean, title, y label
  local plots="" colour=0
  for size in $sizes; do
    [ $colour = 0 ] || plots+=", "
    colour=$((colour + 1))
    plots+="'$work/$size.dat' using 1:(\$$1-\$$(($1 + 1))):(\$$1+\$$(($1 + 1))) with filledcurves lc $colour fs transparent solid 0.2 notitle, "
    plots+="'' using 1:$1 with lines lc $colour lw 2 title '$size'"
  done
  printf "set title '%s'\nset ylabel '%s'\nplot %s\n" "$2" "$3" "$plots"
}
{
  echo "set terminal pngcairo size 1200,400"
  echo "set output 'docs/finite-size.png'"
  echo "set multiplot layout 1,3"
  echo "set xlabel 'step'; set grid; set key top left"
  panel 2 "Living cells" "share of the cells"
  panel 4 "Groups" "groups per thousand cells"
  panel 6 "Technology" "mean technology"
  echo "unset multiplot"
} | gnuplot
echo "docs/finite-size.png drawn from $out/summary.csv"
