#!/usr/bin/env bash
# Unpacks the .deb into a scratch root, checks what it installs and what it
# depends on, and runs the end-to-end session against the installed program.
#   package_test.sh BUILD_DIR
set -euo pipefail
here=$(dirname "$(realpath "$0")")
deb=$(ls "$1"/tolbrek_*_*.deb | head -1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

dpkg-deb -x "$deb" "$root"
for file in usr/bin/tolbrek usr/share/applications/tolbrek.desktop \
    usr/share/icons/hicolor/scalable/apps/tolbrek.svg; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
desktop-file-validate "$root/usr/share/applications/tolbrek.desktop"
grep -q '^Categories=.*Utility;.*Calculator;' "$root/usr/share/applications/tolbrek.desktop" ||
    fail "the desktop entry is not in Utility/Calculator"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2; do
    [[ "$depends" == *"$package"* ]] || fail "Depends lacks $package: $depends"
done
if ldd "$root/usr/bin/tolbrek" | grep -q 'not found'; then
    fail "unresolved libraries: $(ldd "$root/usr/bin/tolbrek" | grep 'not found')"
fi
"$here/e2e_test.sh" "$root/usr/bin/tolbrek"
