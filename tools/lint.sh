#!/usr/bin/env bash
# Checks that every rules folder includes only the folders it depends on, that
# the rules hand out no state (tools/check-exposed-state.py), and
# the sources against .clang-format; fails on the first difference. The
# layers come from a configured build folder (build/ unless given).
# clang-tidy runs in the lint tree's build, one source at a time as it
# compiles, so that only what changed is linted again:
#   cmake --workflow --preset lint    (build-lint/; this script is its test)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
if [ ! -f "$build/layers.txt" ]; then
  echo "lint: no $build/layers.txt; configure a build first" >&2
  exit 2
fi

bash tools/check-layers.sh "$build/layers.txt" src
python3 tools/check-exposed-state.py src

mapfile -t sources < <(find src tests bench fuzz tools -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}"
echo "lint: ${#sources[@]} files formatted as .clang-format says"
