#!/usr/bin/env bash
# Fails when a rules folder includes a folder it does not depend on. The
# table of who may use whom is the build's own (src/CMakeLists.txt writes it
# to <build>/layers.txt, one "folder: dependency..." a line), so the check and
# the link order cannot drift apart.
#   bash tools/check-layers.sh <layers.txt> <src folder>
set -euo pipefail
layers="$1"
src="$2"
[ -f "$layers" ] || { echo "check-layers: no $layers; configure a build first" >&2; exit 2; }

# Every folder under src is a layer someone might reach for, the windows too.
mapfile -t folders < <(find "$src" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)
is_folder() { local f; for f in "${folders[@]}"; do [ "$f" = "$1" ] && return 0; done; return 1; }

status=0
checked=0
while IFS=: read -r folder deps; do
  [ -n "$folder" ] || continue
  allowed=" $folder $deps "
  while IFS= read -r file; do
    checked=$((checked + 1))
    while IFS= read -r used; do
      if is_folder "$used" && [[ "$allowed" != *" $used "* ]]; then
        echo "check-layers: ${file#"$src"/} includes $used/, which $folder does not depend on" >&2
        status=1
      fi
    done < <(sed -nE 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"([A-Za-z0-9_]+)/.*|\1|p' "$file" | sort -u)
  done < <(find "$src/$folder" -name '*.h' -o -name '*.cpp' | sort)
done < "$layers"

[ "$status" -eq 0 ] && echo "check-layers: $checked files include only the folders they depend on"
exit "$status"
