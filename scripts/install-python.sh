#!/usr/bin/env bash
# Installs the built quillmoss package (the directory given) for Debian's python3, in its directory
# of local packages (/usr/local/lib/python3.X/dist-packages), where it imports with no path set.
# When the python3 first on PATH is another interpreter of the same version (pyenv's, say), the
# package goes there too, and where that interpreter has no NumPy or pandas of its own it is
# pointed at Debian's by a .pth file, after its own packages.
set -euo pipefail
package=$1
debianPython=${QUILLMOSS_PYTHON:-/usr/bin/python3}
asRoot=()
[ "$(id -u)" -eq 0 ] || asRoot=(sudo)

siteOf() { "$1" -c 'import sysconfig; print(sysconfig.get_path("purelib"))'; }
versionOf() { "$1" -c 'import sys; print("%d.%d" % sys.version_info[:2])'; }
installInto() {
  "${asRoot[@]}" mkdir -p "$1"
  "${asRoot[@]}" rm -rf "$1/quillmoss"
  "${asRoot[@]}" cp -r "$package" "$1/quillmoss"
  echo "installed quillmoss in $1"
}

installInto "$(siteOf "$debianPython")"
other=$(command -v python3 || true)
if [ -n "$other" ] && [ "$("$other" -c 'import sys; print(sys.executable)')" != "$("$debianPython" -c 'import sys; print(sys.executable)')" ]; then
  if [ "$(versionOf "$other")" = "$(versionOf "$debianPython")" ]; then
    otherSite=$(siteOf "$other")
    installInto "$otherSite"
    if ! "$other" -c 'import numpy, pandas' 2>/dev/null; then
      echo /usr/lib/python3/dist-packages | "${asRoot[@]}" tee "$otherSite/quillmoss-debian-packages.pth" >/dev/null
      echo "$other finds Debian's NumPy and pandas through $otherSite/quillmoss-debian-packages.pth"
    fi
  else
    echo "note: python3 on PATH ($other) is Python $(versionOf "$other"); use $debianPython for quillmoss" >&2
  fi
fi
env -u PYTHONPATH python3 -c 'import quillmoss' && echo "python3 -c 'import quillmoss' works"
