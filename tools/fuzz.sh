#!/usr/bin/env bash
# Runs the save-file fuzzer (the load_fuzzer target of a KARARION_FUZZ build:
# clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) for a bounded
# time; the fuzz preset's test does so. Any crash, leak, sanitizer report or
# broken invariant makes this script fail.
#   bash tools/fuzz.sh <load_fuzzer> [seconds]     (default 30)
#   e.g. cmake --workflow --preset fuzz
set -euo pipefail
fuzzer=$(realpath "$1")
seconds="${2:-30}"
cd "$(dirname "$0")/.."
out=$(dirname "$fuzzer")
mkdir -p "$out/corpus" "$out/tmp"

# New inputs go to the build folder's corpus; the seeds in fuzz/corpus stay as
# they are. The fuzzer's own save files live in a temporary folder, in memory
# when the machine has one: every good line is saved again with fsync, which
# on a disk would cost most of the run.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  TMPDIR="$(mktemp -d /dev/shm/kararion-fuzz-run.XXXXXX)"
else
  TMPDIR="$(mktemp -d "$out/tmp/run.XXXXXX")"
fi
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT  # a crash skips the fuzzer's own clean-up
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:${UBSAN_OPTIONS:-}"
log="$out/fuzz.log"
status=0
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=70000 \
  -dict=fuzz/save.dict -artifact_prefix="$out/" -print_final_stats=1 \
  "$out/corpus" fuzz/corpus >"$log" 2>&1 || status=$?

grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)' "$log" || true
grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done )' "$log" || true
if [ "$status" -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|load_fuzzer: ' "$log"; then
  tail -n 60 "$log" >&2
  echo "fuzz: FAILED (exit $status), see $log" >&2
  exit 1
fi
echo "fuzz: no crash, leak or sanitizer report in ${seconds}s"
