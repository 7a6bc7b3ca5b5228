#!/bin/sh
# Fuzzes the readers of data from outside the program (tests/fuzz), built
# in the sanitizer tree:
#   scripts/fuzz.sh                  every target for 20 seconds, two at a time (CI)
#   scripts/fuzz.sh TARGET SECONDS   one target for as long as asked
# New inputs are kept in build/sanitize/fuzz/TARGET/. An input that fails is
# left there as crash-* (or leak-*, timeout-*): mend the fault and add the
# input to tests/fuzz/corpus/TARGET/, where every run of the tests replays it.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/packages.sh"
install_packages $SANITIZER_PACKAGES
build_sanitized >/dev/null
sanitizer_environment
WORK="$ROOT/build/sanitize/fuzz"
mkdir -p "$WORK"

# fuzz TARGET SECONDS: runs one target; prints its executions and speed.
fuzz() {
  mkdir -p "$WORK/$1"
  if "$ROOT/build/sanitize/tests/fuzz/fuzz_$1" -max_total_time="$2" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$WORK/$1/" "$WORK/$1" "$ROOT/tests/fuzz/corpus/$1" >"$WORK/$1.log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$WORK/$1.log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$WORK/$1.log")
    echo "fuzz $1: $runs executions in $2 s, $speed per second"
  else
    tail -n 60 "$WORK/$1.log"
    echo "fuzz $1: FAILED; the input is in $WORK/$1/"
    return 1
  fi
}

if [ $# -ge 1 ]; then
  fuzz "$1" "${2:-60}"
  exit
fi
# Every target, on both cores: two lists fuzzed side by side.
each() {
  failed=0
  for target in "$@"; do fuzz "$target" 20 || failed=1; done
  return $failed
}
first="" second="" n=0
for target in $(cd "$ROOT/tests/fuzz/corpus" && ls); do
  if [ $((n % 2)) -eq 0 ]; then first="$first $target"; else second="$second $target"; fi
  n=$((n + 1))
done
each $first &
one=$!
each $second &
two=$!
status=0
wait $one || status=1
wait $two || status=1
exit $status
