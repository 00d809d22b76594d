#!/usr/bin/env bash
# Builds the data file reader's libFuzzer target with clang and runs it for the
# given number of seconds (default 60), starting from freshly written valid files.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVADO_BUILD_FUZZ=ON \
  -DKORVADO_SANITIZE=ON -DKORVADO_BUILD_UI=OFF -DKORVADO_BUILD_TESTS=OFF
cmake --build build-fuzz --parallel "$(nproc)" --target datafile_fuzz make_fuzz_seeds
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/seeds" "$work/corpus"
./build-fuzz/fuzz/make_fuzz_seeds "$work/seeds"
./build-fuzz/fuzz/datafile_fuzz -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/" "$work/corpus" "$work/seeds" 2>&1 | tail -n 15
echo "fuzzing: no crash in $seconds seconds"
