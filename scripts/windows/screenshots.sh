#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes docs/windows-main-window.png and docs/windows-results-window.png, the windows' client areas as the
# Windows build (made by scripts/windows.sh) shows them under Wine, on Xvfb with openbox, in the build's Wine
# prefix, where the IPA fonts stand in for "ＭＳ Ｐゴシック" and "ＭＳ Ｐ明朝". As a reader would: issue 156 typed
# and shown, then a search for 号.
set -euo pipefail
cd "$(dirname "$0")/../.."

if [ -z "${AOBA_ON_X:-}" ]; then
    . scripts/packages.sh
    aoba_install_packages imagemagick
    [ -x build-windows/wine.sh ] && [ -f build-windows/aoba-search.exe ] ||
        { echo "No Windows build: run bash scripts/windows.sh first" >&2; exit 1; }
    AOBA_ON_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0"
fi

openbox >/dev/null 2>&1 &
wm=$!
# A window mapped while openbox is still starting may never be shown: wait until it has announced itself.
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do sleep 0.05; done
build-windows/wine.sh build-windows/aoba-search.exe >/dev/null 2>&1 &
program=$!
trap 'kill $program $wm 2>/dev/null || true' EXIT

# The X window of a top-level window, once mapped.
window() {
    local id=""
    for _ in $(seq 120); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && break
        sleep 0.5
    done
    [ -n "$id" ] || { echo "no window $1" >&2; exit 1; }
    echo "$id"
}

# Clicks at a place of a window's client area, in pixels.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.5
}

shoot() {
    local geometry
    geometry=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } END { printf "%dx%d+%d+%d", w, h, x, y }')
    sleep 1
    import -window root -crop "$geometry" +repage "$2"
    echo "$2: $geometry"
}

main=$(window "青葉便り 検索システム")
sleep 2
# Text1, then Command1 (their twips / 15, inside Frame1 at 8, 16).
click "$main" 60 49
xdotool key --window "$main" ctrl+a
xdotool type --window "$main" --delay 100 156
click "$main" 216 80
shoot "$main" docs/windows-main-window.png

# Text2 inside Frame3 at 8, 264; Enter searches.
click "$main" 104 297
xdotool type --window "$main" --delay 100 号
xdotool key --window "$main" Return
results=$(window "目次検索結果")
sleep 2
shoot "$results" docs/windows-results-window.png
