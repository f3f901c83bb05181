#!/usr/bin/env bash
# Tolbrek's two everyday commands on Debian 12:
#   ./tolbrek.sh run    install what is missing, build, start Tolbrek
#   ./tolbrek.sh test   install what is missing, build, run every test
# Both do only what is needed: packages already there are not touched and
# an unchanged tree is not rebuilt.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

RUN_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools fonts-liberation2 xdg-utils)
TEST_PACKAGES=(libgtest-dev googletest clang libclang-rt-14-dev clang-format
    g++-mingw-w64-x86-64 wine wine64 xvfb xdotool desktop-file-utils dpkg-dev file nsis procps
    lintian devscripts appstream)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# Configures a build folder once (ninja re-runs CMake itself when a
# CMakeLists changes), then builds what changed.
build() {
    local dir=$1
    shift
    [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir"
}

check_format() {
    local unformatted
    unformatted=$(git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run 2>&1 | grep -c warning || true)
    if [ "$unformatted" -ne 0 ]; then
        git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run 2>&1 | head -40
        echo "clang-format: $unformatted places differ from .clang-format" >&2
        return 1
    fi
}

fuzz() {
    build build-fuzz -DTOLBREK_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTOLBREK_WERROR=ON
    local seconds=${TOLBREK_FUZZ_SECONDS:-10}
    local corpus
    corpus=$(mktemp -d)
    local status=0
    build-fuzz/tests/fuzz/number_fuzz -max_total_time="$seconds" -max_len=64 \
        -artifact_prefix=build-fuzz/ "$corpus" tests/fuzz/seeds >build-fuzz/fuzz.log 2>&1 || status=$?
    rm -rf "$corpus"
    if [ "$status" -ne 0 ]; then
        tail -60 build-fuzz/fuzz.log
        echo "fuzzing found a fault (input saved in build-fuzz/)" >&2
        return "$status"
    fi
    grep -E '^Done' build-fuzz/fuzz.log
}

case "${1:-}" in
run)
    # Just the program, in a folder of its own: no tests, no benchmarks.
    install_missing "${RUN_PACKAGES[@]}"
    build build-run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
    exec build-run/app/qt/tolbrek
    ;;
test)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    check_format
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLBREK_WERROR=ON
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DTOLBREK_WERROR=ON -DTOLBREK_SANITIZE=ON
    fuzz
    # The Windows program and its installer, their tests run under wine.
    cmake --workflow --preset windows
    (cd build-asan && ctest --output-on-failure)
    (cd build && ctest --output-on-failure)
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
