#!/usr/bin/env bash
# Fails when a source file of the Qt-free core includes a Qt header. The core is compiled without
# Qt's include paths as well, so such an include would also break the build; this check names
# the offending line directly.
set -euo pipefail
root=${1:-$(dirname "$0")/..}
cd "$root/src"
core_dirs=(session model line transcript controller)
hits=$(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]|qt)' \
  -r "${core_dirs[@]}" 2>/dev/null || true)
if [[ -n "$hits" ]]; then
  echo "Qt headers included in the Qt-free core:"
  echo "$hits"
  exit 1
fi
echo "core is Qt-free"
