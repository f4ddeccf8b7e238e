#!/usr/bin/env bash
# Runs each harness for the given number of seconds, one after the other, from the
# seed corpus in fuzz/corpus/<name> (the inputs it finds go to BUILD/corpus/<name>).
# Any crash, sanitizer report, leak, time-out or memory blow-up that its input makes
# again when run alone ends with an error. One that the input does not make again
# (a time-out while the machine was busy, a thread caught mid-way by the leak check)
# is reported as such without failing the run. What each fault was, and the input
# that caused it, are repeated at the very end, where a log cut to its last lines
# still shows them.
set -euo pipefail
build="${1:?build folder}"
seconds="${2:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
failed=()
unreliable=()
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
# The inputs this run kept for a harness's fault, as libFuzzer named them in its log.
inputs() { sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$build/fuzz_$1.log"; }

# Whether an input kept for this harness's fault makes it again, run alone three times
# (a fault that kept no input counts as made again).
reproduces() {
  local input found=0
  while read -r input; do
    [ -f "$input" ] || continue
    found=1
    if ! "$build/fuzz/fuzz_$1" -timeout=20 -rss_limit_mb=3072 -runs=3 "$input" >>"$build/fuzz_$1.replay.log" 2>&1; then
      return 0
    fi
  done < <(inputs "$1")
  [ $found -eq 0 ]
}

for name in project legacy ini datafile codes catalogue glabels; do
  corpus="$build/corpus/$name"
  mkdir -p "$corpus" "$build/findings"
  echo "== fuzz_$name: $seconds s"
  if ! "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=3072 -max_len=4096 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$name-" \
      "$corpus" "$root/fuzz/corpus/$name" 2>"$build/fuzz_$name.log"; then
    echo "fuzz_$name found a fault; see $build/fuzz_$name.log and $build/findings/" >&2
    tail -n 40 "$build/fuzz_$name.log" >&2
    if reproduces "$name"; then failed+=("$name"); else unreliable+=("$name"); fi
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/fuzz_$name.log" || true
done
summary() {
  local name="$1"
  grep -E -m 8 "FINDING|ERROR:|SUMMARY:| in plk::|^line |^[A-Z]+ " "$build/fuzz_$name.log" | cut -c 1-200 >&2 || true
  inputs "$name" | while read -r input; do
    [ -f "$input" ] || continue
    echo "input $(basename "$input") ($(stat -c %s "$input") bytes), base64:" >&2
    head -c 1536 "$input" | base64 -w 0 >&2
    echo >&2
  done
}
for name in "${unreliable[@]}"; do
  echo "== fuzz_$name: a fault its input does not make again alone (warning only):" >&2
  summary "$name"
done
for name in "${failed[@]}"; do
  echo "== fuzz_$name failed:" >&2
  summary "$name"
done
[ ${#failed[@]} -eq 0 ]
