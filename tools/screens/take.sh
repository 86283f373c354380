#!/bin/sh
# Screenshots of every dialog at 800 x 600 (a window), 1920 x 1080 and 3840 x 2160 (full screen),
# each run under Xvfb with openbox in a private home:
#   tools/screens/take.sh [GAME] [OUTDIR]     (defaults: build/release/vortala, docs/screens)
# Writes dialog-NAME.png at 800 x 600, dialog-NAME-WxH.png at the larger sizes, and the field
# alone as fullscreen-WxH.png, in 256 colours like the other screenshots. Needs xvfb, openbox,
# x11-utils (`make deps` installs them) and imagemagick.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
game=$(realpath "${1:-$root/build/release/vortala}")
out=$(realpath "${2:-$root/docs/screens}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VORTALA_NO_DIALOGS=1 SDL_AUDIODRIVER=dummy

# take W H: the dialogs at a W x H screen; full screen unless it is the 800 x 600 window.
take() {
    w=$1 h=$2
    dir="$work/$w"
    mkdir -p "$dir"
    if [ "$w" = 800 ]; then screen="1024x768"; else screen="${w}x${h}"; fi
    {
        if [ "$w" = 800 ]; then
            echo "untilwindow 800 600"
        else
            echo "untilwindow 800 600"
            echo "sdlkey F11"
            echo "untilwindow $w $h"
        fi
        # Clicks move with the field: its centre stays the window's, its scale is its height / 600.
        awk -v W="$w" -v H="$h" '
            BEGIN { fh = H; if (W / 1.333 < H) fh = int(W / 1.333 + 0.5); s = fh / 600 }
            $1 == "sdlclick" { $2 = int(W / 2 + ($2 - 400) * s + 0.5); $3 = int(H / 2 + ($3 - 300) * s + 0.5) }
            { print }' "$here/dialogs.vsim"
    } >"$dir/dialogs.vsim"
    (
        cd "$dir"
        export XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data"
        xvfb-run -a -s "-screen 0 ${screen}x24" sh -c '
            openbox --sm-disable >/dev/null 2>&1 &
            wm=$!
            for i in $(seq 1 200); do
                xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
                sleep 0.1
            done
            "$0" --script dialogs.vsim
            status=$?
            kill $wm 2>/dev/null
            exit $status' "$game"
    )
    for shot in "$dir"/*.png; do
        name=$(basename "$shot" .png)
        if [ "$name" = field ]; then
            [ "$w" = 800 ] && continue
            dest="$out/fullscreen-${w}x${h}.png"
        elif [ "$w" = 800 ]; then
            dest="$out/dialog-$name.png"
        else
            dest="$out/dialog-$name-${w}x${h}.png"
        fi
        # /usr/bin first: a stand-in convert may come earlier in PATH.
        /usr/bin/convert "$shot" -strip -colors 256 -define png:exclude-chunks=date,time "$dest"
    done
    echo "screens at ${w}x${h}: done"
}

take 800 600
take 1920 1080
take 3840 2160
