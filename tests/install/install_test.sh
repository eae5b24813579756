#!/usr/bin/env bash
# Installs the built game into a temporary prefix and checks what lands there:
# the files and nothing else, the desktop entry and metainfo against the
# desktop's own checkers, and that the installed program finds its sounds
# from any working folder, while a copy without them says so; where the
# saves go; and that the README's install and uninstall leave a player's
# saves alone.
#
#   install_test.sh <cmake> <build folder> <source folder> <application id> <version>
set -euo pipefail

cmake=$1
build=$(realpath "$2")
source=$(realpath "$3")
id=$4
version=$5

tmp=$(mktemp -d "${TMPDIR:-/tmp}/kararion-install-XXXXXX")
trap 'rm -rf "$tmp"' EXIT
tmp=$(realpath "$tmp")
prefix=$tmp/prefix
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The component install writes its own manifest (install_manifest_game.txt),
# so the player's install_manifest.txt for uninstalling stays as it was.
"$cmake" --install "$build" --prefix "$prefix" --component game >/dev/null

# The six sound files, read from the game's one list of them as CMake reads it.
mapfile -t sounds < <(grep -oE '"[a-z]+\.wav"' "$source/src/rules/sound/sound_names.h" | tr -d '"')
[ "${#sounds[@]}" -eq 6 ] || { echo "FAIL: sound_names.h names ${#sounds[@]} wave files, not six" >&2; exit 1; }
expected=(
  "bin/kararion"
  "share/applications/$id.desktop"
  "share/icons/hicolor/scalable/apps/$id.svg"
  "share/metainfo/$id.metainfo.xml"
  "share/man/man6/kararion.6"
)
for s in "${sounds[@]}"; do expected+=("share/games/kararion/data/se/$s"); done

# Exactly these files, nothing more.
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f -printf '%P\n' | sort) \
  || fail "the installed files differ from the list above (< expected, > installed)"
[ -x "$prefix/bin/kararion" ] || fail "bin/kararion is not executable"
for s in "${sounds[@]}"; do
  cmp -s "$build/data/se/$s" "$prefix/share/games/kararion/data/se/$s" || fail "installed $s differs from the build's"
done
cmp -s "$source/assets/kararion.svg" "$prefix/share/icons/hicolor/scalable/apps/$id.svg" \
  || fail "the installed icon is not assets/kararion.svg"

# The desktop entry: valid, and naming the program, icon and Japanese name.
desktop=$prefix/share/applications/$id.desktop
if ! report=$(desktop-file-validate "$desktop" 2>&1) || grep -Eq ': (error|warning):' <<<"$report"; then
  fail "desktop-file-validate: $report"
fi
for line in 'Type=Application' 'Exec=kararion --player-folder' "Icon=$id" 'Name=カラリオン'; do
  grep -qxF "$line" "$desktop" || fail "the desktop entry lacks the line $line"
done
grep -Eqx 'Categories=Game;(.*;)?' "$desktop" || fail "the desktop entry is not in the Game category"

# The metainfo: valid offline, issues of pedantic severity only, and pointing at the entry.
metainfo=$prefix/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net --strict "$metainfo" >"$tmp/appstream.txt" 2>&1 \
  || fail "appstreamcli validate: $(cat "$tmp/appstream.txt")"
# The whole tree as a software centre reads it: metainfo, desktop entry and icon together.
appstreamcli validate-tree --no-net --strict "$prefix" >"$tmp/appstream.txt" 2>&1 \
  || fail "appstreamcli validate-tree: $(cat "$tmp/appstream.txt")"
grep -qF "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
  || fail "the metainfo does not launch $id.desktop"

# Where the program takes its sounds from: <prefix>/bin/kararion --print-sound-folder
# prints the folder and opens no display; run from a folder of its own.
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR" "$tmp/elsewhere"
sound_folder() {  # <program>; prints "<status> <stdout>"
  local out status=0
  out=$(cd "$tmp/elsewhere" && QT_QPA_PLATFORM=offscreen "$1" --print-sound-folder 2>"$tmp/stderr.txt") || status=$?
  echo "$status $out"
}
expect_folder() {  # <program> <expected output> <what>
  local got
  got=$(sound_folder "$1")
  [ "$got" = "$2" ] || fail "$3: --print-sound-folder gave '$got', expected '$2' (stderr: $(cat "$tmp/stderr.txt"))"
}

expect_folder "$prefix/bin/kararion" "0 $prefix/share/games/kararion/data/se" "installed program"
expect_folder "$build/kararion" "0 $build/data/se" "program in the build folder"

# No display at all: the answer comes before Qt would look for one.
got=$(cd "$tmp/elsewhere" && env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb \
  "$prefix/bin/kararion" --print-sound-folder 2>&1) || fail "--print-sound-folder without a display: $got"
[ "$got" = "$prefix/share/games/kararion/data/se" ] || fail "--print-sound-folder without a display gave '$got'"
help=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/kararion" --help 2>&1) \
  || fail "--help without a display: $help"
grep -q -- '--print-sound-folder' <<<"$help" || fail "--help does not describe --print-sound-folder"

# The options: the version, and a wrong option refused with the usage line
# and status 2 before any window (there is no display to open one on); Qt's
# own options start the game. The printing ones make no folder and no file.
mkdir -m 700 "$tmp/bare-home" "$tmp/bare-cwd"
run_bare() {  # <option>...: stdout to out.txt, stderr to err.txt; prints the status
  local status=0
  (cd "$tmp/bare-cwd" && env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_DATA_HOME HOME="$tmp/bare-home" \
    QT_QPA_PLATFORM=xcb "$prefix/bin/kararion" "$@" >"$tmp/out.txt" 2>"$tmp/err.txt") || status=$?
  echo "$status"
}
[ "$(run_bare --version)" = 0 ] && [ "$(cat "$tmp/out.txt")" = "kararion $version" ] \
  || fail "--version gave '$(cat "$tmp/out.txt")', expected 'kararion $version'"
for wrong in --bogus --player-foler -x stray; do
  got=$(run_bare --player-folder "$wrong")
  [ "$got" = 2 ] && [ ! -s "$tmp/out.txt" ] && grep -q "usage: kararion" "$tmp/err.txt" \
    && grep -q -- ": $wrong\$" "$tmp/err.txt" \
    || fail "$wrong: status $got, stderr '$(cat "$tmp/err.txt")'"
done
for print in --help --print-save-folder --print-sound-folder; do
  got=$(run_bare --player-folder "$print")
  [ "$got" = 0 ] || fail "$print: status $got, stderr '$(cat "$tmp/err.txt")'"
done
left=$(find "$tmp/bare-home" "$tmp/bare-cwd" -mindepth 1)
[ -z "$left" ] || fail "the printing options made $left"
status=0
(cd "$tmp/elsewhere" && XDG_DATA_HOME="$tmp/xdg-qt" timeout 3 "$prefix/bin/kararion" -platform offscreen \
  -style fusion -reverse >"$tmp/run.txt" 2>&1) || status=$?
[ "$status" -eq 124 ] || fail "Qt's own options: the game ended with status $status: $(cat "$tmp/run.txt")"

# A copy of the program alone, without the share folder: no sound folder, said plainly.
mkdir -p "$tmp/lonely/bin"
cp "$prefix/bin/kararion" "$tmp/lonely/bin/"
expect_folder "$tmp/lonely/bin/kararion" "1 " "program without its share folder"
grep -q 'no sound folder' "$tmp/stderr.txt" || fail "the lonely program did not say it found no sound folder"

# Sounds beside the installed program come before the installed ones.
mkdir -p "$prefix/bin/data/se"
cp "$prefix/share/games/kararion/data/se/"*.wav "$prefix/bin/data/se/"
expect_folder "$prefix/bin/kararion" "0 $prefix/bin/data/se" "installed program with sounds beside it"
rm -r "$prefix/bin/data"

# Where the saves go: data/ under the working folder, which is not made; or,
# as the desktop entry starts the game, data/ in the player's own folder.
got=$(cd "$tmp/elsewhere" && "$prefix/bin/kararion" --print-save-folder 2>/dev/null) || fail "--print-save-folder failed"
[ "$got" = "$tmp/elsewhere/data" ] || fail "--print-save-folder gave '$got', expected '$tmp/elsewhere/data'"
[ ! -e "$tmp/elsewhere/data" ] || fail "the game made data/ in the working folder"
got=$(cd "$tmp/elsewhere" && env -u XDG_DATA_HOME HOME="$tmp/home" "$prefix/bin/kararion" --player-folder \
  --print-save-folder 2>&1) || fail "--player-folder --print-save-folder failed: $got"
[ "$got" = "$tmp/home/.local/share/kararion/data" ] || fail "--player-folder without XDG_DATA_HOME gave '$got'"

# The installed game starts in the player's own folder, makes it private, and
# keeps running until it is stopped.
status=0
(cd "$tmp/elsewhere" && XDG_DATA_HOME="$tmp/xdg" QT_QPA_PLATFORM=offscreen timeout 3 \
  "$prefix/bin/kararion" --player-folder >"$tmp/run.txt" 2>&1) || status=$?
[ "$status" -eq 124 ] || fail "the installed game ended by itself with status $status: $(cat "$tmp/run.txt")"
for folder in "$tmp/xdg" "$tmp/xdg/kararion" "$tmp/xdg/kararion/data"; do
  [ "$(stat -c %a "$folder" 2>&1)" = 700 ] || fail "$folder is not a private folder: $(stat -c %a "$folder" 2>&1)"
done

# The README's install into a home whose player folder holds saves, then its
# uninstall, both run as written there from beside the build folder: the
# program goes, the saves stay. The full install writes the build folder's
# install_manifest.txt, the player's own; it is put back afterwards.
readme_block() {  # <line that starts the paragraph>: the indented lines of its first code block
  awk -v start="$1" 'index($0, start) == 1 { on = 1; next }
    on && /^    / { print substr($0, 5); seen = 1; next }
    on && seen { exit }' "$source/README.md"
}
install_lines=$(readme_block 'Build first')
uninstall_lines=$(readme_block 'To uninstall')
[ -n "$install_lines" ] && [ -n "$uninstall_lines" ] || fail "the README has no install or uninstall lines"
home=$tmp/player
saves=$home/.local/share/kararion/data
mkdir -p "$saves" "$tmp/beside"
printf 'b<>a<>a<>a<>a<>a<>\r\n' >"$saves/mine.dat"
printf 'c<>b<>a<>b<>d<>a<>\r\n' >"$saves/other.dat"
cp -a "$saves" "$tmp/saves-before"
ln -s "$build" "$tmp/beside/build"
[ ! -e "$build/install_manifest.txt" ] || cp -p "$build/install_manifest.txt" "$tmp/manifest-before"
(cd "$tmp/beside" && HOME=$home bash -c "$install_lines") >"$tmp/readme.txt" 2>&1 \
  || fail "the README's install failed: $(cat "$tmp/readme.txt")"
[ -x "$home/.local/bin/kararion" ] || fail "the README's install put no program in ~/.local/bin"
diff -r "$tmp/saves-before" "$saves" >/dev/null || fail "the install changed the player's folder"
(cd "$tmp/beside" && HOME=$home bash -c "$uninstall_lines") >"$tmp/readme.txt" 2>&1 \
  || fail "the README's uninstall failed: $(cat "$tmp/readme.txt")"
if [ -e "$tmp/manifest-before" ]; then mv "$tmp/manifest-before" "$build/install_manifest.txt"; else rm -f "$build/install_manifest.txt"; fi
diff -r "$tmp/saves-before" "$saves" || fail "the uninstall did not leave the saves as they were"
left=$(cd "$home" && find . -type f ! -path './.local/share/kararion/data/*.dat' -printf '%P\n')
[ -z "$left" ] || fail "the uninstall left files behind: $left"
for folder in .local/share/games/kararion; do
  [ ! -e "$home/$folder" ] || fail "the uninstall left ~/$folder"
done

# The build folder is as it was: the test moved nothing out of it.
for s in "${sounds[@]}"; do [ -f "$build/data/se/$s" ] || fail "the build lost data/se/$s"; done

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "install: all checks passed under $prefix"
