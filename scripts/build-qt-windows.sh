#!/usr/bin/env bash
# Builds Qt 6.4.2 for 64-bit Windows (qtbase: Core, Gui, Widgets, Test; the windows,
# offscreen and minimal platform plugins; the Windows styles; the gif and ico image
# formats) with Debian 12's MinGW-w64, from Debian's own qt6-base source package, and
# installs it into PREFIX (default /opt/qt6.4.2-mingw64); with PACK=<file.tar.xz> it also packs
# the prefix there. 31 to 45 minutes on two cores. Runs as root (apt-get, the prefix).
#
# The result is relocatable: unpack it anywhere and configure a project with
#   <prefix>/bin/qt-cmake -S . -B build-windows -G Ninja
# qt-cmake loads the MinGW toolchain file kept in the prefix (mingw-w64-x86_64.cmake)
# and Debian's host tools (moc, rcc, uic from qt6-base-dev-tools under /usr).
set -euo pipefail
PREFIX=${PREFIX:-/opt/qt6.4.2-mingw64}
WORK=${WORK:-/tmp/qt6-mingw64-work}
JOBS=${JOBS:-$(nproc)}

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    mingw-w64-tools cmake ninja-build qt6-base-dev-tools dpkg-dev xz-utils

# Debian's source package: a deb-src entry for bookworm, for this download only.
src_list=/etc/apt/sources.list.d/qt6-mingw64-src.sources
mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources | head -1)
printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$mirror" > "$src_list"
apt-get update -qq
mkdir -p "$WORK" && cd "$WORK"
apt-get source --download-only qt6-base=6.4.2+dfsg-10
rm -f "$src_list" && apt-get update -qq
tar xf qt6-base_6.4.2+dfsg.orig.tar.xz
src=$WORK/qtbase-everywhere-src-6.4.2

# Without OpenGL the Windows platform plugin still takes the dynamic-OpenGL branch in
# one file; guard it as its other uses are guarded.
sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
    "$src/src/plugins/platforms/windows/qwindowswindow.cpp"

cat > "$WORK/mingw-w64-x86_64.cmake" <<'TOOLCHAIN'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN

# Debian's source leaves out the tablet header (wintab.h): no tablet events.
mkdir -p "$WORK/build" && cd "$WORK/build"
cmake -G Ninja "$src" \
    -DCMAKE_TOOLCHAIN_FILE="$WORK/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_jpeg=OFF -DFEATURE_directwrite=ON \
    -DFEATURE_tabletevent=OFF
ninja -j "$JOBS"
ninja install

# Relocatable: the toolchain file lives in the prefix and the Qt toolchain finds it there.
cp "$WORK/mingw-w64-x86_64.cmake" "$PREFIX/"
sed -i 's|^set(__qt_initially_configured_toolchain_file ".*")|set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/../../../mingw-w64-x86_64.cmake")|' \
    "$PREFIX/lib/cmake/Qt6/qt.toolchain.cmake"
if [ -n "${PACK:-}" ]; then
    tar -C "$(dirname "$PREFIX")" -cJf "$PACK" "$(basename "$PREFIX")"
    echo "packed $PACK"
fi
