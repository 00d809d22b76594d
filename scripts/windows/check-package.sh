#!/usr/bin/env bash
# Checks the packaged program as a user gets it: unpacked from the zip into a folder with a Cyrillic name and run
# under Wine with nothing but what is beside it (no build folders on the DLL path). korvado-cli writes a PDF, a
# workbook and a diagram through its documents module, and reads a portable Korvado.ini placed beside it.
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

# A PDF and a workbook (a zip) are known by their first bytes.
starts_with() { [[ "$(head -c "${#2}" "$1" 2>/dev/null)" == "$2" ]] || fail "$1 is not what was asked for"; }
run report example.kor --net 0 --draft --pdf "Ведомость.pdf" --xlsx "Ведомость.xlsx" ||
  fail "korvado-cli did not write the statement"
starts_with "Ведомость.pdf" "%PDF-"
starts_with "Ведомость.xlsx" "PK"
run diagram example.kor --net 0 --svg "Схема.svg" || fail "korvado-cli did not write the diagram"
grep -q "<svg" "Схема.svg" || fail "Схема.svg is not an SVG"

printf '[Adjustment]\r\nSigmaPerSetup=0.7\r\n' > Korvado.ini
adjusted="$(run lsq example.kor --net 0)" || fail "korvado-cli lsq failed"
[[ "$adjusted" == *'"sigma0Apriori": 0.7'* ]] || fail "korvado-cli lsq did not read Korvado.ini beside it"
echo "package check: the PDF, the workbook and the diagram are written; Korvado.ini beside the program is read"
