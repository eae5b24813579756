#!/usr/bin/env bash
# Runs a command on a private desktop of its own: a virtual X screen, a window
# manager (so windows take the keyboard focus as on a real desktop), a session
# bus and the accessibility bus. Everything started here ends with it.
#
# Each part is waited for until it is up, however long a busy machine takes.
#
# Usage: bash tools/private_desktop.sh DISPLAY COMMAND [ARGUMENT...]
#   e.g. bash tools/private_desktop.sh :95 bash tools/keyboard_session.sh
# DISPLAY "auto" takes the first free display. Needs Xvfb, openbox,
# dbus-run-session, at-spi2-core, xdotool and python3-pyatspi (the sessions
# read the counters through the bus); without one of them it ends with
# status 77, which the test suite counts as skipped.
set -euo pipefail
# How long each part may take to come up on a busy machine before the desktop
# counts as broken.
patience=120  # seconds

# until_ready WHAT COMMAND...: waits for COMMAND to succeed, failing after $patience s.
until_ready() {
  local what=$1 end=$((SECONDS + patience))
  shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$end" ] || { echo "private desktop: no $what after $patience s" >&2; exit 1; }
    sleep 0.1
  done
}

[ $# -ge 2 ] || { echo "usage: $0 DISPLAY COMMAND [ARGUMENT...]" >&2; exit 2; }
display=$1
shift

if [ -z "${KARARION_DESKTOP_INSIDE:-}" ]; then
  for tool in Xvfb openbox dbus-run-session dbus-send xdotool xdpyinfo xprop /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "private desktop: no $tool; skipped" >&2; exit 77; }
  done
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "private desktop: no pyatspi; skipped" >&2; exit 77; }
  runtime=$(mktemp -d "${TMPDIR:-/tmp}/kararion-desktop.XXXXXX")
  chmod 700 "$runtime"
  if [ "$display" = auto ]; then
    # Xvfb picks a free display itself and tells its number on fd 3.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$runtime/display" >"$runtime/xvfb.log" 2>&1 &
  else
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$runtime/xvfb.log" 2>&1 &
  fi
  xvfb=$!
  trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$runtime"' EXIT
  if [ "$display" = auto ]; then
    until_ready "display from Xvfb" test -s "$runtime/display"
    display=":$(head -n1 "$runtime/display")"
  fi
  until_ready "X server on $display" xdpyinfo -display "$display"
  export DISPLAY=$display XDG_RUNTIME_DIR=$runtime KARARION_DESKTOP_INSIDE=1
  # A session bus of our own; what runs inside ends with it.
  dbus-run-session -- bash "$0" "$display" "$@"
  exit $?
fi

start_wm() {
  openbox >>"$XDG_RUNTIME_DIR/openbox.log" 2>&1 &
  wm=$!
}
start_wm
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$XDG_RUNTIME_DIR/atspi.log" 2>&1 &
bus=$!
trap 'kill "$wm" "$bus" 2>/dev/null || true; wait "$wm" "$bus" 2>/dev/null || true' EXIT
# The window manager has taken the screen once it names itself on the root
# window; the accessibility bus is there once its launcher holds its name on
# the session bus (asked without starting another launcher). A window manager
# that gave up before taking the screen (once seen as "Failed to open the
# display" with a new server beside others coming and going) is started again.
wm_running() {
  kill -0 "$wm" 2>/dev/null || start_wm
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}
atspi_bus() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q 'boolean true'
}
until_ready "window manager" wm_running
until_ready "accessibility bus" atspi_bus
"$@"
