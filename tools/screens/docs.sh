#!/bin/sh
# The docs' screenshots at 800 x 600 (docs/screens/), taken by the window tests' own scripts:
# tests/e2e/*.vsim, tests/ui/first_run.vsim and tests/journal/window_games.vsim, each in a fresh
# home under Xvfb. A screenshot of the recall window comes with NAME.figures, the simulator's
# figures it shows; the test docs.screens fails when the build no longer shows those.
#   sh tools/screens/docs.sh GAME      (from the source tree; `make screens` runs it)
set -eu
game=$(realpath "$1")
root=$(pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/shots"
export VORTALA_NO_DIALOGS=1 SDL_AUDIODRIVER=dummy

failed=""
take() {
    name=$(basename "$1" .vsim)
    echo "  $name"
    (cd "$work/shots" && XDG_CONFIG_HOME="$work/home/$name/config" XDG_DATA_HOME="$work/home/$name/data" \
        xvfb-run -a -s "-screen 0 1024x768x24" "$game" --script "$1" >"$work/$name.log" 2>&1) ||
        { cat "$work/$name.log" >&2; failed="$failed $name"; }
}
take "$root/tests/journal/window_games.vsim"
take "$root/tests/ui/first_run.vsim"
for script in "$root"/tests/e2e/*.vsim; do take "$script"; done

count=0
for png in "$work"/shots/*.png; do
    cp "$png" "$root/docs/screens/"
    [ ! -f "${png%.png}.figures" ] || cp "${png%.png}.figures" "$root/docs/screens/"
    count=$((count + 1))
done
echo "screens: $count screenshots in docs/screens"
# A script that failed leaves the screenshots it took before failing: keep those, and say which.
[ -z "$failed" ] || { echo "screens: these scripts failed:$failed" >&2; exit 1; }
