#!/usr/bin/env bash
# Takes the README's screenshots of the windows (docs/window-*.png, the world beside the Plots window among them): Quillmoss runs under a
# private Xvfb for a few seconds after its notice is dismissed, then each window is captured.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh docs
binary=build/bin/quillmoss
[ -x "$binary" ] || { echo "build quillmoss first (make test builds it)" >&2; exit 1; }

work=$(mktemp -d)
trap 'kill "${program:-}" 2>/dev/null; wait "${program:-}" 2>/dev/null; kill "${server:-}" 2>/dev/null; rm -rf "$work"' EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1700x1200x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

(cd "$work" && exec "$OLDPWD/$binary" --plots >/dev/null) &
program=$!
window() { xdotool search --sync --name "^$1\$" | head -n 1; }
notice=$(window ORVAN)
xdotool windowfocus --sync "$notice" key Return
sleep 6  # sixty generations at "Swallow"
import -window "$(window Quillmoss)" docs/window-world.png
import -window "$(window Simulation)" docs/window-simulation.png
import -window "$(window Render)" docs/window-render.png
import -window "$(window Plots)" "$work/plots.png"
convert docs/window-world.png "$work/plots.png" -background white -gravity north +append docs/window-plots.png
echo "docs/window-{world,simulation,render,plots}.png taken"
