#!/usr/bin/env bash
# Makes Qt for Windows (MinGW-w64) ready at QT_PREFIX (default
# /opt/qt6.4.2-mingw64): nothing when it is there; else the ready-built copy
# qt6.4.2-mingw64.tar.xz in ../shared/toolchains (beside the project, or in
# /work/shared) is unpacked; else it is built from Debian's source package by
# build-qt-windows.sh, which takes 31 to 45 minutes on two cores.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
QT_PREFIX=${QT_PREFIX:-/opt/qt6.4.2-mingw64}
# The copy beside the project, or the workplace's shared one when the project
# was cloned elsewhere.
archive=""
for candidate in "$here/../../shared/toolchains" /work/shared/toolchains; do
    if [ -f "$candidate/qt6.4.2-mingw64.tar.xz" ]; then
        archive=$candidate/qt6.4.2-mingw64.tar.xz
        break
    fi
done

[ -x "$QT_PREFIX/bin/qt-cmake" ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ] && [ ! -w "$(dirname "$QT_PREFIX")" ]; then
    sudo="sudo"
fi
if [ -n "$archive" ]; then
    echo "Unpacking $archive into $QT_PREFIX"
    # The archive holds one folder, qt6.4.2-mingw64; the prefix is relocatable.
    unpack=$(mktemp -d)
    tar -C "$unpack" -xJf "$archive"
    $sudo mkdir -p "$(dirname "$QT_PREFIX")"
    $sudo mv "$unpack/qt6.4.2-mingw64" "$QT_PREFIX"
    rmdir "$unpack"
else
    echo "No ready-built Qt for Windows: building it (31 to 45 minutes on two cores)"
    $sudo env PREFIX="$QT_PREFIX" "$here/build-qt-windows.sh"
fi
