#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the benchmark program, runs it under Xvfb (as a reader's X server would show the windows) with a
# session bus of its own, and writes its table to bench/results.md. Without the bus every Qt program would
# fork dbus-launch --autolaunch at start, some 9 ms that are no part of the program.
# Usage: bash tools/bench.sh [PAIRS]
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
aoba_install_packages
cmake --preset default >/dev/null
cmake --build --preset default --target aoba-bench >/dev/null
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
{
    echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores of $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')."
    XDG_RUNTIME_DIR="$runtime" xvfb-run -a -s "-screen 0 1920x1080x24" \
        dbus-run-session -- build/bench/aoba-bench --runs "${1:-40}" 2>/dev/null
} | tee bench/results.md
