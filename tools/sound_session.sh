#!/usr/bin/env bash
# Plays games by keys on a sound server of its own (a null sink, nothing
# reaches a loudspeaker), records what the server plays, and checks that
# every sound the game started is in the recording (tests/desktop/sound_check).
#
# Run it on a desktop with a window manager:
#   bash tools/private_desktop.sh :95 bash tools/sound_session.sh build/kararion build/tests/desktop/sound_check [games]
# Needs pulseaudio and parec (pulseaudio-utils); without them it ends with
# status 77, which the test suite counts as skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
game_exe=$(realpath "${1:-build/kararion}")
checker=$(realpath "${2:-build/tests/desktop/sound_check}")
games=${3:-10}
for tool in pulseaudio parec pactl; do
  command -v "$tool" >/dev/null || { echo "sound session: no $tool; skipped" >&2; exit 77; }
done

say() { printf 'sound: %s\n' "$*"; }
folder=$(mktemp -d "${TMPDIR:-/tmp}/kararion-sound.XXXXXX")
mkdir "$folder/data" "$folder/pulse"
chmod 700 "$folder/pulse"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  [ -n "${KARARION_KEEP_SOUND_SESSION:-}" ] && { say "kept $folder"; return; }
  rm -rf "$folder"
}
trap cleanup EXIT

# The sound server: private runtime folder and socket, so it meets no other.
export PULSE_SERVER="unix:$folder/pulse/native"
HOME=$folder/pulse XDG_RUNTIME_DIR=$folder/pulse PULSE_RUNTIME_PATH=$folder/pulse \
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=file:"$folder/pulse.log" \
  --load="module-null-sink sink_name=heard" \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$folder/pulse/native" &
pids+=($!)
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null || { say "the sound server did not start"; exit 1; }

# The monotonic clock (the game's log reads it) now, in ms.
now_ms() { /usr/bin/python3 -c 'import time; print(f"{time.monotonic() * 1000:.3f}")'; }
# At a low latency: a recorder at the default (2 s) lets the null sink mix
# that far ahead, and a stream that joins it is heard only a second or more
# later, which no sound card does.
parec --latency-msec=20 -d heard.monitor --raw --format=s16le --rate=44100 --channels=1 >"$folder/heard.raw" &
pids+=($!)
# The game starts once the recording runs; it began as long ago as it is long.
for _ in $(seq 200); do [ -s "$folder/heard.raw" ] && break; sleep 0.05; done
[ -s "$folder/heard.raw" ] || { say "parec records nothing"; exit 1; }
now_ms | awk -v size="$(stat -c %s "$folder/heard.raw")" '{ printf "%.3f\n", $1 - size / 88.2 }' >"$folder/start_ms"

log=$folder/sounds.log
: >"$log"
# Settings of its own: sound on, at the volume KARARION_SOUND_VOLUME asks (100% unless told).
mkdir -p "$folder/config/kararion"
printf '[sound]\non=true\nvolume=%s\n' "${KARARION_SOUND_VOLUME:-100}" >"$folder/config/kararion/kararion.conf"
(cd "$folder" && XDG_CONFIG_HOME=$folder/config KARARION_SOUND_LOG=$log exec "$game_exe" >"$folder/game.log" 2>&1) &
pids+=($!)

# shellcheck source=tools/find_window.sh
. tools/find_window.sh
main=$(find_window " カラリオン") || { say "no game window"; exit 1; }
# Until the window manager has it up and hands it the keyboard.
for _ in $(seq 100); do xdotool windowfocus --sync "$main" 2>/dev/null && break; sleep 0.1; done

count() { grep -c " $1\$" "$log" || true; }
last() { tail -n1 "$log" | cut -d' ' -f2; }
# Presses KEY until the log has more than SEEN lines of SOUND (a control
# still greyed takes no key); gives up after a minute.
press_until() {
  local key=$1 sound=$2 seen=$3
  for _ in $(seq 60); do
    xdotool key "$key"
    for _ in $(seq 20); do
      [ "$(count "$sound")" -gt "$seen" ] && { sleep 0.2; return 0; }  # room for the sound to be heard
      sleep 0.05
    done
  done
  say "no $sound after $key"
  exit 1
}

for n in $(seq "$games"); do
  bets=$(($(count betup.wav) + 3))
  tries=0
  # A replay spins again by itself: then there is no bet to make.
  while [ "$(count betup.wav)" -lt "$bets" ] && [ "$(last)" != round.wav ]; do
    tries=$((tries + 1))
    [ "$tries" -le 120 ] || { say "game $n: no bet taken"; exit 1; }
    seen=$(count betup.wav)
    rounds=$(count round.wav)
    xdotool key Up
    for _ in $(seq 20); do
      [ "$(count betup.wav)" -gt "$seen" ] || [ "$(count round.wav)" -gt "$rounds" ] && break
      sleep 0.05
    done
    sleep 0.2
  done
  [ "$(last)" = round.wav ] || press_until Return round.wav "$(count round.wav)"
  for reel in 1 2 3; do press_until "$reel" stop.wav "$(count stop.wav)"; done
  say "game $n: $(wc -l <"$log") sounds so far"
done
# Until the recording holds the last sound and the second the check looks after it.
until_ms=$(tail -n1 "$log" | awk '{ printf "%d", $1 + 1500 }')
for _ in $(seq 600); do
  [ "$(now_ms | cut -d. -f1)" -ge "$until_ms" ] && break
  sleep 0.05
done
pactl list sink-inputs >"$folder/sink-inputs.txt" 2>&1 || true  # what the game holds open, for a kept session
kill "${pids[1]}"
wait "${pids[1]}" 2>/dev/null || true
"$checker" "$folder/heard.raw" "$(cat "$folder/start_ms")" "$log" "$(dirname "$game_exe")/data/se"
