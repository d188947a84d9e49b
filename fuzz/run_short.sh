#!/usr/bin/env bash
# A short run of every fuzz target, for CI: builds them with AddressSanitizer and
# UndefinedBehaviorSanitizer in <repo-root>/build-fuzz, runs each from its seed corpus
# (fuzz/corpus/<target>/, copied so the repository is left as it is) and fails on any finding.
# ZORNA_FUZZ_SECONDS sets the time per target (default: 30, less when there are many targets).
set -euo pipefail

REPO="${1:?usage: run_short.sh <repo-root>}"
REPO="$(cd "$REPO" && pwd)"
BUILD="${ZORNA_FUZZ_BUILD:-$REPO/build-fuzz}"
BUDGET=150  # seconds of fuzzing in all, so that building and fuzzing stay within four minutes

command -v clang++ >/dev/null || { echo "run_short.sh: clang++ is needed"; exit 1; }
targets=()
for source in "$REPO"/fuzz/fuzz_*.cpp; do
  [[ -e "$source" ]] && targets+=("$(basename "$source" .cpp)")
done
[[ ${#targets[@]} -gt 0 ]] || { echo "run_short.sh: no fuzz targets"; exit 0; }

seconds="${ZORNA_FUZZ_SECONDS:-$((BUDGET / ${#targets[@]}))}"
((seconds > 30 && ${ZORNA_FUZZ_SECONDS:-0} == 0)) && seconds=30
((seconds < 5)) && seconds=5

CC=clang CXX=clang++ cmake -S "$REPO" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZORNA_FUZZ=ON -DZORNA_SANITIZE=ON -DZORNA_BUILD_APP=OFF -DZORNA_BUILD_TESTS=OFF \
  -DZORNA_BUILD_BENCH=OFF -DZORNA_WERROR=ON >/dev/null
cmake --build "$BUILD" -j2 --target "${targets[@]}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
findings="$BUILD/findings"
status=0
for target in "${targets[@]}"; do
  corpus="$scratch/corpus-$target"
  mkdir -p "$corpus"
  if [[ -d "$REPO/fuzz/corpus/$target" ]]; then cp -R "$REPO/fuzz/corpus/$target/." "$corpus/"; fi
  log="$scratch/$target.log"
  if "$BUILD/fuzz/$target" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$scratch/$target-" "$corpus" >"$log" 2>&1; then
    runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)"
    echo "$target: ${runs:-?} runs in ${seconds} s, corpus $(ls "$corpus" | wc -l) files, no finding"
  else
    status=1
    echo "$target: FINDING"
    tail -n 60 "$log"
    mkdir -p "$findings"
    cp "$scratch/$target-"* "$findings/" 2>/dev/null && echo "(kept in $findings)"
  fi
done
exit "$status"
