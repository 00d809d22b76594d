#!/usr/bin/env bash
# Checks the packaged program as a user gets it: unpacked from the zip into a folder with a Cyrillic name and run
# under Wine with nothing but what is beside it (no build folders on the DLL path). korvado-cli writes a PDF
# through its module, and reads a portable Korvado.ini placed beside it.
# Usage: check-package.sh ZIP
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
zip="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
unzip -q "$zip" -d "$scratch/Проверка пакета"
program="$(find "$scratch/Проверка пакета" -mindepth 1 -maxdepth 1 -type d)"
cd "$program"
run() { KORVADO_WINE_CAPTURE=1 KORVADO_WINE_PACKAGED=1 "$here/wine-run.sh" korvado-cli.exe "$@"; }
fail() { echo "package check: $*" >&2; exit 1; }

run report example.kor --net 0 --draft --pdf "Ведомость.pdf" || fail "korvado-cli did not write the PDF"
[[ "$(head -c 5 "Ведомость.pdf" 2>/dev/null)" == "%PDF-" ]] || fail "Ведомость.pdf is not a PDF"

printf '[Adjustment]\r\nSigmaPerSetup=0.7\r\n' > Korvado.ini
adjusted="$(run lsq example.kor --net 0)" || fail "korvado-cli lsq failed"
[[ "$adjusted" == *'"sigma0Apriori": 0.7'* ]] || fail "korvado-cli lsq did not read Korvado.ini beside it"
echo "package check: the PDF is written and Korvado.ini beside the program is read"
