#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the benchmark program, runs it under Xvfb (as a reader's X server would show the windows) with a
# session bus of its own, then counts instructions of the same measures with callgrind (bench/instructions.sh),
# and writes both tables to bench/results.md, with the machine and its load. Without the bus every Qt program
# would fork dbus-launch --autolaunch at start, some 9 ms that are no part of the program.
# Usage: bash scripts/bench.sh [PAIRS]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
aoba_install_packages valgrind
cmake --preset default >/dev/null
cmake --build --preset default --target aoba-bench >/dev/null
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
load() { cut -d' ' -f1 /proc/loadavg; }
under_x() {
    XDG_RUNTIME_DIR="$runtime" xvfb-run -a -s "-screen 0 1920x1080x24" dbus-run-session -- "$@" 2>/dev/null
}
{
    cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')
    before=$(load)
    table=$(under_x build/bench/aoba-bench --runs "${1:-40}")
    echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores of $cpu; load average (1 minute) $before before, $(load) after."
    echo "$table"
    echo
    under_x bench/instructions.sh build "${1:-40}"
} | tee bench/results.md
