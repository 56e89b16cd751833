#!/bin/sh
# Runs a program on a virtual X server of its own (a free display chosen by
# Xvfb) with openbox managing its windows, as a player's desktop would.
# Exits 77, which the test runner reads as skipped, when either is missing.
command -v Xvfb >/dev/null 2>&1 && command -v openbox >/dev/null 2>&1 || {
    echo "Xvfb or openbox is not installed"
    exit 77
}
dir=$(mktemp -d)
# KESTRANE_TEST_DISPLAY names the display number on a machine where displays
# are shared out.
if [ -n "${KESTRANE_TEST_DISPLAY:-}" ]; then
    Xvfb ":$KESTRANE_TEST_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp 2>"$dir/xvfb.log" &
    echo "$KESTRANE_TEST_DISPLAY" >"$dir/display"
else
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
fi
xvfb=$!
wm=
trap 'test -n "$wm" && kill $wm 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 100); do
    [ -s "$dir/display" ] && break
    sleep 0.1
done
[ -s "$dir/display" ] || { cat "$dir/xvfb.log"; echo "Xvfb did not start"; exit 1; }
DISPLAY=:$(head -n 1 "$dir/display")
export DISPLAY
for _ in $(seq 100); do
    xprop -root >/dev/null 2>&1 && break
    sleep 0.1
done
openbox --sm-disable >"$dir/openbox.log" 2>&1 &
wm=$!
# The window manager is up once it announces itself on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
QT_QPA_PLATFORM=xcb "$@"
status=$?
exit $status
