#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package into a fresh folder and checks its control fields and its files.
#     debian_package.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
log=$(cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" 2>&1) || { echo "$log" >&2; exit 1; }
debs=("$out"/sumbrook_*.deb)
((${#debs[@]} == 1)) && [[ -f ${debs[0]} ]] || { echo "FAIL: no package in $out" >&2; exit 1; }
deb=${debs[0]}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
field() { dpkg-deb -f "$deb" "$1"; }

[[ $(field Package) == sumbrook ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version)"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
# computed from the program's libraries, so the Qt libraries and the C library are there
packages=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libstdc++6; do
    grep -qxF "$library" <<<"$packages" || fail "Depends lacks $library: $depends"
done

# the face the windows are laid out for, and Wayland's platform plugin, come along unless the
# installer declines them
[[ $(field Recommends) == "fonts-liberation2, qt6-wayland, qt6-translations-l10n" ]] || fail "Recommends: $(field Recommends)"

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
expected=$(printf '%s\n' ./usr/bin/sumbrook "./usr/share/applications/$id.desktop" \
    ./usr/share/doc/sumbrook/copyright ./usr/share/doc/sumbrook/changelog.gz \
    ./usr/share/man/man1/sumbrook.1.gz \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    $(for s in 16 32 48 64 128 256; do echo "./usr/share/icons/hicolor/${s}x$s/apps/$id.png"; done) | sort)
[[ $files == "$expected" ]] || fail "files differ: $(diff <(printf '%s\n' "$expected") <(printf '%s\n' "$files"))"

# Debian's own checker: no error, no warning
lintian=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $lintian"

unpacked=$out/unpacked
dpkg-deb -x "$deb" "$unpacked"
doc=$unpacked/usr/share/doc/sumbrook
# a native package's changelog is a Debian changelog, and its latest entry is this version
zcat "$doc/changelog.gz" >"$out/changelog"
changelog=$(dpkg-parsechangelog -l "$out/changelog" -S Version 2>&1) || fail "changelog: $changelog"
[[ $changelog == "$version" ]] || fail "the changelog's latest entry is $changelog"
# the machine-readable copyright: its header, and the licence of every file
for want in 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    'Upstream-Name: Sumbrook' 'Source: http' 'Files: \*' 'Copyright: [0-9]{4}.* The Sumbrook developers' \
    'License: GPL-3\+' ' version 3 can be found in "/usr/share/common-licenses/GPL-3".'; do
    grep -qE "^$want" "$doc/copyright" || fail "the copyright lacks $want"
done
echo "Depends: $depends"
