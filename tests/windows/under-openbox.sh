#!/usr/bin/env bash
# Runs a test program under a real window manager: a virtual 1280 x 800 X
# screen (Xvfb) with openbox, which frames windows with a title bar and
# reports the frame's size (_NET_FRAME_EXTENTS) as desktops do.
#   under-openbox.sh <test program> [test functions...]
# Exit 77 (skipped) only when Xvfb or openbox is missing.
set -uo pipefail

for tool in Xvfb openbox; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (./build.sh test installs xvfb and openbox)"
        exit 77
    fi
done

work="$(mktemp -d)"
xvfb=""
wm=""
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A free display: Xvfb picks it and writes its number.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

# openbox runs its start-up command once it manages the screen.
HOME="$work" openbox --config-file /etc/xdg/openbox/rc.xml --startup "touch $work/ready" \
    >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 100); do
    [ -e "$work/ready" ] && break
    sleep 0.1
done
[ -e "$work/ready" ] || { cat "$work/openbox.log"; echo "FAIL: openbox did not start" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$@"
