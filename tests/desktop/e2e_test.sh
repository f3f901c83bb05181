#!/usr/bin/env bash
# Drives Tolbrek the way a person does, on a real X server (Xvfb): types a
# load with X key events, presses every button from the keyboard, saves, and
# checks the report file and what the editor (a stand-in xdg-open) was given.
# Every process it starts is ended by its id.
#   e2e_test.sh PROGRAM
. "$(dirname "$(realpath "${BASH_SOURCE[0]}")")/../support/session.sh"
program=$(realpath "$1")
start_x_server 1024x768

mkdir -p "$work/home" "$work/bin"
cat >"$work/bin/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$@" >>"$work/editor-arguments"
cp "\$1" "$work/editor-saw"
STUB
chmod +x "$work/bin/xdg-open"

HOME="$work/home" PATH="$work/bin:$PATH" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb \
    "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tolbrek$' | head -1) ||
    fail "no Tolbrek window appeared"
xdotool windowfocus --sync "$window"

keys() { xdotool key --delay 40 "$@"; }
type() { xdotool type --delay 40 "$1"; }

# The focus starts in the bullet weight field.
type 150; keys Tab
type 50; keys Tab
type 2800; keys Tab
type 8; keys Tab
keys Return                 # Calculate
keys Tab Tab Tab Tab        # result, Clear All, result, caliber
type .308; keys Tab Tab     # list, Populate List
keys space                  # Populate List
keys Tab Return             # Save Data

report="$work/home/Text.txt"
wait_until 100 test -s "$work/editor-saw" || fail "the editor was not started"
expected=$(printf 'Cartridge  .308\r\n\r\n150  Bullet Weight Grains\r\n50  Powder Charge Grains\r\n2800  Velocity FPS\r\n8  Gun Weight Pounds\r\n17.01  Recoil Foot Pounds Free Energy\r\n2611.9  Muzzle Energy Foot Pounds\r\nEND')
[ "$(cat "$report"; echo END)" = "$expected" ] || fail "report differs: $(od -c "$report" | head -20)"
cmp -s "$report" "$work/editor-saw" || fail "the editor started before the report was complete"
[ "$(cat "$work/editor-arguments")" = "$report" ] || fail "editor arguments: $(cat "$work/editor-arguments")"

# Clear All (five steps back from Save Data), then a second summary and save:
# the list keeps the first load, the second is all zeros.
rm -f "$work/editor-saw"
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
keys Tab Tab Tab Tab space  # caliber, list, Populate List
keys Tab Return             # Save Data
wait_until 100 test -s "$work/editor-saw" || true
[ "$(grep -c $'\r$' "$report")" = 16 ] || fail "expected 16 lines after the second save"
[ "$(sed -n 9p "$report")" = $'Cartridge  \r' ] || fail "Clear All left a caliber: $(sed -n 9p "$report")"
[ "$(sed -n 16p "$report")" = $'0  Muzzle Energy Foot Pounds\r' ] || fail "Clear All left a result"
[ "$(wc -l <"$work/editor-arguments")" = 2 ] || fail "the editor should have started once per save"

# Return held three seconds on Save Data (the keyboard repeating it all
# the while) saves once and starts one editor.
editor_starts() { wc -l <"$work/editor-arguments"; }
before=$(editor_starts)
xdotool keydown Return; sleep 3; xdotool keyup Return
sleep 1
[ "$(editor_starts)" = $((before + 1)) ] ||
    fail "a held Return started the editor $(($(editor_starts) - before)) times"

# A failing save, with Return pressed twice in quick succession on Save
# Data: the second press must not close the error box unseen, nor may the
# repeats of a Return held on Save Data. Once the box has been up a
# moment, Return answers it.
rm "$report"
mkdir "$report"
two_windows() { [ "$(windows_named Tolbrek)" -ge 2 ]; }
one_window() { [ "$(windows_named Tolbrek)" -eq 1 ]; }
for press in "key --delay 30 Return Return" "keydown Return sleep 2 keyup Return"; do
    xdotool $press
    wait_until 50 two_windows || true
    sleep 0.5
    two_windows || fail "the error box of a failed save was closed by: $press"
    keys Return
    wait_until 50 one_window || fail "Return did not answer the error box"
done

kill -0 "$program_pid" 2>/dev/null || fail "Tolbrek is no longer running: $(cat "$work/program.log")"
passed
