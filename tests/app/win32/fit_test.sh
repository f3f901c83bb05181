#!/usr/bin/env bash
# tolbrek.exe on a laptop's screen short of room: 1920 x 1080 at 144 dpi
# (150 %) with a 72-pixel taskbar, under a window manager. The window,
# frame and all, must lie inside the work area, laid out smaller than its
# design's size, every caption whole and every text inside its box.
#   fit_test.sh WINE_RUN WINEPREFIX TOLBREK_EXE WINDOW_TESTS_EXE [SCREENSHOT.png]
. "$(dirname "$(realpath "${BASH_SOURCE[0]}")")/../../support/session.sh"
wine_run=$1
keep=${5:-}
# The prefix's wine server shows its windows on the build's own X server,
# and this test wants one of its own: the wine server is ended before and
# after, and the next wine program starts it anew on the server it is given.
export WINEPREFIX=$2
wineserver -k 2>/dev/null || true
at_exit+=("wineserver -k 2>/dev/null")
start_x_server 1920x1080
start_window_manager
reserve_panel 72

"$wine_run" --display "$DISPLAY" --dpi 144 "$3" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tolbrek$' | head -1) ||
    fail "no Tolbrek window appeared"
wait_until 50 window_inside_work_area "$window" || fail "the window does not fit the work area"
[ -z "$keep" ] || import -window root "$keep"
height=$(xwininfo -id "$window" | sed -n 's/ *Height: *//p')
[ "$height" -lt 1010 ] || fail "the window is $height pixels high, as designed, too high to fit"
# Wine hands a key to whichever window has the focus when the program
# reads it from X: the next window must not come up before Tolbrek has
# read its Alt+F4 and ended, or that window is the one closed.
xdotool key --window "$window" alt+F4 || true
wait_until 100 ended "$program_pid" || fail "Tolbrek did not end when its window was closed"

"$wine_run" --display "$DISPLAY" --dpi 144 "$4" \
    --gtest_filter='DesignTest.every_caption_reads_whole:DesignTest.every_text_fits_its_box' \
    >"$work/captions.log" 2>&1 || fail "at the fitted size: $(grep -A8 Failure "$work/captions.log")"
passed
