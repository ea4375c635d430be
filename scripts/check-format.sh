#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what clang-format-14 makes of it with the
# repository's .clang-format, and names the files. `clang-format-14 -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=${CLANG_FORMAT:-clang-format-14}
if ! command -v "$formatter" >/dev/null; then
  echo "check-format: $formatter is not installed (scripts/setup.sh installs it)" >&2
  exit 1
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
differing=$("$formatter" --dry-run "${files[@]}" 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning:.*/\1/p' | sort -u)
if [[ -n $differing ]]; then
  echo "These files differ from .clang-format (clang-format-14 -i mends them):" >&2
  printf '  %s\n' $differing >&2
  exit 1
fi
echo "check-format: ${#files[@]} files as .clang-format has them"
