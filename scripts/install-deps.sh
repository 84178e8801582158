#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests (one of them runs the
# program on an X server of its own under a window manager), the benchmarks, the
# fuzzer and the Debian package (validators, CPack's dpkg-shlibdeps and file,
# lintian) need, and only those that are missing, so a second run costs nothing.
# Packages named on the command line are installed with them.
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libbenchmark-dev time
    clang libclang-rt-14-dev
    fonts-liberation2 fonts-wine
    qt6-qpa-plugins xvfb openbox xdotool x11-utils
    desktop-file-utils appstream
    dpkg-dev file lintian
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
