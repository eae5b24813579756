#!/usr/bin/env bash
# Builds the save-file fuzzer with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it for a bounded time. Any crash, leak,
# sanitizer report or broken invariant makes this script fail.
#   bash tools/fuzz.sh [seconds]     (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
out="${KARARION_FUZZ_DIR:-build-fuzz}"
cxx="${CXX_FUZZ:-clang++}"
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -Isrc)

mkdir -p "$out/obj" "$out/corpus" "$out/tmp"

# The rules are plain C++; the loader needs the game's state, and the game's
# state wires every module's timer handler, so all rules sources go in.
sources=(src/core/*.cpp src/reels/*.cpp src/judge/*.cpp src/bet/*.cpp src/lamps/*.cpp
         src/sound/*.cpp src/save/*.cpp src/menu/*.cpp src/machine/*.cpp fuzz/load_fuzzer.cpp)

compile() { "$cxx" "${flags[@]}" -c "$1" -o "$2"; }

# Rebuild an object when its source or any header is newer; two jobs at a time.
objects=()
running=()
failed=0
for src in "${sources[@]}"; do
  obj="$out/obj/$(echo "${src%.cpp}" | tr / _).o"
  objects+=("$obj")
  if [ -f "$obj" ] && [ ! "$src" -nt "$obj" ] && [ -z "$(find src fuzz -name '*.h' -newer "$obj" -print -quit)" ]; then
    continue
  fi
  echo "compile $src"
  compile "$src" "$obj" &
  running+=($!)
  if [ ${#running[@]} -ge 2 ]; then
    wait "${running[0]}" || failed=1
    running=("${running[@]:1}")
  fi
done
for pid in "${running[@]}"; do wait "$pid" || failed=1; done
[ "$failed" -eq 0 ] || { echo "fuzz: build failed" >&2; exit 1; }
"$cxx" "${flags[@]}" "${objects[@]}" -o "$out/load_fuzzer"

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
"$out/load_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=70000 \
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
