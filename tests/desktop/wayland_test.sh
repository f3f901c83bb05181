#!/usr/bin/env bash
# Starts Tolbrek as a Wayland desktop (GNOME, say) starts it: WAYLAND_DISPLAY
# and XDG_SESSION_TYPE=wayland set, an X server for older programs beside it
# (DISPLAY), and no platform forced. Passes when the window comes up on Qt's
# Wayland platform, not through X, and the compositor shows it drawn as
# designed. The compositor is a headless weston drawing in memory.
#   wayland_test.sh PROGRAM FIND_WINDOW_PICTURE [SCREENSHOT.png]
. "$(dirname "$(realpath "${BASH_SOURCE[0]}")")/../support/session.sh"
program=$(realpath "$1")
find_picture=$(realpath "$2")
keep=${3:-}
command -v weston >/dev/null || fail "weston is not installed"

# The X server a Wayland desktop offers beside it: a program that cannot
# draw on Wayland falls back to it without a word, which this test must see.
start_x_server 1024x768

# --debug lets weston-screenshooter take the compositor's picture.
socket=tolbrek-wayland
XDG_RUNTIME_DIR="$work" weston --backend=headless-backend.so --use-pixman --width=1024 \
    --height=768 --socket="$socket" --idle-time=0 --debug >"$work/weston.log" 2>&1 &
pids+=($!)
wait_until 100 test -S "$work/$socket" || fail "weston did not start: $(cat "$work/weston.log")"

mkdir "$work/home"
env -u QT_QPA_PLATFORM -u QT_QPA_PLATFORMTHEME -u QT_SCALE_FACTOR HOME="$work/home" \
    XDG_RUNTIME_DIR="$work" XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="$socket" \
    "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

# The platform Qt chose, from the plugin the program loaded.
platform=
for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || fail "Tolbrek ended: $(cat "$work/program.log")"
    platform=$(grep -o 'platforms/libq[a-z-]*\.so' "/proc/$program_pid/maps" | head -1 || true)
    [ -n "$platform" ] && break
    sleep 0.1
done
[[ "$platform" == platforms/libqwayland* ]] ||
    fail "Tolbrek runs on ${platform:-no platform}, not on Wayland (is qt6-wayland installed?)"

# The window is there once the compositor's picture shows it.
for _ in $(seq 50); do
    rm -f "$work"/wayland-screenshot-*.png
    (cd "$work" && XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY="$socket" weston-screenshooter) \
        >"$work/screenshooter.log" 2>&1 || true
    shot=$(ls "$work"/wayland-screenshot-*.png 2>/dev/null | head -1 || true)
    if [ -n "$shot" ] && "$find_picture" "$shot" "$work/designed.png" >"$work/found.log" 2>&1; then
        [ -z "$keep" ] || cp "$shot" "$keep"
        cat "$work/found.log"
        passed
        exit 0
    fi
    sleep 0.2
done
[ -z "$keep" ] || [ -z "${shot:-}" ] || cp "$shot" "$keep"
fail "the compositor does not show the window as designed: $(cat "$work/found.log" \
    "$work/screenshooter.log" 2>/dev/null)"
