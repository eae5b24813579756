#!/usr/bin/env bash
# Builds the Debian package as tools/package.sh does, and checks it as a player
# would get it: its name and version, the files it holds and where, what
# lintian says of it (no error, no warning), and that the program unpacked
# from it finds its sounds and its save folder. Needs no display. The package
# stays in the folder given (the package preset's test gives its build folder),
# for autopkgtest or an install.
#
#   bash tests/package/package_test.sh [folder]
set -euo pipefail
cd "$(dirname "$0")/../.."

tmp=$(mktemp -d "${TMPDIR:-/tmp}/kararion-package-test-XXXXXX")
trap 'rm -rf "$tmp"' EXIT
tmp=$(realpath "$tmp")
out=$(realpath "${1:-$tmp/out}")
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

start=$SECONDS
bash tools/package.sh "$out" >/dev/null
echo "package: built in $((SECONDS - start)) s"

version=$(sed -nE 's/^project\(kararion VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
deb=$out/kararion_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "FAIL: no $(basename "$deb") (built: $(ls "$out"))" >&2; exit 1; }
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in the games section"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package does not depend on Qt's widgets"
if dpkg-deb -f "$deb" Depends | grep -q 'charts'; then fail "the package depends on Qt Charts, which the game no longer uses"; fi
dpkg-deb -f "$deb" Depends | grep -Eq 'qt6-base-abi \(= [0-9.]+\)' \
  || fail "the package does not hold to the Qt release whose platform interface it docks with"

# The files, where Debian puts a game's, and nothing else.
id=io.github.kararion.Kararion
expected=(
  usr/games/kararion
  usr/share/applications/$id.desktop
  usr/share/icons/hicolor/scalable/apps/$id.svg
  usr/share/metainfo/$id.metainfo.xml
  usr/share/man/man6/kararion.6.gz
  usr/share/doc/kararion/changelog.gz
  usr/share/doc/kararion/copyright
)
# The six sound files, read from the game's one list of them as CMake reads it.
mapfile -t sounds < <(grep -oE '"[a-z]+\.wav"' src/rules/sound/sound_names.h | tr -d '"')
[ "${#sounds[@]}" -eq 6 ] || { echo "FAIL: sound_names.h names ${#sounds[@]} wave files, not six" >&2; exit 1; }
for s in "${sounds[@]}"; do expected+=("usr/share/games/kararion/data/se/$s"); done
dpkg-deb -c "$deb" >"$tmp/list.txt"
diff <(printf '%s\n' "${expected[@]}" | sort) \
  <(awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' "$tmp/list.txt" | sort) \
  || fail "the package's files differ from the list above (< expected, > packaged)"
grep -q '^-rwxr-xr-x root/root .* \./usr/games/kararion$' "$tmp/list.txt" \
  || fail "usr/games/kararion is not a program owned by root"

root=$tmp/root
dpkg-deb -x "$deb" "$root"
cmp -s debian/copyright "$root/usr/share/doc/kararion/copyright" || fail "the copyright file is not debian/copyright"
grep -qx 'License: GPL-3+' "$root/usr/share/doc/kararion/copyright" || fail "the copyright file names no GPL-3+"
grep -qF '<project_license>GPL-3.0-or-later</project_license>' "$root/usr/share/metainfo/$id.metainfo.xml" \
  || fail "the metainfo names no licence"
grep -qx 'Exec=kararion --player-folder' "$root/usr/share/applications/$id.desktop" \
  || fail "the desktop entry does not start the game in the player's folder"

# The unpacked program, away from where it was built: its sounds are the
# package's, and the desktop entry's way of starting it saves in the player's folder.
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR" "$tmp/elsewhere"
got=$(cd "$tmp/elsewhere" && QT_QPA_PLATFORM=offscreen "$root/usr/games/kararion" --print-sound-folder 2>&1) \
  || fail "--print-sound-folder failed: $got"
[ "$got" = "$root/usr/share/games/kararion/data/se" ] || fail "--print-sound-folder gave '$got'"
got=$(cd "$tmp/elsewhere" && XDG_DATA_HOME=$tmp/xdg "$root/usr/games/kararion" --player-folder \
  --print-save-folder 2>&1) || fail "--print-save-folder failed: $got"
[ "$got" = "$tmp/xdg/kararion/data" ] || fail "--player-folder --print-save-folder gave '$got'"

# lintian: informational tags are fine, errors and warnings are not.
lintian --fail-on error,warning "$deb" >"$tmp/lintian.txt" 2>&1 || fail "lintian: $(cat "$tmp/lintian.txt")"
grep -E '^[EW]: ' "$tmp/lintian.txt" && fail "lintian reports errors or warnings"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "package: all checks passed on $(basename "$deb") ($((SECONDS - start)) s)"
