#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one driver script and compares its transcript with the lines of the script that
# start with "#> " (the expected transcript, in order). The driver must exit 1 exactly
# when an error line is expected, 0 otherwise.
set -u
driver=$1
script=$2

expected=$(sed -n 's/^#> //p' "$script")
actual=$("$driver" "$script")
exit_code=$?
expected_exit=0
grep -q '^#> error ' "$script" && expected_exit=1

if [ "$actual" != "$expected" ] || [ "$exit_code" != "$expected_exit" ]; then
    echo "transcript of $script differs (exit $exit_code, expected $expected_exit):"
    diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") | sed 's/^</expected:/; s/^>/actual:  /'
    exit 1
fi
