#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What pasting a long list into the statistics window's box `n` and answering costs through
# the driver, against a bare QLineEdit pasting the same text and painting once, counted in
# instructions under callgrind (repeatable on a busy machine, unlike wall time); and what one
# paint of the box costs, as for a caret blink, with a million values (against a bare
# QLineEdit's).
#
#   bench/paste_cost.sh [BUILD_DIR] [VALUES ...]     # defaults: build 100000 1000000
#
# Each cost is the difference of two runs, one without the paste, so start-up and opening
# the window cancel out. A million values take some minutes under callgrind.
set -euo pipefail
build=$(realpath "${1:-build}")
shift || true
counts=("${@:-100000}")
(($# > 0)) || counts=(100000 1000000)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# instructions a program runs under callgrind (callgrind's options first, then the program)
instructions() {
    local options=()
    while [[ $1 == --* ]]; do options+=("$1"); shift; done
    valgrind --tool=callgrind --callgrind-out-file="$work/cg.out" "${options[@]}" "$@" \
        >"$work/out" 2>"$work/cg.log" || { echo "paste_cost: $* failed" >&2; exit 1; }
    sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p' "$work/cg.log"
}

# a list of whole numbers 1 .. 999, the same each run
values() {
    awk -v n="$1" 'BEGIN { x = 12345; for (i = 1; i <= n; i++) {
        x = (x * 1103 + 12345) % 65536; printf "%s%d", (i > 1 ? " " : ""), x % 999 + 1 }
        print "" }' >"$work/values.txt"
}

printf 'click Form1.Command4\n' >"$work/open.drive"
printf 'click Form1.Command4\npaste-file Form5.n "values.txt"\nclick Form5.Command2\n' \
    >"$work/answer.drive"

echo "values      box: paste+answer   bare: paste+paint   ratio (target <= 1.3)"
for n in "${counts[@]}"; do
    values "$n"
    box=$(($(instructions "$build/sumbrook-drive" "$work/answer.drive") -
           $(instructions "$build/sumbrook-drive" "$work/open.drive")))
    bare=$(($(instructions "$build/sumbrook-bare-paste" "$work/values.txt") -
            $(instructions "$build/sumbrook-bare-paste")))
    printf '%-11s %17d %19d   %.2f\n' "$n" "$box" "$bare" "$(awk -v a="$box" -v b="$bare" 'BEGIN { print a / b }')"
done

# one paint, as at a blink of the caret: the instructions inside paintOnce, per iteration
echo "one paint of a million values: instructions"
for benchmark in BoxPaint BareLineEditPaint; do
    total=$(instructions --toggle-collect='paintOnce*' "$build/sumbrook-bench" \
        --benchmark_filter="^$benchmark/1000000\$" --benchmark_min_time=0)
    iterations=$(awk -v b="$benchmark/1000000" '$1 == b { print $6 }' "$work/out")
    printf '%-18s %12d\n' "$benchmark" $((total / iterations))
done
