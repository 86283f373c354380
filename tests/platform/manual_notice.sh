#!/bin/sh
# F1 twice opens the player's manual in the browser through xdg-open; when none can be started
# (xdg-open missing, or ending with an error) the game says which file to open instead.
set -eu
game=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" SDL_VIDEODRIVER=offscreen \
    SDL_AUDIODRIVER=dummy VORTALA_NO_DIALOGS=1
cat >"$tmp/help.vsim" <<'SCRIPT'
key Insert
settle
sdlkey F1
expect HelpArmed 1
sdlkey F1
wait 1500
SCRIPT
mkdir "$tmp/bin"
# Only the tools named here are on PATH, so no real xdg-open (or browser) is ever started.
run() { PATH="$tmp/bin" "$game" --script "$tmp/help.vsim" >"$tmp/out" 2>"$tmp/err" || { cat "$tmp/err" >&2; fail "$1: the script"; }; }

run "xdg-open missing"
grep -q "No web browser.*Open this file" "$tmp/err" || fail "no notice without xdg-open: $(cat "$tmp/err")"
grep -q "docs/manual/index.html$" "$tmp/err" || fail "the notice does not name the manual: $(cat "$tmp/err")"

printf '#!/bin/sh\nexit 3\n' >"$tmp/bin/xdg-open"
chmod +x "$tmp/bin/xdg-open"
run "xdg-open failing"
grep -q "No web browser.*Open this file" "$tmp/err" || fail "no notice when xdg-open fails: $(cat "$tmp/err")"

printf '#!/bin/sh\necho "$1" >"%s/opened"\n' "$tmp" >"$tmp/bin/xdg-open"
run "xdg-open working"
! grep -q "No web browser" "$tmp/err" || fail "a notice although the browser started"
grep -q "docs/manual/index.html$" "$tmp/opened" || fail "xdg-open was not given the manual"
echo "manual notice: ok"
