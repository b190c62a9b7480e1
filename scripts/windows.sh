#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows program, made and tested on Debian 12: installs what is missing (MinGW-w64, Wine, NSIS), gets
# Qt 6.4.2 for MinGW-w64, cross-builds the program, its tools and every test into build-windows/, runs the
# tests under Wine (all but those labelled linux), makes the portable ZIP, the installer and SHA256SUMS beside
# them, and says how long each step took.
#
# AOBA_WINDOWS_QT names the Qt to build with: a folder, or a .tar.xz archive holding one folder (unpacked
# into the cache). Without it: ../shared/windows/qt-6.4.2-mingw-w64-x86_64.tar.xz beside the checkout when
# it is there; otherwise Qt built from Debian's qt6-base source (scripts/windows/build-qt.sh, some 20 minutes on
# 2 free cores), kept in ${XDG_CACHE_HOME:-~/.cache}/aoba-search for the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh

cache="${XDG_CACHE_HOME:-$HOME/.cache}/aoba-search"
qt_name=qt-6.4.2-mingw-w64-x86_64
shared_archive="../shared/windows/$qt_name.tar.xz"

steps=()
started=$(date +%s.%N)
# Ends the step under way: its name and how long it took, for the table at the end.
done_step() {
    local now
    now=$(date +%s.%N)
    steps+=("$(awk -v name="$1" -v from="$started" -v to="$now" 'BEGIN { printf "%-44s %8.1f s", name, to - from }')")
    started=$now
}

# The folder of an archive's one top folder, unpacked once into the cache under the archive's checksum.
unpacked() {
    local archive=$1 sum target
    sum=$(sha256sum "$archive" | cut -c1-16)
    target="$cache/unpacked-$sum"
    if [ ! -d "$target" ]; then
        rm -rf "$target.partial"
        mkdir -p "$target.partial"
        tar -xf "$archive" -C "$target.partial"
        mv "$target.partial" "$target"
    fi
    local folders=("$target"/*/)
    [ ${#folders[@]} -eq 1 ] || { echo "$archive holds more than one folder" >&2; exit 1; }
    echo "${folders[0]%/}"
}

echo "== packages"
aoba_install_packages $aoba_windows_packages
aoba_japanese_locale
done_step "install missing packages"

echo "== Qt for MinGW-w64"
qt_source=${AOBA_WINDOWS_QT:-}
if [ -z "$qt_source" ] && [ -f "$shared_archive" ]; then
    qt_source=$shared_archive
fi
if [ -z "$qt_source" ]; then
    qt="$cache/$qt_name"
    if [ ! -d "$qt" ]; then
        echo "Building Qt from Debian's source into $qt (some 20 minutes on 2 free cores)"
        mkdir -p "$cache"
        bash scripts/windows/build-qt.sh "$qt"
        qt_step="Qt: built from Debian's source"
    else
        qt_step="Qt: built before, from the cache"
    fi
elif [ -d "$qt_source" ]; then
    qt=$(cd "$qt_source" && pwd)
    qt_step="Qt: the folder $qt_source"
else
    qt=$(unpacked "$qt_source")
    qt_step="Qt: $(basename "$qt_source")"
fi
echo "$qt"
done_step "$qt_step"

echo "== configure"
fresh=""
# Another Qt than the one the build folder was made with: configure anew.
if [ -f build-windows/CMakeCache.txt ] && ! grep -qxF "CMAKE_PREFIX_PATH:UNINITIALIZED=$qt" build-windows/CMakeCache.txt; then
    fresh=--fresh
fi
cmake --preset windows $fresh -DCMAKE_PREFIX_PATH="$qt" >/dev/null
done_step "configure"

echo "== build"
cmake --build --preset windows
done_step "build the program, the tools and the tests"

echo "== tests under Wine"
status=0
ctest --preset windows -j "$(nproc)" | tee build-windows/test-run.log || status=$?
summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' build-windows/test-run.log || true)
[ -n "$summary" ] || { echo "ctest gave no summary" >&2; exit 1; }
failed=$(sed -E 's/.* ([0-9]+) tests? failed out of.*/\1/' <<<"$summary")
total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
left_out=$(ctest --test-dir build-windows -N -L linux | sed -n 's/^Total Tests: //p')
echo "(left out, labelled linux: $left_out)"
echo "$((total - failed)) passed, $failed failed"
done_step "tests under Wine"

echo "== packages"
# The two packages cpack made this time, and SHA256SUMS beside them for whoever publishes them (a reader
# checks them with PowerShell's Get-FileHash, README.md).
packages=$(cd build-windows && cpack | sed -n 's|^CPack: - package: .*/\([^/]*\) generated\.$|\1|p')
[ "$(wc -w <<<"$packages")" -eq 2 ] || { echo "cpack made: $packages" >&2; exit 1; }
# shellcheck disable=SC2086 # two file names without spaces
(cd build-windows && sha256sum $packages >SHA256SUMS && sha256sum --quiet --check SHA256SUMS)
for package in $packages SHA256SUMS; do
    echo "build-windows/$package $(du -h "build-windows/$package" | cut -f1)"
done
done_step "ZIP, installer and SHA256SUMS"

# The build's Wine server, done with.
WINEPREFIX="$PWD/build-windows/wine-prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true

echo "== time taken"
printf '%s\n' "${steps[@]}"
exit "$status"
