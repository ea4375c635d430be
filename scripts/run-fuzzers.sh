#!/usr/bin/env bash
# Builds the libFuzzer harnesses (the fuzz preset, clang) and runs each for SECONDS seconds on a
# copy of its seed corpus in a temporary directory, so that nothing new lands in the repository.
# Fails on any crash, leak, timeout or sanitizer report; the reproducer is kept and named.
#
#   scripts/run-fuzzers.sh SECONDS
set -euo pipefail

if [[ $# -ne 1 || ! $1 =~ ^[0-9]+$ ]]; then
  echo "usage: $0 SECONDS" >&2
  exit 2
fi
seconds=$1
cd "$(dirname "$0")/.."

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work=$(mktemp -d "${TMPDIR:-/tmp}/palaver-fuzz.XXXXXX")
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

failed=0
for harness in fuzz_transcript fuzz_rtf; do
  corpus="$work/$harness/corpus"
  mkdir -p "$corpus"
  cp fuzz/corpus/"$harness"/* "$corpus"/
  echo "== $harness: ${seconds}s"
  # -timeout: one input that takes this long counts as a hang.
  if ! build/fuzz/fuzz/"$harness" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$work/$harness/" "$corpus" \
      >"$work/$harness/log" 2>&1; then
    failed=1
    echo "!! $harness failed; the end of its log:" >&2
    tail -n 60 "$work/$harness/log" >&2
    for artifact in "$work/$harness"/crash-* "$work/$harness"/leak-* "$work/$harness"/timeout-* \
        "$work/$harness"/oom-* "$work/$harness"/slow-unit-*; do
      [[ -e $artifact ]] && echo "!! reproducer: $artifact" >&2
    done
  else
    grep -E '^stat::number_of_executed_units|^Done' "$work/$harness/log" || true
  fi
done

if [[ $failed -ne 0 ]]; then
  echo "Fuzzing found problems; the logs and reproducers are in $work" >&2
  exit 1
fi
rm -rf "$work"
echo "Fuzzing: no problems in ${seconds}s per harness"
