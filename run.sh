#!/usr/bin/env bash
# Builds the program and its data, then starts it from its runtime folder.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/setup.sh"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "run.sh: no display found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  echo "Start it from a desktop session, or under a virtual display: xvfb-run -a ./run.sh" >&2
  exit 1
fi

cd "$root/build/run"
exec ./zephyrane
