#!/bin/sh
# SPDX-License-Identifier: MIT
# Redraws the committed PNG and ICO icons and the installer's side picture from aoba-search.svg, so that building
# needs no SVG renderer.
# Run it after changing the SVG; it needs rsvg-convert (librsvg2-bin), ImageMagick's convert and the IPA P Gothic
# font (fonts-ipafont-gothic).
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" aoba-search.svg -o "${size}x${size}/aoba-search.png"
done
# The Windows executable's icon.
convert 16x16/aoba-search.png 32x32/aoba-search.png 48x48/aoba-search.png 256x256/aoba-search.png aoba-search.ico
# The picture beside the installer's welcome and finish pages: the icon on the window's green, and the
# program's name (164 by 314 pixels, 24-bit BMP as NSIS takes it).
convert -size 164x314 xc:'#c0ffc0' 128x128/aoba-search.png -gravity north -geometry +0+48 -composite \
    -font /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf -fill '#1f4f1f' \
    -pointsize 21 -annotate +0+196 '青葉便り' -pointsize 17 -annotate +0+228 '検索システム' \
    -type TrueColor BMP3:installer-side.bmp
