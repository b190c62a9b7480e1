#!/bin/sh
# SPDX-License-Identifier: MIT
# with_window_manager.sh PROGRAM [ARGS...]: runs PROGRAM on a private X server with openbox managing its
# windows and a session bus, as on a reader's desktop; the offscreen platform has no window manager to place
# windows.
# Started under xvfb-run, which provides the X server.
set -eu
# A desktop has a session bus; without one every Qt program on X tries to start one itself, and libdbus leaks
# what that attempt allocates, which the sanitizer build reports.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null 2>&1; then
    exec dbus-run-session -- "$0" "$@"
fi
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT
# The window manager is ready once it has announced itself on the root window.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1))
    [ $tries -lt 100 ] || { echo "openbox did not start" >&2; exit 1; }
    sleep 0.05
done
"$@"
