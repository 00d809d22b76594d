#!/usr/bin/env bash
# Runs a program of the Windows build under Wine: the cross build's emulator for its tests, and the way to start
# the program by hand. The Qt and library DLLs are found through WINEPATH (not with KORVADO_WINE_PACKAGED=1: a
# packaged program has its own beside it); Wine keeps its own prefix in the cache.
set -euo pipefail
cache="${KORVADO_WINDOWS_CACHE:-/var/cache/korvado-windows}"
export WINEPREFIX="${KORVADO_WINE_PREFIX:-$cache/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"  # no offer to install Mono or Gecko
if [[ "${KORVADO_WINE_PACKAGED:-0}" != 1 ]]; then
  export WINEPATH="Z:$cache/qt/bin;Z:$cache/deps/bin;Z:/usr/lib/gcc/x86_64-w64-mingw32/12-posix;Z:/usr/x86_64-w64-mingw32/lib"
else
  unset WINEPATH
fi
if [[ "${KORVADO_WINE_CAPTURE:-0}" != 1 ]]; then exec wine "$@"; fi
# Under a test runner: Wine's own background processes (its desktop, its services), started by the first
# program that needs them, inherit the output and would keep the runner waiting for them until they end.
# The program's output goes through a file instead, which they may keep.
output="$(mktemp)"
status=0
wine "$@" >"$output" 2>&1 </dev/null || status=$?
cat "$output"
rm -f "$output"
exit "$status"
