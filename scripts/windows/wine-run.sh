#!/usr/bin/env bash
# Runs a program of the Windows build under Wine: the cross build's emulator for its tests, and the way to start
# the program by hand. The Qt and library DLLs are found through WINEPATH; Wine keeps its own prefix in the cache.
set -euo pipefail
cache="${KORVADO_WINDOWS_CACHE:-/var/cache/korvado-windows}"
export WINEPREFIX="${KORVADO_WINE_PREFIX:-$cache/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"  # no offer to install Mono or Gecko
export WINEPATH="Z:$cache/qt/bin;Z:$cache/deps/bin;Z:/usr/lib/gcc/x86_64-w64-mingw32/12-posix;Z:/usr/x86_64-w64-mingw32/lib"
exec wine "$@"
