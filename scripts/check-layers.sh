#!/usr/bin/env bash
# Fails when a layer reaches past its neighbours: the windows (ui/) may include
# only their own headers, printing/, app/ and model/ headers besides Qt and the standard
# library; nothing below ui/ may include or link Qt.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
allowed_for_ui="ui printing app model"

for file in $(find ui -name '*.h' -o -name '*.cpp' | sort); do
  while IFS= read -r header; do
    found=""
    for layer in $allowed_for_ui; do
      [ -e "$layer/$header" ] && found="$layer"
    done
    if [ -z "$found" ]; then
      echo "$file includes \"$header\", which is not a header of ui/, printing/, app/ or model/" >&2
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done

for layer in model datafile processing app cli; do
  if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q|^[[:space:]]*#[[:space:]]*include[[:space:]]*<qt' \
      --include='*.h' --include='*.cpp' "$layer" >&2; then
    echo "$layer/ includes Qt; only ui/ may" >&2
    status=1
  fi
  if grep -nE 'Qt[56]?::|find_package\(Qt' "$layer/CMakeLists.txt" >&2; then
    echo "$layer/CMakeLists.txt uses Qt; only ui/ may" >&2
    status=1
  fi
done

[ "$status" -eq 0 ] && echo "layers: ok"
exit "$status"
