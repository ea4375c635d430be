#!/usr/bin/env bash
# Runs clang-tidy with the checks .clang-tidy chooses over the program's sources, as the dev build
# compiles them, and fails when it reports anything. Not part of CI: over all of src/ it takes
# about ten minutes on two cores.
#
#   scripts/run-clang-tidy.sh                  every folder of src/
#   scripts/run-clang-tidy.sh src/cli src/app  only these folders
#   scripts/run-clang-tidy.sh --all            src/, tests/ and bench/
#
# Configure and build the dev preset first (`cmake --preset dev && cmake --build --preset dev`):
# clang-tidy reads build/dev/compile_commands.json and needs the headers the build generates.
# BUILD_DIR chooses another build tree, JOBS the number of parallel runs (default: all cores).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${BUILD_DIR:-build/dev}
jobs=${JOBS:-$(nproc)}
runner=${RUN_CLANG_TIDY:-run-clang-tidy-14}
tidy=${CLANG_TIDY:-clang-tidy-14}

for tool in "$runner" "$tidy"; do
  if ! command -v "$tool" >/dev/null; then
    echo "run-clang-tidy: $tool is not installed (apt-get install clang-tidy-14)" >&2
    exit 1
  fi
done
if [[ ! -f $build/compile_commands.json ]]; then
  echo "run-clang-tidy: no $build/compile_commands.json; configure and build the dev preset first" >&2
  exit 1
fi

folders=()
if [[ ${1-} == --all ]]; then
  folders=(src tests bench)
elif (($# > 0)); then
  for f in "$@"; do folders+=("${f%/}"); done
else
  folders=(src)
fi
# Anchored at the repository root, so that the sources moc and rcc generate under the build tree
# (build/dev/src/...) are left out: they are Qt's code, not ours.
pattern="^$root/($(IFS='|'; echo "${folders[*]}"))/.*\\.cpp\$"

log=$(mktemp)
trap 'rm -f "$log"' EXIT
# The dev build passes GCC-only warning options (e.g. -Wno-restrict) that clang does not know;
# with -Werror they would otherwise be reported as an error in every file.
"$runner" -p "$build" -j "$jobs" -quiet -clang-tidy-binary "$(command -v "$tidy")" \
  -extra-arg=-Wno-unknown-warning-option "$pattern" 2>&1 |
  sed 's/\x1b\[[0-9;]*m//g' >"$log" || true

# A header's finding appears once for every file that includes it: each is reported once.
findings=$(grep -E '^/[^ ]*:[0-9]+:[0-9]+: (warning|error):' "$log" | sort -u || true)
if [[ -z $findings ]]; then
  echo "run-clang-tidy: no findings in ${folders[*]}"
  exit 0
fi
echo "${findings//$root\//}"
echo
echo "run-clang-tidy: findings by check:"
grep -oE '\[[A-Za-z0-9.,-]+\]$' <<<"$findings" | sort | uniq -c | sort -rn
exit 1
