#!/usr/bin/env bash
# Sets up, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target kararion
# Saves go to the player's own folder, as when started from the desktop menu.
exec ./build/kararion --player-folder "$@"
