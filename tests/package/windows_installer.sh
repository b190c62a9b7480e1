#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows packages as a reader meets them, under Wine on an X server in a Japanese locale (code page 932),
# in a Wine prefix of their own with nothing of the build on the program's path:
# - the program starts from the unpacked ZIP;
# - the installer's version block names the program as the program's does;
# - an install into a folder nobody may write, or below a file, exits non-zero and leaves nothing;
# - /S installs for the current user, with the shortcut and its description and a line in the list of
#   installed programs naming version, publisher, icon and size; the installed program starts;
# - a second run offers the installed folder as it is, and its pages say what they do;
# - while the program runs (installer_helper holds its files as Windows' loader does: Wine does not), the
#   installer and the uninstaller ask for it to be closed, and silently exit non-zero having changed nothing;
#   on the pages, Cancel exits 1 having changed nothing, and Retry goes on once the program is closed;
# - an install into another folder leaves one copy and one line; an old copy's uninstaller elsewhere leaves
#   the live copy's line and shortcut alone;
# - the silent uninstall leaves no file, shortcut or registry key behind.
# Usage: windows_installer.sh CPACK CPACK_CONFIG CONFIG WORK_DIR VERSION WINE HELPER
set -euo pipefail
cpack=$1 cpack_config=$2 config=$3 work=$4 version=$5 wine=$6 helper=$7
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
export LC_ALL=ja_JP.UTF-8
unset WINEPATH
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w
cp "$helper" "$work/helper.exe"
helper() {
    "$wine" "$work/helper.exe" "$@"
}
windows_path() {
    "$wine" winepath -w "$1" 2>/dev/null
}

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
# The copy's files and their contents, and the line in the list of installed programs.
state() {
    (cd "$1" && find . -type f | sort | xargs md5sum)
    "$wine" reg query "$key" 2>/dev/null | tr -d '\r' || true
    ls "$programs" 2>/dev/null || true
}
# Holds the files of a folder open, as a running program's are, until release.
hold() {
    touch "$work/holding"
    helper hold "$(windows_path "$1")" "$(windows_path "$work/holding")" >"$work/hold.log" &
    holder=$!
    for _ in $(seq 100); do
        grep -q '^held [1-9]' "$work/hold.log" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "the files of $1 could not be held: $(cat "$work/hold.log")"
}
release() {
    rm -f "$work/holding"
    wait "$holder"
}

# The parent of the folder the last install goes to, there before as a reader's own folder is.
elsewhere_parent="$WINEPREFIX/drive_c/別の 場所"
mkdir -p "$elsewhere_parent"
mkdir "$work/portable"
(cd "$work/portable" && cmake -E tar xf "$zip")
starts "$work/portable/aoba-search-$version-win64/aoba-search.exe" || fail "the program from the ZIP did not start"
echo "the program from the ZIP starts"
files >"$work/before.txt"

helper version "$(windows_path "$setup")" ProductName ProductVersion CompanyName LegalCopyright >"$work/version.txt"
expected="block=041103a4\\
ProductName=$title
ProductVersion=$version
CompanyName=aoba-search developers
LegalCopyright=Copyright (c) 2026 The aoba-search developers, MIT licence"
diff <(printf '%s\n' "$expected") <(tr -d '\r' <"$work/version.txt") || fail "the installer's version block"
echo "the installer's version block names the program"

# A folder nobody may write (root neither), and one below a file, which NSIS itself would pass over.
touch "$work/a-file"
for folder in 'Z:\proc' "$(windows_path "$work/a-file")\\aoba-search"; do
    code=0
    "$wine" "$setup" /S "/D=$folder" || code=$?
    [ "$code" -ne 0 ] || fail "an install into $folder exited 0"
    ! "$wine" reg query "$key" >/dev/null 2>&1 || fail "an install into $folder left an uninstall entry"
    files | diff "$work/before.txt" - || fail "an install into $folder left the files above"
    echo "an install into $folder exits $code and leaves nothing"
done

"$wine" "$setup" /S
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
shortcut="$programs/$title.lnk"
[ -f "$shortcut" ] || fail "no shortcut: $(ls "$programs")"
hex() {
    od -An -tx1 -v | tr -d ' \n'
}
utf16() {
    printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | hex
}
[[ "$(hex <"$shortcut")" == *"$(utf16 "$location\\aoba-search.exe")"* ]] || fail "the shortcut does not name the program"
[[ "$(hex <"$shortcut")" == *"$(utf16 "青葉便り全号（1972～2004年）の目次を閲覧・検索します")"* ]] ||
    fail "the shortcut has no description"
echo "shortcut: Start Menu/Programs/$title.lnk, with its description"
installed=$("$wine" winepath -u "$location" 2>/dev/null)
starts "$installed/aoba-search.exe" || fail "the installed program did not start"
echo "the installed program starts"


# While the program runs. A mark in a file the program does not hold shows whether anything was written.
license="$installed/LICENSE.txt"
echo "a mark of this copy" >>"$license"
marked=$(state "$installed")
hold "$installed"
code=0
"$wine" "$setup" /S || code=$?
[ "$code" -ne 0 ] || fail "a silent install over the running program exited 0"
[ "$(state "$installed")" = "$marked" ] || fail "a silent install over the running program changed it"
echo "a silent install over the running program exits $code and changes nothing"
# The uninstaller as NSIS documents it for its exit code: a copy outside the folder, working in place. Run
# as Settings runs it, with /S alone, it hands over to such a copy in Temp and returns at once. Wine waits
# for a program it starts, so only that hand-over needs a wait for the Wine server to be idle.
cp "$installed/Uninstall.exe" "$work/uninstall.exe"
code=0
"$wine" "$work/uninstall.exe" /S "_?=$location" || code=$?
[ "$code" -ne 0 ] || fail "a silent uninstall of the running program exited 0"
[ "$(state "$installed")" = "$marked" ] || fail "a silent uninstall of the running program changed it"
echo "a silent uninstall of the running program exits $code and changes nothing"

# By the installer's pages: the folder offered is the installed one, as it is; Install asks for the program
# to be closed; Cancel ends the installer with exit code 1 having changed nothing, and once the program is
# closed, Retry installs.
helper gui "$(windows_path "$setup")" page next page next page next box cancel wait >"$work/gui-cancel.txt"
grep -qx 'exit: 1' <(tr -d '\r' <"$work/gui-cancel.txt") || fail "Cancel on the box: $(cat "$work/gui-cancel.txt")"
[ "$(state "$installed")" = "$marked" ] || fail "the installer's pages changed the copy before Cancel"
echo "Cancel while the program runs ends the installer with exit code 1 and changes nothing"
helper gui "$(windows_path "$setup")" page next page next page next box \
    "until-gone=$(windows_path "$work/holding")" retry page page >"$work/gui.txt" &
gui=$!
for _ in $(seq 300); do
    grep -q '^box:' "$work/gui.txt" 2>/dev/null && break
    sleep 0.1
done
[ "$(state "$installed")" = "$marked" ] || fail "the installer's pages changed the copy while the program ran"
release
wait "$gui"
tr -d '\r' <"$work/gui.txt" >"$work/pages.txt"
expect_line() {
    grep -qxF -- "$1" "$work/pages.txt" || fail "$2: no line '$1' in
$(cat "$work/pages.txt")"
}
expect_line "  Static: セットアップは、$title $version をこのユーザーのためにインストールします。管理者の権限は要りません。\\n\\nインストール先は次のフォルダーです（次の画面で変えられます）。\\n\\n$location\\n\\nスタート メニューにショートカットを作り、「設定」の「アプリ」に登録します。Windows のシステム ファイルは変更しません。\\n\\n「次へ」をクリックし続行します。" \
    "the welcome page"
grep -qF 'Static: 青葉便り 検索システム セットアップへようこそ' "$work/pages.txt" || fail "the welcome page's title"
grep -qF '\n\nPermission is hereby granted, free of charge, to any person obtaining a copy of this software and associated documentation files' \
    "$work/pages.txt" || fail "the licence page does not hold each paragraph on one line"
expect_line "  Edit: $location" "the folder offered"
expect_line "  Static: $title $version" "the footer"
expect_line "box: $title が実行中です。\\n\\n$location\\Qt6Core.dll が使用中のため、置き換えられません。$title を終了してから [再試行] をクリックしてください。[キャンセル] をクリックすると、何も変更せずにインストールを中止します。" \
    "the box while the program runs"
expect_line "  Static: $title セットアップの完了" "the last page"
cmp -s "$license" "$work/portable/aoba-search-$version-win64/LICENSE.txt" || fail "Retry did not install"
echo "a second run offers $location, says what it does, asks for the running program to be closed, and installs on Retry"

# Elsewhere, in a folder with a Japanese name and a space (/D= last and unquoted, as NSIS takes it): the old
# copy goes, one line names the new one.
elsewhere='C:\別の 場所\aoba-search'
code=0
helper run "$(windows_path "$setup") /S /D=$elsewhere" || code=$?
[ "$code" -eq 0 ] || fail "the install into $elsewhere exited $code"
[ ! -e "$installed" ] || fail "the copy in $location is still there: $(ls "$installed")"
[ "$("$wine" reg query "$key" /v InstallLocation 2>/dev/null | tr -d '\r' | iconv -f CP932 -t UTF-8 |
    sed -n 's/^ *InstallLocation *REG_SZ *//p')" = "$elsewhere" ] || fail "the uninstall entry does not name $elsewhere"
[[ "$(hex <"$shortcut")" == *"$(utf16 "$elsewhere\aoba-search.exe")"* ]] || fail "the shortcut does not name $elsewhere"
moved=$("$wine" winepath -u "$elsewhere" 2>/dev/null)
starts "$moved/aoba-search.exe" || fail "the program in $elsewhere did not start"
echo "an install into $elsewhere removed the copy in $location and left one entry; the program starts"

# A copy an older installer left behind: its uninstaller takes its own files, not the live copy's line.
orphan="$WINEPREFIX/drive_c/orphan"
cp -r "$moved" "$orphan"
cp "$orphan/Uninstall.exe" "$work/orphan-uninstall.exe"
"$wine" "$work/orphan-uninstall.exe" /S '_?=C:\orphan'
[ ! -e "$orphan" ] || fail "the old copy's uninstaller left $(ls "$orphan")"
"$wine" reg query "$key" >/dev/null 2>&1 || fail "the old copy's uninstaller took the live copy's uninstall entry"
[ -f "$shortcut" ] || fail "the old copy's uninstaller took the live copy's shortcut"
echo "an old copy's uninstaller leaves the live copy's entry and shortcut"

"$wine" "$moved/Uninstall.exe" /S
"$wineserver" -w
! "$wine" reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry is still there"
files | diff "$work/before.txt" - || fail "the uninstall left the files above"
echo "the silent uninstall left nothing"
