#!/bin/sh
# The game's window under a real window manager (openbox on Xvfb), in a private home: see
# window.vsim. openbox stays up for the whole run and is stopped at the end.
set -eu
game=$1 scripts=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
command -v openbox >/dev/null || { echo "openbox is not installed (make deps installs it)"; exit 1; }
xvfb-run -a -s "-screen 0 1920x1080x24" sh -c '
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    # The manager is up once it has claimed the root window.
    for i in $(seq 1 200); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
    "$0" --script "$1"
    status=$?
    kill $wm 2>/dev/null
    exit $status' "$game" "$scripts/window.vsim"
echo "window end to end: ok"
