#!/usr/bin/env bash
# The installer under wine: a silent install puts tolbrek.exe in Program
# Files with a Start-menu shortcut and an entry among the installed
# programs; the installed program starts and shows its window; installing
# again replaces the earlier install; a silent uninstall leaves nothing.
#   installer_test.sh WINE_RUN WINE_STATE_FOLDER WINEPREFIX INSTALLER
. "$(dirname "$(realpath "${BASH_SOURCE[0]}")")/../support/session.sh"
wine_run=$1
use_wine_x_server "$2"
prefix=$3
installer=$4

folder="$prefix/drive_c/Program Files/Tolbrek"
menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tolbrek"
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tolbrek'
registered() { "$wine_run" reg query "$entry" /v DisplayName >/dev/null 2>&1; }

for round in first second; do
    "$wine_run" "$installer" /S || fail "the $round silent install failed"
    [ -f "$folder/tolbrek.exe" ] || fail "no tolbrek.exe after the $round install"
    [ -f "$folder/Uninstall.exe" ] || fail "no uninstaller after the $round install"
    [ -f "$menu/Tolbrek.lnk" ] || fail "no Start-menu shortcut after the $round install"
    registered || fail "no entry among the installed programs after the $round install"
done

"$wine_run" "C:\\Program Files\\Tolbrek\\tolbrek.exe" >/dev/null 2>&1 &
program_pid=$!
pids+=("$program_pid")
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tolbrek$' | head -1) ||
    fail "the installed program showed no window"
xdotool windowfocus --sync "$window" key alt+F4
wait_until 100 ended "$program_pid" || fail "the installed program did not end"

# The uninstaller hands over to a copy of itself and returns at once: wait
# until the copy has removed all three (folder, menu, entry), in any order.
"$wine_run" "C:\\Program Files\\Tolbrek\\Uninstall.exe" /S || fail "the silent uninstall failed"
for _ in $(seq 200); do
    [ ! -e "$folder" ] && [ ! -e "$menu" ] && ! registered && break
    sleep 0.1
done
[ ! -e "$folder" ] || fail "the uninstall left $(ls -A "$folder")"
[ ! -e "$menu" ] || fail "the uninstall left the Start-menu folder"
registered && fail "the uninstall left the entry among the installed programs"
passed
