#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on a real Wayland compositor, weston's headless back end: the main menu maps
# and paints, pixel for pixel the picture the offscreen platform draws, inside the decorations
# Qt's Wayland client draws itself; SIGTERM then closes it and the program ends with status 0.
# The headless back end has no seat, so the driver, which types keys, must refuse to run there
# with status 3 rather than crash.
#     menu_on_wayland.sh PROGRAM DRIVER FIND_PICTURE
set -uo pipefail
program=$1
driver=$2
find_picture=$3

work=$(mktemp -d)
runtime=$(mktemp -d) # the compositor's socket lives here, seen by this test alone
chmod 0700 "$runtime"
weston_pid=
program_pid=
stop() { # PID: ends the process if it still runs, and waits for it
    [[ -n $1 ]] && kill "$1" 2>/dev/null
    [[ -n $1 ]] && wait "$1" 2>/dev/null
}
cleanup() {
    stop "$program_pid"
    stop "$weston_pid"
    rm -rf "$work" "$runtime"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Both runs draw with the same fonts, palette, style and scale: nothing comes from the
# desktop this test runs in, and the configuration folder is empty.
unset DISPLAY WAYLAND_SOCKET XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION \
    QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_FONT_DPI QT_SCREEN_SCALE_FACTORS \
    QT_ENABLE_HIGHDPI_SCALING QT_SCALE_FACTOR_ROUNDING_POLICY QT_WAYLAND_FORCE_DPI \
    QT_WAYLAND_DECORATION QT_WAYLAND_DISABLE_WINDOWDECORATION QT_WAYLAND_SHELL_INTEGRATION
export QT_SCALE_FACTOR=1 XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$runtime
mkdir "$XDG_CONFIG_HOME" "$work/shots"

# COMMAND...: runs it every tenth of a second until it succeeds, for 30 s at most
within_30s() {
    local deadline=$((SECONDS + 30))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# the menu as the offscreen platform draws it
printf 'screenshot Form1 "%s"\n' "$work/menu.png" | QT_QPA_PLATFORM=offscreen "$driver" ||
    fail "the driver could not take the offscreen picture of the menu"

# --use-pixman: the headless back end draws nothing by default, so a screenshot would never
# come; --debug lets weston-screenshooter take one; no idle time, so the screen never fades
socket=wayland-sumbrook
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --no-config \
    --idle-time=0 --debug --socket="$socket" --log="$work/weston.log" 2>>"$work/weston.log" &
weston_pid=$!
if ! within_30s test -S "$runtime/$socket"; then
    fail "weston did not open its socket:"
    cat "$work/weston.log"
    exit 1
fi
export WAYLAND_DISPLAY=$socket

QT_QPA_PLATFORM=wayland "$program" --language en 2>"$work/program.err" &
program_pid=$!

# the compositor's screen in $work/screen.png, and where the menu stands in it
screen_shows_menu() {
    rm -f "$work"/shots/*
    (cd "$work/shots" && weston-screenshooter >/dev/null 2>&1) || return 1
    mv "$work"/shots/*.png "$work/screen.png" 2>/dev/null || return 1
    "$find_picture" "$work/screen.png" "$work/menu.png" >"$work/menu_at"
}
if within_30s screen_shows_menu; then
    read -r x y <"$work/menu_at"
    # Qt's decorations take a title bar above the window and a border around it
    ((x > 0 && y > 0)) || fail "the menu stands at $x,$y, with no decorations around it"
else
    cp "$work/screen.png" wayland-screen.png 2>/dev/null
    fail "the screen never showed the offscreen picture of the menu (see wayland-screen.png)"
fi

# weston's headless back end has no seat, so no keyboard and no pointer to close the window
# with, and its shells never ask a window to close: the desktop's way, SIGTERM, is left
kill -TERM "$program_pid"
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
if ! within_30s program_ended; then
    fail "SIGTERM did not end the program"
    kill -KILL "$program_pid"
fi
wait "$program_pid"
status=$?
program_pid=
((status == 0)) || fail "the program ended with status $status after SIGTERM"
if grep -qiE 'crash|abort|segmentation|fatal|sanitizer|runtime error|broke' "$work/program.err"; then
    fail "the program's standard error tells of a crash:"
    cat "$work/program.err"
fi

# the driver on the compositor without a keyboard: a message and status 3, no transcript
printf 'click Form1.Command1\ntype Form2.A "1"\n' |
    QT_QPA_PLATFORM=wayland "$driver" >"$work/drive.out" 2>"$work/drive.err"
status=$?
((status == 3)) || fail "the driver ended with status $status on a compositor without a keyboard"
grep -q 'offers no keyboard' "$work/drive.err" ||
    fail "the driver did not say the compositor has no keyboard: $(cat "$work/drive.err")"
[[ ! -s $work/drive.out ]] || fail "the driver ran the script: $(cat "$work/drive.out")"

((failures == 0)) || exit 1
echo "the menu stands at $x,$y on weston, closes on SIGTERM; the driver refuses a seatless weston"
