#!/bin/sh
# SPDX-License-Identifier: MIT
# Redraws the committed PNG and ICO icons from aoba-search.svg, so that building needs no SVG renderer.
# Run it after changing the SVG; it needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" aoba-search.svg -o "${size}x${size}/aoba-search.png"
done
# The Windows executable's icon.
convert 16x16/aoba-search.png 32x32/aoba-search.png 48x48/aoba-search.png 256x256/aoba-search.png aoba-search.ico
