#!/usr/bin/env bash
# Installs the Debian packages that building, testing and playing Kararion
# need: debian/control's Build-Depends (its <!nocheck> ones are the test
# suite's), and the few that only the desktop sessions (tests labelled
# desktop) use. Idempotent: when everything is there it asks the package
# mirror nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

# A window manager, the accessibility bus and its Python binding, and key presses.
desktop=(openbox at-spi2-core python3-pyatspi xdotool x11-utils dbus)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
missing=()
for p in "${desktop[@]}"; do installed "$p" || missing+=("$p"); done
if [ ${#missing[@]} -eq 0 ] && command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps 2>/dev/null; then
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
echo "Installing the build dependencies in debian/control${missing[*]:+ and ${missing[*]}}"
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get)
"${apt[@]}" update
"${apt[@]}" build-dep -y --no-install-recommends ./
if [ ${#missing[@]} -gt 0 ]; then
  "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
fi
