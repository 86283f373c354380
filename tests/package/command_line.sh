#!/bin/sh
# Both programs' command lines as a player or a script meets them: help on standard output with
# status 0, the build's version, one line naming a mistake with status 2, for the game and for
# every subcommand of the simulator; and the manual pages cover every option and subcommand.
set -eu
game=$1 sim=$2 version=$3 pages=$4
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs "$@", wanting exit status $expected; leaves the streams in $out and $err.
expect_status() {
    expected=$1
    shift
    status=0
    "$@" >"$out" 2>"$err" || status=$?
    [ "$status" = "$expected" ] || fail "'$*' exits with $status, not $expected"
}
helps() {
    expect_status 0 "$@" --help
    [ -s "$out" ] && [ ! -s "$err" ] || fail "'$* --help' must print to standard output only"
    expect_status 0 "$@" -h
}
versions() {
    expect_status 0 "$@" --version
    [ "$(cat "$out")" = "$(basename "$1") $version" ] || fail "'$* --version' says '$(cat "$out")'"
}
refuses() {
    expect_status 2 "$@"
    [ ! -s "$out" ] || fail "'$*' printed to standard output"
    eval "last=\${$#}"
    head -n 1 "$err" | grep -qF -- "'$last'" || fail "'$*' does not name '$last': $(head -n 1 "$err")"
    [ "$(wc -l <"$err")" -le 2 ] || fail "'$*' says more than a line and a hint"
}

helps "$game"
for word in --script --version XDG_CONFIG_HOME XDG_DATA_HOME VORTALA_NO_DIALOGS SDL_VIDEODRIVER \
    SDL_AUDIODRIVER vortala.ini stat.log games.jsonl Insert Space; do
    grep -qF -- "$word" "$out" || fail "vortala --help does not mention $word"
done
versions "$game"
refuses "$game" --no-such-option
refuses "$game" stray
expect_status 2 "$game" --script
grep -q "needs a FILE" "$err" || fail "vortala --script without a file"
expect_status 2 "$game" --script "$out.missing"
for option in $(sed -n 's/^  \(--[a-z-]*\).*/\1/p' "$out"); do
    sed 's/\\//g' "$pages/vortala.6.in" | grep -qF -- "$option" || fail "vortala.6 lacks $option"
done

helps "$sim"
commands=$(sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p' "$out")
[ -n "$commands" ] || fail "vortala-sim --help lists no commands"
versions "$sim"
refuses "$sim" --no-such-option
refuses "$sim" no-such-command
expect_status 2 "$sim"
for command in $commands; do
    helps "$sim" "$command"
    grep -q "^Usage: vortala-sim $command" "$out" || fail "vortala-sim $command --help shows no usage"
    versions "$sim" "$command"
    refuses "$sim" "$command" --no-such-option
    grep -q "^\.SS $command" "$pages/vortala-sim.6.in" || fail "vortala-sim.6 has no section for $command"
done
echo "command lines: ok"
