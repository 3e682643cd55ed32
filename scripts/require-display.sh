#!/usr/bin/env bash
# Stops make run early, with one line saying what to do, when there is no X display to open windows on.
if [ -z "${DISPLAY:-}" ]; then
  echo "Quillmoss needs an X display and DISPLAY is not set: run it from a desktop session, or under a virtual one with: xvfb-run -a -s '-screen 0 1600x1200x24' make run" >&2
  exit 1
fi
