#!/usr/bin/env bash
# Drives tolbrek.exe under wine the way a person does, on the build's own X
# server: real key presses through xdotool, every button pressed from the
# keyboard, the warning and error boxes answered, the report file checked
# byte for byte and the editor start checked through a stand-in notepad.exe
# in the system folder, with copies of it planted beside the program and in
# the current folder, which must never run. Beside the report stand names
# like a save's temporary files that are not a save's: a symbolic link to a
# file of the user's outside the prefix and a second name of another file,
# which a save must leave alone, and a file a killed save left, which it
# removes.
#   e2e_test.sh WINE_RUN WINE_STATE_FOLDER WINEPREFIX TOLBREK_EXE NOTEPAD_EXE
. "$(dirname "$(realpath "${BASH_SOURCE[0]}")")/../../support/session.sh"
wine_run=$1
use_wine_x_server "$2"
# Under a window manager, as on a desktop: wine gives a new box the focus
# only under one.
start_window_manager
drive_c=$3/drive_c

system_notepad=$drive_c/windows/system32/notepad.exe
restore_prefix() {
    if [ -f "$work/system-notepad.exe" ]; then
        cp "$work/system-notepad.exe" "$system_notepad"
        "$wine_run" reg delete 'HKCU\Software\Wine\DllOverrides' /v notepad.exe /f >/dev/null 2>&1 || true
    fi
    chmod u+w "$drive_c/Text.txt" 2>/dev/null || true
    rm -f "$drive_c/Text.txt" "$drive_c"/.Text.txt.*.tmp
}
at_exit+=(restore_prefix)

cp "$4" "$5" "$work/"
record="$work/notepad-record.txt"
export TOLBREK_NOTEPAD_RECORD="Z:${record//\//\\}"
rm -f "$drive_c/Text.txt"
# The stand-in takes the place of the system's Notepad in the build's own
# prefix, loaded as itself rather than as wine's built-in Notepad.
cp "$system_notepad" "$work/system-notepad.exe"
cp "$5" "$system_notepad"
"$wine_run" reg add 'HKCU\Software\Wine\DllOverrides' /v notepad.exe /d native /f >/dev/null 2>&1
mkdir "$work/current"
cp "$5" "$work/current/"

# Outside the prefix, on the prefix's own file system, so that a hard link
# can join the two.
outside=$(mktemp -d "$(dirname "$3")/outside.XXXXXX")
at_exit+=("rm -rf '$outside'")
echo precious >"$outside/precious"
echo second >"$outside/second"
ln -s "$outside/precious" "$drive_c/.Text.txt.0badc0de.tmp"
ln "$outside/second" "$drive_c/.Text.txt.0badc0df.tmp"
echo abandoned >"$drive_c/.Text.txt.0badc0e0.tmp"
cd "$work/current"

"$wine_run" --dpi 96 "$work/$(basename "$4")" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

# Waits until this many windows named Tolbrek are shown: the window and its boxes.
wait_for_windows() {
    shown() { [ "$(windows_named Tolbrek)" = "$1" ]; }
    wait_until 100 shown "$1" || fail "expected $1 windows named Tolbrek, saw $(windows_named Tolbrek) ($2)"
}
keys() { xdotool key --delay 60 "$@"; }
# Presses OK in the box over the window once it has been up long enough to
# take keys (a box drops those of its first 400 ms), then comes back to the
# window, whose focus must be where it was.
answer_box() {
    local box
    box=$(xdotool search --onlyvisible --name '^Tolbrek$' | grep -vx "$window" | head -1)
    xdotool windowfocus --sync "$box"
    sleep 0.6
    keys Return
    wait_for_windows 1 "$1"
    xdotool windowfocus --sync "$window"
    sleep 0.3
}
type() { xdotool type --delay 60 "$1"; }

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tolbrek$' | head -1) ||
    fail "no Tolbrek window appeared"
xdotool windowfocus --sync "$window"
sleep 0.5

# Enter and Esc in a field press nothing: with every field empty, Calculate
# would draw four warnings, and no box may close the window.
keys Return Escape
sleep 1
wait_for_windows 1 "Enter or Esc in a field pressed something"

# The focus starts in the bullet weight. The gun weight is left empty, so
# Calculate, pressed with Return, warns once; Return answers the box.
type 150; keys Tab
type 50; keys Tab
type 2800; keys Tab Tab
keys Return
wait_for_windows 2 "no warning for the empty gun weight"
answer_box "the warning box stayed"

keys shift+Tab              # back to the gun weight
type 8; keys Tab Return     # Calculate: no warning now
sleep 1
wait_for_windows 1 "a warning with every number given"
keys Tab Tab Tab Tab        # result, Clear All, result, caliber
type .308; keys Tab Tab     # list, Populate List
keys space                  # Populate List
keys Tab Return             # Save Data

wait_until 100 test -s "$record" || fail "notepad was not started"
[ "$(cat "$record")" = "$(printf 'notepad C:\\Text.txt\n1\n2\nC:\\windows\\system32\\notepad.exe')" ] ||
    fail "notepad was started as: $(cat "$record")"
expected=$(printf 'Cartridge  .308\r\n\r\n150  Bullet Weight Grains\r\n50  Powder Charge Grains\r\n2800  Velocity FPS\r\n8  Gun Weight Pounds\r\n17.01  Recoil Foot Pounds Free Energy\r\n2611.9  Muzzle Energy Foot Pounds\r\nEND')
[ "$(cat "$drive_c/Text.txt"; echo END)" = "$expected" ] ||
    fail "report differs: $(od -c "$drive_c/Text.txt" | head -20)"
[ "$(stat -c %s "$drive_c/Text.txt")" = 188 ] || fail "the report is not 188 bytes"
[ -L "$drive_c/.Text.txt.0badc0de.tmp" ] && [ "$(cat "$outside/precious")" = precious ] ||
    fail "the save touched a link named like its temporary file, or what it points to"
[ "$(stat -c %h "$outside/second")" = 2 ] && [ "$(cat "$outside/second")" = second ] ||
    fail "the save removed a second name of a file"
[ ! -e "$drive_c/.Text.txt.0badc0e0.tmp" ] || fail "the save left an abandoned temporary file"

# The editor took the foreground as it ended, as Notepad does when started:
# once it is gone, a click brings the user back to Tolbrek, where the focus
# is still on Save Data.
back_to_tolbrek() {
    for _ in $(seq 50); do pgrep -f 'notepad\.exe' >/dev/null || break; sleep 0.1; done
    sleep 0.5
    xdotool mousemove --window "$window" 300 10 click 1
    sleep 0.5
}
notepad_starts() { find "$work" -name "$(basename "$record")*" ! -name '*.partial' | wc -l; }
back_to_tolbrek

# Return held three seconds on Save Data saves once and starts one Notepad.
rm -f "$record"*
xdotool keydown Return; sleep 3; xdotool keyup Return
wait_until 100 test -s "$record" || fail "a held Return started no Notepad"
sleep 1
[ "$(notepad_starts)" = 1 ] || fail "a held Return started Notepad $(notepad_starts) times"
back_to_tolbrek

# A read-only report draws one error box each time; the file is kept, no
# editor starts, and the program goes on. Neither a second Return pressed
# 30 ms after the first, as the box appears, nor the repeats of a Return
# held on Save Data may close the box unseen.
chmod a-w "$drive_c/Text.txt"
rm -f "$record"*
keys --delay 30 Return Return
sleep 1
wait_for_windows 2 "no error box for a read-only report, or the second Return closed it"
answer_box "the error box stayed"
xdotool keydown Return; sleep 2; xdotool keyup Return
sleep 0.5
wait_for_windows 2 "the repeats of a held Return closed the error box"
answer_box "the error box stayed"
[ "$(stat -c %s "$drive_c/Text.txt")" = 188 ] || fail "the read-only report was changed"
[ "$(notepad_starts)" = 0 ] || fail "notepad was started after a failed save"
kill -0 "$program_pid" 2>/dev/null || fail "Tolbrek ended after the error"

# Closing the window ends the program, with no question.
keys alt+F4
wait_until 100 ended "$program_pid" || fail "Tolbrek did not end when its window was closed"
passed
