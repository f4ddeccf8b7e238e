#!/usr/bin/env bash
# Runs each harness for the given number of seconds, one after the other, from the
# seed corpus in fuzz/corpus/<name> (the inputs it finds go to BUILD/corpus/<name>).
# Any crash, sanitizer report, leak, time-out or memory blow-up ends with an error;
# what each fault was, and the input that caused it, are repeated at the very end,
# where a log cut to its last lines still shows them.
set -euo pipefail
build="${1:?build folder}"
seconds="${2:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
failed=()
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
for name in project legacy ini datafile codes catalogue glabels; do
  corpus="$build/corpus/$name"
  mkdir -p "$corpus" "$build/findings"
  echo "== fuzz_$name: $seconds s"
  if ! "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=3072 -max_len=4096 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$name-" \
      "$corpus" "$root/fuzz/corpus/$name" 2>"$build/fuzz_$name.log"; then
    echo "fuzz_$name found a fault; see $build/fuzz_$name.log and $build/findings/" >&2
    tail -n 40 "$build/fuzz_$name.log" >&2
    failed+=("$name")
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/fuzz_$name.log" || true
done
for name in "${failed[@]}"; do
  echo "== fuzz_$name failed:" >&2
  grep -E -m 8 "FINDING|ERROR:|SUMMARY:| in plk::|^line |^[A-Z]+ " "$build/fuzz_$name.log" | cut -c 1-200 >&2 || true
  for input in "$build/findings/$name-"*; do
    [ -f "$input" ] || continue
    echo "input $(basename "$input") ($(stat -c %s "$input") bytes), base64:" >&2
    head -c 1536 "$input" | base64 -w 0 >&2
    echo >&2
  done
done
[ ${#failed[@]} -eq 0 ]
