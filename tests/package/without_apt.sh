#!/bin/sh
# A system without apt: with apt-get and dpkg hidden from PATH, `make install` goes straight to
# cmake and installs the game, and so does the plain route the README gives for other systems
# (cmake -S . -B build && cmake --build build && cmake --install build).
set -eu
src=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Every program of PATH but the Debian package tools, each as a link in one folder.
mkdir "$tmp/bin"
IFS=:
for dir in $PATH; do
    [ -d "$dir" ] || continue
    for program in "$dir"/*; do
        name=${program##*/}
        case $name in apt | apt-get | apt-cache | dpkg | dpkg-query | dpkg-deb) continue ;; esac
        [ -x "$program" ] && [ ! -e "$tmp/bin/$name" ] && ln -s "$program" "$tmp/bin/$name"
    done
done
unset IFS
PATH=$tmp/bin
! command -v apt-get >/dev/null && ! command -v dpkg-query >/dev/null || fail "apt-get or dpkg is still on PATH"

# make install, on the package build the fixture made.
make -C "$src" install PREFIX=/usr DESTDIR="$tmp/make" >"$tmp/make.log" 2>&1 || { cat "$tmp/make.log" >&2; fail "make install"; }
grep -q "No apt-get or dpkg here" "$tmp/make.log" || fail "make install did not say it goes on without apt"
! grep -q "not found" "$tmp/make.log" || fail "make install: $(grep "not found" "$tmp/make.log")"
[ -x "$tmp/make/usr/games/vortala" ] && [ -f "$tmp/make/usr/share/games/vortala/manual/index.html" ] ||
    fail "make install left no game or no manual"

# The plain route, the game and its tools alone (GoogleTest is the tests' business).
export CMAKE_CXX_COMPILER_LAUNCHER="$(command -v ccache || true)"
{ cmake -S "$src" -B "$tmp/build" -DVORTALA_TESTS=OFF -DVORTALA_BENCH=OFF &&
    cmake --build "$tmp/build" -j 2 && DESTDIR="$tmp/plain" cmake --install "$tmp/build"; } >"$tmp/plain.log" 2>&1 ||
    { tail -n 30 "$tmp/plain.log" >&2; fail "the plain cmake route"; }
game=$tmp/plain/usr/local/games/vortala
[ -x "$game" ] || fail "the plain route installed no game under /usr/local/games"
[ "$("$game" --version)" = "$("$tmp/make/usr/games/vortala" --version)" ] || fail "the two installs differ in version"
echo "without apt: ok"
