#!/usr/bin/env bash
# Installs what the Windows build needs on Debian 12: the MinGW-w64 cross compiler (posix threads, for
# std::thread and std::mutex), Wine to run the results, NSIS for the installer, the tools the third-party builds
# use, and a deb-src line for the mirror the machine already uses so that `apt-get source` finds Debian's sources.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
sources=/etc/apt/sources.list.d/korvado-deb-src.sources
if ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -qx Sources; then
  # The first deb URI of the main archive the machine is set up with.
  mirror="$(grep -rhoE '^(URIs:[[:space:]]*|deb[[:space:]]+)https?://[^[:space:]]+/debian/?' \
              /etc/apt/sources.list /etc/apt/sources.list.d/ 2>/dev/null | grep -oE 'https?://.*' | head -n 1)"
  cat > "$sources" <<SRC
Types: deb-src
URIs: ${mirror:-http://deb.debian.org/debian}
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
fi
apt-get -o DPkg::Lock::Timeout=600 update
apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends \
  g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev \
  wine wine64 nsis zip unzip dpkg-dev bison flex gawk perl git pkg-config \
  cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-translations-l10n googletest \
  libeigen3-dev nlohmann-json3-dev fonts-dejavu-core xvfb xauth imagemagick
