#!/bin/bash
# SPDX-License-Identifier: MIT
# Configures qtbase 6.4.2 (Debian 12's qt6-base source, with the patch beside this file applied) for
# x86_64-w64-mingw32 against the host's Qt 6.4.2 tools: Core, Gui, Widgets, Test, the windows, offscreen and
# minimal platforms and the windowsvista style, shared, Release; nothing the program does not use.
# Usage: configure-qt.sh QTBASE_SOURCE_DIR BUILD_DIR INSTALL_PREFIX ; then cmake --build BUILD_DIR && cmake --install BUILD_DIR
set -e
src=$1 build=$2 prefix=$3
here=$(cd "$(dirname "$0")" && pwd)
cmake -G Ninja -S "$src" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64-posix.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_pkg_config=OFF \
  -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF \
  -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF \
  -DFEATURE_tabletevent=OFF \
  -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_doubleconversion=OFF \
  -DFEATURE_freetype=ON -DFEATURE_dynamicgl=OFF -DFEATURE_direct2d=OFF
