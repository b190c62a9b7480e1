#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
aoba_install_packages
cmake --preset default >/dev/null
cmake --build --preset default --target aoba-search
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to show the window on; start it under Xvfb instead: xvfb-run -a build/src/app/aoba-search" >&2
    exit 1
fi
exec build/src/app/aoba-search
