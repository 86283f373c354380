#!/bin/bash
# The exact PAR sheet of the default settings, docs/PAR.md, from every state of the generator.
#
# The 2^32 states run as 16 shards in turn, each written to build/par/shard-K.json; a shard
# already written is kept, so the script can be stopped and run again and goes on where it
# stopped. The shards are merged, a 10^9-game rtp run is set beside them (kept likewise), and
# the sheet is written as docs/PAR.md (plots beside it) and build/par/par.html.
#
#   tools/par-sheet.sh                       # everything, at low priority, on every core
#   PAR_DIR=/scratch/par tools/par-sheet.sh  # the shards somewhere else
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sim=${VORTALA_SIM:-$root/build/release/vortala-sim}
out=${PAR_DIR:-$root/build/par}
mkdir -p "$out"
for k in $(seq 1 16); do
    [ -s "$out/shard-$k.json" ] && continue
    echo "shard $k of 16, $(date -u +%H:%M:%S), $(uptime)" >&2
    nice -n 10 "$sim" par --shard "$k/16" --json >"$out/shard-$k.json.part"
    mv "$out/shard-$k.json.part" "$out/shard-$k.json"
done
"$sim" merge --json "$out"/shard-{1..16}.json >"$out/par.json"
if [ ! -s "$out/rtp.json" ]; then
    nice -n 10 "$sim" rtp --games 1000000000 --json >"$out/rtp.json.part"
    mv "$out/rtp.json.part" "$out/rtp.json"
fi
nice -n 10 "$sim" par --load "$out/par.json" --compare "$out/rtp.json" --sweep 4194304 \
    --markdown "$root/docs/PAR.md" --html "$out/par.html"
