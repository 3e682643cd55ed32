#!/usr/bin/env bash
# Redraws the terrain pictures of the README (docs/terrain-*.png) with quillmoss-terrain from one seed.
set -euo pipefail
cd "$(dirname "$0")/.."
seed=${1:-1733500000}
tool=build/bin/quillmoss-terrain
[ -x "$tool" ] || { echo "build quillmoss-terrain first (make test builds it)" >&2; exit 1; }
for topology in plane disc sphere; do
  "$tool" --topology "$topology" --seed "$seed" --out "docs/terrain-$topology.png"
done
echo "docs/terrain-{plane,disc,sphere}.png drawn from seed $seed"
