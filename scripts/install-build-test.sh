#!/usr/bin/env bash
# Installs the packages, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
bash scripts/build.sh build-test
QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure --timeout 300 -j "$(nproc)"
