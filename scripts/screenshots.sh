#!/usr/bin/env bash
# Pictures of the pages, the net diagram, the nets browser and the dialogs over a small
# example job, taken from real windows under Xvfb, into docs/screenshots/;
# the example job itself into docs/example.kor.
# Usage: scripts/screenshots.sh [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
program="$PWD/$build/tools/screenshots/korvado-screenshots"
out="$PWD/docs/screenshots"
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 1; }
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"  # the screenshot tool keeps Korvado.ini in its working directory
# The program's first-start window and column widths; the browser a little smaller.
cat > Korvado.ini <<'INI'
[NetsBrowser]
wsMaximized=0
WindowWidth=760
WindowHeight=330
TreeWidth=170
INI
for view in journal netsystem netname typepoint equi originaltitude adjustment leastsquares elevation report diagram netsbrowser buildnet buildnetpreview about settlements; do
  LANG=ru_RU.UTF-8 timeout 60 xvfb-run -a -s "-screen 0 1024x768x24" "$program" "$view" "$out/$view.png"
  [ -s "$out/$view.png" ] || { echo "no picture of $view" >&2; exit 1; }
  echo "$out/$view.png"
done
LANG=ru_RU.UTF-8 timeout 60 xvfb-run -a -s "-screen 0 1024x768x24" "$program" jobfile "$PWD/example.kor"
[ -s example.kor ] || { echo "no example job file" >&2; exit 1; }
cp example.kor "$(dirname "$out")/example.kor"
echo "$(dirname "$out")/example.kor"
