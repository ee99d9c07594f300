#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   scripts/test.sh             the normal build (build/): core, command-line, fuzz
#                               replay and widget tests
#   scripts/test.sh --sanitize  the core and command-line tests built with
#                               AddressSanitizer and UndefinedBehaviorSanitizer
#                               (build-asan/)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
if [ "${1:-}" = "--sanitize" ]; then
  scripts/build.sh build-asan -DTARMAQ_SANITIZE=ON -DTARMAQ_BUILD_APP=OFF -DTARMAQ_BUILD_BENCH=OFF
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  ctest --test-dir build-asan --output-on-failure -j2
else
  scripts/build.sh build
  export QT_QPA_PLATFORM=offscreen
  export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
  chmod 700 "$XDG_RUNTIME_DIR"
  ctest --test-dir build --output-on-failure -j2
fi
