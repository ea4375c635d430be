#!/usr/bin/env bash
# The shapes whose dialectical arguments grow fastest, and the large acyclic transcripts, opened
# as a whole process: `palaver-cli evaluate FILE` of the program, of another build of it (e.g.
# today's release, with --baseline) and of its reference model side by side: wall time and peak
# memory (median of three runs for the program and the baseline; the reference once, stopped
# after 60 s), what the program met (nothing, a cut of its JSON: the trees written out stop at
# their byte limit and the nodes written are shown, or an evaluation limit: exit status 3, the
# replay stopped), and whether its output is the reference's, byte for byte.
#
#   bench/shapes.sh [--cli PALAVER_CLI] [--baseline PALAVER_CLI] [BUILD_DIR] [SHAPE...]
#
# BUILD_DIR is an optimised build with tests (e.g. build/dev): it writes the transcripts and has
# the reference; --cli times another palaver-cli instead of its own (e.g. a release build).
# Shapes: full:K (K Issues, each a reason for each other; "+x:N" adds N exceptions on those
# connections, "+s:N" N plain statements), ring:N (a ring of N with a chord from every second
# statement to the third after it), chain:L (L levels of paired reasons), target:N (the acyclic
# tree of reasons, warrants and exceptions of about N statements). A shape ending in "/back" is
# evaluated with --back: opened, then one move taken back.
set -uo pipefail
cli=
baseline=
while [[ $# -gt 0 ]]; do
  case $1 in
    --cli) cli=$2; shift 2 ;;
    --baseline) baseline=$2; shift 2 ;;
    *) break ;;
  esac
done
build=${1:-$(dirname "$0")/../build/dev}
shift || true
shapes=("$@")
if ((${#shapes[@]} == 0)); then
  shapes=(full:3 full:4 full:5 full:6 full:5+x:10 full:5+x:40 full:5+x:80 full:5+s:40
          full:5+x:40/back ring:20 ring:30 ring:40 ring:60 chain:10 chain:16 chain:20 chain:24
          target:10000 target:100000 target:100000/back)
fi
writer=$build/bench/palaver_speed_bench
[[ -n $cli ]] || cli=$(find "$build" -name palaver-cli -type f -perm -u+x | head -1)
reference=$(find "$build" -name palaver-cli-reference -type f -perm -u+x | head -1)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs a command once under /usr/bin/time, its output to OUT; prints "seconds megabytes status".
run_once() {
  local limit=$1 out=$2
  shift 2
  (ulimit -v $((16 * 1024 * 1024)); timeout "$limit" /usr/bin/time -f "%e %M" -o "$work/time.txt" \
    "$@" > "$out" 2> "$work/err.txt")
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

# Three runs of a palaver-cli; prints "seconds megabytes status" (medians, the last status).
run_three() {
  local program=$1 out=$2
  shift 2
  local times=() memories=() seconds megabytes status=0
  for run in 1 2 3; do
    read -r seconds megabytes status < <(run_once 60 "$out" "$program" evaluate "$@")
    times+=("$seconds")
    memories+=("$megabytes")
  done
  echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${memories[@]}" | median) $status"
}

printf '%-18s %5s %5s | %8s %7s %-20s | %8s %7s | %8s %-7s\n' shape conn moves "time s" \
  "peak MB" "met" "base s" "base MB" "ref s" "same"
for shape in "${shapes[@]}"; do
  name=${shape%/back}
  options=()
  [[ $name != "$shape" ]] && options=(--back)
  file=$work/${name//[:+]/-}.lin
  "$writer" --palaver_write_transcript="$file" --palaver_shape="$name" || continue
  # Every entry is a move; an exception entry holds a CONCLUSION line of its own.
  statements=$(grep -cE $'^STATEMENT\r?$' "$file")
  conclusions=$(grep -cE $'^CONCLUSION\r?$' "$file")
  exceptions=$(grep -cE $'^EXCEPTION\r?$' "$file")
  connections=$((conclusions - exceptions))
  moves=$((statements + conclusions))
  read -r seconds megabytes status < <(run_three "$cli" "$work/out.json" "${options[@]}" "$file")
  met="nothing"
  if [[ $status == 3 ]]; then
    met="evaluation limit"
  elif [[ $status == timeout ]]; then
    met="> 60 s"
  elif grep -q '"cut": {' "$work/out.json"; then
    written=$(sed -n 's/.*"nodes_written": \([0-9]*\).*/\1/p' "$work/out.json" | tail -1)
    met="JSON cut at $written nodes"
  fi
  base_seconds="-"
  base_megabytes="-"
  if [[ -n $baseline ]]; then
    read -r base_seconds base_megabytes _ < <(run_three "$baseline" "$work/base.json" \
      "${options[@]}" "$file")
  fi
  read -r ref_seconds _ ref_status < <(run_once 60 "$work/ref.json" "$reference" evaluate \
    "${options[@]}" "$file")
  same="-"
  if [[ $ref_status == timeout ]]; then
    ref_seconds="> 60"
  elif [[ $ref_status != 0 && $ref_status != 3 ]]; then
    ref_seconds="failed ($ref_status)"
  elif cmp -s "$work/out.json" "$work/ref.json"; then
    same="yes"
  else
    same="DIFFERS"
  fi
  printf '%-18s %5s %5s | %8s %7s %-20s | %8s %7s | %8s %-7s\n' "$shape" "$connections" "$moves" \
    "$seconds" "$megabytes" "$met" "$base_seconds" "$base_megabytes" "$ref_seconds" "$same"
done
