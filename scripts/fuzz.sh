#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each in turn, starting from
# freshly written seeds: the data file reader, the loop search and the digital
# level readers. The seconds given (default 60) are shared among them, the
# data file reader taking half.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVADO_BUILD_FUZZ=ON \
  -DKORVADO_SANITIZE=ON -DKORVADO_BUILD_UI=OFF -DKORVADO_BUILD_TESTS=OFF
cmake --build build-fuzz --parallel "$(nproc)" --target datafile_fuzz loops_fuzz levelimport_fuzz make_fuzz_seeds
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
./build-fuzz/fuzz/make_fuzz_seeds tests/data/levelimport "$work/seeds"

run() {  # run TARGET SECONDS
  mkdir -p "$work/corpus/$1"
  ./build-fuzz/fuzz/"$1"_fuzz -max_total_time="$2" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$work/$1-" "$work/corpus/$1" "$work/seeds/$1" 2>&1 | tail -n 15
  echo "fuzzing $1: no crash in $2 seconds"
}
quarter=$((seconds / 4 > 0 ? seconds / 4 : 1))
run datafile $((seconds - 2 * quarter > 0 ? seconds - 2 * quarter : 1))
run loops "$quarter"
run levelimport "$quarter"
