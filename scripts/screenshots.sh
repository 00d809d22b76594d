#!/usr/bin/env bash
# Pictures of the four pages, the nets browser and the dialogs over a small
# example job, taken from real windows under Xvfb, into docs/screenshots/;
# the example job itself into docs/example.kor.
# Usage: scripts/screenshots.sh [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
program="$PWD/$build/ui/korvado"
out="$PWD/docs/screenshots"
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 1; }
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"  # the program keeps Korvado.ini in its working directory
# Columns wide enough for their titles; the program's own defaults are narrower.
cat > Korvado.ini <<'INI'
[WindowState]
Maximized=0
WindowWidth=980
WindowHeight=560

[ColumnWidth]
0=100
1=110
2=125
3=100
4=110
5=50
6=85
7=85
8=175
t0=50
t1=120
t2=175
dtWidth=400

[NetsBrowser]
wsMaximized=0
WindowWidth=760
WindowHeight=330
TreeWidth=170
INI
for view in journal netsystem netname typepoint equi originaltitude adjustment leastsquares elevation report netsbrowser about; do
  LANG=ru_RU.UTF-8 KORVADO_SCREENSHOT="$view:$out/$view.png" \
    timeout 60 xvfb-run -a -s "-screen 0 1024x768x24" "$program"
  [ -s "$out/$view.png" ] || { echo "no picture of $view" >&2; exit 1; }
  echo "$out/$view.png"
done
LANG=ru_RU.UTF-8 KORVADO_SCREENSHOT="jobfile:$PWD/example.kor" \
  timeout 60 xvfb-run -a -s "-screen 0 1024x768x24" "$program"
[ -s example.kor ] || { echo "no example job file" >&2; exit 1; }
cp example.kor "$(dirname "$out")/example.kor"
echo "$(dirname "$out")/example.kor"
