#!/usr/bin/env bash
# The layering check passes the real rules and catches an include that runs
# back up (the ground including a module), naming the file and the folder.
#   bash layers_test.sh <check-layers.sh> <build layers.txt> <src folder>
set -uo pipefail
check="$1"
here="$(dirname "$0")"

if ! bash "$check" "$2" "$3"; then
  echo "FAIL: the rules' own includes do not hold to their layers"
  exit 1
fi

out="$(bash "$check" "$here/upward/layers.txt" "$here/upward/src" 2>&1)"
status=$?
if [ "$status" -eq 0 ]; then
  echo "FAIL: core/state.h including judge/ went unnoticed"
  exit 1
fi
if [[ "$out" != *"core/state.h includes judge/, which core does not depend on"* ]]; then
  echo "FAIL: the report does not name the file and the folder: $out"
  exit 1
fi
echo "layers: the rules hold; an upward include is caught"
