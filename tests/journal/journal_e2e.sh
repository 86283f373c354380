#!/bin/sh
# The window's journal end to end, in a private home: games of every kind played in the real
# window must verify through the rules; the next start must find the meters balanced; a journal
# that is no file must not stop the game.
set -eu
game=$1 sim=$2 scripts=$3
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
data="$XDG_DATA_HOME/Orvexa/Vortala"
run() { xvfb-run -a -s "-screen 0 1024x768x24" "$game" --script "$1"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

run "$scripts/window_games.vsim"
"$sim" journal verify "$data/games.jsonl" || fail "the window's journal does not verify"
grep -q '^{"close":' "$data/games.jsonl" || fail "the session's close is not in the journal"

run "$scripts/second_start.vsim"
if grep -q 'Game journal' "$data/stat.log"; then fail "the second start found: $(grep 'Game journal' "$data/stat.log")"; fi

rm "$data/games.jsonl"
mkdir "$data/games.jsonl"
run "$scripts/bad_journal.vsim"
grep -q 'Game journal: the journal cannot be used: .* is not a regular file' "$data/stat.log" ||
    fail "the log does not say the journal cannot be used"
echo "journal end to end: ok"
