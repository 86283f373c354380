#!/bin/sh
# The docs' screenshots show what the build shows: each docs/screens/NAME.figures (the money on the
# field when `make screens` took NAME.png) must equal the NAME.figures the window tests wrote when
# they took the same screenshot with this build.
set -eu
src=$1 build=$2
fail=0
for kept in "$src"/docs/screens/*.figures; do
    [ -e "$kept" ] || { echo "FAIL: no figures in docs/screens: run make screens" >&2; exit 1; }
    name=$(basename "$kept")
    taken=$(find "$build" -name "$name" | head -n 1)
    if [ -z "$taken" ]; then
        echo "FAIL: no window test takes ${name%.figures}.png any more" >&2
        fail=1
    elif ! diff "$kept" "$taken" >/dev/null; then
        echo "FAIL: docs/screens/${name%.figures}.png no longer matches the build (run make screens):" >&2
        diff "$kept" "$taken" | sed -n 's/^< /  docs:  /p; s/^> /  build: /p' >&2
        fail=1
    fi
done
[ "$fail" = 0 ] && echo "docs screens: the figures match"
exit "$fail"
