#!/usr/bin/env bash
# Installs every Debian 12 package the build, the program and the tests need.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
  cmake ninja-build g++ clang libclang-rt-14-dev \
  qt6-base-dev qt6-translations-l10n fonts-liberation fonts-dejavu-core \
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev \
  libeigen3-dev libgraphviz-dev libxlsxwriter-dev libmimalloc-dev zlib1g-dev poppler-utils \
  xvfb xauth xdotool imagemagick locales \
  survex  # only for scripts/peer-survex.sh, the least-squares comparison
# A Russian locale, for the program's own number format and the locale tests.
if ! locale -a | grep -qi '^ru_RU.utf8$'; then
  sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen
  locale-gen
fi
