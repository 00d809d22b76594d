#!/usr/bin/env bash
# Fails when a layer reaches past the layers below it. Each folder may include
# its own headers and those of the folders listed for it; the windows (ui/)
# reach processing/ and datafile/ only through app/. Only ui/,
# documents/printing/ and settings/qt/ may include or link Qt; korvado-cli
# reaches the printing room only from its documents module (cli/documents/).
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [model]="model"
  [datafile]="datafile model"
  [processing/journal]="processing/journal model"
  [processing/nets]="processing/nets model"
  [processing/elevations]="processing/elevations processing/nets model"
  [processing/loops]="processing/loops processing/nets model"
  [processing/levelimport]="processing/levelimport datafile model"
  [processing/adjustment]="processing/adjustment processing/elevations processing/nets model"
  [processing/netbuild]="processing/netbuild processing/loops processing/nets datafile model"
  [processing/monitoring]="processing/monitoring processing/adjustment processing/nets model"
  [app]="app processing/journal processing/nets processing/elevations processing/loops processing/levelimport processing/adjustment processing/netbuild processing/monitoring datafile model"
  [documents]="documents app processing/journal processing/nets processing/elevations processing/loops processing/levelimport processing/adjustment processing/netbuild processing/monitoring datafile model"
  [documents/printing]="documents/printing documents app datafile model"
  [settings]="settings app processing/loops model"
  [settings/qt]="settings/qt settings app model"
  [ui]="ui settings/qt settings documents/printing documents app model"
  [cli/documents]="cli/documents cli documents/printing documents app processing/journal processing/nets processing/elevations processing/loops processing/levelimport processing/adjustment processing/netbuild processing/monitoring datafile model"
  [cli]="cli settings documents app processing/journal processing/nets processing/elevations processing/loops processing/levelimport processing/adjustment processing/netbuild processing/monitoring datafile model"
)
qt_free="model datafile processing app documents settings cli"

status=0
for layer in "${!allowed[@]}"; do
  for file in $(find "$layer" -maxdepth 1 \( -name '*.h' -o -name '*.cpp' \) | sort); do
    while IFS= read -r header; do
      found=""
      for dir in ${allowed[$layer]}; do
        # A header CMake writes from NAME.h.in belongs to the folder of its template.
        [ -e "$dir/$header" ] || [ -e "$dir/$header.in" ] && found="$dir"
      done
      if [ -z "$found" ]; then
        echo "$file includes \"$header\", which is not a header of: ${allowed[$layer]}" >&2
        status=1
      fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  done
done

for layer in $qt_free; do
  if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q|^[[:space:]]*#[[:space:]]*include[[:space:]]*<qt' \
      --include='*.h' --include='*.cpp' --exclude-dir=printing --exclude-dir=qt "$layer" >&2; then
    echo "$layer/ includes Qt; only ui/, documents/printing/ and settings/qt/ may" >&2
    status=1
  fi
  if grep -nE 'Qt[56]?::|find_package\(Qt' "$layer/CMakeLists.txt" >&2; then
    echo "$layer/CMakeLists.txt uses Qt; only ui/, documents/printing/ and settings/qt/ may" >&2
    status=1
  fi
done

[ "$status" -eq 0 ] && echo "layers: ok"
# Tests are checked with the layers: a QtTest macro in a GoogleTest test passes when it fails.
bash scripts/check-test-macros.sh || status=1
exit "$status"
