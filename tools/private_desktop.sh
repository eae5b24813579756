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
    [ "$SECONDS" -lt "$end" ] || {
      echo "private desktop: no $what after $patience s" >&2
      tail -n 20 "${runtime:-$XDG_RUNTIME_DIR}"/*.log >&2 2>/dev/null || true  # what the X server and the others said
      exit 1
    }
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
  xvfb= wm=
  trap 'kill $wm $xvfb 2>/dev/null || true; wait $wm $xvfb 2>/dev/null || true; rm -rf "$runtime"' EXIT
  # The window manager has taken the screen once it names itself on the root window.
  wm_running() { xprop -display "$display" -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
  # An X server and a window manager on it. A window manager that cannot open
  # the new display (seen now and then with other desktops coming and going
  # beside this one) is not waited for: the desktop is made again, three
  # times at most.
  asked=$display
  for attempt in 1 2 3; do
    display=$asked
    rm -f "$runtime/display"
    if [ "$display" = auto ]; then
      # Xvfb picks a free display itself and tells its number on fd 3.
      Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$runtime/display" >>"$runtime/xvfb.log" 2>&1 &
    else
      Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >>"$runtime/xvfb.log" 2>&1 &
    fi
    xvfb=$!
    if [ "$display" = auto ]; then
      until_ready "display from Xvfb" test -s "$runtime/display"
      display=":$(head -n1 "$runtime/display")"
    fi
    until_ready "X server on $display" xdpyinfo -display "$display"
    DISPLAY=$display openbox >>"$runtime/openbox.log" 2>&1 &
    wm=$!
    # Up once it names itself; given up on once it has ended without doing so.
    end=$((SECONDS + patience))
    until wm_running >/dev/null 2>&1 || ! kill -0 "$wm" 2>/dev/null; do
      [ "$SECONDS" -lt "$end" ] || { echo "private desktop: no window manager after $patience s" >&2; exit 1; }
      sleep 0.1
    done
    wm_running >/dev/null 2>&1 && break
    echo "private desktop: the window manager ended on $display (attempt $attempt)" >&2
    tail -n 5 "$runtime/openbox.log" >&2
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    xvfb= wm=
  done
  [ -n "$wm" ] || { echo "private desktop: no window manager" >&2; exit 1; }
  export DISPLAY=$display XDG_RUNTIME_DIR=$runtime KARARION_DESKTOP_INSIDE=1
  # A session bus of our own; what runs inside ends with it.
  dbus-run-session -- bash "$0" "$display" "$@"
  exit $?
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$XDG_RUNTIME_DIR/atspi.log" 2>&1 &
bus=$!
trap 'kill "$bus" 2>/dev/null || true; wait "$bus" 2>/dev/null || true' EXIT
# The accessibility bus is there once its launcher holds its name on the
# session bus (asked without starting another launcher).
atspi_bus() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q 'boolean true'
}
until_ready "accessibility bus" atspi_bus
"$@"
