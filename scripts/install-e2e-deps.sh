#!/usr/bin/env bash
# Installs the Debian 12 packages the end-to-end screen reader check
# (tests/e2e/screenreader_check.py) needs on top of scripts/install-deps.sh: a
# private X server, the AT-SPI accessibility bus and its Python bindings,
# xdotool for real keys and clicks, and a small window manager. Only missing
# packages are installed.
set -euo pipefail

packages=(
    xvfb at-spi2-core gir1.2-atspi-2.0 python3-gi
    xdotool openbox x11-utils x11-xserver-utils
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
