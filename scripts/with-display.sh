#!/usr/bin/env bash
# Runs a command under a private Xvfb, which picks a free display itself (-displayfd: servers started
# at the same moment never take the same number), and stops the server afterwards.
set -euo pipefail
work=$(mktemp -d)
trap 'kill "${server:-}" 2>/dev/null; wait "${server:-}" 2>/dev/null; rm -rf "$work"' EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
exec 3>&-
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "with-display.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
"$@"
