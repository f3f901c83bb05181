#!/usr/bin/env bash
# Tolbrek's two everyday commands on Debian 13 or 12:
#   ./tolbrek.sh run    install what is missing, build, start Tolbrek
#   ./tolbrek.sh test   install what is missing, build, run every test
# Both do only what is needed: packages already there are not touched and
# an unchanged tree is not rebuilt. A third makes a release:
#   ./tolbrek.sh release   from a clean configuration, the .deb, tolbrek.exe
#                          and its installer in dist/, with their SHA256SUMS
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

# Every package the build, the program and the tests use, by a name that
# both releases offer. They are installed without the packages Debian merely
# recommends (on a fresh machine those doubled the test command's download
# with servers, runtimes and documentation nothing here runs), so whatever a
# command needs is named here, even where another package brings it today:
# - xdg-utils opens the saved report; on a desktop it does not know, it
#   finds the report's type with `file`, and without it opens nothing.
# - qt6-gtk-platformtheme gives the window a GNOME desktop's font (without
#   it Qt takes 9 pt Sans Serif whatever the desktop says). GTK needs a
#   session bus: any there is will do; where there is none, dbus-x11, which
#   unlike the other brings no init system with it.
# - libclang-rt-dev is the sanitizer and fuzzer runtime of whatever clang
#   the release installs, and llvm its symbolizer: without it a fault the
#   fuzzer finds is reported as bare addresses, with no function or line.
#   clang-format is pinned so that both releases judge the formatting alike.
# - The window tests run on X servers of their own (xvfb), typed into with
#   xdotool, some under a window manager (openbox: wine gives a new box the
#   focus only under one) with a panel reserved, made and measured with
#   x11-utils' xev, xprop and xwininfo; imagemagick's import keeps a picture
#   of the window laid out to fit, for a look.
# - wine looks for X's extension libraries (Render, RandR, Xinerama,
#   Xcursor, XInput, Composite) and its own Windows fonts (fonts-wine) only
#   at run time, and goes on without them: its message boxes then take
#   another face and size, its pointers, raw mouse input and view of the
#   monitors are cruder, and no test would notice.
# An entry "a|b" is there when either package is, and installs a.
RUN_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libfontconfig-dev
    qt6-wayland fonts-liberation2 xdg-utils file qt6-gtk-platformtheme
    "dbus-x11|dbus-user-session")
TEST_PACKAGES=(libgtest-dev googletest clang libclang-rt-dev llvm clang-format-19
    g++-mingw-w64-x86-64 wine wine64 fonts-wine libxrender1 libxrandr2 libxinerama1 libxcursor1
    libxi6 libxcomposite1 xvfb xdotool x11-utils openbox imagemagick weston desktop-file-utils
    dpkg-dev nsis procps lintian devscripts appstream)
RELEASE_PACKAGES=(git g++-mingw-w64-x86-64 nsis dpkg-dev file)
CLANG_FORMAT=clang-format-19

say() { echo "tolbrek.sh: $*" >&2; }

system_name() {
    (. /etc/os-release && echo "${PRETTY_NAME:-this system}")
}

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

install_missing() {
    local missing=() entry package alternatives
    for entry in "$@"; do
        IFS='|' read -ra alternatives <<<"$entry"
        for package in "${alternatives[@]}"; do
            installed "$package" && continue 2
        done
        missing+=("${alternatives[0]}")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            say "installing ${missing[*]} needs root: run this as root, or install sudo"
            exit 1
        }
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    # apt-get update succeeds even when it fetched nothing; what it printed
    # tells a missing network from a package this release does not have.
    local update_errors
    update_errors=$("${sudo[@]}" apt-get update -qq 2>&1 >/dev/null) || true
    local fetch_failed=
    grep -qE '^(E|W): (Failed to fetch|Some index files failed)' <<<"$update_errors" &&
        fetch_failed=yes
    local unoffered=() candidate
    for package in "${missing[@]}"; do
        candidate=$(apt-cache policy "$package" 2>/dev/null | sed -n 's/^ *Candidate: //p')
        [ -n "$candidate" ] && [ "$candidate" != "(none)" ] || unoffered+=("$package")
    done
    if [ ${#unoffered[@]} -ne 0 ]; then
        if [ -n "$fetch_failed" ]; then
            echo "$update_errors" >&2
            say "the package lists could not be fetched (no network?), so ${unoffered[*]}" \
                "cannot be installed; nothing was built"
        else
            say "$(system_name) does not offer ${unoffered[*]}; Tolbrek is built on Debian 13" \
                "or 12 (on another release, install what stands in for them and run again)"
        fi
        exit 1
    fi
    if ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
        say "the packages could not be fetched or installed (apt-get said why, above);" \
            "nothing was built"
        exit 1
    fi
}

# Configures a build folder from its preset at every run, so that a changed
# option or a failed configuration never lingers (fast when nothing
# changed), then builds what changed.
build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

check_format() {
    local findings
    findings=$(git ls-files -- '*.cpp' '*.h' | xargs "$CLANG_FORMAT" --dry-run 2>&1)
    if [ -n "$findings" ]; then
        head -40 <<<"$findings"
        say "$(grep -c 'warning:' <<<"$findings") places differ from .clang-format" \
            "($CLANG_FORMAT -i FILE mends them)"
        return 1
    fi
}

fuzz() {
    build fuzz
    local seconds=${TOLBREK_FUZZ_SECONDS:-10}
    local corpus
    corpus=$(mktemp -d)
    local status=0
    build-fuzz/tests/fuzz/number_fuzz -max_total_time="$seconds" -max_len=64 \
        -artifact_prefix=build-fuzz/ "$corpus" tests/fuzz/seeds >build-fuzz/fuzz.log 2>&1 || status=$?
    rm -rf "$corpus"
    if [ "$status" -ne 0 ]; then
        tail -60 build-fuzz/fuzz.log
        say "fuzzing found a fault (input saved in build-fuzz/)"
        return "$status"
    fi
    grep -E '^Done' build-fuzz/fuzz.log
}

# The same commit gives the same bytes on the same Debian release, whatever
# the folder, the time, the user, the umask or the locale: the time written
# into archives, headers and installers is SOURCE_DATE_EPOCH, by default the
# last commit's time, as Debian takes it. The umask is the one Debian builds
# packages with, for whatever else the tools create (the package's own
# folders are 0755 under any umask).
build_release() {
    export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
    export LC_ALL=C.UTF-8 TZ=UTC
    umask 022
    rm -rf build-release build-release-windows dist
    build release
    build release-windows
    mkdir dist
    cp build-release/tolbrek_*_amd64.deb build-release-windows/tolbrek-*-win64.exe dist/
    x86_64-w64-mingw32-strip -o dist/tolbrek.exe build-release-windows/app/win32/tolbrek.exe
    chmod 644 dist/*
    (cd dist && sha256sum -- *.deb *.exe >SHA256SUMS)
    cat dist/SHA256SUMS
}

case "${1:-}" in
run)
    # Just the program, in a folder of its own: no tests, no benchmarks.
    install_missing "${RUN_PACKAGES[@]}"
    build run
    exec build-run/app/qt/tolbrek
    ;;
test)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    check_format
    build main
    build asan
    fuzz
    # The Windows program and its installer, their tests run under wine.
    cmake --workflow --preset windows
    ctest --preset asan
    ctest --preset main
    ;;
release)
    install_missing "${RUN_PACKAGES[@]}" "${RELEASE_PACKAGES[@]}"
    build_release
    ;;
*)
    echo "usage: $0 run|test|release" >&2
    exit 2
    ;;
esac
