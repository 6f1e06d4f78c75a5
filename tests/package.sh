#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Maroleta developers
# Builds the Debian package of a build tree with CPack and checks it: its control fields and contents,
# lintian and appstreamcli when they are installed, that its maintainer scripts register and remove the
# very language sets it ships, and that the unpacked program, started offscreen through its /usr/bin
# link, reads every file of its texts from the idioma folder beside its real path.
# The version and the identity settings are those the build was configured with.
# Usage: package.sh path/to/cpack build-dir source-dir version maintainer homepage appstream-id
set -uo pipefail

cpack=$1
build=$2
source=$3
version=$4
maintainer=$5
homepage=$6
app_id=$7
source "$(dirname "$0")/common.sh"
need dpkg-deb dpkg-shlibdeps strace
work=$(mktemp -d)
trap 'kill "${app_pid:-}" 2>/dev/null; rm -rf "$work"' EXIT

out=$build/package
rm -rf "$out"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
rm -rf "$out/_CPack_Packages"
deb=$out/maroleta_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$out"; echo "FAIL: no $deb"; exit 1; }
echo "built $deb"

# Control fields: the version of the build, the Qt libraries found by dpkg-shlibdeps, the font by hand, and
# a voice for reading aloud recommended.
dpkg-deb --info "$deb"
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || fail "Version is not $version"
[ "$(dpkg-deb --field "$deb" Maintainer)" = "$maintainer" ] || fail "Maintainer is not $maintainer"
[ "$(dpkg-deb --field "$deb" Homepage)" = "$homepage" ] || fail "Homepage is not $homepage"
depends=$(dpkg-deb --field "$deb" Depends)
for needed in 'libqt6widgets6 (' 'libqt6texttospeech6 (' 'libc6 (' fonts-liberation; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb --field "$deb" Recommends)" = "qt6-speech-speechd-plugin, speech-dispatcher, espeak-ng" ] ||
    fail "Recommends is not the speech plugin, speech-dispatcher and espeak-ng"

# Contents: everything owned by root, the command a relative link to the program, and nothing at the
# alternative's own place.
dpkg-deb --contents "$deb" >"$work/contents"
while read -r line; do fail "not owned by root: $line"; done < <(grep -v ' root/root ' "$work/contents")
grep -q '^-rwxr-xr-x .* \./usr/lib/maroleta/maroleta$' "$work/contents" || fail "no program in /usr/lib/maroleta"
grep -q ' \./usr/bin/maroleta -> \.\./lib/maroleta/maroleta$' "$work/contents" || fail "no /usr/bin/maroleta link"
grep -q ' \./usr/lib/maroleta/idioma' "$work/contents" && fail "the package ships /usr/lib/maroleta/idioma itself"
for path in usr/share/applications/maroleta.desktop usr/share/icons/hicolor/scalable/apps/maroleta.svg \
    usr/share/man/man1/maroleta.1.gz usr/share/doc/maroleta/copyright usr/share/doc/maroleta/changelog.gz; do
    grep -q " \./$path\$" "$work/contents" || fail "no /$path"
done

if command -v lintian >/dev/null; then
    lintian --fail-on error --display-level '>=warning' "$deb" || fail "lintian"
else
    echo "lintian is not installed: not run"
fi

root=$(realpath "$work")/root
dpkg-deb -x "$deb" "$root"
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
[ "${metainfo[*]}" = "$root/usr/share/metainfo/$app_id.metainfo.xml" ] || fail "the metainfo is not $app_id's alone"
grep -q "<id>$app_id</id>" "${metainfo[@]}" || fail "the metainfo's id is not $app_id"
grep -q "<release version=\"$version\"" "${metainfo[@]}" || fail "the metainfo's release is not $version"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "${metainfo[@]}" || fail "appstreamcli validate"
    appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
else
    echo "appstreamcli is not installed: not run"
fi
command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/maroleta.desktop")
[ -x "$root/usr/bin/$command" ] || fail "the desktop entry starts '$command', not in /usr/bin"

# Each set of the repository, shipped unchanged as /usr/share/maroleta/languages/<code>/idioma.
sets=$root/usr/share/maroleta/languages
diff -r "$source/idioma" "$sets/es/idioma" || fail "the Spanish set differs"
for set in "$source"/languages/*/idioma; do
    code=$(basename "$(dirname "$set")")
    diff -r "$set" "$sets/$code/idioma" || fail "the set $code differs"
done

# The maintainer scripts, with update-alternatives recording what it is asked: the postinst registers
# every shipped set for /usr/lib/maroleta/idioma, Spanish above the rest; the prerm takes each one out.
dpkg-deb --control "$deb" "$work/control"
mkdir "$work/bin"
printf '#!/bin/sh\necho "$*" >>"%s"\n' "$work/alternatives" >"$work/bin/update-alternatives"
chmod +x "$work/bin/update-alternatives"
PATH=$work/bin:$PATH sh "$work/control/postinst" configure || fail "postinst configure"
PATH=$work/bin:$PATH sh "$work/control/prerm" remove || fail "prerm remove"
registered=$(awk '$1 == "--install" && $2 == "/usr/lib/maroleta/idioma" && $3 == "maroleta-idioma" { print $4 }' \
    "$work/alternatives" | sort)
removed=$(awk '$1 == "--remove" && $2 == "maroleta-idioma" { print $3 }' "$work/alternatives" | sort)
shipped=$(cd "$root" && find usr/share/maroleta/languages -mindepth 2 -maxdepth 2 -name idioma -printf '/%p\n' | sort)
[ "$registered" = "$shipped" ] || fail "the postinst registers '$registered', the package ships '$shipped'"
[ "$removed" = "$shipped" ] || fail "the prerm removes '$removed', the package ships '$shipped'"
default=$(awk '$1 == "--install" { print $5, $4 }' "$work/alternatives" | sort -n | tail -n 1 | cut -d' ' -f2)
[ "$default" = /usr/share/maroleta/languages/es/idioma ] || fail "the default set is '$default'"

# The alternative as update-alternatives sets it up, inside the unpacked tree. The program, started
# through its link, must open its files there (the start-up reads menu.txt and most others; the keypad
# and the results window read theirs when they are first opened), and none of them may be missing.
ln -s "$root$default" "$root/usr/lib/maroleta/idioma"
log=$work/strace.log
# Without a display, so that no D-Bus session is started for it that strace would wait for.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen timeout 60 strace -f -qq -e trace=open,openat \
    -o "$log" sh -c 'echo $$ >"$0"; exec "$1"' "$work/pid" "$root/usr/bin/maroleta" &
idioma=$root/usr/lib/maroleta/idioma
for _ in $(seq 300); do
    grep -qF "\"$idioma/menu.txt\"" "$log" 2>/dev/null && break
    sleep 0.1
done
sleep 1
app_pid=$(cat "$work/pid")
kill "$app_pid" 2>/dev/null
wait
app_pid=
opened=$(grep -F "\"$idioma/" "$log")
echo "$opened"
grep -qE "\"$idioma/menu\.txt\", [^)]*\) = [0-9]+$" <<<"$opened" || fail "the program did not read its menu.txt"
grep -E ' = -1 ' <<<"$opened" && fail "the program missed some of its files"

echo "$failures failures"
[ "$failures" -eq 0 ]
