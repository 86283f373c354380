#!/bin/sh
# Installs the package build into a temporary DESTDIR and checks what a desktop makes of it: the
# tree, the menu entry, the AppStream data, the icons, the manual pages; then runs the installed
# game from an empty folder with a fresh home and checks it found its assets and wrote only to
# the user's XDG folders.
set -eu
src=$1
build=$src/build/package
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$tmp/root cmake --install "$build" --prefix /usr >/dev/null
[ "$(ls "$tmp/root")" = usr ] || fail "something was installed outside the prefix"
usr=$tmp/root/usr
for file in games/vortala games/vortala-sim share/applications/vortala.desktop \
    share/metainfo/example.orvexa.vortala.metainfo.xml share/icons/hicolor/scalable/apps/vortala.svg \
    share/man/man6/vortala.6.gz share/man/man6/vortala-sim.6.gz share/doc/vortala/copyright \
    share/doc/vortala/changelog.gz share/doc/vortala/CREDITS.md share/doc/vortala/LICENSE \
    share/doc/vortala/licenses/CC-BY-3.0.txt; do
    [ -f "$usr/$file" ] || fail "$file is not installed"
done
[ -x "$usr/games/vortala" ] && [ -x "$usr/games/vortala-sim" ] || fail "the programs are not executable"
manual=$usr/share/games/vortala/manual/index.html
[ -f "$manual" ] || fail "the player's manual is not installed with the game's data"
[ "$(readlink "$usr/share/doc/vortala/manual")" = ../../games/vortala/manual ] &&
    [ -f "$usr/share/doc/vortala/manual/index.html" ] || fail "share/doc/vortala/manual does not lead to the manual"
! grep -rlF "$build" "$tmp/root" || fail "installed files refer to the build folder"
! grep -rlF "$src/docs" "$tmp/root" || fail "installed files refer to the source tree"

# Each theme icon has the size its folder says (width and height from the PNG header).
for size in 16 24 32 48 64 128 256 512; do
    png=$usr/share/icons/hicolor/${size}x$size/apps/vortala.png
    [ -f "$png" ] || fail "no ${size}px icon"
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3 * 256 + $4, $7 * 256 + $8}')
    [ "$dims" = "$size $size" ] || fail "the ${size}px icon measures $dims"
done

desktop-file-validate "$usr/share/applications/vortala.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr/share/metainfo/example.orvexa.vortala.metainfo.xml" >"$tmp/as.log" 2>&1 ||
    { cat "$tmp/as.log" >&2; fail "appstreamcli validate"; }
grep -q '<launchable type="desktop-id">vortala.desktop</launchable>' "$usr/share/metainfo/"*.xml ||
    fail "the metainfo does not launch vortala.desktop"
for page in vortala vortala-sim; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$usr/share/man/man6/$page.6.gz" 2>&1 >"$tmp/page")
    [ -z "$warnings" ] || fail "man $page: $warnings"
    grep -q "^NAME" "$tmp/page" || fail "man $page renders no NAME section"
done

# The installed game, with nothing but a home: its pictures are inside it, its files go to
# ~/.config and ~/.local/share, nothing to the current folder or beside the program. It finds its
# manual without /usr/share/doc, which a system may leave out (a stand-in xdg-open notes the file).
mkdir -p "$tmp/home" "$tmp/cwd" "$tmp/bin"
printf '#!/bin/sh\necho "$1" >"%s/opened"\n' "$tmp" >"$tmp/bin/xdg-open"
chmod +x "$tmp/bin/xdg-open"
rm -r "$usr/share/doc"
cat >"$tmp/play.vsim" <<'SCRIPT'
key Insert
settle
expect Credit 100
sdlkey F1
sdlkey F1
wait 1000
close
expectdialog AboutBox1
sdlkey Escape
SCRIPT
find "$tmp/root" | sort >"$tmp/before"
(cd "$tmp/cwd" && env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$tmp/home" PATH="$tmp/bin:$PATH" SDL_VIDEODRIVER=offscreen \
    SDL_AUDIODRIVER=dummy VORTALA_NO_DIALOGS=1 MESA_SHADER_CACHE_DISABLE=true \
    "$usr/games/vortala" --script "$tmp/play.vsim") >"$tmp/run.log" 2>&1 || { cat "$tmp/run.log" >&2; fail "the installed game"; }
! grep -i "error\|couldn't" "$tmp/run.log" || fail "the installed game reported errors"
find "$tmp/root" | sort | cmp -s - "$tmp/before" || fail "the game wrote into its installed tree"
[ -z "$(ls -A "$tmp/cwd")" ] || fail "the game wrote into the current folder: $(ls -A "$tmp/cwd")"
[ "$(cat "$tmp/opened" 2>/dev/null)" = "$manual" ] || fail "F1 F1 did not open $manual"
[ -f "$tmp/home/.config/orvexa/vortala.ini" ] || fail "no settings in ~/.config/orvexa"
[ -f "$tmp/home/.local/share/Orvexa/Vortala/stat.log" ] || fail "no log in ~/.local/share/Orvexa/Vortala"
elsewhere=$(cd "$tmp/home" && find . -type f ! -path './.config/orvexa/*' ! -path './.local/share/Orvexa/Vortala/*')
[ -z "$elsewhere" ] || fail "the game wrote outside its XDG folders: $elsewhere"
echo "install tree: ok"
