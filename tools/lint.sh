#!/usr/bin/env bash
# Checks that every rules folder includes only the folders it depends on, and
# the sources against .clang-format and .clang-tidy; fails on the first
# difference or finding. clang-tidy takes its compile commands from a
# configured build folder (build/ unless given).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
if [ ! -f "$build/compile_commands.json" ]; then
  echo "lint: no $build/compile_commands.json; configure a build first" >&2
  exit 2
fi

bash tools/check-layers.sh "$build/layers.txt" src

mapfile -t sources < <(find src tests bench fuzz tools -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}"
echo "lint: ${#sources[@]} files formatted as .clang-format says"

mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep '\.cpp$')
printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet
echo "lint: ${#units[@]} files clean under .clang-tidy"
