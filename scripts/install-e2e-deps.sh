#!/usr/bin/env bash
# Installs what the end-to-end screen reader check (tests/e2e/screenreader_check.py)
# needs on top of what the build and tests need: the AT-SPI accessibility bus and
# its Python bindings, and xmodmap for typing any character. Only missing
# packages are installed.
set -euo pipefail
exec "$(dirname "$0")/install-deps.sh" at-spi2-core gir1.2-atspi-2.0 python3-gi x11-xserver-utils
