#!/usr/bin/env bash
# Installs what is missing, builds Zorna, lays out its program folder and starts it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/deps.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORNA_BUILD_TESTS=OFF -DZORNA_BUILD_BENCH=OFF >/dev/null
cmake --build "$here/build"
exec "$here/build/program/zorna"
