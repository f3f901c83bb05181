# What the shell tests share; sourced, never run:
#   . "$(dirname "$(realpath "${BASH_SOURCE[0]}")")/../support/session.sh"
# It gives the test a private scratch folder, $work, removed when the test
# ends, and ends every process whose id the test adds to `pids`, by its id;
# commands added to `at_exit` run before the folder goes.
set -euo pipefail

work=$(mktemp -d)
chmod 700 "$work"
pids=()
at_exit=()
end_session() {
    local pid step
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    for step in "${at_exit[@]}"; do eval "$step" || true; done
    rm -rf "$work"
}
trap end_session EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "0 passed, 1 failed"
    exit 1
}

passed() {
    echo "1 passed, 0 failed"
}

# Waits up to a number of tenths of a second for a command to succeed.
wait_until() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do "$@" && return 0; sleep 0.1; done
    "$@"
}

# Whether a process has ended: for wait_until.
ended() {
    ! kill -0 "$1" 2>/dev/null
}

# Starts an X server of the test's own at a screen size (1024x768) and
# exports its DISPLAY: Xvfb picks a free number and writes it when ready.
start_x_server() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    exec 3>&-
    wait_until 100 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -1 "$work/display")"
}

# Starts openbox on the test's X server, as a desktop has a window manager,
# with no configuration of the user's, and waits until it manages the
# screen (it then answers which desktop is shown).
start_window_manager() {
    local attempt
    for attempt in 1 2 3; do
        XDG_CONFIG_HOME="$work/openbox-config" openbox --sm-disable >"$work/openbox.log" 2>&1 &
        pids+=($!)
        wait_until 100 xdotool get_desktop >/dev/null 2>&1 && return 0
    done
    fail "openbox did not start: $(cat "$work/openbox.log")"
}

# Reserves a panel of this many pixels at the foot of the screen, as a
# taskbar does: a window whose _NET_WM_STRUT the window manager takes from
# the work area it publishes on the root window (_NET_WORKAREA), where wine
# and Qt read it.
reserve_panel() {
    local height=$1 width screen_height panel
    read -r width screen_height < <(xdotool getdisplaygeometry)
    xev -geometry "${width}x${height}+0+$((screen_height - height))" -name tolbrek-panel \
        >/dev/null 2>&1 &
    pids+=($!)
    panel=$(timeout 10 xdotool search --sync --name '^tolbrek-panel$' | head -1) ||
        fail "the panel window did not appear"
    xprop -id "$panel" -f _NET_WM_STRUT 32c -set _NET_WM_STRUT "0,0,0,$height"
    work_height() { xprop -root _NET_WORKAREA | cut -d, -f4 | tr -d ' '; }
    work_area_reserved() { [ "$(work_height)" = $((screen_height - height)) ]; }
    wait_until 50 work_area_reserved ||
        fail "the work area is $(work_height) pixels high, not $((screen_height - height))"
}

# Whether a window, frame included, lies inside the work area; says where
# it stands if not.
window_inside_work_area() {
    local x y width height left right top bottom area
    x=$(xwininfo -id "$1" | sed -n 's/ *Absolute upper-left X: *//p')
    y=$(xwininfo -id "$1" | sed -n 's/ *Absolute upper-left Y: *//p')
    width=$(xwininfo -id "$1" | sed -n 's/ *Width: *//p')
    height=$(xwininfo -id "$1" | sed -n 's/ *Height: *//p')
    IFS=', ' read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | cut -d= -f2)
    IFS=', ' read -r -a area < <(xprop -root _NET_WORKAREA | cut -d= -f2)
    if [ $((y - top)) -lt "${area[1]}" ] || [ $((y + height + bottom)) -gt $((area[1] + area[3])) ] ||
        [ $((x - left)) -lt "${area[0]}" ] || [ $((x + width + right)) -gt $((area[0] + area[2])) ]; then
        echo "the window stands from $((x - left)),$((y - top)) to" \
            "$((x + width + right)),$((y + height + bottom)); the work area is ${area[*]:0:4}" >&2
        return 1
    fi
}

# The X server of a build's wine, which wine-run --init started.
use_wine_x_server() {
    export DISPLAY=":$(head -1 "$1/display")"
}

# The number of shown windows with a title, the program's and its boxes.
windows_named() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}
