#!/usr/bin/env bash
# clang-tidy over one translation unit as the lint tree compiles it (the lint
# preset sets CMAKE_CXX_CLANG_TIDY to this). CMake calls it as
#   tidy_unit.sh CLANG-TIDY [OPTION...] SOURCE -- COMPILE-COMMAND
# and fails the object's build on a finding, so ninja lints again only what
# changed. What the build generates (moc, rcc) is not ours to lint: only
# sources under src, tests, bench, fuzz and tools are, as .clang-tidy's header
# filter says for headers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source=""
previous=""
for arg in "$@"; do
  if [ "$arg" = -- ]; then
    source=$previous
    break
  fi
  previous=$arg
done
case "$source" in
  "$root"/src/* | "$root"/tests/* | "$root"/bench/* | "$root"/fuzz/* | "$root"/tools/*) exec "$@" ;;
  "") echo "tidy_unit: no source before --: $*" >&2; exit 2 ;;
  *) exit 0 ;;
esac
