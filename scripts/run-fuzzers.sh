#!/usr/bin/env bash
# Runs each fuzzer (or those named after the first two arguments) for the given seconds on a copy
# of its corpus; a crash input lands in fuzz/regressions/<target>/ to be kept as a regression test
# once fixed.
set -euo pipefail
binDir=$1
seconds=$2
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(world worldFile panel notice)
cd "$(dirname "$0")/.."
for target in "${targets[@]}"; do
  fuzzer="$binDir/${target}Fuzzer"
  maxLength=4096
  lengthControl=100
  # The notice takes up to 64 KiB of text and cuts the rest: inputs may run past that. World files
  # are whole worlds, the sphere's the largest.
  case "$target" in
    notice) maxLength=70000; lengthControl=0 ;;
    worldFile) maxLength=2200000; lengthControl=0 ;;
  esac
  corpus=$(mktemp -d)
  cp "fuzz/corpus/$target/"* "$corpus/"
  echo "== ${target}Fuzzer for ${seconds}s"
  # The panel fuzzer opens windows: it runs under a private Xvfb.
  display=()
  if [ "$target" = panel ]; then display=(scripts/with-display.sh); fi
  "${display[@]}" "$fuzzer" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 -max_len="$maxLength" -len_control="$lengthControl" \
    -artifact_prefix="fuzz/regressions/$target/" "$corpus"
  rm -rf "$corpus"
done
