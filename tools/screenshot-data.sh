#!/usr/bin/env bash
# Plays 200 games on the real windows under Xvfb (mouse clicks through the
# click cycle, the reels stopped after random waits on the virtual clock),
# opens the data window with the D key and saves its picture:
#   data.png   the session's coin graph and figures beside the machine's odds
#
# Usage: bash tools/screenshot-data.sh [output-folder]   (default docs/screenshots)
# KARARION_BUILD_DIR   build folder, relative to the checkout (default build)
# KARARION_SHOT_SCALE  Qt scale factor of the picture (default 2)
# KARARION_SHOT_SEED   seed of the stop timings (default 1)
set -euo pipefail

here=$PWD
cd "$(dirname "$0")/.."
root=$PWD
out=${1:-$root/docs/screenshots}
case $out in /*) ;; *) out=$here/$out ;; esac
build=${KARARION_BUILD_DIR:-build}
scale=${KARARION_SHOT_SCALE:-2}
seed=${KARARION_SHOT_SEED:-1}

bash tools/install-deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target datashot --parallel 2

tmp=$(mktemp -d "${TMPDIR:-/tmp}/kararion-data-shot.XXXXXX")
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$tmp"
}
trap cleanup EXIT

# Xvfb picks a free display itself and tells its number on fd 3.
Xvfb -displayfd 3 -screen 0 1920x1440x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$tmp/display" ] && break
  sleep 0.1
done
[ -s "$tmp/display" ] || { cat "$tmp/xvfb.log" >&2; echo "screenshot-data: Xvfb did not start" >&2; exit 1; }

mkdir -p "$tmp/runtime" "$out"
chmod 700 "$tmp/runtime"
DISPLAY=":$(head -n1 "$tmp/display")" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" XDG_RUNTIME_DIR="$tmp/runtime" \
  LC_ALL=C.UTF-8 "$build/tools/datashot/datashot" "$tmp/data.png" 200 "$seed"
# On the same plain background as the other pictures.
convert "$tmp/data.png" -bordercolor '#4a4a4a' -border 8 -strip -define png:exclude-chunks=date,time "$out/data.png"
echo "screenshot-data: $out/data.png"
