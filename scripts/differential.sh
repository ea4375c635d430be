#!/usr/bin/env bash
# Compares the program's model with the straightforward reference model on generated cases: the
# dump program built against each replays the same cases and must print the same bytes. When
# palaver-cli and palaver-cli-reference are built, their `evaluate` output is compared on the
# cases' transcripts as well.
#
#   scripts/differential.sh [--build DIR] [--cases N] [--from SEED] [--batch N] [--cli-every N]
#
# A case in which the program refuses a move past an evaluation limit is not compared (the
# reference has no limits) and is counted apart.
# --cli-every N compares palaver-cli on every N-th case only (two processes a case are slow
# under the sanitizers).
set -euo pipefail
build=$(dirname "$0")/../build/dev
cases=300
from=1
batch=500
cli_every=1
while [[ $# -gt 0 ]]; do
  case $1 in
    --build) build=$2; shift 2 ;;
    --cases) cases=$2; shift 2 ;;
    --from) from=$2; shift 2 ;;
    --batch) batch=$2; shift 2 ;;
    --cli-every) cli_every=$2; shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--cases N] [--from SEED] [--batch N] [--cli-every N]" >&2
       exit 2 ;;
  esac
done
fast=$build/tests/differential/palaver-differential-dump
reference=$build/tests/differential/palaver-differential-dump-reference
cli=$(find "$build" -name palaver-cli -type f -perm -u+x 2>/dev/null | head -1 || true)
cli_reference=$(find "$build" -name palaver-cli-reference -type f -perm -u+x 2>/dev/null | head -1 || true)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The reference model has no evaluation limits: a case in which the program refuses a move past
# one (its dump shows the message) cannot be compared, and is counted apart. Splits the batch's
# dumps into one file per case; prints the first case that differs otherwise, with a diff of its
# two dumps, and returns 1 if there is one. The seeds of the cases beyond a limit go to
# $work/beyond.
compare_cases() {
  rm -f "$work"/fast-* "$work"/ref-*
  : > "$work/beyond"
  awk -v dir="$work" '/^CASE /{file=dir "/fast-" $2} {print > file}' "$work/fast.txt"
  awk -v dir="$work" '/^CASE /{file=dir "/ref-" $2} {print > file}' "$work/reference.txt"
  for f in $(ls "$work"/fast-* | sort -t- -k2 -n); do
    seed=${f##*-}
    cmp -s "$f" "$work/ref-$seed" && continue
    if grep -qE "more than Palaver can evaluate|meer dan Palaver kan evalueren" "$f"; then
      echo "$seed" >> "$work/beyond"
      continue
    fi
    echo "case $seed differs (reference <, program >):"
    "$fast" --from "$seed" --cases 1 --show | sed -n '/^seed/,/^CASE/p' | head -60
    diff "$work/ref-$seed" "$f" | head -40
    return 1
  done
  return 0
}

passed=0
failed=0
compared=0
beyond=0
start=$from
end=$((from + cases))
while [[ $start -lt $end ]]; do
  n=$((end - start < batch ? end - start : batch))
  "$fast" --from "$start" --cases "$n" > "$work/fast.txt"
  "$reference" --from "$start" --cases "$n" > "$work/reference.txt"
  : > "$work/beyond"
  if cmp -s "$work/fast.txt" "$work/reference.txt"; then
    passed=$((passed + n))
  elif compare_cases; then
    skipped=$(wc -l < "$work/beyond")
    beyond=$((beyond + skipped))
    passed=$((passed + n - skipped))
  else
    failed=$((failed + 1))
    break
  fi
  if [[ -n "$cli" && -n "$cli_reference" ]]; then
    mkdir -p "$work/lin"
    "$fast" --from "$start" --cases "$n" --write-transcripts "$work/lin"
    for file in "$work"/lin/*.lin; do
      seed=${file##*/case-}
      seed=${seed%.lin}
      [[ $((seed % cli_every)) -eq 0 ]] || continue
      grep -qx "$seed" "$work/beyond" && continue
      compared=$((compared + 1))
      "$cli" evaluate "$file" > "$work/cli.txt" 2>&1 || true
      "$cli_reference" evaluate "$file" > "$work/cli-reference.txt" 2>&1 || true
      if ! cmp -s "$work/cli.txt" "$work/cli-reference.txt"; then
        echo "palaver-cli evaluate differs on $(basename "$file"):"
        diff "$work/cli-reference.txt" "$work/cli.txt" | head -40
        failed=$((failed + 1))
        break 2
      fi
    done
    rm -rf "$work/lin"
  fi
  start=$((start + n))
done
if [[ -z "$cli" || -z "$cli_reference" ]]; then
  echo "palaver-cli evaluate not compared (not built)"
else
  echo "palaver-cli evaluate compared on $compared cases"
fi
echo "differential: $passed passed, $failed failed, $beyond beyond an evaluation limit (not compared)"
[[ $failed -eq 0 ]]
