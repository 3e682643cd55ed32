#!/usr/bin/env bash
# Installs the Debian packages Quillmoss needs for one purpose (run, test, bench, docs, fuzz, format, mutants, slurm or
# python), only when some are missing. Python packages are Debian's, for Debian's python3 (/usr/bin/python3).
set -euo pipefail

runPackages=(g++ make cmake freeglut3-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri libx11-dev libpng-dev libzstd-dev libcli11-dev)
pythonPackages=(pybind11-dev python3-dev python3-numpy python3-pandas python3-xarray python3-tqdm)
notebookPackages=(python3-pytest python3-nbclient python3-nbformat python3-ipykernel python3-matplotlib python3-distributed)
testPackages=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool libegl-dev libegl-mesa0 gnuplot-nox parallel ffmpeg
              "${pythonPackages[@]}" "${notebookPackages[@]}")
benchPackages=("${testPackages[@]}")
docsPackages=(xvfb xdotool imagemagick)
fuzzPackages=(clang libclang-rt-14-dev xvfb)
formatPackages=(clang-format)
mutantsPackages=(python3 "${testPackages[@]}")
slurmPackages=(slurm-wlm munge "${testPackages[@]}")

case "${1:-}" in
  run) wanted=("${runPackages[@]}") ;;
  test) wanted=("${runPackages[@]}" "${testPackages[@]}") ;;
  bench) wanted=("${runPackages[@]}" "${benchPackages[@]}") ;;
  docs) wanted=("${runPackages[@]}" "${docsPackages[@]}") ;;
  fuzz) wanted=("${runPackages[@]}" "${fuzzPackages[@]}") ;;
  format) wanted=("${formatPackages[@]}") ;;
  mutants) wanted=("${runPackages[@]}" "${mutantsPackages[@]}") ;;
  slurm) wanted=("${runPackages[@]}" "${slurmPackages[@]}") ;;
  python) wanted=("${runPackages[@]}" libegl-dev libegl-mesa0 "${pythonPackages[@]}") ;;
  *) echo "usage: $0 run|test|bench|docs|fuzz|format|mutants|slurm|python" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
  [[ "$status" == ii* ]] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  asRoot=()
elif command -v sudo >/dev/null 2>&1; then
  asRoot=(sudo)
else
  echo "Missing packages: ${missing[*]}. Install them as root (apt-get install ${missing[*]}) or run this as root." >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${asRoot[@]}" apt-get update -qq
"${asRoot[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
