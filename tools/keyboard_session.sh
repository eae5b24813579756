#!/usr/bin/env bash
# Plays a whole session of the game with the keyboard alone (xdotool key
# presses into the focused window, as a player types them): bet with Up, start
# with Enter, stop the reels with 1, keypad 2 and 3, repeat until a win has
# been counted up, then save under a typed name (Ctrl+S), play on, load the
# save (Ctrl+O) and end through the menu's entries reached by Tab. It only watches through the
# accessibility bus, reading the counters; it never acts through it.
#
# Run it on a desktop with a window manager and an accessibility bus:
#   bash tools/private_desktop.sh :95 bash tools/keyboard_session.sh [build/kararion] [shots-folder]
# With a shots folder it also saves a picture of the main window at the win.
set -euo pipefail
cd "$(dirname "$0")/.."
game_exe=$(realpath "${1:-build/kararion}")
shots=${2:-}
max_games=150

say() { printf 'keys: %s\n' "$*"; }
folder=$(mktemp -d "${TMPDIR:-/tmp}/kararion-keys.XXXXXX")
mkdir "$folder/data"
(cd "$folder" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$game_exe" >"$folder/game.log" 2>&1) &
game=$!
trap 'kill "$game" 2>/dev/null || true; wait "$game" 2>/dev/null || true' EXIT

# The seven counters, read from the bus: coins used bet run paid wins losses.
counters() {
  /usr/bin/python3 - <<'PY'
import pyatspi
names = ["コインすう", "しようまいすう", "ベット", "かいてんすう", "はいとうまいすう", "アタリすう", "ハズレすう"]
def walk(acc, found):
    for child in acc:
        if child is None:
            continue
        if child.getRole() == pyatspi.ROLE_TEXT and child.name in names:
            found[child.name] = child.queryText().getText(0, -1)
        walk(child, found)
found = {}
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == "kararion":
        walk(app, found)
print(" ".join(found.get(n, "?") for n in names))
PY
}
field() { counters | cut -d' ' -f"$1"; }  # 1 coins, 3 bet, 5 paid, 6 wins, 7 losses

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
sleep 1
say "start: $(counters)   (coins used bet run paid wins losses)"

# One game: bet 3 with Up, start with Enter (the menu's スタート), stop the reels by number.
play() {
  focus "$main"
  keys Up Up Up Return
  for reel in 1 KP_2 3; do
    sleep "0.$((RANDOM % 5 + 1))"
    keys "$reel"
  done
  sleep 0.3
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

play
say "game 1: $(counters)"
save_as start
won=
for n in $(seq 2 "$max_games"); do
  before=$(counters)
  play
  # A replay spins again by itself: stop it the same way.
  replays=0
  while [ "$(field 3)" != 0 ] && [ "$(field 5)" = "$(echo "$before" | cut -d' ' -f5)" ]; do
    replays=$((replays + 1))
    [ "$replays" -le 5 ] || { say "the game is stuck with a bet on"; exit 1; }
    sleep 1.2
    [ "$(field 3)" = 0 ] && break
    say "  the replay spins: 1 2 3"
    focus "$main"
    keys 1 2 3
    sleep 0.3
  done
  after=$(counters)
  if [ "$(echo "$after" | cut -d' ' -f6)" != "$(echo "$before" | cut -d' ' -f6)" ]; then
    [ -n "$shots" ] && { mkdir -p "$shots"; import -window "$(window "$main")" "$shots/keyboard-win.png"; }
    for _ in $(seq 50); do [ "$(field 3)" = 0 ] && break; sleep 0.1; done
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
play
say "one more game: $(counters)"
sleep 2
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
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game" 2>/dev/null; then say "the game is still running after 終了"; exit 1; fi
say "the game ended through 終了"
