#!/usr/bin/env bash
# Plays a session by keys with Orca listening, and reports what Orca said and
# what the voice really got through: the greeting, ten games (Up x3, Enter,
# 1 2 3) with the next game's first key 1.5 s after the last stop, the sound
# and zoom keys, the help (F1) and the data window (D) read by the arrows, the
# right-click menu by Shift+F10, a save of two names with Ctrl+S, a load with
# Ctrl+O picking a file by arrows, the whole state with S, the end with Ctrl+Q.
# Orca speaks through its own speech-dispatcher (Japanese espeak-ng, log level
# 4: each message's start, end or cut) into a silent PulseAudio sink; its debug
# log, stamped line by line, is kept in the output folder (orca.log) beside
# speech-dispatcher's (speechd/), the key times (keys.log) and the summary
# (report.txt).
#
# Run it on a private desktop (it needs orca, speech-dispatcher, pulseaudio
# and xdotool):
#   bash tools/private_desktop.sh :96 bash tools/orca_session.sh [build/kararion] [output-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
game_exe=$(realpath "${1:-build/kararion}")
out=$(realpath -m "${2:-build/orca-session}")
mkdir -p "$out"
: >"$out/keys.log"
work=$(mktemp -d "${TMPDIR:-/tmp}/kararion-orca.XXXXXX")
mkdir -p "$work/data" "$work/home"
pids=()
stop_all() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap stop_all EXIT

# Speech goes to a sink nobody hears, so that speaking never blocks.
HOME=$work/home pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
  --load="module-null-sink sink_name=silent" --load="module-native-protocol-unix" \
  >"$out/pulseaudio.log" 2>&1 &
pids+=($!)
sleep 1

# Speech-dispatcher as installed, but Japanese and telling when each message
# starts, ends or is cut off.
mkdir -p "$work/home/.config" "$out/speechd"
cp -r /etc/speech-dispatcher "$work/home/.config/speech-dispatcher"
sed -i -e 's/^LogLevel .*/LogLevel 4/' -e "s|^LogDir .*|LogDir \"$out/speechd\"|" \
  -e 's/^# DefaultLanguage .*/DefaultLanguage "ja"/' "$work/home/.config/speech-dispatcher/speechd.conf"

# Orca as installed, with its debug log written a line at a time, each line
# stamped with the time (s since the epoch). It neither replaces nor refuses
# another Orca of the same user elsewhere on the machine.
cat >"$work/orca_logged.py" <<'PY'
import sys, time
log_path = sys.argv[1]
sys.argv = ["orca", "--debug-file=" + log_path] + sys.argv[2:]

class Stamped:
    def __init__(self, path):
        self.name = path
        self.file = open(path, "w", buffering=1, encoding="utf-8")
    def writelines(self, parts):
        self.file.write("%.3f %s" % (time.time(), "".join(parts)))
    def write(self, text):
        self.file.write(text)
    def flush(self):
        self.file.flush()
    def fileno(self):
        return self.file.fileno()

script = {"__name__": "orca_script", "__file__": "/usr/bin/orca"}
exec(compile(open("/usr/bin/orca").read(), "/usr/bin/orca", "exec"), script)
script["open"] = lambda path, mode="r", *a, **k: Stamped(path) if path == log_path else open(path, mode, *a, **k)
script["otherOrcas"] = lambda: []
script["setProcessName"] = lambda name: False
sys.exit(script["main"]())
PY
HOME=$work/home /usr/bin/python3 "$work/orca_logged.py" "$out/orca.log" >"$out/orca.stdout" 2>&1 &
pids+=($!)
for _ in $(seq 100); do grep -q "About to launch Orca" "$out/orca.log" 2>/dev/null && break; sleep 0.1; done
sleep 3

(cd "$work" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$game_exe" >"$out/game.log" 2>&1) &
game=$!
pids+=($game)

# shellcheck source=tools/find_window.sh
. tools/find_window.sh  # the script stands in the project's root by now
window() { find_window "$1" || { echo "orca session: no window '$1'" >&2; exit 1; }; }
mark() { printf '%s %s\n' "$(date +%s.%N)" "$*" >>"$out/keys.log"; }
key() {
  mark "$@"
  xdotool key --delay 80 "$@"
}
main=" カラリオン"
window "$main" >/dev/null
sleep 2
xdotool windowfocus --sync "$(window "$main")"
sleep 1.5

heard_since() { awk -v t="$1" '$1 >= t && /SPEECH OUTPUT/' "$out/orca.log"; }
last_key() { tail -1 "$out/keys.log" | cut -d' ' -f1; }
# sleep_until T S: sleeps until S seconds after the time T (s since the epoch),
# whatever the commands in between took.
sleep_until() { sleep "$(awk -v t="$1" -v s="$2" -v now="$(date +%s.%N)" 'BEGIN { d = t + s - now; print (d > 0 ? d : 0) }')"; }

sleep 6  # the greeting
for n in $(seq 10); do
  key Up; sleep 0.5; key Up; sleep 0.5; key Up; sleep 0.8
  key Return; sleep 0.6
  for reel in 1 2 3; do
    sleep "0.$((RANDOM % 4 + 3))"
    key "$reel"
  done
  stopped=$(last_key)
  # A replay spins again by itself: stop it the same way. Its word comes well
  # within a second.
  sleep 1.2
  while heard_since "$stopped" | grep -qE "リプレイ (じょうだん|ちゅうだん|げだん|みぎ)"; do
    sleep 0.8
    for reel in 1 2 3; do sleep 0.4; key "$reel"; done
    stopped=$(last_key)
    sleep 1.2
  done
  sleep_until "$stopped" 1.5  # the pace: the result line has this long before the next key
done
sleep 3

# The view's keys, the help and the data window read by the arrows, the menu.
key m; sleep 2; key m; sleep 2
key ctrl+minus; sleep 2.5; key ctrl+0; sleep 2.5
key F1; sleep 5
for _ in 1 2 3 4; do key Down; sleep 2.5; done
key Escape; sleep 2
xdotool windowfocus --sync "$(window "$main")"; sleep 1
key d; sleep 8
for _ in 1 2 3; do key Down; sleep 2.5; done
# A view key in the data window is answered there, and the arrows read on.
key m; sleep 2; key Down; sleep 2.5; key m; sleep 2
key Escape; sleep 2
key shift+F10; sleep 3; key Escape; sleep 2
# A game played from the menu's framed entry: staked, Tab frames スタート (the
# first entry offered), Space starts; the lines come from under the entry.
key Up; sleep 2; key Tab; sleep 2; key space; sleep 2
for reel in 1 2 3; do key "$reel"; sleep 2.5; done
key Escape; sleep 2

key s; sleep 4
# Two saves: a name typed over the suggested one, Tab over the list to セーブ.
for name in alpha beta; do
  key ctrl+s; sleep 1.5
  key ctrl+a; xdotool type --delay 80 "$name"; sleep 0.5
  key Tab; sleep 0.8; key Tab; sleep 0.8; key space; sleep 1.5
  key Return; sleep 1; key Escape; sleep 1.5
done
# A load, the file picked by arrows in the list, then Tab Tab to ロード.
key ctrl+o; sleep 2
key Down; sleep 1.5; key Down; sleep 1.5; key Up; sleep 1.5
key Tab; sleep 0.8; key Tab; sleep 0.8; key space; sleep 1.5
key Return; sleep 2.5; key Escape; sleep 1.5
key s; sleep 4
key ctrl+q
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
sleep 1

/usr/bin/python3 - "$out/orca.log" "$out/keys.log" "$out/speechd" >"$out/report.txt" <<'PY'
import re, statistics, sys
log = [l.rstrip("\n") for l in open(sys.argv[1], encoding="utf-8", errors="replace")]
keys = [l.split(" ", 1) for l in open(sys.argv[2], encoding="utf-8")]
def stamp(line):
    try:
        return float(line.split(" ", 1)[0])
    except ValueError:
        return None
# An utterance with a line break in it runs on over unstamped lines.
speech = []
for i, l in enumerate(log):
    if "SPEECH OUTPUT: '" not in l or stamp(l) is None:
        continue
    whole = l
    for more in log[i + 1:i + 20]:
        if re.search(r"SPEECH OUTPUT: '(.*?)' ?\[?\{", whole) or stamp(more) is not None:
            break
        whole += " " + more.strip()
    m = re.search(r"SPEECH OUTPUT: '(.*?)' ?\[?\{", whole)
    if m:
        speech.append((stamp(l), m.group(1).strip()))
floods = [l for l in log if "FLOOD" in l or "DELUGE" in l]
print("FLOOD or DELUGE lines:", len(floods))
for l in floods[:5]:
    print("  ", l)
# The result of each game, timed from the last stop key: as the script
# pressed it, and as Orca heard it (its echo of the key).
results = re.compile(r"ハズレ|\d+まい |リプレイ (じょうだん|ちゅうだん|げだん|みぎ)")
from_key, from_echo = [], []
for t, what in keys:
    if what.strip() != "3":
        continue
    t = float(t)
    later = [(s, text) for s, text in speech if s >= t and results.search(text)]
    echo = [s for s, text in speech if s >= t and text.strip() == "3"]
    if not later:
        print("no result spoken after the stop key at", t)
        continue
    from_key.append(later[0][0] - t)
    if echo and echo[0] <= later[0][0]:
        from_echo.append(later[0][0] - echo[0])
    print("result %4.0f ms after the key (%4.0f ms after Orca's echo of it): %s"
          % (1000 * from_key[-1], 1000 * from_echo[-1] if from_echo else -1, later[0][1]))
# What the voice got through: speech-dispatcher starts a message ("Module
# speak!"), plays it to its end ("reporting end") or is stopped ("Module
# stop!"). For each result: the messages started from Orca's result line until
# the next key, whether the last of them (the line itself) ended, and whether
# it played long enough for the result's own words, which come first.
import datetime, glob
def sd_stamp(line):
    m = re.match(r"\[(\w+ \w+ +\d+ [\d:]+ \d+) : (\d+)\]", line)
    if not m:
        return None
    when = datetime.datetime.strptime(m.group(1), "%a %b %d %H:%M:%S %Y").replace(tzinfo=datetime.timezone.utc)
    return when.timestamp() + int(m.group(2)) / 1e6
sd = []
for path in glob.glob(sys.argv[3] + "/speech-dispatcher.log") if len(sys.argv) > 3 else []:
    for l in open(path, encoding="utf-8", errors="replace"):
        kind = "start" if "Module speak!" in l else "end" if "reporting end" in l else "cut" if "Module stop!" in l else None
        if kind and sd_stamp(l) is not None:
            sd.append((sd_stamp(l), kind))
# How long the voice takes to reach the end of the result's own words (all
# that Orca put before the first "。", a role's name included): the last
# sound of them, not the silence the voice leaves after a message.
# speech-dispatcher runs espeak-ng at espeak-ng's own default rate, so
# espeak-ng alone tells.
import array, io, shutil, subprocess, wave
def voice_seconds(words):
    if not shutil.which("espeak-ng"):
        return None
    wav = subprocess.run(["espeak-ng", "-v", "ja", "--stdout", words], capture_output=True).stdout
    try:
        with wave.open(io.BytesIO(wav)) as w:  # a header written ahead of a stream: its size is no size
            rate, width = w.getframerate(), w.getsampwidth()
    except (wave.Error, EOFError):
        return None
    if width != 2:
        return None
    samples = array.array("h", wav[44:44 + (len(wav) - 44) // 2 * 2])
    loud = [i for i in range(len(samples) - 1, -1, -1) if abs(samples[i]) > 500]  # above -36 dB
    return (loud[0] + 1) / rate if loud else 0.0
key_times = sorted(float(t) for t, _ in keys)
heard_whole, heard_cut, words_heard, words_cut = 0, 0, 0, 0
for t, text in speech:
    if not results.search(text) or re.sub(r"^notification ", "", text).startswith("コイン"):
        continue
    next_key = next((k for k in key_times if k > t + 0.05), t + 30)
    starts = [s for s, kind in sd if kind == "start" and t - 0.05 <= s < next_key]
    if not starts:
        continue
    last = starts[-1]
    fate = next(((s, kind) for s, kind in sd if s > last and kind in ("end", "cut")), (None, "?"))
    if fate[1] == "end":
        heard_whole += 1
    else:
        heard_cut += 1
    played = (fate[0] or last) - last
    need = voice_seconds(text.split("。")[0])
    heard = fate[1] == "end" or (need is not None and played >= need)
    words_heard += heard
    words_cut += not heard
    print("result line %-40s next key after %.2f s: the line %s after %.2f s (%d messages before it);"
          " the result's words (%s s) %s"
          % (text[:40], next_key - t, "ENDED" if fate[1] == "end" else "CUT", played, len(starts) - 1,
             "%.2f" % need if need is not None else "?", "HEARD" if heard else "CUT"))
if sd:
    print("result lines heard to the end before the next key: %d, cut off: %d" % (heard_whole, heard_cut))
    print("results whose own words were heard before the next key: %d, cut off: %d" % (words_heard, words_cut))
for name, delays in (("the key as pressed", from_key), ("Orca's echo of the key", from_echo)):
    if delays:
        print("from %s to the result: median %.0f ms, worst %.0f ms, over %d games"
              % (name, 1000 * statistics.median(delays), 1000 * max(delays), len(delays)))
print()
print("Everything Orca said, with the keys, in time order:")
events = [(float(t), "KEY   " + w.strip()) for t, w in keys] + [(s, "SPEAK " + text) for s, text in speech]
for t, text in sorted(events):
    print("%.3f %s" % (t, text))
PY
cat "$out/report.txt" | head -20
