#!/usr/bin/env bash
# The speed targets, for the program's model and the reference model side by side:
# - one move on the target argumentation of 1,000 and 10,000 statements, and the in-process
#   replay of its transcript (palaver_speed_bench and palaver_speed_bench_reference, medians);
# - opening the 10,000-statement transcript as a whole process, wall time and peak memory
#   (palaver-cli evaluate FILE > /dev/null when palaver-cli is built, and the benchmark's own
#   replay program in any case), each run three times;
# - the largest number of fully connected Issues whose transcript replays within a second.
#
#   bench/speed.sh [BUILD_DIR]     (an optimised build, e.g. build/dev)
set -uo pipefail
build=${1:-$(dirname "$0")/../build/dev}
fast=$build/bench/palaver_speed_bench
reference=$build/bench/palaver_speed_bench_reference
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== moves and in-process replay (median of the repetitions)"
for bench in "$fast" "$reference"; do
  "$bench" --benchmark_format=console 2> "$work/probe.txt" > "$work/bench.txt"
  grep -E "_median|ERROR" "$work/bench.txt" |
    sed -E 's/\/(iterations|min_time)[^ ]*_median//' |
    awk '{ if ($2 == "ERROR") print "  " $1 "  " $0; else print "  " $1 "  " $2 " " $3 }' |
    sed -E "s/ERROR OCCURRED: '([^']*)'.*/\1/; s/  ([a-z]+\/[^ ]+)  \1 */  \1  /"
done

transcript=$work/target-10000.lin
"$fast" --palaver_write_transcript="$transcript"
echo "== opening the 10,000-statement transcript, whole process (wall, peak memory)"
measure() {
  local label=$1
  shift
  for run in 1 2 3; do
    if timeout 60 /usr/bin/time -f "%e s %M" -o "$work/time.txt" "$@" > /dev/null 2>&1; then
      read -r seconds _ kilobytes < "$work/time.txt"
      echo "  $label  run $run: $seconds s, $((kilobytes / 1024)) MB"
    else
      echo "  $label  run $run: > 60 s (stopped)"
      break
    fi
  done
}
measure "fast/replay-process" "$fast" --palaver_replay="$transcript"
measure "reference/replay-process" "$reference" --palaver_replay="$transcript"
cli=$(find "$build" -name palaver-cli -type f -perm -u+x | head -1)
cli_reference=$(find "$build" -name palaver-cli-reference -type f -perm -u+x | head -1)
if [[ -n "$cli" ]]; then
  measure "fast/palaver-cli-evaluate" "$cli" evaluate "$transcript"
else
  echo "  palaver-cli is not built"
fi
if [[ -n "$cli_reference" ]]; then
  measure "reference/palaver-cli-evaluate" "$cli_reference" evaluate "$transcript"
fi

echo "== fully connected Issues: the largest K that replays within 1 s"
"$fast" --palaver_cyclic_search | sed 's/^/  /'
"$reference" --palaver_cyclic_search | sed 's/^/  /'
