#!/usr/bin/env bash
# Configures (once) and builds into a build folder: build/ by default.
#   scripts/build.sh [BUILD_DIR] [extra cmake -D options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
shift || true
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
fi
cmake --build "$dir" -j2
