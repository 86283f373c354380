#!/bin/sh
# Builds the Debian package from the package build and checks it: name, control fields, the same
# files as an install, lintian, and that every library the programs load belongs to a package it
# depends on, directly or through those packages' own dependencies, so that it installs and
# starts on a system that has none of the build dependencies.
set -eu
src=$1 version=$2
build=$src/build/package
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -f "$build"/vortala_*.deb
(cd "$build" && cpack >"$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log" >&2; fail "cpack"; }
deb=$build/vortala_${version}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$build"/*.deb 2>/dev/null)"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vortala ] && [ "$(field Version)" = "$version" ] || fail "package name or version"
[ "$(field Section)" = games ] || fail "section $(field Section)"
[ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || fail "no maintainer or description"

# The package holds exactly what an install puts under /usr.
DESTDIR=$tmp/root cmake --install "$build" --prefix /usr >/dev/null
(cd "$tmp/root" && find . ! -type d | sort) >"$tmp/installed"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$tmp/packaged"
diff "$tmp/installed" "$tmp/packaged" >&2 || fail "the package and an install differ"
! dpkg-deb -c "$deb" | awk '{print $2}' | grep -v '^root/root$' || fail "files not owned by root"

lintian --fail-on error,warning "$deb" 2>"$tmp/lintian.err" || { cat "$tmp/lintian.err" >&2; fail "lintian"; }

# Libraries: the programs' own (NEEDED) come from packages named in Depends; everything ldd
# loads comes from the installed closure of those packages.
depends=$(field Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g' | grep -v '^$' | sort -u)
dpkg-query -W -f='${Package} ${db:Status-Abbrev}|${Depends}, ${Pre-Depends}\n' >"$tmp/installed-packages"
closure=$(echo "$depends" | awk -v db="$tmp/installed-packages" '
    BEGIN {
        while ((getline line < db) > 0) {
            split(line, part, "|")
            split(part[1], head, " ")
            if (head[2] != "ii") continue
            deps = part[2]
            gsub(/\([^)]*\)|:any| /, "", deps)
            gsub(/\|/, ",", deps)
            needs[head[1]] = deps
        }
    }
    { todo[++n] = $1 }
    END {
        for (i = 1; i <= n; i++) {
            p = todo[i]
            if (p in seen || !(p in needs)) continue
            seen[p] = 1
            print p
            m = split(needs[p], list, ",")
            for (j = 1; j <= m; j++) if (list[j] != "") todo[++n] = list[j]
        }
    }')
dpkg-deb -x "$deb" "$tmp/x"
for program in "$tmp"/x/usr/games/*; do
    ldd "$program" >"$tmp/ldd-$(basename "$program")" || fail "ldd $(basename "$program")"
done
! grep "not found" "$tmp"/ldd-* || fail "the programs need libraries that are not there"
# One dpkg -S for every library, under each name the merged /usr gives it.
awk '$2 == "=>" {print $3}' "$tmp"/ldd-* | sort -u >"$tmp/libraries"
while read -r library; do
    for path in "$library" "$(readlink -f "$library")"; do echo "$path ${path#/usr} /usr$path"; done
done <"$tmp/libraries" | tr ' ' '\n' | sort -u >"$tmp/paths"
dpkg -S $(cat "$tmp/paths") 2>/dev/null | sed 's/^\([^:,]*\)[^ ]* \(.*\)/\2 \1/' >"$tmp/owners" || true
owner() {
    for path in "$1" "$(readlink -f "$1")"; do
        for name in "$path" "${path#/usr}" "/usr$path"; do
            awk -v p="$name" '$1 == p {print $2; found = 1; exit} END {exit !found}' "$tmp/owners" && return 0
        done
    done
    return 1
}
for program in "$tmp"/x/usr/games/*; do
    name=$(basename "$program")
    for library in $(awk '$2 == "=>" {print $3}' "$tmp/ldd-$name"); do
        package=$(owner "$library") || fail "no package holds $library ($name)"
        echo "$closure" | grep -qx "$package" || fail "$name loads $library from $package, which the package does not pull in"
    done
    for soname in $(objdump -p "$program" | awk '$1 == "NEEDED" {print $2}'); do
        library=$(awk -v s="$soname" '$1 == s {print $3}' "$tmp/ldd-$name")
        package=$(owner "$library") || fail "no package holds $soname"
        echo "$depends" | grep -qx "$package" || fail "$name needs $soname from $package, not in Depends"
    done
done
echo "debian package: ok ($(basename "$deb"), $(echo "$closure" | wc -l) packages in its dependency closure)"
