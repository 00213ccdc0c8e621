#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh folder and checks what a desktop finds there: the files,
# the icon sizes, the desktop entry and the metainfo (both through their validators), and
# the program's own options.
#     installed_files.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

expected=(
    bin/sumbrook
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    share/doc/sumbrook/copyright
    share/doc/sumbrook/changelog.gz
    share/man/man1/sumbrook.1.gz
)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
done
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
[[ $actual == "$(printf '%s\n' "${expected[@]}" | sort)" ]] ||
    fail "installed files differ: $(diff <(printf '%s\n' "${expected[@]}" | sort) <(printf '%s\n' "$actual"))"

# a PNG's width and height are the big-endian words at bytes 16 and 20
for size in 16 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [[ $dims == "${size}x$size" ]] || fail "$png is $dims"
done

grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
metainfo=$prefix/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli: $(appstreamcli validate --no-net "$metainfo")"
# strictly, only <developer> may be noted: the appstream of Debian 12 (0.16) predates it
findings=$(appstreamcli validate --no-net --strict "$metainfo" | grep -E '^[EWI]: ' | grep -v ': unknown-tag developer$' || true)
[[ -z $findings ]] || fail "appstreamcli --strict: $findings"
for want in "<id>$id</id>" "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "<category>Education</category>" "<category>Math</category>" \
    "<release version=\"$version\"" "<content_rating type=\"oars-1.1\"/>" \
    "<project_license>GPL-3.0-or-later</project_license>" "<developer id=\"${id%.*}\">" \
    "<name>The Sumbrook developers</name>"; do
    grep -qF "$want" "$metainfo" || fail "the metainfo lacks $want"
done
(($(grep -c '<screenshot' "$metainfo") == 3)) || fail "two screenshots expected"

# --version and --help print alone, with no GUI application: no display, no platform plugin
# (one that does not exist would end a GUI application), no runtime folder, nothing on stderr
bare=(env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=no-such-platform
    "$prefix/bin/sumbrook")
export LANGUAGE=en # the texts below are English, whatever the machine's language
for option in --version -v; do
    [[ $("${bare[@]}" $option 2>&1) == "Sumbrook $version" ]] || fail "$option: $("${bare[@]}" $option 2>&1)"
done
for option in --help -h; do
    help=$("${bare[@]}" $option 2>&1) || fail "$option: $help"
    [[ $help == Usage:*--version* ]] || fail "$option: $help"
done
# the language: the desktop's, or the one --language names; one the program has no translation
# for is said once on stderr, and the program goes on in English
[[ $(LANGUAGE=de "${bare[@]}" --help 2>&1) == Aufruf:*--language* ]] || fail "LANGUAGE=de --help is not German"
[[ $("${bare[@]}" --language de --help 2>&1) == Aufruf:* ]] || fail "--language de --help is not German"
unknown=$("${bare[@]}" --language xx --version 2>&1 >/dev/null)
[[ $unknown == *xx* && $(wc -l <<<"$unknown") == 1 ]] || fail "--language xx: $unknown"
[[ $("${bare[@]}" --language xx --version 2>/dev/null) == "Sumbrook $version" ]] || fail "--language xx ends"
export QT_QPA_PLATFORM=offscreen
help=$("$prefix/bin/sumbrook" --help 2>/dev/null)
grep -q -- '--version' <<<"$help" && grep -q -- '--help' <<<"$help" || fail "--help: $help"
if "$prefix/bin/sumbrook" --no-such-option >/dev/null 2>&1; then fail "an unknown option is taken"; fi
# Qt's own options are still understood
[[ $("$prefix/bin/sumbrook" -platform offscreen -style fusion --version 2>/dev/null) == "Sumbrook $version" ]] ||
    fail "Qt's options are refused"

# the manual page renders without a complaint and describes every option --help lists
manual=$prefix/share/man/man1/sumbrook.1.gz
warnings=$(MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null) && [[ -z $warnings ]] || fail "man: $warnings"
page=$(MANWIDTH=80 man -l "$manual")
for want in 'sumbrook - help with school maths homework' "Sumbrook $version" 'FILES'; do
    grep -qF -- "$want" <<<"$page" || fail "the manual page lacks $want"
done
for option in $(grep -oE -- '--[a-z-]+' <<<"$help" | sort -u); do
    grep -qF -- "$option" <<<"$page" || fail "the manual page lacks $option"
done
echo "installed files, icons, desktop entry, metainfo and options are as they should be"
