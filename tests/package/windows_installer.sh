#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows packages as a reader meets them, under Wine on an X server, in a Wine prefix of their own with
# nothing of the build on the program's path: the program starts from the unpacked ZIP; the installer
# installs silently (/S) for the current user, with the Start-menu shortcut and a line in the list of
# installed programs naming version, publisher, icon and size; the installed program starts; the silent
# uninstall leaves no file, shortcut or registry key behind.
# Usage: windows_installer.sh CPACK CPACK_CONFIG CONFIG WORK_DIR VERSION WINE
set -euo pipefail
cpack=$1 cpack_config=$2 config=$3 work=$4 version=$5 wine=$6
wineserver="$(dirname "$wine")/wineserver"
title="青葉便り 検索システム"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\aoba-search'

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work"
"$cpack" -G "ZIP;NSIS" --config "$cpack_config" -C "$config" -B "$work/packages" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
setup="$work/packages/aoba-search-$version-win64-setup.exe"
zip="$work/packages/aoba-search-$version-win64.zip"
[ -f "$setup" ] && [ -f "$zip" ] || fail "cpack made: $(ls "$work/packages")"

# No Mono or Gecko to offer, and no menu entries on this machine for the shortcuts the installer makes.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
unset WINEPATH
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w

# Starts a Windows program, waits for its main window to be mapped, and ends it.
starts() {
    "$wine" "$1" >"$work/program.log" 2>&1 &
    local pid=$! window=""
    for _ in $(seq 120); do
        window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.5
    done
    kill "$pid" 2>/dev/null || true
    "$wineserver" -w
    [ -n "$window" ] || { cat "$work/program.log"; return 1; }
}

# What the prefix holds for its user, Temp aside (NSIS runs its uninstaller from a copy there, which Windows
# too removes only at the next restart).
files() {
    (cd "$WINEPREFIX/drive_c" && find . -path './users/*/Temp' -prune -o -print | sort)
}

mkdir "$work/portable"
(cd "$work/portable" && cmake -E tar xf "$zip")
starts "$work/portable/aoba-search-$version-win64/aoba-search.exe" || fail "the program from the ZIP did not start"
echo "the program from the ZIP starts"
files >"$work/before.txt"

"$wine" "$setup" /S
"$wineserver" -w
"$wine" reg export "$key" "$work/entry.reg" >/dev/null 2>&1 || fail "no uninstall entry $key"
entry=$(iconv -f UTF-16 -t UTF-8 "$work/entry.reg" | tr -d '\r')
value() {
    sed -n "s/^\"$1\"=//p" <<<"$entry"
}
location=$(value InstallLocation | tr -d '"' | sed 's/\\\\/\\/g')
[ "$(value DisplayName)" = "\"$title\"" ] || fail "DisplayName is $(value DisplayName)"
[ "$(value DisplayVersion)" = "\"$version\"" ] || fail "DisplayVersion is $(value DisplayVersion)"
[ "$(value Publisher)" = '"aoba-search developers"' ] || fail "Publisher is $(value Publisher)"
[ "$(value DisplayIcon)" = "\"${location//\\/\\\\}\\\\aoba-search.exe,0\"" ] || fail "DisplayIcon is $(value DisplayIcon)"
[[ "$(value UninstallString)" == *'Uninstall.exe'* ]] || fail "UninstallString is $(value UninstallString)"
size=$(value EstimatedSize | sed -n 's/^dword://p')
[ -n "$size" ] && [ $((16#$size)) -gt 10000 ] || fail "EstimatedSize is $(value EstimatedSize)"
echo "uninstall entry: $(value DisplayName) $(value DisplayVersion), $(value Publisher), $((16#$size)) KiB at $location"
[[ "$location" == 'C:\users\'*'\AppData\Local\Programs\aoba-search' ]] || fail "installed into $location"

programs=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs)
[ -f "$programs/$title.lnk" ] || fail "no shortcut: $(ls "$programs")"
strings -e l "$programs/$title.lnk" | grep -q 'aoba-search.exe' || fail "the shortcut does not name the program"
echo "shortcut: Start Menu/Programs/$title.lnk"
installed=$(cd "$WINEPREFIX" && "$wine" winepath -u "$location" 2>/dev/null)
starts "$installed/aoba-search.exe" || fail "the installed program did not start"
echo "the installed program starts"

"$wine" "$installed/Uninstall.exe" /S
"$wineserver" -w
! "$wine" reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry is still there"
files >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || fail "the uninstall left the files above"
echo "the silent uninstall left nothing"
