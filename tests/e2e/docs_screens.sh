#!/bin/sh
# The docs' screenshots show what the build shows: each docs/screens/NAME.figures (the simulator's
# figures over the recall window when `make screens` took NAME.png) must equal the NAME.figures the
# window tests wrote when they took the same screenshot with this build. A sanitized build has no simulator table: its figures are worked out here with the same
# vortala-sim run the table is made from.
set -eu
src=$1 build=$2 sim=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0

# "Simulator S,0,B GAMES RTP LOW HIGH HIT" for the settings and games of the docs' line.
simulate() {
    "$sim" rtp --games "$2" --fortune "$1" --json 2>/dev/null | python3 -c '
import json, sys
r = json.load(sys.stdin)
print("Simulator %s %s %.2f %.2f %.2f %.2f" % (sys.argv[1], sys.argv[2], r["rtp"] * 100, r["rtp_ci95"][0] * 100,
                                                r["rtp_ci95"][1] * 100, r["hit_frequency"] * 100))' "$1" "$2"
}

for kept in "$src"/docs/screens/*.figures; do
    [ -e "$kept" ] || { echo "FAIL: no figures in docs/screens: run make screens" >&2; exit 1; }
    name=$(basename "$kept")
    taken=$(find "$build" -name "$name" | head -n 1)
    if [ -z "$taken" ]; then
        echo "FAIL: no window test takes ${name%.figures}.png any more" >&2
        fail=1
        continue
    fi
    cp "$taken" "$tmp/build"
    if line=$(grep '^Simulator .* unavailable$' "$tmp/build"); then
        games=$(awk '$1 == "Simulator" {print $3}' "$kept")
        fortune=$(echo "$line" | awk '{print $2}')
        if [ -n "$games" ] && [ "$games" != unavailable ]; then
            # one run for each setting, however many screenshots show it
            [ -f "$tmp/sim-$fortune-$games" ] || simulate "$fortune" "$games" >"$tmp/sim-$fortune-$games"
            sed -i "s/^Simulator .*/$(cat "$tmp/sim-$fortune-$games")/" "$tmp/build"
        fi
    fi
    if ! diff "$kept" "$tmp/build" >/dev/null; then
        echo "FAIL: docs/screens/${name%.figures}.png no longer matches the build (run make screens):" >&2
        diff "$kept" "$tmp/build" | sed -n 's/^< /  docs:  /p; s/^> /  build: /p' >&2
        fail=1
    fi
done
[ "$fail" = 0 ] && echo "docs screens: the figures match"
exit "$fail"
