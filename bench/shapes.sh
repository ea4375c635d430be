#!/usr/bin/env bash
# The shapes whose dialectical arguments grow fastest, and the large acyclic transcripts, opened
# as a whole process: `palaver-cli evaluate FILE` of the program and of the reference model side
# by side, wall time and peak memory (median of three runs for the program; the reference once,
# stopped after 60 s), with what the program met: nothing, a cut of its JSON (the trees written
# out stop at their byte limit; the nodes written are shown) or an evaluation limit (exit status
# 3, the replay stopped).
#
#   bench/shapes.sh [BUILD_DIR] [SHAPE...]   (an optimised build with tests, e.g. build/dev)
#
# Shapes: full:K (K Issues, each a reason for each other), ring:N (a ring of N with a chord from
# every second statement to the third after it), chain:L (L levels of paired reasons), target:N
# (the acyclic tree of reasons, warrants and exceptions of about N statements).
set -uo pipefail
build=${1:-$(dirname "$0")/../build/dev}
shift || true
shapes=("$@")
if ((${#shapes[@]} == 0)); then
  shapes=(full:3 full:4 full:5 full:6 ring:20 ring:30 ring:40 ring:60
          chain:10 chain:16 chain:20 chain:24 target:10000 target:100000)
fi
writer=$build/bench/palaver_speed_bench
cli=$(find "$build" -name palaver-cli -type f -perm -u+x | head -1)
reference=$(find "$build" -name palaver-cli-reference -type f -perm -u+x | head -1)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs a command once under /usr/bin/time; prints "seconds megabytes status".
run_once() {
  local limit=$1
  shift
  (ulimit -v $((16 * 1024 * 1024)); timeout "$limit" /usr/bin/time -f "%e %M" -o "$work/time.txt" \
    "$@" > "$work/out.json" 2> "$work/err.txt")
  local status=$?
  if ((status == 124)); then
    echo "- - timeout"
    return
  fi
  local seconds kilobytes
  read -r seconds kilobytes < <(tail -1 "$work/time.txt")
  echo "$seconds $((kilobytes / 1024)) $status"
}

median() { sort -n | sed -n 2p; }

printf '%-14s %5s | %9s %8s %-22s | %9s %8s\n' shape conn "time s" "peak MB" "met" \
  "ref s" "ref MB"
for shape in "${shapes[@]}"; do
  file=$work/${shape/:/-}.lin
  "$writer" --palaver_write_transcript="$file" --palaver_shape="$shape" || continue
  connections=$(grep -c '^CONCLUSION' "$file")
  times=()
  memories=()
  status=0
  for run in 1 2 3; do
    read -r seconds megabytes status < <(run_once 60 "$cli" evaluate "$file")
    times+=("$seconds")
    memories+=("$megabytes")
  done
  met="nothing"
  if [[ $status == 3 ]]; then
    met="evaluation limit"
  elif [[ $status == timeout ]]; then
    met="> 60 s"
  elif grep -q '"cut": {' "$work/out.json"; then
    written=$(sed -n 's/.*"nodes_written": \([0-9]*\).*/\1/p' "$work/out.json" | tail -1)
    met="JSON cut at $written nodes"
  fi
  read -r ref_seconds ref_megabytes ref_status < <(run_once 60 "$reference" evaluate "$file")
  if [[ $ref_status == timeout ]]; then
    ref_seconds="> 60"
    ref_megabytes="-"
  elif [[ $ref_status != 0 ]]; then
    ref_seconds="failed ($ref_status)"
    ref_megabytes="-"
  fi
  printf '%-14s %5s | %9s %8s %-22s | %9s %8s\n' "$shape" "$connections" \
    "$(printf '%s\n' "${times[@]}" | median)" "$(printf '%s\n' "${memories[@]}" | median)" \
    "$met" "$ref_seconds" "$ref_megabytes"
done
