#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (in build-fuzz/) and runs each for a
# bounded time, starting from its kept corpus. A crash, a leak or a runaway allocation
# fails the run and leaves the input in build-fuzz/artifacts/.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/install-deps.sh --tests
if ! command -v clang++ >/dev/null; then
  echo "clang++ is not installed: no libFuzzer run" >&2
  exit 0
fi
if [ ! -f build-fuzz/CMakeCache.txt ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARMAQ_LIBFUZZER=ON -DTARMAQ_SANITIZE=ON -DTARMAQ_BUILD_APP=OFF -DTARMAQ_BUILD_BENCH=OFF >/dev/null
fi
targets=$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
cmake --build build-fuzz -j2 --target $targets
mkdir -p build-fuzz/artifacts
for t in $targets; do
  work="build-fuzz/corpus/$t"
  mkdir -p "$work"
  cp -n "fuzz/corpus/$t"/* "$work"/ 2>/dev/null || true
  echo "fuzzing $t for ${seconds} s"
  "build-fuzz/$t" -max_total_time="$seconds" -max_len=20000 -rss_limit_mb=2048 \
    -artifact_prefix="build-fuzz/artifacts/$t-" "$work" 2>&1 | tail -n 3
done
