#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes CHANGELOG.md as a Debian changelog, the form a native package's changelog is read in:
# one entry per "## VERSION (YYYY-MM-DD)" heading, its paragraphs indented and its list items
# starred, all wrapped within 80 columns, closed by the maintainer and the release day.
#     debian_changelog.sh CHANGELOG.md "NAME <ADDRESS>" OUTPUT
set -euo pipefail
source=$1 maintainer=$2 output=$3

stamp='' gap=0 block='' lead=''

# writes the paragraph or list item gathered so far, after a blank line where one was
flush() {
    [[ -n $block ]] || return 0
    ((gap)) && echo
    gap=0
    local indent="  $lead" wrapped
    while IFS= read -r wrapped; do
        echo "$indent$wrapped"
        indent="  ${lead//?/ }"
    done < <(fmt -w $((78 - ${#lead})) <<<"$block")
    block=''
}

trailer() { printf '\n -- %s  %s\n' "$maintainer" "$stamp"; }

convert() {
    local line
    while IFS= read -r line || [[ -n $line ]]; do
        if [[ $line =~ ^'## '([^ ]+)' ('([0-9]{4}-[0-9]{2}-[0-9]{2})')'$ ]]; then
            flush
            [[ -z $stamp ]] || { trailer && echo; }
            printf 'sumbrook (%s) unstable; urgency=medium\n' "${BASH_REMATCH[1]}"
            stamp=$(date -uR -d "${BASH_REMATCH[2]}")
            gap=1
        elif [[ -z $stamp ]]; then
            continue # the title above the first release
        elif [[ -z $line ]]; then
            flush
            gap=1
        elif [[ $line == '- '* ]]; then
            flush
            lead='* ' block=${line#- }
        else
            [[ -n $block ]] && block+=' ' || lead=''
            block+=${line#"${line%%[! ]*}"}
        fi
    done <"$source"
    flush
    [[ -n $stamp ]] || { echo "$source has no '## VERSION (YYYY-MM-DD)' heading" >&2; return 1; }
    trailer
}

convert >"$output.new" || { rm -f "$output.new" && exit 1; }
mv "$output.new" "$output"
