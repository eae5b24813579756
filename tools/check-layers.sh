#!/usr/bin/env bash
# Fails when a folder includes a folder it does not use by the table of who
# may use whom, or when the rules include Qt. The table is the build's own
# (src/rules/CMakeLists.txt and src/ui/CMakeLists.txt write it to
# <build>/layers.txt, one "folder: used folder..." a line), so the check and
# the link order cannot drift apart. A rules folder is named bare ("judge"),
# a window folder with its parent ("ui/windows"); "rules" stands for any
# rules folder, but for the test-only set-up door (setup), which no window
# may include.
#   bash tools/check-layers.sh <layers.txt> <src folder>
set -euo pipefail
layers="$1"
src="$2"
[ -f "$layers" ] || { echo "check-layers: no $layers; configure a build first" >&2; exit 2; }

is_rules_folder() { [ -n "$1" ] && [ -d "$src/rules/$1" ]; }

# Where a folder of the table lies: the rules under src/rules, the rest under src.
folder_path() { if is_rules_folder "$1"; then echo "$src/rules/$1"; else echo "$src/$1"; fi; }

status=0
checked=0
while IFS=: read -r folder uses; do
  [ -n "$folder" ] || continue
  allowed=" $folder $uses "
  path="$(folder_path "$folder")"
  [ -d "$path" ] || { echo "check-layers: the table names $folder, which is no folder" >&2; status=1; continue; }
  while IFS= read -r file; do
    checked=$((checked + 1))
    if is_rules_folder "$folder" && grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
      echo "check-layers: ${file#"$src"/} includes Qt, which the rules never do" >&2
      status=1
    fi
    while IFS= read -r used; do
      # "ui/windows/main_window.h" uses ui/windows; "judge/judge.h" uses judge.
      top="${used%%/*}"
      if [ "$top" = ui ]; then
        rest="${used#ui/}"
        used="ui/${rest%%/*}"
      elif is_rules_folder "$top"; then
        used="$top"
        # The set-up door is for tests and tools: "rules" does not open it.
        [[ "$allowed" == *" rules "* && "$used" != setup ]] && continue
      else
        continue
      fi
      if [[ "$allowed" != *" $used "* ]]; then
        echo "check-layers: ${file#"$src"/} includes $used/, which $folder does not use" >&2
        status=1
      fi
    done < <(sed -nE 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"([A-Za-z0-9_/]+)/[^/"]*".*|\1/|p' "$file" | sort -u)
  done < <(find "$path" -maxdepth 1 \( -name '*.h' -o -name '*.cpp' \) | sort)
done < "$layers"

[ "$status" -eq 0 ] && echo "check-layers: $checked files include only the folders they use"
exit "$status"
