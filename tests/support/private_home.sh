#!/bin/sh
# Every unit test of the given programs, each alone as ctest runs it, for a user who has played
# the game (settings with stored options, a log): they all pass, and the user's files are as they
# were, with nothing added beside them.
set -eu
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
home=$root/home
mkdir -p "$home/.config/orvexa" "$home/.local/share/Orvexa/Vortala"
printf '[Software\\Orvexa\\Vortala\\vortala3]\nsave=1\nstop=2\nspeed=50\nsound=0\nnum=77\n' >"$home/.config/orvexa/vortala.ini"
printf 'a log of earlier games\r\n' >"$home/.local/share/Orvexa/Vortala/stat.log"
files() { find "$home" -exec ls -ld --time-style=full-iso {} + | sort; find "$home" -type f -exec md5sum {} + | sort; }
before=$(files)
failed=
for program in "$@"; do
    for test in $("$program" --gtest_list_tests | awk '/^[^ ]/ { suite = $1 } /^  / { print suite $1 }'); do
        env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" "$program" --gtest_filter="$test" >"$root/out" 2>&1 ||
            { failed="$failed $test"; cat "$root/out"; }
    done
done
[ -z "$failed" ] || { echo "FAIL: for a user who has played, these fail:$failed" >&2; exit 1; }
[ "$(files)" = "$before" ] || { echo "FAIL: the tests changed the user's files" >&2; exit 1; }
echo "private home: ok"
