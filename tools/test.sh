#!/usr/bin/env bash
# Sets up, then runs the project's workflows in turn (CMakePresets.json), each
# configuring, building and testing one tree:
#   default    the tests, the desktop sessions (where Xvfb, openbox and
#              pyatspi are there)
#   lint       clang-tidy over each source as it compiles (a finding fails
#              the build), then the layers and .clang-format
#   sanitize   the tests again under AddressSanitizer and UndefinedBehaviorSanitizer
#   package    the Debian package built with its rules tests, and checked
#   fuzz       30 s of fuzzing the save loader
# Warnings are errors under CI.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export KARARION_WERROR="${CI:+ON}"

for workflow in default lint sanitize package fuzz; do
  echo "== $workflow"
  cmake --workflow --preset "$workflow"
done
