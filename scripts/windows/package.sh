#!/usr/bin/env bash
# Packages a Windows build: the portable folder, Korvado-VERSION-win64.zip and the NSIS installer
# Korvado-VERSION-win64-setup.exe, all in OUT (default: BUILD/package).
# Usage: package.sh BUILD [OUT]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$(cd "$1" && pwd)"
out="${2:-$build/package}"
cache="${KORVADO_WINDOWS_CACHE:-/var/cache/korvado-windows}"
triplet=x86_64-w64-mingw32
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
name="Korvado-$version-win64"
folder="$out/$name"
dll_dirs=("$cache/qt/bin" "$cache/deps/bin" /usr/lib/gcc/$triplet/12-posix /usr/$triplet/lib)

rm -rf "$folder" "$out/$name.zip" "$out/$name-setup.exe"
mkdir -p "$folder"

# The DLLs a program or plugin imports, found in the build's library folders (the system's own are not there).
imported_dlls() { "$triplet-objdump" -p "$1" | awk '/DLL Name:/ { print $3 }'; }
find_dll() {
  local dir
  for dir in "${dll_dirs[@]}"; do
    if [[ -f "$dir/$1" ]]; then echo "$dir/$1"; return 0; fi
  done
  return 0
}
copy_with_dlls() {
  local file="$1" target="$2" dll found
  cp "$file" "$target/"
  for dll in $(imported_dlls "$file"); do
    if [[ -f "$folder/$dll" ]]; then continue; fi
    found="$(find_dll "$dll")"
    if [[ -n "$found" ]]; then copy_with_dlls "$found" "$folder"; fi
  done
}

copy_with_dlls "$build/ui/korvado.exe" "$folder"
copy_with_dlls "$build/cli/korvado-cli.exe" "$folder"
# korvado-cli loads its writers of PDF, workbooks and diagrams from beside itself, and only when it writes one.
copy_with_dlls "$build/cli/korvado-documents.dll" "$folder"
# Plugins: the Windows platform, the native style, pictures and printing.
for kind in platforms styles imageformats printsupport; do
  [[ -d "$cache/qt/plugins/$kind" ]] || continue
  mkdir -p "$folder/plugins/$kind"
  for plugin in "$cache/qt/plugins/$kind"/*.dll; do
    if [[ "$plugin" == *d.dll && -f "${plugin%d.dll}.dll" ]]; then continue; fi  # a debug twin
    copy_with_dlls "$plugin" "$folder/plugins/$kind"
  done
done
mkdir -p "$folder/translations"
cp /usr/share/qt6/translations/qtbase_ru.qm "$folder/translations/"
cp "$here/qt.conf" "$folder/"
cp "$root/docs/example.kor" "$folder/"
cp "$root/packaging/windows/korvado.ico" "$folder/"
# The guide, with Windows line ends so that Notepad shows it as it is.
sed 's/$/\r/' "$root/README.md" > "$folder/Руководство пользователя.md"
mkdir -p "$folder/docs"
cp -r "$root/docs/screenshots" "$folder/docs/"  # the guide's pictures, where its links look for them
if [[ -d "$build/fonts" ]]; then cp -r "$build/fonts" "$folder/"; fi
find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec "$triplet-strip" --strip-unneeded {} +

(cd "$out" && rm -f "$name.zip" && zip -qr9 "$name.zip" "$name")

# The uninstaller removes what the installer put there and nothing else.
filelist="$out/uninstall-files.nsh"
(cd "$folder" && {
  find . -type f | sed 's|^\./||; s|/|\\|g' | sort | sed 's|.*|  Delete "$INSTDIR\\&"|'
  find . -mindepth 1 -type d | sed 's|^\./||; s|/|\\|g' | sort -r | sed 's|.*|  RMDir "$INSTDIR\\&"|'
}) > "$filelist"
makensis -V2 -DVERSION="$version" -DSOURCE="$folder" -DOUTFILE="$out/$name-setup.exe" -DFILELIST="$filelist" \
  "$here/korvado.nsi"
ls -la "$out/$name.zip" "$out/$name-setup.exe"
