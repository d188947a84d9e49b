#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the normal build (with the
# installation, desktop file and package tests), then the build without the window (it must
# need no Qt), then the build under AddressSanitizer and UndefinedBehaviorSanitizer, then short
# fuzzing runs. The builds are the presets of CMakePresets.json.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/deps.sh"
jobs=$(nproc)
cd "$here"
# The windowless tree compiles the same sources with the same flags as build-test beside it:
# left out of the hash, the build folder no longer keeps ccache from handing its objects over.
export CCACHE_NOHASHDIR=true

cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"

# zornatool's scripts already ran above on the same sources; here the core's tests suffice.
cmake --preset core >/dev/null
cmake --build --preset core -j "$jobs"
ctest --preset core -j "$jobs" -E '^tool\.'

cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

if [ -f "$here/fuzz/run_short.sh" ]; then
  bash "$here/fuzz/run_short.sh" "$here"
fi
