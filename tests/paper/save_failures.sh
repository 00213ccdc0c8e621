#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Saving never leaves half a file: the working's PDF and the figure's SVG and PNG, written
# into a folder that cannot be (a path inside a regular file) or onto a full disk (a file
# size limit), give the window's message naming the file or the driver's error line, and a
# file that was there before keeps its bytes, with nothing left beside it.
#     save_failures.sh DRIVER
set -uo pipefail
driver=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# runs the script on standard input through the driver; the transcript in $work/out
drive() { "$driver" > "$work/out" 2>/dev/null; }
solved='click Form1.Command1
type Form2.A "1"
type Form2.B "-3"
type Form2.C "2"
click Form2.Command1'

# a folder that is a regular file
echo "not a folder" > "$work/file"
drive <<END
$solved
save-working Form2 "$work/file/working.pdf"
print Form2 "$work/file/printed.pdf"
save-figure Form2 "$work/file/figure.svg"
END
grep -qxF "message \"The working could not be saved as $work/file/working.pdf.\"" "$work/out" ||
    fail "no message naming the file for an unwritable folder: $(cat "$work/out")"
grep -qxF 'message "The working could not be printed."' "$work/out" ||
    fail "no message for a printer that cannot print: $(cat "$work/out")"
grep -q "^error .*cannot save \"$work/file/figure.svg\"" "$work/out" ||
    fail "no error line for a figure in an unwritable folder: $(cat "$work/out")"

# a full disk: a file may grow to 4 KiB, and each of these files is larger
mkdir "$work/full"
for name in working.pdf figure.svg figure.png; do
    printf 'the file as it was: %s\n' "$name" > "$work/full/$name"
    cp "$work/full/$name" "$work/$name.before"
done
(
    trap '' XFSZ # a write beyond the limit fails rather than ending the driver
    ulimit -f 4
    drive <<END
$solved
save-working Form2 "$work/full/working.pdf"
save-figure Form2 "$work/full/figure.svg"
save-figure Form2 "$work/full/figure.png"
END
)
grep -qxF "message \"The working could not be saved as $work/full/working.pdf.\"" "$work/out" ||
    fail "no message naming the file on a full disk: $(cat "$work/out")"
for name in figure.svg figure.png; do
    grep -q "^error .*cannot save \"$work/full/$name\"" "$work/out" ||
        fail "no error line for $name on a full disk: $(cat "$work/out")"
done
for name in working.pdf figure.svg figure.png; do
    cmp -s "$work/full/$name" "$work/$name.before" || fail "$name changed on a full disk"
done
left=$(ls -A "$work/full" | grep -vxE 'working.pdf|figure.svg|figure.png')
[[ -z $left ]] || fail "left beside the files on a full disk: $left"

# with room the same commands replace the files whole; a name not ending in .pdf is refused
drive <<END
$solved
save-working Form2 "$work/full/working.pdf"
save-figure Form2 "$work/full/figure.png"
save-working Form2 "$work/full/working.txt"
print Form2 "$work/printed.pdf"
END
[[ $(head -c5 "$work/full/working.pdf") == %PDF- ]] || fail "working.pdf not replaced by a PDF"
[[ $(head -c4 "$work/full/figure.png" | tail -c3) == PNG ]] || fail "figure.png not replaced"
grep -q '^error 8: not a .pdf file' "$work/out" || fail "working.txt not refused: $(cat "$work/out")"
[[ ! -e $work/full/working.txt ]] || fail "working.txt written"
# the driver's print prints the same pages as it saves
[[ $(pdftotext -raw "$work/printed.pdf" -) == "$(pdftotext -raw "$work/full/working.pdf" -)" ]] ||
    fail "the printed text differs from the saved one"

((failures == 0)) && echo "all saving checks passed"
exit $((failures > 0))
