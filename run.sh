#!/usr/bin/env bash
# Installs what is missing, builds Palaver and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
program=build/dev/src/app/palaver
if [[ ! -x $program ]]; then
  echo "Palaver's window is not built yet; the core and its tests are (./test.sh runs them)."
  exit 0
fi
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  echo "No display to show the window on. Palaver is built at $program;"
  echo "start it from a desktop session, or try it headless with: xvfb-run -a $program"
  exit 0
fi
exec "$program" "$@"
