#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game. Arguments go to the game
# (a saved game to open, for example).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
exec build/tarmaq "$@"
