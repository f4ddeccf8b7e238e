#!/usr/bin/env bash
# Runs each harness for the given number of seconds, one after the other, from the
# seed corpus in fuzz/corpus/<name> (the inputs it finds go to BUILD/corpus/<name>).
# Any crash, sanitizer report, leak, time-out or memory blow-up ends with an error.
set -euo pipefail
build="${1:?build folder}"
seconds="${2:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
status=0
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
for name in project legacy ini datafile codes catalogue; do
  corpus="$build/corpus/$name"
  mkdir -p "$corpus" "$build/findings"
  echo "== fuzz_$name: $seconds s"
  if ! "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=3072 -max_len=4096 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$name-" \
      "$corpus" "$root/fuzz/corpus/$name" 2>"$build/fuzz_$name.log"; then
    echo "fuzz_$name found a fault; see $build/fuzz_$name.log and $build/findings/" >&2
    tail -n 40 "$build/fuzz_$name.log" >&2
    status=1
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/fuzz_$name.log" || true
done
exit $status
