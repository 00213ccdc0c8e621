#!/usr/bin/env bash
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

# the face the windows are laid out for comes along unless the installer declines it
[[ $(field Recommends) == fonts-liberation2 ]] || fail "Recommends: $(field Recommends)"

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
expected=$(printf '%s\n' ./usr/bin/sumbrook "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    $(for s in 16 32 48 64 128 256; do echo "./usr/share/icons/hicolor/${s}x$s/apps/$id.png"; done) | sort)
[[ $files == "$expected" ]] || fail "files differ: $(diff <(printf '%s\n' "$expected") <(printf '%s\n' "$files"))"
echo "Depends: $depends"
