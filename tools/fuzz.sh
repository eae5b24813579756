#!/usr/bin/env bash
# Builds the save-file fuzzer with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) as the build's KARARION_FUZZ option and runs it
# for a bounded time. Any crash, leak, sanitizer report or broken invariant
# makes this script fail.
#   bash tools/fuzz.sh [seconds]     (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
out="${KARARION_FUZZ_DIR:-build-fuzz}"

# The fuzz target is a target of the project's own build, configured for clang
# and libFuzzer; only the rules and the target itself are built.
cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="${CXX_FUZZ:-clang++}" \
  -DKARARION_FUZZ=ON -DKARARION_BUILD_UI=OFF -DKARARION_BUILD_BENCH=OFF >/dev/null
cmake --build "$out" --target load_fuzzer
fuzzer="$out/fuzz/load_fuzzer"
mkdir -p "$out/corpus" "$out/tmp"

# New inputs go to the build folder's corpus; the seeds in fuzz/corpus stay as
# they are. The fuzzer's own save files live in a temporary folder, in memory
# when the machine has one: every good line is saved again with fsync, which
# on a disk would cost most of the run.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  TMPDIR="$(mktemp -d /dev/shm/kararion-fuzz-run.XXXXXX)"
else
  TMPDIR="$(mktemp -d "$PWD/$out/tmp/run.XXXXXX")"
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
