#!/bin/bash
# The reconciliation monkey: many sessions of the real game in one private home, on one Xvfb
# display with a window manager, each driven by random keys and clicks (field, dialogs, the exit
# question, the statistics box), note inserts, closes, SIGTERMs and kill -9s. After every session
# monkey_check.py reconciles every money record the game keeps (see docs/RELIABILITY.md).
#
#   monkey.sh [--seed S] [--sessions N] [--actions-per-session M] [--jobs K] [--keep-going]
#             [--keep] [--game PATH] [--sim PATH]
#
# With --jobs K the sessions are shared among K homes played side by side, each on a display of its
# own with the seed S.1 ... S.K, so a long run fits the hours a machine has (each game keeps most of
# a core busy).
#
# The actions are a function of the seed (monkey_plan.py); what the game makes of them depends on
# timing too. On a discrepancy it prints the session, its actions and the records that disagree,
# keeps the home folder and exits 1 (with --keep-going it reports each new one and goes on; --keep
# keeps the folder in any case).
set -u
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
seed=$RANDOM sessions=20 per=100 jobs=1 keep_going='' keep='' game='' sim=''
while [ $# -gt 0 ]; do
    case $1 in
        --seed) seed=$2; shift ;;
        --sessions) sessions=$2; shift ;;
        --actions-per-session) per=$2; shift ;;
        --jobs) jobs=$2; shift ;;
        --keep-going) keep_going=1 ;;
        --keep) keep=1 ;;
        --game) game=$2; shift ;;
        --sim) sim=$2; shift ;;
        *) echo "usage: $0 [--seed S] [--sessions N] [--actions-per-session M] [--jobs K] [--keep-going] [--keep] [--game PATH] [--sim PATH]" >&2
           exit 2 ;;
    esac
    shift
done
for build in asan release; do
    [ -z "$game" ] && [ -x "$repo/build/$build/vortala" ] && game=$repo/build/$build/vortala
    [ -z "$sim" ] && [ -x "$repo/build/$build/vortala-sim" ] && sim=$repo/build/$build/vortala-sim
done
[ -x "$game" ] && [ -x "$sim" ] || { echo "monkey: build vortala and vortala-sim first (make asan)" >&2; exit 2; }
for tool in Xvfb openbox xdotool python3; do
    command -v $tool >/dev/null || { echo "monkey: $tool is missing (make deps)" >&2; exit 2; }
done


if [ "$jobs" -gt 1 ]; then
    reports=$(mktemp -d /tmp/vortala-monkey-jobs.XXXXXX)
    echo "monkey: $jobs homes side by side, their reports in $reports"
    children=()
    for j in $(seq "$jobs"); do
        share=$((sessions / jobs + (j <= sessions % jobs)))
        bash "$0" --seed "$seed.$j" --sessions "$share" --actions-per-session "$per" --game "$game" --sim "$sim" \
            ${keep_going:+--keep-going} ${keep:+--keep} >"$reports/$j.log" 2>&1 &
        children+=($!)
    done
    trap 'kill "${children[@]}" 2>/dev/null; exit 130' INT TERM
    failed_jobs=0
    for j in $(seq "$jobs"); do wait "${children[$((j - 1))]}" || failed_jobs=$((failed_jobs + 1)); done
    cat "$reports"/*.log
    # Each home's last line: "monkey: seed S.j, N sessions, T actions: ..."
    total=$(sed -n 's/^monkey: seed .*, \([0-9]*\) actions:.*/\1/p' "$reports"/*.log | awk "{t += \$1} END {print t + 0}")
    echo "monkey: seed $seed, $sessions sessions in $jobs homes, ${total:-0} actions:" \
        "$([ $failed_jobs = 0 ] && echo 'every record reconciles' || echo "discrepancies in $failed_jobs homes")"
    [ $failed_jobs = 0 ] && rm -rf "$reports"
    exit $((failed_jobs > 0))
fi

python=$(python3 -c 'import sys; print(sys.executable)')  # before HOME changes
root=$(mktemp -d /tmp/vortala-monkey.XXXXXX)
home=$root/home
export XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$root/run
export HOME=$home
export PYTHONDONTWRITEBYTECODE=1 SDL_AUDIODRIVER=dummy VORTALA_NO_DIALOGS=1 ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export PATH=$root/bin:$PATH
mkdir -p "$home" "$root/bin" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# The help and the maker's site open no browser: the stub only notes the address.
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$root" >"$root/bin/xdg-open" && chmod +x "$root/bin/xdg-open"

pid='' runner='' xvfb='' wm='' failed=''
cleanup() {
    for p in $pid $runner $wm $xvfb; do kill -9 "$p" 2>/dev/null; done
    wait 2>/dev/null
    if [ -n "$failed$keep" ]; then echo "monkey: the home folder is kept: $root" >&2; else rm -rf "$root"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# One display of our own, and its number once the server is ready for clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$root/display" >"$root/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 600); do grep -q . "$root/display" && break; sleep 0.1; done
grep -q . "$root/display" || { echo "monkey: Xvfb did not start: $(cat "$root/xvfb.log")" >&2; exit 2; }
DISPLAY=:$(head -n 1 "$root/display")
export DISPLAY
openbox >"$root/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 600); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done

log() { printf '%s %s\n' "$(date +%T.%3N)" "$*" >>"$root/actions.log"; }
alive() { kill -0 "$pid" 2>/dev/null; }
sleep_ms() { sleep "$(printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)))"; }

# A click: field coordinates through the game's own fit of the 4:3 field, or pixels from the
# window's centre, or fractions of the window.
click() {
    # shellcheck disable=SC2034  # the geometry's other fields
    local kind=$1 a=$2 b=$3 button=${4:-1} WIDTH=0 HEIGHT=0 X Y SCREEN WINDOW W H x y fw fh
    eval "$(xdotool getwindowgeometry --shell "$win" 2>/dev/null)"
    W=$WIDTH H=$HEIGHT
    [ "$W" -gt 0 ] || return 0
    case $kind in
        field)
            fw=$(((H * 1333 + 500) / 1000)) fh=$(((W * 1000 + 666) / 1333))
            [ $fw -gt $W ] && fw=$W
            [ $fh -gt $H ] && fh=$H
            x=$(((W - fw) / 2 + a * fw * 1000 / 666500)) y=$(((H - fh) / 2 + (500 - b) * (fh - 1) / 500)) ;;
        centre) x=$((W / 2 + a)) y=$((H / 2 + b)) ;;
        frac) x=$(awk "BEGIN{print int($a*$W)}") y=$(awk "BEGIN{print int($b*$H)}") ;;
    esac
    # The dialogs read where the pointer is once a frame: it rests there before and during the press.
    # The window may close under the click (the game ended by an earlier action): not a finding.
    xdotool mousemove --window "$win" "$x" "$y" sleep 0.1 mousedown "$button" sleep 0.1 mouseup "$button" \
        2>/dev/null
}

# One action of the plan; false once the game has ended.
act() {
    local pause=$1 verb=$2
    shift 2
    sleep_ms "$pause"
    alive || return 1
    log "$verb $*"
    case $verb in
        term | kill) kill -"${verb^^}" "$pid"; ended_by=$verb; return 0 ;;
    esac
    # Escape minimises the window; activating it brings it back and gives it the keyboard.
    timeout 10 xdotool windowactivate --sync "$win" 2>/dev/null
    case $verb in
        key) xdotool key "$1" ;;
        click) click "$@" ;;
        close) xdotool key alt+F4 ;;
    esac
    return 0
}

# Waits for the game to end; a statistics box left up is dismissed, then a signal, then a kill.
finish() {
    local step
    for step in 1 2 3 4; do
        local until=$((SECONDS + 30))
        while [ $SECONDS -lt $until ]; do alive || break 2; sleep 0.2; done
        case $step in
            1) log "still running: y, Return, close, Return"  # whichever of the exit question, the
               # statistics box or the field is up; a picture of it for the report where possible
               command -v import >/dev/null && import -window root "$root/stuck-$session.png" 2>/dev/null
               timeout 20 xdotool windowactivate --sync "$win" key y sleep 2 key Return sleep 2 key alt+F4 \
                   sleep 2 key Return 2>/dev/null ;;
            2) log "still running: SIGTERM"; kill -TERM "$pid"; ended_by='term' ;;
            3) log "still running 30 s after SIGTERM: kill -9"; echo "SIGTERM did not end the game" >"$root/hung"
               kill -KILL "$pid"; ended_by='kill' ;;
        esac
    done
    wait "$runner"
    status=$(cat "$root/status")
    pid=
}

total=0 found=0
for session in $(seq "$sessions"); do
    printf '\n== session %d (seed %s)\n' "$session" "$seed" >>"$root/actions.log"
    "$python" "$here/monkey_plan.py" "$seed" "$session" "$per" >"$root/plan"
    # How the session ended: a signal sent, or else a close (the plan's, or one the play made).
    ended_by='close'
    rm -f "$root/hung"
    # Started by a runner that keeps its status, so the shell reports no kill of its own.
    rm -f "$root/pid" "$root/status"
    ( "$game" >>"$root/game.out" 2>"$root/game.err" & echo $! >"$root/pid"; wait $!; echo $? >"$root/status" ) 2>/dev/null &
    runner=$!
    while [ ! -s "$root/pid" ]; do sleep 0.05; done
    pid=$(cat "$root/pid")
    # Its window, once mapped (a search can fail on a window going away meanwhile: it is asked again).
    win=
    until=$((SECONDS + 120))
    while [ $SECONDS -lt $until ]; do
        win=$(xdotool search --onlyvisible --pid "$pid" --name '^Vortala' 2>/dev/null | head -1)
        [ -n "$win" ] || ! alive && break
        sleep 0.2
    done
    if [ -z "$win" ]; then
        log "no window: $(cat "$root/game.err")"; finish
    else
        while read -r line; do
            [ "${line#\#}" = "$line" ] || continue
            act $line || break
            total=$((total + 1))
        done <"$root/plan"
        finish
    fi
    ending=$ended_by
    log "ended ($ending), status $status"
    cat "$root/game.err" >>"$root/game.err.all"
    if ! "$python" "$here/monkey_check.py" --home "$home" --sim "$sim" --ending "$ending" --status "$status" \
        --state "$root/check.state" --errors "$root/game.err" --hung "$root/hung" >"$root/found" 2>&1; then
        found=$((found + 1))
        failed=1
        printf '\nDISCREPANCY after session %d of seed %s (%s actions so far)\n' "$session" "$seed" "$total"
        echo "-- the session's actions:"
        sed -n "/^== session $session (/,\$p" "$root/actions.log"
        echo "-- what does not reconcile:"
        cat "$root/found"
        [ -n "$keep_going" ] || exit 1
    fi
done
echo "monkey: seed $seed, $sessions sessions, $total actions: $([ $found = 0 ] && echo 'every record reconciles' || echo "$found sessions with discrepancies")"
[ $found = 0 ]
