#!/usr/bin/env bash
# Starts Tolbrek on a laptop's screen that is short of room: 1920 x 1080 at
# a scale of 150 %, with a 48-point panel at its foot, under a window
# manager. The window, frame and all, must lie inside the work area, laid
# out smaller than its design's size.
#   fit_test.sh PROGRAM [SCREENSHOT.png]
. "$(dirname "$(realpath "${BASH_SOURCE[0]}")")/../support/session.sh"
program=$(realpath "$1")
keep=${2:-}
start_x_server 1920x1080
start_window_manager
reserve_panel 72

mkdir "$work/home"
HOME="$work/home" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1.5 \
    "$program" >"$work/program.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tolbrek$' | head -1) ||
    fail "no Tolbrek window appeared"
# The window manager frames the window first; the window then fits itself.
wait_until 50 window_inside_work_area "$window" || fail "the window does not fit the work area"
sleep 0.5
window_inside_work_area "$window" || fail "the window left the work area"
[ -z "$keep" ] || import -window root "$keep"
designed=$((673 * 3 / 2))
height=$(xwininfo -id "$window" | sed -n 's/ *Height: *//p')
[ "$height" -lt "$designed" ] || fail "the window is $height pixels high, as designed, too high to fit"
passed
