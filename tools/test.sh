#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: the tests, the lint, the
# tests once more under AddressSanitizer and UndefinedBehaviorSanitizer, the
# Debian package built and checked, and a bounded fuzzing of the save loader.
# Warnings are errors under CI.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
werror="${CI:+ON}"

echo "== build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARARION_WERROR="${werror:-OFF}" >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2

echo "== lint"
bash tools/lint.sh build

echo "== build and test with sanitizers"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARARION_SANITIZE=ON \
  -DKARARION_BUILD_BENCH=OFF -DKARARION_WERROR="${werror:-OFF}" >/dev/null
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j2

echo "== Debian package"
bash tests/package/package_test.sh

echo "== fuzz"
bash tools/fuzz.sh 30
