#!/usr/bin/env bash
# Builds Korvado for 64-bit Windows on this Debian machine, runs its tests under Wine and packages it.
#   1. installs the cross compiler, Wine and NSIS (scripts/windows/install-packages.sh);
#   2. builds Qt and the other libraries from Debian's sources into the cache folder, once
#      (${KORVADO_WINDOWS_CACHE:-/var/cache/korvado-windows}; about 35 minutes on two cores the first time);
#   3. cross-builds the program, korvado-cli and the tests into build-windows/ with the cached Qt's qt-cmake;
#   4. runs the tests under Wine (QT_QPA_PLATFORM=offscreen);
#   5. writes build-windows/package/Korvado-VERSION-win64.zip and Korvado-VERSION-win64-setup.exe, and (with the
#      tests) runs korvado-cli from the unpacked zip.
# Options: --no-tests, --no-package, --with-charts (builds Qt Charts too, for a program that links it),
#          --cached-only (fails instead of building Qt when the cache has none: for CI on a fresh machine).
set -euo pipefail
cd "$(dirname "$0")/.."
here="$PWD/scripts/windows"
cache="${KORVADO_WINDOWS_CACHE:-/var/cache/korvado-windows}"
build="${KORVADO_WINDOWS_BUILD:-build-windows}"
run_tests=1 package=1 cached_only=0
for option in "$@"; do
  case "$option" in
    --no-tests) run_tests=0 ;;
    --no-package) package=0 ;;
    --with-charts) export KORVADO_WINDOWS_WITH_CHARTS=1 ;;
    --cached-only) cached_only=1 ;;
    *) echo "unknown option: $option" >&2; exit 2 ;;
  esac
done
export KORVADO_WINDOWS_CACHE="$cache"

step() { echo "== windows: $*"; }

if [[ "$cached_only" == 1 ]] && ! ls "$cache"/stamps/qtbase-* >/dev/null 2>&1; then
  echo "No Qt for Windows in $cache: run scripts/build-windows.sh once without --cached-only." >&2
  exit 3
fi

step "packages"
bash "$here/install-packages.sh"

step "third-party libraries (cache: $cache)"
bash "$here/build-third-party.sh"

step "configure and build ($build)"
export PKG_CONFIG_LIBDIR="$cache/deps/lib/pkgconfig"
"$cache/qt/bin/qt-cmake" -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$here/mingw-w64-toolchain.cmake" -DCMAKE_PREFIX_PATH="$cache/deps" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine-run.sh" \
  ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER}
nice cmake --build "$build" -j "$(nproc)"

if [[ "$run_tests" == 1 ]]; then
  step "tests under Wine"
  # One Wine server serves every test program, so that each does not start its own; it is started first and
  # kept ten minutes after the last program (one already running serves as well, and says so with status 2).
  # Wine's prefix is made once (about 30 s), before the test programs start in parallel.
  # Wine's background processes get no output of ours to hold open (a CI runner would wait for them), and the
  # server ends with this script.
  export WINEPREFIX="${KORVADO_WINE_PREFIX:-$cache/wine}"
  wineserver -p 600 </dev/null >/dev/null 2>&1 || true
  trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
  "$here/wine-run.sh" wineboot --init </dev/null >/dev/null 2>&1
  # The window's test programs (ui_*) are built but not run: under Wine no window of the offscreen platform
  # becomes the active one, and those tests type into the active window.
  KORVADO_WINE_CAPTURE=1 QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --timeout 300 \
    -j "$(nproc)" -E '^ui_'

fi

if [[ "$package" == 1 ]]; then
  step "package"
  bash "$here/package.sh" "$build"
  if [[ "$run_tests" == 1 ]]; then
    step "the package under Wine"
    version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
    bash "$here/check-package.sh" "$build/package/Korvado-$version-win64.zip"
  fi
fi
