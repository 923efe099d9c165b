#!/usr/bin/env bash
# What the Windows build needs beyond Debian's packages: Qt 6 for Windows (from Debian's own
# qt6-base source, so that it matches the host's moc, rcc and uic), libjpeg-turbo and
# googletest, each cross-built once into a cache outside the work tree. A part is built again
# when its recipe (the function below), the cross compiler or its Debian source version changes.
# Sourced by ./test --windows and ./run --windows; sets TRX_WINDOWS_PREFIX (a CMake list).
set -euo pipefail
trx_here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$trx_here/tools/deps.sh"
trx_require g++-mingw-w64-x86-64-posix mingw-w64-tools nasm wine wine64 nsis dpkg-dev xz-utils perl xdotool locales

trx_windows_cache=${TRX_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/trx61-windows}
trx_toolchain=$trx_here/cmake/mingw-w64.cmake
mkdir -p "$trx_windows_cache"

trx_as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# apt-get source needs deb-src entries; they are made from the configured deb entries.
trx_enable_sources() {
  apt-cache showsrc qt6-base >/dev/null 2>&1 && apt-cache showsrc qt6-base | grep -q '^Version:' && return 0
  local list=/etc/apt/sources.list.d/trx61-deb-src.sources
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | trx_as_root tee $list >/dev/null
  else
    grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      trx_as_root tee /etc/apt/sources.list.d/trx61-deb-src.list >/dev/null
  fi
  trx_as_root apt-get update -qq
}

trx_compiler_version() { x86_64-w64-mingw32-g++-posix --version | head -n 1; }

trx_source_version() { apt-cache showsrc "$1" | awk '/^Version:/ { print $2; exit }'; }

# trx_part NAME SOURCE-PACKAGE RECIPE: runs RECIPE SRC PREFIX unless the cache has it.
trx_part() {
  local name=$1 package=$2 recipe=$3 key prefix work
  key=$( { declare -f "$recipe"; trx_compiler_version; trx_source_version "$package"; } | sha256sum | cut -c1-16)
  prefix=$trx_windows_cache/$name-$key
  if [ ! -f "$prefix/.complete" ]; then
    echo "== Windows: building $name ($package $(trx_source_version "$package")) into $prefix"
    rm -rf "$prefix" "$trx_windows_cache/work-$name"
    work=$trx_windows_cache/work-$name
    mkdir -p "$work"
    (cd "$work" && apt-get source -qq "$package" >/dev/null 2>&1) ||
      { echo "apt-get source $package failed" >&2; exit 1; }
    local src
    src=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
    "$recipe" "$src" "$prefix" "$work/build"
    touch "$prefix/.complete"
    rm -rf "$work"
    # Older builds of this part are no longer used.
    find "$trx_windows_cache" -mindepth 1 -maxdepth 1 -name "$name-*" ! -path "$prefix" -exec rm -rf {} +
  fi
  TRX_WINDOWS_PREFIX=${TRX_WINDOWS_PREFIX:+$TRX_WINDOWS_PREFIX;}$prefix
}

trx_build_qt() {
  local src=$1 prefix=$2 build=$3
  mkdir -p "$build"
  # Only what the program loads: Core, Gui, Widgets, Network, Test and the windows platform
  # plugin. Debian's source has no wintab, hence no tablet events; direct2d stays (its absence
  # breaks the platform plugin's link in this version).
  (cd "$build" && "$src/configure" -prefix "$prefix" -cmake-generator Ninja \
    -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32- \
    -qt-host-path /usr -release -shared -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-openssl -no-icu -no-feature-tabletevent \
    -no-feature-sql -no-feature-printsupport -no-feature-xml -no-feature-concurrent \
    -no-libjpeg -no-gif \
    -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion \
    -- -DCMAKE_TOOLCHAIN_FILE="$trx_toolchain" \
       -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >"$build/configure.log" 2>&1) ||
    { tail -n 40 "$build/configure.log" >&2; exit 1; }
  cmake --build "$build" --parallel "$(nproc)" >"$build/build.log" 2>&1 ||
    { grep -B5 -A20 -m3 'error' "$build/build.log" | tail -n 80 >&2; exit 1; }
  cmake --install "$build" >/dev/null
}

trx_build_jpeg() {
  local src=$1 prefix=$2 build=$3
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$trx_toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=ON -DWITH_JAVA=OFF >/dev/null
  cmake --build "$build" --parallel "$(nproc)" >/dev/null
  cmake --install "$build" >/dev/null
}

trx_build_gtest() {
  local src=$1 prefix=$2 build=$3
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$trx_toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF >/dev/null
  cmake --build "$build" --parallel "$(nproc)" >/dev/null
  cmake --install "$build" >/dev/null
}

trx_enable_sources
TRX_WINDOWS_PREFIX=
trx_part jpeg libjpeg-turbo trx_build_jpeg
trx_part gtest googletest trx_build_gtest
trx_part qt qt6-base trx_build_qt
export TRX_WINDOWS_PREFIX
