#!/usr/bin/env bash
# Installs the packages, builds the program and korvado-cli (no tests, in a
# build folder of their own, reused by the next call) and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVADO_BUILD_TESTS=OFF
cmake --build build-run --parallel "$(nproc)" --target korvado korvado-cli
exec ./build-run/ui/korvado "$@"
