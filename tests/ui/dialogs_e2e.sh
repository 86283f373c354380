#!/bin/sh
# Two runs of the real game in a private home: the first drives the dialogs and closes, the
# second must find the money, the options, the log and the game number the first one kept.
set -eu
game=$1 scripts=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
run() { xvfb-run -a -s "-screen 0 1024x768x24" "$game" --script "$1"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

run "$scripts/first_run.vsim"
ini="$XDG_CONFIG_HOME/orvexa/vortala.ini" log="$XDG_DATA_HOME/Orvexa/Vortala/stat.log"
grep -q '^stopped=1' "$ini" || fail "the auto-stop switch was not stored"
grep -q '^save=1' "$ini" || fail "a right click changed Store options"
grep -q '^num=2' "$ini" || fail "the game number after one new game is not 2"
[ "$(grep -c 'ON - ' "$log")" = 2 ] || fail "the log does not hold two opening blocks"
grep -q '^Set on stake 200' "$log" || fail "the first game's closing block is missing"

run "$scripts/second_run.vsim"
grep -q '^num=3' "$ini" || fail "the second run did not count"
grep -q "game's number  3" "$log" || fail "the second run's block is missing"
echo "dialogs end to end: ok"
