#!/usr/bin/env bash
# Installs the packages, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
bash scripts/build.sh build
exec ./build/ui/korvado "$@"
