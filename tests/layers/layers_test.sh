#!/usr/bin/env bash
# The layering check passes the real tree and catches an include that runs
# back up (the ground including a module, a drawn control including a
# window) and the rules including Qt, naming the file and the folder.
#   bash layers_test.sh <check-layers.sh> <build layers.txt> <src folder>
set -uo pipefail
check="$1"
here="$(dirname "$0")"

if ! bash "$check" "$2" "$3"; then
  echo "FAIL: the tree's own includes do not hold to their floors"
  exit 1
fi

out="$(bash "$check" "$here/upward/layers.txt" "$here/upward/src" 2>&1)"
status=$?
if [ "$status" -eq 0 ]; then
  echo "FAIL: the upward includes went unnoticed"
  exit 1
fi
for expected in "rules/core/state.h includes judge/, which core does not use" \
                "ui/controls/frame.h includes ui/windows/, which ui/controls does not use" \
                "rules/judge/rules.h includes Qt, which the rules never do"; do
  if [[ "$out" != *"$expected"* ]]; then
    echo "FAIL: the report does not say \"$expected\": $out"
    exit 1
  fi
done
echo "layers: the tree holds; upward includes and Qt in the rules are caught"
