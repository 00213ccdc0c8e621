#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source, script and CMake file names its licence in an SPDX line at its top, in its
# own comment syntax: C++ sources and headers (*.cpp, *.h), CMake files (CMakeLists.txt,
# *.cmake) and shell scripts (*.sh) on their first line; every file that starts with #! on
# its second; the manual page's roff source (*.1.in) on its first. Driver scripts (*.drive)
# go without: their transcripts quote their own line numbers. The files are those git
# tracks (every file outside build folders without git).
#     spdx_lines.sh SOURCE_DIR          lists the files without the line; fails if there are any
#     spdx_lines.sh --add SOURCE_DIR    adds the line to each file that lacks it
set -euo pipefail
identifier='SPDX-License-Identifier: GPL-3.0-or-later'
add=0
[[ $1 == --add ]] && add=1 && shift
cd "$1"

# "LINE TEXT": where a file's SPDX line goes and how it reads; nothing for other files
expected() {
    if [[ $(head -c2 "$1" | tr -d '\0') == '#!' ]]; then
        echo "2 # $identifier"
        return
    fi
    case ${1##*/} in
    *.cpp | *.h) echo "1 // $identifier" ;;
    CMakeLists.txt | *.cmake | *.sh) echo "1 # $identifier" ;;
    *.[1-9].in) echo "1 .\\\" $identifier" ;;
    esac
}

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files)
else
    mapfile -t files < <(find . \( -name .git -o -name 'build*' \) -prune -o -type f -print | sed 's|^\./||')
fi

missing=()
for file in "${files[@]}"; do
    [[ -f $file ]] || continue
    want=$(expected "$file")
    [[ -n $want ]] || continue
    line=${want%% *} text=${want#* }
    [[ $(sed -n "${line}p" "$file") == "$text" ]] && continue
    if ((add)) && ! grep -qxF "$text" "$file"; then
        { head -n $((line - 1)) "$file" && echo "$text" && tail -n "+$line" "$file"; } >"$file.spdx"
        # a new file in its place: a script keeps running from the old one, as this one does
        chmod --reference="$file" "$file.spdx" && mv "$file.spdx" "$file"
    else
        missing+=("$file (line $line: $text)")
    fi
done
((${#missing[@]} == 0)) || { printf 'lacks the SPDX line at its top: %s\n' "${missing[@]}" >&2; exit 1; }
echo "every source, script and CMake file names its licence"
