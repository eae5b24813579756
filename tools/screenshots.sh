#!/usr/bin/env bash
# Plays a short scripted session of the real game on a virtual screen, with
# real X clicks, and saves pictures of it:
#   idle.png         the machine right after start
#   spinning.png     bet 3, started, the reels running
#   win.png          a won game while its lamps are lit (only if the session wins)
#   save-dialog.png  the menu's save window over the game, one save listed
#
# Usage: bash tools/screenshots.sh [output-folder]     (default docs/screenshots)
# KARARION_BUILD_DIR   build folder, relative to the checkout (default build)
# KARARION_SHOT_SCALE  Qt scale factor of the pictures (default 2)
# KARARION_SHOT_GAMES  most games played while waiting for a win (default 60)
set -euo pipefail

here=$PWD
cd "$(dirname "$0")/.."
root=$PWD
out=${1:-$root/docs/screenshots}
case $out in /*) ;; *) out=$here/$out ;; esac
build=${KARARION_BUILD_DIR:-build}
scale=${KARARION_SHOT_SCALE:-2}
max_games=${KARARION_SHOT_GAMES:-60}
background='#4a4a4a'  # behind and between the windows
margin=8              # screen pixels of background around them

say() { printf 'screenshots: %s\n' "$*"; }
die() {
  say "$*" >&2
  exit 1
}

bash tools/install-deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target kararion --parallel 2
exe=$root/$build/kararion
[ -x "$exe" ] || die "no game at $exe"
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || die "$tool is missing"
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/kararion-shots.XXXXXX")
xvfb_pid=
game_pid=

cleanup() {
  local status=$?
  trap - EXIT INT TERM
  for pid in "$game_pid" "$xvfb_pid"; do
    [ -n "$pid" ] || continue
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
      kill -KILL "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
  done
  if [ "$status" -ne 0 ] && [ -s "$tmp/game.log" ]; then
    say "the game said:" >&2
    sed 's/^/  /' "$tmp/game.log" >&2
  fi
  rm -rf "$tmp"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# --- the virtual screen ------------------------------------------------------

# Wide enough for the three windows side by side at the chosen scale.
screen_w=$(awk -v s="$scale" 'BEGIN { w = int(640 * s); print (w < 1280 ? 1280 : w) }')
screen_h=$(awk -v s="$scale" 'BEGIN { h = int(360 * s); print (h < 720 ? 720 : h) }')
# Xvfb picks a free display itself and tells its number on fd 3.
Xvfb -displayfd 3 -screen 0 "${screen_w}x${screen_h}x24" -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$tmp/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$tmp/xvfb.log" >&2; die "Xvfb did not start"; }
  sleep 0.1
done
[ -s "$tmp/display" ] || die "Xvfb gave no display number"
DISPLAY=":$(head -n1 "$tmp/display")"
export DISPLAY
say "virtual screen $DISPLAY, ${screen_w}x${screen_h}, scale $scale"
xdotool mousemove --sync 0 0

# --- the game ----------------------------------------------------------------

# A fresh working folder: the save dialog lists its data/ folder, empty at first.
mkdir -p "$tmp/play/data" "$tmp/runtime"
chmod 700 "$tmp/runtime"
(
  cd "$tmp/play"
  # Silent: no sound server to reach, whatever the calling desktop has.
  unset PULSE_SERVER WAYLAND_DISPLAY
  exec env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" XDG_RUNTIME_DIR="$tmp/runtime" LC_ALL=C.UTF-8 "$exe"
) >"$tmp/game.log" 2>&1 &
game_pid=$!

game_alive() { kill -0 "$game_pid" 2>/dev/null; }

# Prints the id of the shown window whose title matches the regex $1,
# waiting up to $2 seconds (default 15).
wait_window() {
  local deadline=$((SECONDS + ${2:-15})) id
  while :; do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    game_alive || die "the game ended while waiting for the window '$1'"
    [ "$SECONDS" -lt "$deadline" ] || die "no window '$1' after ${2:-15} s"
    sleep 0.1
  done
}

# Waits until no shown window's title matches $1.
wait_window_gone() {
  local deadline=$((SECONDS + ${2:-15}))
  while [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)" ]; do
    [ "$SECONDS" -lt "$deadline" ] || die "the window '$1' is still there after ${2:-15} s"
    sleep 0.1
  done
}

# Window geometry on the screen, in screen pixels: WX WY WW WH by window id.
declare -A WX WY WW WH
measure() {
  local key value
  while IFS='=' read -r key value; do
    case $key in
      X) WX[$1]=$value ;;
      Y) WY[$1]=$value ;;
      WIDTH) WW[$1]=$value ;;
      HEIGHT) WH[$1]=$value ;;
    esac
  done < <(xdotool getwindowgeometry --shell "$1")
}

main=$(wait_window '^ カラリオン$')
info=$(wait_window '^ - 情報 -$')
menu=$(wait_window '^ - メニュー -$')

# Screen pixel of the logical point ($2,$3) of window $1, as "x y".
at() {
  awk -v x="${WX[$1]}" -v y="${WY[$1]}" -v lx="$2" -v ly="$3" -v s="$scale" \
    'BEGIN { printf "%d %d\n", x + int(lx * s + 0.5), y + int(ly * s + 0.5) }'
}

# A left click at the logical point ($2,$3) of window $1.
click() {
  game_alive || die "the game has ended"
  measure "$1"
  local x y
  read -r x y < <(at "$1" "$2" "$3")
  xdotool mousemove --sync "$x" "$y" click 1
}

# Logical rectangle ($2,$3 $4x$5) of window $1 as an ImageMagick crop.
crop_of() {
  awk -v x="${WX[$1]}" -v y="${WY[$1]}" -v l="$2" -v t="$3" -v w="$4" -v h="$5" -v s="$scale" \
    'BEGIN { printf "%dx%d+%d+%d\n", int(w * s + 0.5), int(h * s + 0.5), x + int(l * s + 0.5), y + int(t * s + 0.5) }'
}

# Pixels of exactly colour $3 in the logical rectangle $4..$7 of window $2 in picture $1.
count_colour() {
  convert "$1" -crop "$(crop_of "$2" "$4" "$5" "$6" "$7")" +repage -alpha off \
    -fill black +opaque "$3" -fill white -opaque "$3" -format '%[fx:round(mean*w*h)]' info:
}

# A fingerprint of the logical rectangle $3..$6 of window $2 in picture $1.
fingerprint() {
  convert "$1" -crop "$(crop_of "$2" "$3" "$4" "$5" "$6")" +repage -format '%#' info:
}

grab() { import -window root "$1"; }

# Saves the windows given after the name, cut out of the screen picture $1, on
# a plain background: PNG $2 in the output folder.
compose() {
  local picture=$1 name=$2
  shift 2
  local w left=999999 top=999999 right=0 bottom=0
  for w in "$@"; do
    measure "$w"
    left=$((WX[$w] < left ? WX[$w] : left))
    top=$((WY[$w] < top ? WY[$w] : top))
    right=$((WX[$w] + WW[$w] > right ? WX[$w] + WW[$w] : right))
    bottom=$((WY[$w] + WH[$w] > bottom ? WY[$w] + WH[$w] : bottom))
  done
  local args=(-size "$((right - left + 2 * margin))x$((bottom - top + 2 * margin))" "xc:$background")
  for w in "$@"; do
    args+=("(" "$picture" -crop "${WW[$w]}x${WH[$w]}+${WX[$w]}+${WY[$w]}" +repage ")"
      -geometry "+$((WX[$w] - left + margin))+$((WY[$w] - top + margin))" -composite)
  done
  convert "${args[@]}" -strip -define png:exclude-chunks=date,time "$tmp/shots/$name"
  say "took $name"
}

# --- where to click ----------------------------------------------------------

# Bare background of the main window (logical pixels, clear of the lamps, the
# reel cells and the stop buttons). Clicks go round these points, so that two
# quick clicks never land on one spot and count as one double click.
bare=("8 8" "96 8" "184 8" "184 125" "72 120" "8 125")
next_bare=0
click_main() {
  # shellcheck disable=SC2086  # two numbers
  click "$main" ${bare[next_bare]}
  next_bare=$(((next_bare + 1) % ${#bare[@]}))
}

# Stop timings that vary from stop to stop, the same in every session.
seed=20240
pause() {
  seed=$(((seed * 1103515245 + 12345) % 2147483648))
  local ms=$(($1 + (seed / 65536) % ($2 - $1 + 1)))
  sleep "$(printf '%d.%03d' $((ms / 1000)) $((ms % 1000)))"
}

# What the screen shows, read off a screen picture.
lamps_lit() { (($(count_colour "$1" "$main" 'rgb(255,0,0)' 0 30 25 70) > 0)); }
# Red pixels of all six bet lamps together.
lamps_red() {
  echo $(($(count_colour "$1" "$main" 'rgb(255,0,0)' 0 30 25 70) + $(count_colour "$1" "$main" 'rgb(255,0,0)' 167 30 25 70)))
}
reels_running() { (($(count_colour "$1" "$main" 'rgb(0,0,255)' 30 110 136 22) > 0)); }
reels_print() { fingerprint "$1" "$main" 32 24 122 71; }
wins_print() { fingerprint "$1" "$info" 56 80 34 19; }
# A won game counting its coins up: lamps lit, reels at rest.
counting() { lamps_lit "$1" && ! reels_running "$1"; }
# Waits (3 s at most) until no count-up runs; leaves the last look in screen.ppm.
wait_count_up() {
  for _ in $(seq 30); do
    grab "$tmp/screen.ppm"
    counting "$tmp/screen.ppm" || return 0
    sleep 0.1
  done
}

# One game's bet and start through the click cycle: clicks 1 to 3 raise the
# bet, click 4 starts the reels.
bet_and_start() {
  for _ in 1 2 3; do
    click_main
    sleep 0.3
  done
  click_main
}

# Clicks 5 to 7 stop reels 1 to 3, one after the other.
stop_reels() {
  click_main
  pause 200 450
  click_main
  pause 200 450
  click_main
}

# Closes the "完了" box that follows a save or a load, with its OK button's key.
close_done_box() {
  local box
  box=$(wait_window '^完了$')
  sleep 0.3
  xdotool windowfocus --sync "$box"
  xdotool key --clearmodifiers Return
  wait_window_gone '^完了$'
}

# Passes the pointer over the menu's own background, which puts every entry
# back to black after a hover.
rest_pointer() {
  local x y
  measure "$menu"
  read -r x y < <(at "$menu" 82 40)
  xdotool mousemove --sync "$x" "$y"
  sleep 0.2
}

# Opens the save (or load) window from the menu and prints its id.
open_dialog() {
  if [ "$1" = save ]; then
    click "$menu" 40 40 # セーブ
    wait_window '^ - セ ー ブ -$'
  else
    click "$menu" 40 64 # ロード
    wait_window '^ - ロ ー ド -$'
  fi
}

# Saves or loads "NewData", the name the window offers, and closes the window.
save_or_load() {
  local dialog
  dialog=$(open_dialog "$1")
  sleep 0.3
  click "$dialog" 28 167 # セーブ or ロード
  close_done_box
  click "$dialog" 110 167 # キャンセル
  wait_window_gone '^ - (セ ー ブ|ロ ー ド) -$'
  rest_pointer
}

mkdir -p "$tmp/shots"

# 1. Idle, right after start.
sleep 1.5
measure "$main"
grab "$tmp/screen.ppm"
compose "$tmp/screen.ppm" idle.png "$info" "$main" "$menu"
idle_reels=$(reels_print "$tmp/screen.ppm")

# The full purse goes into a save: the session loads it again when the coins
# run out, and the save window shows it listed.
save_or_load save
[ -f "$tmp/play/data/NewData.dat" ] || die "saving wrote no data/NewData.dat"

# 2. Bet 3, start, and the reels while they run.
bet_and_start
sleep 0.5
for _ in 1 2 3; do
  grab "$tmp/screen.ppm"
  reels_running "$tmp/screen.ppm" || die "the reels do not run after betting 3 and starting"
  [ "$(reels_print "$tmp/screen.ppm")" != "$idle_reels" ] && break
  sleep 0.13
done
compose "$tmp/screen.ppm" spinning.png "$info" "$main" "$menu"
all_lit=$(lamps_red "$tmp/screen.ppm") # bet 3: all six lamps on

# 3. Games until one is won while the camera looks: a won game keeps its
# bet lamps lit while the coins count up (longer for bigger wins) and blinks
# its line (at bet 3 the winning pair goes dark every other 100 ms while the
# rest stay on); a lost game darkens them at once. Small wins end too quickly
# to be caught, so play on until a lit one, within a bound. Of the frames
# taken, the first with all lamps on is kept, or else the first of the win.
pause 300 900
games=1
won=0
reloads=0
caught=
wins_before=$(wins_print "$tmp/screen.ppm")
while :; do
  stop_reels
  frames=(1 2 3 4 5)
  for frame in "${frames[@]}"; do grab "$tmp/frame$frame.ppm"; done
  for frame in "${frames[@]}"; do
    counting "$tmp/frame$frame.ppm" || continue
    [ -n "$caught" ] || caught=$tmp/frame$frame.ppm
    if [ "$(lamps_red "$tmp/frame$frame.ppm")" -eq "$all_lit" ]; then
      caught=$tmp/frame$frame.ppm
      break
    fi
  done
  [ -n "$caught" ] && break
  # A win also shows in the win counter, caught or not.
  wins_now=$(wins_print "$tmp/frame${frames[-1]}.ppm")
  [ "$wins_now" != "$wins_before" ] && won=$((won + 1))
  [ "$games" -lt "$max_games" ] || break
  # Let a count-up finish (at most 200 coins at 10 ms) before the next bet.
  sleep 0.3
  wait_count_up
  games=$((games + 1))
  bet_and_start
  sleep 0.3
  grab "$tmp/screen.ppm"
  if ! reels_running "$tmp/screen.ppm"; then
    # Out of coins: click 4 started nothing, and three more clicks take the
    # cycle round to its end. The save of the start fills the purse again.
    for _ in 1 2 3; do
      click_main
      sleep 0.3
    done
    reloads=$((reloads + 1))
    say "out of coins after $((games - 1)) games: loading the full purse again"
    save_or_load load
    bet_and_start
    sleep 0.3
    grab "$tmp/screen.ppm"
    reels_running "$tmp/screen.ppm" || die "the reels do not start after loading the save"
  fi
  wins_before=$(wins_print "$tmp/screen.ppm")
  pause 200 900
done
if [ -n "$caught" ]; then
  compose "$caught" win.png "$info" "$main" "$menu"
  say "won game $games of the session ($reloads reloads), lamps lit"
elif [ "$won" -gt 0 ]; then
  say "$won win(s) in $games games, each over before the lamps were seen: no win.png"
else
  say "no win in $games games: no win.png (the reels stop where the clicks find them; run again)"
fi
# Whatever a win is still counting up finishes before the menu is used.
wait_count_up
# A replay win starts a game by itself: stop it, for the menu.
if reels_running "$tmp/screen.ppm"; then
  click "$main" 49 120 # ■ 1
  pause 200 300
  click "$main" 97 120 # ■ 2
  pause 200 300
  click "$main" 145 120 # ■ 3
  sleep 0.3
  wait_count_up
fi

# 4. The save window over the game, the save of the start listed.
dialog=$(open_dialog save)
sleep 0.3
# Over the window's own background first, as a hand would pass, which puts
# its captions back to black; then the listed save.
measure "$dialog"
read -r x y < <(at "$dialog" 80 155)
xdotool mousemove --sync "$x" "$y"
sleep 0.2
click "$dialog" 60 33
sleep 0.5
grab "$tmp/screen.ppm"
compose "$tmp/screen.ppm" save-dialog.png "$info" "$main" "$menu" "$dialog"
click "$dialog" 110 167 # キャンセル
wait_window_gone '^ - セ ー ブ -$'

# The end, through the menu's 終了.
sleep 0.3
click "$menu" 40 112
for _ in $(seq 100); do
  game_alive || break
  sleep 0.1
done
game_alive && die "the game is still running after 終了"
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 0 ] || die "the game ended with status $status"

mkdir -p "$out"
rm -f "$out/win.png"  # all pictures come from one session
cp "$tmp/shots/"*.png "$out/"
say "pictures in $out: $(cd "$tmp/shots" && echo *.png)"
