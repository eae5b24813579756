#!/usr/bin/env bash
# Plays a whole session of the game with the keyboard alone (xdotool key
# presses into the focused window, as a player types them): bet with Up, start
# with Enter, stop the reels with 1, keypad 2 and 3, repeat until a win has
# been counted up, then save under a typed name (Ctrl+S), play on, load the
# save (Ctrl+O) and end through the menu's entries reached by Tab. It only watches through the
# accessibility bus, reading the counters and whether a stop button takes a press; it never
# acts through it. It waits for what it needs (a window, a reel to stop, a game to end), however
# long a busy machine takes, up to a limit that only a stuck game reaches.
#
# Run it on a desktop with a window manager and an accessibility bus:
#   bash tools/private_desktop.sh :95 bash tools/keyboard_session.sh [build/kararion] [shots-folder]
# With a shots folder it also saves a picture of the main window at the win.
set -euo pipefail
cd "$(dirname "$0")/.."
game_exe=$(realpath "${1:-build/kararion}")
shots=${2:-}
max_games=150
patience=120  # seconds

say() { printf 'keys: %s\n' "$*"; }
folder=$(mktemp -d "${TMPDIR:-/tmp}/kararion-keys.XXXXXX")
mkdir "$folder/data"
(cd "$folder" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$game_exe" >"$folder/game.log" 2>&1) &
game=$!
trap 'kill "$game" 2>/dev/null || true; wait "$game" 2>/dev/null || true' EXIT

# The seven counters and the stop buttons, read from the bus by one watcher
# that stays up (tools/bus_watch.py): a question costs milliseconds, not a
# new Python, however busy the machine.
# Spoken to through two pipes on fixed descriptors, which every subshell and
# pipeline inherits (a coprocess's do not reach a pipeline).
mkfifo "$folder/ask" "$folder/answer"
/usr/bin/python3 -u tools/bus_watch.py <"$folder/ask" >"$folder/answer" 2>"$folder/bus_watch.log" &
exec 7>"$folder/ask" 8<"$folder/answer"
ask() {
  local answer
  echo "$1" >&7
  read -r -t "$patience" answer <&8 || { say "the bus watcher gave no answer" >&2; exit 1; }
  echo "$answer"
}
counters() { ask counters; }  # coins used bet run paid wins losses
field() { counters | cut -d' ' -f"$1"; }  # 1 coins, 3 bet, 5 paid, 6 wins, 7 losses
stops() { ask stops; }  # which of the three stop buttons take a press: "1 0 0"
stop_alive() { [ "$(stops | cut -d' ' -f"$1")" = 1 ]; }  # reel 1, 2 or 3

# until WHAT COMMAND...: waits for COMMAND to succeed; a game stuck for
# $patience seconds fails the session, saying what it waited for.
until_() {
  local what=$1 end=$((SECONDS + patience))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || { say "waited ${patience} s for $what: $(counters), stops $(stops)"; exit 1; }
    sleep 0.1
  done
}
counters_read() { ! counters | grep -q '?'; }
bet_is() { [ "$(field 3)" = "$1" ]; }

# shellcheck source=tools/find_window.sh
. tools/find_window.sh  # the script stands in the project's root by now
window() {
  find_window "$1" && return
  say "no window '$1'" >&2
  [ -n "$shots" ] && import -window root "$shots/keyboard-stuck.png"
  exit 1
}
focus() { xdotool windowfocus --sync "$(window "$1")"; sleep 0.1; }
keys() { xdotool key --delay 60 "$@"; sleep 0.2; }

main=" カラリオン"
menu=" - メニュー -"
window "$main" >/dev/null
until_ "the counters on the bus" counters_read
say "start: $(counters)   (coins used bet run paid wins losses)"

# Stops the spinning reels by number, each once its button takes a press, at
# varied moments as a player's would, and waits until it has stopped. Each
# key goes in once: a key the game lost is a fault, and a second press that
# a busy game takes late would stop a reel of the next game (a replay).
# The moment is drawn to the millisecond: drawn in tenths of a second, reel 1
# (a step each 50 ms) would stop on every other symbol only, and the wins
# that need the others would never come.
# (xdotool presses Num_Lock around a keypad key, toggling it, so every other
# KP_2 is let go as KP_Down: the game knows it for the same key.)
stop_reels() {
  local reel key run
  for reel in 1 2 3; do
    until_ "reel $reel to take a stop" stop_alive "$reel"
    [ "$reel" = 1 ] && run=$(field 4)  # the game under way, counted once it spins
    sleep "$(printf '0.%03d' $((RANDOM % 500 + 100)))"
    key=$reel
    [ "$reel" = 2 ] && key=KP_2
    focus "$main"
    keys "$key"
    # Stopped; or, the last reel, judged a replay that at once spins anew
    # (the game count moves on) before its button was seen idle.
    until_ "reel $reel to stop after $key" eval '! stop_alive '"$reel"' || [ "$(field 4)" != "$run" ]'
  done
}

# One game: bet 3 with Up, start with Enter (the menu's スタート), stop the reels by number.
play() {
  focus "$main"
  keys Up Up Up Return
  stop_reels
}

# finish_game PAID-BEFORE: after the last stop, waits until the game ends (the
# bet goes) or a win counts up (the payout grows); a replay spins again by
# itself: stops it the same way.
finish_game() {
  paid_before=$1
  over_or_replay() { bet_is 0 || [ "$(field 5)" != "$paid_before" ] || stop_alive 1; }
  until_ "the game to end" over_or_replay
  while ! bet_is 0 && [ "$(field 5)" = "$paid_before" ] && stop_alive 1; do
    say "  the replay spins: 1 2 3"
    stop_reels
    until_ "the replay to end" over_or_replay
  done
}

# Save and load by the menu's shortcuts, from the main window.
save_as() {
  focus "$main"
  keys ctrl+s
  window " - セ ー ブ -" >/dev/null
  keys ctrl+a $(echo "$1" | sed 's/./& /g') Tab Tab space  # the name, over the list, onto セーブ
  window "完了" >/dev/null
  keys Return Escape  # the message box's OK; Escape closes the dialog as キャンセル does
  say "saved $1: $(ls "$folder/data" | tr '\n' ' ')"
}
load() {
  focus "$main"
  keys ctrl+o
  window " - ロ ー ド -" >/dev/null
  keys Tab ctrl+a $(echo "$1" | sed 's/./& /g') Tab space  # past the list to the name, onto ロード
  window "完了" >/dev/null
  keys Return Escape
  say "loaded $1: $(counters)"
}

paid=$(field 5)
play
finish_game "$paid"
until_ "the first game to end" bet_is 0
say "game 1: $(counters)"
save_as start
won=
for n in $(seq 2 "$max_games"); do
  before=$(counters)
  play
  finish_game "$(echo "$before" | cut -d' ' -f5)"
  after=$(counters)
  if [ "$(echo "$after" | cut -d' ' -f6)" != "$(echo "$before" | cut -d' ' -f6)" ]; then
    [ -n "$shots" ] && { mkdir -p "$shots"; import -window "$(window "$main")" "$shots/keyboard-win.png"; }
    until_ "the win to be counted up" bet_is 0
    say "game $n: a win, counted up: $(counters)"
    won=1
    break
  fi
  say "game $n: $after"
  # Out of coins: back to the save made at the start.
  if [ "$(field 1)" = 0 ]; then load start; fi
done
[ -n "$won" ] || { say "no win in $max_games games"; exit 1; }
saved=$(counters)
save_as keys
paid=$(field 5)
play
finish_game "$paid"
until_ "the game to end" bet_is 0
say "one more game: $(counters)"
load keys
loaded=$(counters)
[ "$(echo "$loaded" | cut -d' ' -f1,2,4-)" = "$(echo "$saved" | cut -d' ' -f1,2,4-)" ] || {
  say "the load did not bring back $saved"
  exit 1
}

# The version window closes with Escape; then Tab to 終了 and end. The menu
# window takes the keys itself; Tab goes to its first entry that is not grey.
focus "$menu"
keys Tab Tab Tab space  # セーブ, ロード, バージョン (スタート is grey)
window " - バ ー ジ ョ ン 情 報 - " >/dev/null
keys Escape
focus "$menu"
keys Tab space  # back in the window the frame is still on バージョン; Tab goes on to 終了
game_gone() { ! kill -0 "$game" 2>/dev/null; }
until_ "the game to end after 終了" game_gone
say "the game ended through 終了"
