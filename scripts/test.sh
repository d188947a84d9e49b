#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the normal build (with the
# installation, desktop file and package tests), then the build under AddressSanitizer and
# UndefinedBehaviorSanitizer, then short fuzzing runs.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/deps.sh"
jobs=$(nproc)

cmake -S "$here" -B "$here/build-test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORNA_WERROR=ON \
  >/dev/null
cmake --build "$here/build-test" -j "$jobs"
(cd "$here/build-test" && ctest --output-on-failure -j "$jobs")

cmake -S "$here" -B "$here/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZORNA_SANITIZE=ON \
  -DZORNA_BUILD_BENCH=OFF -DZORNA_WERROR=ON >/dev/null
cmake --build "$here/build-asan" -j "$jobs"
(cd "$here/build-asan" && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j "$jobs" -E '^(e2e|install)\.')

if [ -f "$here/fuzz/run_short.sh" ]; then
  bash "$here/fuzz/run_short.sh" "$here"
fi
