#!/usr/bin/env bash
# Installs the Debian packages that building, testing and playing Kararion need.
# Idempotent: when everything is there it asks the package mirror nothing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libqt6svg6 libgl-dev
  # the windows' places in device pixels (Qt's platform window interface), and
  # accessibility switched on in a window test without a screen reader
  qt6-base-private-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-tidy clang-format
  # running the windows without a screen, and the Japanese font
  xvfb xauth fonts-noto-cjk
  # checking the desktop entry and the metainfo; scripted screenshots
  desktop-file-utils appstream xdotool imagemagick
  # the Debian package: building and checking it
  dpkg-dev debhelper fakeroot lintian
  # sound through the desktop's sound server (a private one for the sound device's test);
  # Qt's own texts in Japanese
  libpulse0 pulseaudio qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
