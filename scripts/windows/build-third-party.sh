#!/usr/bin/env bash
# Builds the Windows libraries Korvado links, from Debian's own source packages, into the cache folder
# ${KORVADO_WINDOWS_CACHE:-/var/cache/korvado-windows}:
#   qt/    Qt 6 (qtbase; qtcharts too with KORVADO_WINDOWS_WITH_CHARTS=1), with Qt's Russian strings
#   deps/  Graphviz (static, with tre for its regular expressions), GoogleTest, Google Benchmark, libxlsxwriter,
#          and the host's header-only Eigen and nlohmann-json with their CMake package files
# Each part is built once: a stamp names the source version and the recipe revision, a part whose stamp is present
# is skipped, and a build stopped half way goes on from its build tree.
# Usage: build-third-party.sh [part...]  (parts: qtbase qtcharts headers tre graphviz googletest benchmark
# xlsxwriter; none = all the program needs). KORVADO_WINDOWS_JOBS sets the parallel jobs.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cache="${KORVADO_WINDOWS_CACHE:-/var/cache/korvado-windows}"
jobs="${KORVADO_WINDOWS_JOBS:-$(nproc)}"
# The toolchain file is kept in the cache: the Qt built there refers to it by path.
toolchain="$cache/mingw-w64-toolchain.cmake"
triplet=x86_64-w64-mingw32
qt_prefix="$cache/qt"
deps_prefix="$cache/deps"
mkdir -p "$cache/src" "$cache/work" "$cache/stamps" "$qt_prefix" "$deps_prefix"
cp "$here/mingw-w64-toolchain.cmake" "$toolchain"

log() { echo "== windows third-party: $*"; }

# The source package's version as apt knows it (first line of `apt-cache showsrc`).
source_version() { apt-cache showsrc "$1" | awk '/^Version:/ { print $2; exit }'; }

# Downloads (once) and unpacks a Debian source package with its patches into $cache/work/NAME; prints the folder.
# A folder unpacked before is kept with its build tree, so that a build stopped half way goes on where it was.
unpack_source() {
  local package="$1" version dsc folder="$cache/work/$1"
  version="$(source_version "$package")"
  dsc="$cache/src/${package}_${version#*:}.dsc"
  if [[ ! -f "$dsc" ]]; then
    # apt keeps what it fetched of a package it could not fetch whole: without it the next run fetches again.
    if ! (cd "$cache/src" && apt-get source --download-only "$package" >&2); then
      rm -f "$dsc"
      echo "The source package $package could not be downloaded from the Debian mirror." >&2
      return 1
    fi
  fi
  if [[ "$(cat "$folder/.korvado-unpacked" 2>/dev/null)" != "$version" ]]; then
    rm -rf "$folder"
    dpkg-source --no-check -x "$dsc" "$folder" >&2 || return 1
    echo "$version" > "$folder/.korvado-unpacked"
  fi
  echo "$folder"
}

# stamp NAME REVISION: the file whose presence says the part is built.
stamp_file() { echo "$cache/stamps/$1-$(source_version "$2")-r$3"; }

# Runs a build step at the lowest priority: the machine is shared.
quiet_build() { nice -n 19 "$@"; }

cmake_cross() {
  local src="$1" build="$2" prefix="$3"; shift 3
  quiet_build cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$qt_prefix;$deps_prefix" "$@"
  quiet_build cmake --build "$build" -j "$jobs"
  quiet_build cmake --install "$build"
}

build_qtbase() {
  local stamp; stamp="$(stamp_file qtbase qt6-base 1)"
  [[ -f "$stamp" ]] && { log "qtbase present"; return; }
  log "qtbase (about 30 minutes on two cores)"
  local src; src="$(unpack_source qt6-base)"
  # Qt's own copies of zlib, libpng, libjpeg, freetype, harfbuzz, pcre2 and double-conversion: Windows has none.
  # Debian's source leaves out wintab.h, hence no tablet events; the Windows platform plugin needs OpenGL
  # (dynamic OpenGL on Windows).
  cmake_cross "$src" "$src/build" "$qt_prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_icu=OFF -DFEATURE_vulkan=OFF -DFEATURE_system_zlib=OFF \
    -DINPUT_freetype=qt -DINPUT_harfbuzz=qt -DINPUT_pcre=qt -DINPUT_libpng=qt -DINPUT_libjpeg=qt \
    -DINPUT_doubleconversion=qt
  rm -rf "$src"
  touch "$stamp"
}

# Qt's own Russian strings (standard buttons) are data, the same for every system: Debian's file serves.
install_qt_translations() {
  mkdir -p "$qt_prefix/translations"
  cp /usr/share/qt6/translations/qtbase_ru.qm "$qt_prefix/translations/"
}

build_qtcharts() {
  local stamp; stamp="$(stamp_file qtcharts qt6-charts 1)"
  [[ -f "$stamp" ]] && { log "qtcharts present"; return; }
  log "qtcharts"
  local src; src="$(unpack_source qt6-charts)"
  mkdir -p "$src/build"
  (cd "$src/build" && quiet_build "$qt_prefix/bin/qt-configure-module" "$src" -- -DQT_BUILD_EXAMPLES=OFF \
     -DQT_BUILD_TESTS=OFF -DFEATURE_charts_qml=OFF)
  quiet_build cmake --build "$src/build" -j "$jobs"
  quiet_build cmake --install "$src/build"
  rm -rf "$src"
  touch "$stamp"
}

# POSIX regular expressions for Graphviz (MinGW has none), as a static library.
build_tre() {
  local stamp; stamp="$(stamp_file tre tre 1)"
  [[ -f "$stamp" ]] && { log "tre present"; return; }
  log "tre"
  local src; src="$(unpack_source tre)"
  (cd "$src" && quiet_build ./configure --host="$triplet" CC="$triplet-gcc-posix" --prefix="$deps_prefix" \
     --disable-shared --enable-static --disable-nls --disable-agrep --disable-approx >/dev/null &&
   quiet_build make -j "$jobs" -C lib install >/dev/null)
  rm -rf "$src"
  touch "$stamp"
}

# Graphviz's CMake build made fit for a static MinGW build of what the net diagram needs: the libraries and the
# layout plugins (dot, neato, sfdp), no programs, no DLL import/export declarations. GCC 12 no longer merges the
# common symbols the 2.42 sources rely on, hence -fcommon.
adapt_graphviz() {
  local src="$1"
  sed -i -e 's/^add_subdirectory(\(windows\|cmd\|tests\))/#&/' "$src/CMakeLists.txt"
  printf 'add_subdirectory(core)\nadd_subdirectory(dot_layout)\nadd_subdirectory(neato_layout)\n' \
    > "$src/plugin/CMakeLists.txt"
  local exporting; exporting="$(grep -rl '__declspec(dll' "$src/lib" "$src/plugin" || true)"
  if [[ -n "$exporting" ]]; then echo "$exporting" | xargs sed -i 's/__declspec(dll\(im\|ex\)port)/extern/g'; fi
  sed -i 's/add_library(\([a-z_]*\) SHARED/add_library(\1 STATIC/' "$src"/lib/*/CMakeLists.txt "$src"/plugin/*/CMakeLists.txt
  # The Windows branch installs an expat DLL this build does not use.
  sed -i 's/^# Include DLLs with this library on Windows$/&\nset(EXPAT_RUNTIME_LIBRARIES)/' "$src/lib/gvc/CMakeLists.txt"
  sed -i 's/^if (WIN32)$/if (EXPAT_RUNTIME_LIBRARIES)/' "$src/lib/gvc/CMakeLists.txt"
}

# One archive holds every Graphviz library, the layout plugins and tre: the linker then resolves the libraries'
# many cross references in one search, and the program's pkg-config look-up finds it as libgvc.
merge_graphviz_archives() {
  local build="$1" script="$cache/work/graphviz-merge.mri"
  { echo "CREATE $deps_prefix/lib/libgvc.a"
    # vmalloc would bring its own malloc and free into the program: only Graphviz's programs use it.
    find "$build" -name '*.a' ! -path '*/lib/vmalloc/*' -printf 'ADDLIB %p\n'
    echo "ADDLIB $deps_prefix/lib/libtre.a"
    echo SAVE; echo END; } > "$script"
  rm -f "$deps_prefix"/lib/lib{gvc,cgraph,cdt,pathplan,xdot,gvplugin_*}.a
  "$triplet-ar" -M < "$script"
  "$triplet-ranlib" "$deps_prefix/lib/libgvc.a"
  mkdir -p "$deps_prefix/lib/pkgconfig"
  local name
  for name in libgvc libcgraph; do
    cat > "$deps_prefix/lib/pkgconfig/$name.pc" <<PC
prefix=$deps_prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include
Name: $name
Description: Graphviz 2.42 layout (static, with the dot and neato plugins built in)
Version: 2.42.2
Libs: -L\${libdir} -lgvc
Cflags: -I\${includedir} -DKORVADO_GRAPHVIZ_BUILTIN_PLUGINS
PC
  done
}

build_graphviz() {
  local stamp; stamp="$(stamp_file graphviz graphviz 2)"
  [[ -f "$stamp" ]] && { log "graphviz present"; return; }
  build_tre
  log "graphviz"
  local src; src="$(unpack_source graphviz)"
  adapt_graphviz "$src"
  cmake_cross "$src" "$src/build" "$deps_prefix" -DCMAKE_C_FLAGS=-fcommon -Denable_ltdl=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_LTDL=ON -DCMAKE_DISABLE_FIND_PACKAGE_ZLIB=ON -DCMAKE_DISABLE_FIND_PACKAGE_EXPAT=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_ANN=ON -DCMAKE_DISABLE_FIND_PACKAGE_GD=ON -DCMAKE_DISABLE_FIND_PACKAGE_Cairo=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_PangoCairo=ON -DCMAKE_DISABLE_FIND_PACKAGE_NSIS=ON -Wno-dev \
    -DRXSPENCER_INCLUDE_DIR="$deps_prefix/include/tre" -DRXSPENCER_LIBRARY="$deps_prefix/lib/libtre.a"
  merge_graphviz_archives "$src/build"
  rm -rf "$src"
  touch "$stamp"
}

# GoogleTest and GoogleMock from the sources Debian's googletest package installs.
build_googletest() {
  local stamp; stamp="$cache/stamps/googletest-$(dpkg-query -W -f='${Version}' googletest)-r1"
  [[ -f "$stamp" ]] && { log "googletest present"; return; }
  log "googletest"
  rm -rf "$cache/work/googletest"
  cmake_cross /usr/src/googletest "$cache/work/googletest" "$deps_prefix" -DBUILD_GMOCK=ON -Dgtest_force_shared_crt=ON
  rm -rf "$cache/work/googletest"
  touch "$stamp"
}

build_benchmark() {
  local stamp; stamp="$(stamp_file benchmark benchmark 1)"
  [[ -f "$stamp" ]] && { log "benchmark present"; return; }
  log "benchmark"
  local src; src="$(unpack_source benchmark)"
  # Debian's source takes the version from its packaging, not from git, as its rules file does.
  local version; version="$(source_version benchmark)"; version="${version%-*}"
  cmake_cross "$src" "$src/build" "$deps_prefix" -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF \
    -DBENCHMARK_ENABLE_WERROR=OFF -DGIT_VERSION="${version#*:}"
  rm -rf "$src"
  touch "$stamp"
}

# Eigen and nlohmann-json are headers only: the host's copies, with their CMake package files, placed in the
# Windows prefix so that the cross build finds them without searching the host's /usr.
build_headers() {
  local stamp; stamp="$cache/stamps/headers-$(dpkg-query -W -f='${Version}-' libeigen3-dev nlohmann-json3-dev)r1"
  [[ -f "$stamp" ]] && { log "header libraries present"; return; }
  log "header libraries"
  mkdir -p "$deps_prefix/include" "$deps_prefix/share/eigen3" "$deps_prefix/share/cmake"
  rm -rf "$deps_prefix/include/eigen3" "$deps_prefix/include/nlohmann"
  cp -r /usr/include/eigen3 /usr/include/nlohmann "$deps_prefix/include/"
  cp -r /usr/share/eigen3/cmake "$deps_prefix/share/eigen3/"
  cp -r /usr/share/cmake/nlohmann_json "$deps_prefix/share/cmake/"
  touch "$stamp"
}

# A DLL with zlib linked in, so that whoever links it needs nothing else.
build_xlsxwriter() {
  local stamp; stamp="$(stamp_file xlsxwriter libxlsxwriter 1)"
  [[ -f "$stamp" ]] && { log "libxlsxwriter present"; return; }
  log "libxlsxwriter"
  local src; src="$(unpack_source libxlsxwriter)"
  cmake_cross "$src" "$src/build" "$deps_prefix" -DBUILD_SHARED_LIBS=ON -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF \
    -DZLIB_INCLUDE_DIR="/usr/$triplet/include" -DZLIB_LIBRARY="/usr/$triplet/lib/libz.a"
  sed -i 's/ -lz$//' "$deps_prefix/lib/pkgconfig/xlsxwriter.pc"  # zlib is inside the DLL
  rm -rf "$src"
  touch "$stamp"
}

if [[ $# -eq 0 ]]; then
  set -- qtbase headers graphviz googletest benchmark xlsxwriter
  [[ "${KORVADO_WINDOWS_WITH_CHARTS:-0}" == 1 ]] && set -- "$@" qtcharts
fi
for part in "$@"; do
  case "$part" in
    qtbase|qtcharts|tre|graphviz|googletest|benchmark|xlsxwriter|headers) "build_$part" ;;
    *) echo "unknown part: $part" >&2; exit 2 ;;
  esac
done
if [[ -d "$qt_prefix/bin" ]]; then install_qt_translations; fi
