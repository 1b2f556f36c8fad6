#!/usr/bin/env bash
# Installs what is missing, builds, and then starts the program or runs the tests.
#   ./build.sh run     build and start Zentrima 13 in the current directory
#   ./build.sh test    build and run every test through CTest
#   ./build.sh asan    build and run every test under AddressSanitizer/UBSan
#   ./build.sh bench   build and print the benchmark figures
#   ./build.sh proof [styles at once]
#                      build and read 500 spins in each style of strip off virtual
#                      X screens (a few minutes; the figures go to build/default/proof.log)
#   ./build.sh package build the Debian package zentrima13_<version>_amd64.deb
#   ./build.sh fuzz [seconds]
#                      build the fuzz targets with clang and run each one in turn
#                      for the given time (default 60 s) from its seed corpus
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
action="${1:-run}"

# Installs the named Debian packages that are not installed yet.
ensure_packages() {
    local missing=() p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    ((${#missing[@]})) || return 0
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "These Debian packages are missing; run this script as root to install them." >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
}

ensure_packages cmake ninja-build g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite \
    qt6-qpa-plugins qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libsqlite3-dev \
    pkgconf libtesseract-dev tesseract-ocr-eng

# What building and checking the Debian package needs (the test "package"
# runs these tools too), and the virtual X screen on which the test
# windows/boardreader_x11 reads spins off a real screen.
package_tools() {
    ensure_packages dpkg-dev file lintian desktop-file-utils appstream xvfb xauth
}

# What the tests of the windows under a real window manager need: a virtual
# X screen and openbox.
window_tools() {
    ensure_packages xvfb xauth openbox
}

build() { (cd "$repo" && cmake --preset "$1" && cmake --build --preset "$1"); }

case "$action" in
run)
    build default
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        echo "Built $repo/build/default/zentrima13, but there is no display to show it on." >&2
        echo "Start it under a virtual display instead:" >&2
        echo "    apt-get install -y xvfb xauth && xvfb-run -a $repo/build.sh run" >&2
        exit 2
    fi
    exec "$repo/build/default/zentrima13"
    ;;
test)
    package_tools
    window_tools
    (cd "$repo" && cmake --workflow --preset default)
    ;;
asan)
    package_tools
    window_tools
    (cd "$repo" && cmake --workflow --preset asan)
    ;;
package)
    package_tools
    build default
    (cd "$repo/build/default" && cpack)
    echo "Built $(ls -t "$repo"/build/default/zentrima13_*_amd64.deb | head -n 1)"
    ;;
bench)
    build default
    exec "$repo/build/default/bench/zentrima_bench" "${@:2}"
    ;;
proof)
    window_tools
    build default
    status=0
    (cd "$repo" && ctest --preset proof ${2:+--parallel "$2"}) 2>&1 |
        tee "$repo/build/default/proof.log" || status=$?
    echo "== The figures of each style:"
    sed -n 's/.*BoardReaderTest::evenings([^)]*) \(.* spins, .*\)/\1/p' "$repo/build/default/proof.log"
    exit "$status"
    ;;
fuzz)
    seconds="${2:-60}"
    ensure_packages clang-14 libclang-rt-14-dev
    build fuzz
    # New inputs found go to build/fuzz/corpus, crashes to build/fuzz/findings;
    # the seeds in fuzz/corpus are only read.
    status=0
    for target in "$repo"/build/fuzz/fuzz/fuzz_*; do
        [ -f "$target" ] && [ -x "$target" ] || continue
        name="$(basename "$target")"
        name="${name#fuzz_}"
        mkdir -p "$repo/build/fuzz/corpus/$name" "$repo/build/fuzz/findings"
        echo "== $name: ${seconds} s"
        if ! "$target" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="$repo/build/fuzz/findings/$name-" \
            "$repo/build/fuzz/corpus/$name" "$repo/fuzz/corpus/$name"; then
            echo "== $name: FOUND A FAULT (input saved in build/fuzz/findings)" >&2
            status=1
        fi
    done
    exit "$status"
    ;;
*)
    echo "usage: $0 run|test|asan|bench|package|proof [styles at once]|fuzz [seconds]" >&2
    exit 64
    ;;
esac
