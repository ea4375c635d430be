#!/usr/bin/env bash
# Remakes docs/palaver-window.png: the real main window under Xvfb with tests/data/screenshot.lin
# opened in it. Needs a build in build/dev (./run.sh or ./test.sh makes one).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
cmake --build "$build" --target palaver_window_screenshot
xvfb-run -a -s "-screen 0 800x600x24" \
  "$build/tests/app/palaver_window_screenshot" tests/data/screenshot.lin docs/palaver-window.png
echo "docs/palaver-window.png written"
