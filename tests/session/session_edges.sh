#!/bin/sh
# The game at the edges of a session, on one Xvfb display: a hostile statistics log, a second
# copy, a kill during play and the next start, a SIGTERM during play, folders that cannot be
# written, and no display at all. Each start gets a private home.
set -eu
game=$1 scripts=$2
root=$(mktemp -d)
trap 'kill -9 $pid 2>/dev/null || true; rm -rf "$root"' EXIT
pid=
cr=$(printf '\r')  # the log's lines end in CR LF
cd "$root"
fail() { echo "FAIL: $*" >&2; exit 1; }

home() {
    export XDG_CONFIG_HOME="$root/$1/config" XDG_DATA_HOME="$root/$1/data"
    data=$XDG_DATA_HOME/Orvexa/Vortala ini=$XDG_CONFIG_HOME/orvexa/vortala.ini log=$XDG_DATA_HOME/Orvexa/Vortala/stat.log
}
# The smallest window: software rendering draws it several times faster.
small_window() {
    mkdir -p "${ini%/*}"
    printf '[Software\\Orvexa\\Vortala\\vortala3]\ncb2=1\nsizeW=320\nsizeH=240\n' >"$ini"
}
# A run to its end in the foreground; its status and its standard error are kept.
play() { status=0; timeout 120 "$game" --script "$scripts/$1" 2>"$root/err" || status=$?; }
# A run in the background, once its script has taken the screenshot that says it is ready.
start() {
    rm -f ready.png
    "$game" --script "$scripts/$1" 2>"$root/err" &
    pid=$!
    for _ in $(seq 1200); do [ -f ready.png ] && return 0; kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    fail "$1 never got ready: $(cat "$root/err")"
}
files() { find "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" -exec ls -ld --time-style=full-iso {} + | sort; find "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" -type f -exec md5sum {} + | sort; }
count() { grep -c "$1" "$2" || true; }

# A statistics log that is a folder, a FIFO or a link to a huge file: the game starts, plays and
# closes, and never touches what is there.
for kind in folder fifo huge; do
    home "log-$kind"
    small_window
    mkdir -p "$data"
    case $kind in
        folder) mkdir "$log" ;;
        fifo) mkfifo "$log" ;;
        huge) truncate -s 3G "$root/huge" && ln -s "$root/huge" "$log" ;;
    esac
    play play_and_close.vsim
    [ $status = 0 ] || fail "with stat.log as a $kind the game did not play and close ($status): $(cat "$root/err")"
done
[ -d "$root/log-folder/data/Orvexa/Vortala/stat.log" ] || fail "the folder in the log's place was replaced"
[ -p "$root/log-fifo/data/Orvexa/Vortala/stat.log" ] || fail "the FIFO in the log's place was replaced"
tail -c 300 "$root/huge" | grep -q 'OFF - ' || fail "the huge log did not get its closing block"

# A kill during play: the next start finds the stores of the last finished game, and closes the
# killed session's log block for it. A second copy meanwhile exits and touches nothing.
home kill
small_window
start play_then_wait.vsim
before=$(files)
second=0
timeout 60 "$game" 2>"$root/second" || second=$?
[ $second = 1 ] || fail "a second copy did not exit with status 1 ($second)"
grep -q "Vortala is already running" "$root/second" || fail "a second copy did not say the game is running"
[ "$(files)" = "$before" ] || fail "a second copy changed the files"
# With dialogs, its box ends on SIGTERM as the game does, and no box process outlives it.
env -u VORTALA_NO_DIALOGS "$game" 2>"$root/second" &
second=$!
for _ in $(seq 600); do
    box=$(pgrep -P $second | head -n 1 || true)
    [ -n "$box" ] && break
    kill -0 $second 2>/dev/null || break
    sleep 0.1
done
[ -n "$box" ] || fail "a second copy showed no box: $(cat "$root/second")"
kill -TERM $second
for _ in $(seq 300); do kill -0 $second 2>/dev/null || break; sleep 0.1; done
kill -0 $second 2>/dev/null && { kill -9 $second; pkill -9 -g "$box"; fail "the already-running box did not end on SIGTERM"; }
wait $second || true
[ -z "$(pgrep -g "$box")" ] || { pkill -9 -g "$box"; fail "the box's process outlived the second copy"; }
# A lock that cannot be taken (something else in its place) refuses the second copy too, and says
# which file to remove; the first copy's log block stays open.
for kind in folder fifo link; do
    rm "$data/vortala.lock"
    case $kind in
        folder) mkdir "$data/vortala.lock" ;;
        fifo) mkfifo "$data/vortala.lock" ;;
        link) ln -s "$root/elsewhere" "$data/vortala.lock" ;;
    esac
    second=0
    timeout 60 "$game" 2>"$root/second" || second=$?
    [ $second = 1 ] || fail "with the lock as a $kind a second copy did not exit with status 1 ($second)"
    grep -q "Remove $data/vortala.lock if no copy of Vortala runs" "$root/second" || fail "the lock as a $kind: $(cat "$root/second")"
    [ "$(count '(interrupted)' "$log")" = 0 ] || fail "with the lock as a $kind a second copy closed the log block"
    rm -r "$data/vortala.lock"
    touch "$data/vortala.lock"
done
[ ! -e "$root/elsewhere" ] || fail "the lock's link was followed"
kill -9 $pid
wait $pid || true
touch "$ini.Ab12Cd" "$data/stat.session.Zz99Yy" "$log.q1W2e3" "$data/games.jsonl.Qq11Ww"  # as a save killed midway leaves them

# The start after the kill, then a SIGTERM while the reels turn: the close's stores and log block
# are written and the game exits with status 0.
start after_kill.vsim
kill -TERM $pid
status=0
for _ in $(seq 300); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && fail "the game did not end on SIGTERM"
wait $pid || status=$?
[ $status = 0 ] || fail "after SIGTERM the game exited with status $status: $(cat "$root/err")"
[ "$(count "game's number  1$cr\$" "$log")" = 1 ] && [ "$(count "game's number  2$cr\$" "$log")" = 1 ] ||
    fail "a game number is missing or repeated"
grep -q '^num=2' "$ini" || fail "the game number was not stored"
grep -A5 "game's number  1" "$log" | grep -q '^Set on stake 200' || fail "the killed session's block has not its money"
[ "$(count '(interrupted)' "$log")" = 1 ] || fail "the killed session's block is not closed once as interrupted"
grep -A6 "game's number  2" "$log" | grep -q "^Zevirezid \\*Vortala\\* OFF - [0-9/, :]*$cr\$" ||
    fail "the signal did not close the log block"
[ -z "$(find "$root/kill" -name '*.??????')" ] || fail "temporary files were left"
[ ! -e "$data/stat.session" ] || fail "the session record outlived a closed session"
play after_signal.vsim
[ $status = 0 ] || fail "the stores of the close on SIGTERM were not found: $(cat "$root/err")"

# A settings folder that cannot be written (a file where a folder should be, which binds root
# too): one message over the field says what and where (the script sees it), and the game plays on.
home blocked
touch "$root/blocked-config"
export XDG_CONFIG_HOME="$root/blocked-config/config"
status=0
env -u VORTALA_NO_DIALOGS timeout 120 "$game" --script "$scripts/unwritable.vsim" 2>"$root/err" || status=$?
[ $status = 0 ] || fail "with unwritable folders the game did not play and close: $(cat "$root/err")"
grep -q '^vortala: Could not save the settings and money in /' "$root/err" || fail "later failures are not told"

# A data folder that cannot hold the lock: the game does not start, and says what is in the way.
home locked
touch "$root/locked"
status=0
timeout 60 "$game" 2>"$root/err" || status=$?
[ $status = 1 ] && grep -q "Remove $root/locked if no copy of Vortala runs" "$root/err" || fail "no lock file: $status $(cat "$root/err")"

# No display and no driver asked for: one line (no library's before it, whatever the runtime
# folder), status 1, nothing written.
home headless
for runtime in unset "$root"; do
    status=0
    if [ "$runtime" = unset ]; then
        env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u XDG_RUNTIME_DIR "$game" 2>"$root/err" || status=$?
    else
        env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER XDG_RUNTIME_DIR="$runtime" "$game" 2>"$root/err" || status=$?
    fi
    [ $status = 1 ] && [ "$(cat "$root/err")" = "no display: run it from a desktop session, or under xvfb-run; \`make run\` does this for you" ] ||
        fail "no display, XDG_RUNTIME_DIR $runtime: $(cat "$root/err")"
done
[ ! -e "$root/headless" ] || fail "without a display files were written"
echo "session edges: ok"
