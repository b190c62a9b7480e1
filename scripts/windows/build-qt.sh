#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Qt 6.4.2 for MinGW-w64 from Debian 12's qt6-base source and installs it into PREFIX, which appears
# only once the build is whole. Some 20 minutes on 2 free cores.
# Usage: build-qt.sh PREFIX
set -euo pipefail
prefix=$1
here=$(cd "$(dirname "$0")" && pwd)
work="$prefix.work"
rm -rf "$work" "$prefix.partial"
mkdir -p "$work/lists/partial" "$work/cache/archives/partial" "$work/download"

# The archive this machine installs from, as a deb-src line in a sources list of our own: the system's lists
# and sources stay as they are.
archive() {
    apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' | awk '$2 == "bookworm" && $3 == "main" { print $1; exit }'
}
uri=$(archive)
if [ -z "$uri" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    uri=$(archive)
fi
[ -n "$uri" ] || { echo "No archive for bookworm main in this machine's sources" >&2; exit 1; }
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri bookworm main" >"$work/sources.list"
apt_options=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache")
apt-get "${apt_options[@]}" update -qq
(cd "$work/download" && apt-get "${apt_options[@]}" source --download-only qt6-base)
orig="$work/download/qt6-base_6.4.2+dfsg.orig.tar.xz"
[ -f "$orig" ] || { echo "The archive's qt6-base is not 6.4.2, the version the host tools and the patch are for" >&2; exit 1; }

mkdir "$work/source"
tar -xf "$orig" -C "$work/source" --strip-components=1
patch -d "$work/source" -p1 <"$here/qt-6.4.2-directwrite-needs-direct2d.diff"
bash "$here/configure-qt.sh" "$work/source" "$work/build" "$prefix.partial"
cmake --build "$work/build"
cmake --install "$work/build" >/dev/null
mv "$prefix.partial" "$prefix"
rm -rf "$work"
