# SPDX-License-Identifier: MIT
# Installs the Debian packages the build, the tests (lintian, appstream and git for the package's; the DejaVu
# and URW fonts for the font measurements of the results window's labels) and a run under Xvfb need, when any
# is missing; aoba_install_packages $aoba_windows_packages adds what the Windows build needs: the MinGW-w64
# cross compiler, Wine to run its programs, NSIS for the installer and the locale data for a Japanese Wine.
# Sourced by run.sh, test.sh, bench.sh and windows.sh.
aoba_packages="build-essential cmake ninja-build qt6-base-dev fonts-ipafont-gothic fonts-ipafont-mincho
  fonts-dejavu-core fonts-urw-base35
  xvfb xauth dbus-daemon python3 desktop-file-utils clang-format lintian appstream git
  openbox xdotool x11-utils"
aoba_windows_packages="g++-mingw-w64-x86-64-posix mingw-w64 wine64 nsis locales"

# Packages named as arguments are installed too: scripts/bench.sh asks for the instruction counter.
aoba_install_packages() {
    local missing=""
    for package in $aoba_packages "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

# Wine takes a Windows program's code pages from the Unix locale: ja_JP.UTF-8 gives code page 932, as a
# Japanese Windows has, for the tests that run in it. Made once, when missing.
aoba_japanese_locale() {
    locale -a 2>/dev/null | grep -qix 'ja_JP.utf8' && return 0
    echo "Making the locale ja_JP.UTF-8"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
}
