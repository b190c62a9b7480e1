#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the benchmark program, runs it under Xvfb (as a reader's X server would show the windows) and
# writes its table to bench/results.md. Usage: bash tools/bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
aoba_install_packages
cmake --preset default >/dev/null
cmake --build --preset default --target aoba-bench >/dev/null
{
    echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores of $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')."
    xvfb-run -a build/bench/aoba-bench --runs "${1:-201}" 2>/dev/null
} | tee bench/results.md
