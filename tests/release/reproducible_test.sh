#!/usr/bin/env bash
# Proves that a release can be checked by rebuilding it: the release of the
# committed HEAD is built twice, in two folders of different depth, one after
# the other, under different umasks, locales, time zones and home folders,
# and the artifacts must agree byte for byte. Where they differ, it says
# which files, and where in them (diffoscope, or cmp without it).
#   reproducible_test.sh [CHECKOUT]     (by default the one holding this script)
. "$(dirname "$(realpath "${BASH_SOURCE[0]}")")/../support/session.sh"
checkout=$(git -C "${1:-$(dirname "$(realpath "$0")")}" rev-parse --show-toplevel)
commit=$(git -C "$checkout" rev-parse --short HEAD)
echo "Building the release of commit $commit twice (uncommitted changes are not part of it)"
if ! command -v diffoscope >/dev/null; then
    echo "diffoscope is not installed: should the releases differ, cmp shows only which" \
        "bytes (apt-get install --no-install-recommends diffoscope-minimal shows what they hold)"
fi

# release FOLDER UMASK LOCALE ZONE
release() {
    git clone -q "$checkout" "$1"
    mkdir -p "$1.home"
    (cd "$1" && umask "$2" && HOME="$1.home" LC_ALL=$3 TZ=$4 ./tolbrek.sh release) \
        >"$1.log" 2>&1 || fail "the release in $1 failed: $(tail -20 "$1.log")"
}
first=$work/first
second=$work/a/folder/much/deeper/than/the/first/second
mkdir -p "$(dirname "$second")"
release "$first" 022 C Etc/UTC
sleep 1
release "$second" 077 C.UTF-8 Pacific/Kiritimati

cat "$first/dist/SHA256SUMS"
if ! cmp -s "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS"; then
    for file in "$first"/dist/*.deb "$first"/dist/*.exe; do
        name=$(basename "$file")
        cmp -s "$file" "$second/dist/$name" && continue
        echo "== $name differs" >&2
        if command -v diffoscope >/dev/null; then
            diffoscope --no-progress "$file" "$second/dist/$name" | head -60 >&2 || true
        else
            echo "(diffoscope is not installed: the first differing bytes, by offset)" >&2
            cmp -l "$file" "$second/dist/$name" | head -20 >&2 || true
        fi
    done
    fail "two releases of commit $commit differ"
fi
[ "$(wc -l <"$first/dist/SHA256SUMS")" = 3 ] || fail "the release holds $(ls "$first/dist")"

# What is released keeps its checks: the .deb as Debian checks a package
# (lintian, hardening-check, its program driven on X), tolbrek.exe and the
# installer with their protections and version information.
tests=$(dirname "$(realpath "$0")")/..
"$tests/desktop/package_test.sh" "$first/build-release" >"$work/package.log" 2>&1 ||
    fail "the released .deb: $(cat "$work/package.log")"
version=$(sed -n 's/^project(Tolbrek VERSION \([0-9.]*\).*/\1/p' "$first/CMakeLists.txt")
"$tests/windows/release_info_test.sh" x86_64-w64-mingw32-objdump "$first/dist/tolbrek.exe" \
    "$first/dist/tolbrek-$version-win64.exe" "$version" >"$work/windows.log" 2>&1 ||
    fail "the released Windows files: $(cat "$work/windows.log")"
passed
