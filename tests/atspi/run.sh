#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs screen_reader_test.py as a screen reader would meet the program: on an X display of
# its own (Xvfb) and a private D-Bus session, where the accessibility bus starts on demand.
# Usage: run.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

work=$(mktemp -d)
xvfb=
cleanup() {
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# a home, settings and runtime folder of the test's own, so nothing of the machine's is read
mkdir -m 700 "$work/runtime" "$work/home"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$work/display")

# the session bus starts the accessibility bus and its registry when first asked, with this
# environment (the registry sends the test's key presses to the display)
# The numbers as an English desktop writes them, whatever the machine's locale.
env -u LC_ALL -u LC_NUMERIC -u LC_MESSAGES -u LANGUAGE LANG=en_US.UTF-8 \
    dbus-run-session -- /usr/bin/python3 "$here/screen_reader_test.py" "$build" 2> >(
    grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' \
        -e 'SpiRegistry daemon' >&2)
