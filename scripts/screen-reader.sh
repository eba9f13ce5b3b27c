#!/usr/bin/env bash
# What a screen reader can read off the window: starts the built window on a virtual screen with
# the desktop's accessibility bus, types each argument as a line and presses Enter, then prints
# the result display as the accessibility tree gives it (the text, then its meaning).
#   scripts/screen-reader.sh [--bin PATH] LINE...    e.g. scripts/screen-reader.sh 2h2o+nacl
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/ui/zolvan
if [ "${1:-}" = "--bin" ]; then bin=$2; shift 2; fi
scripts/bootstrap.sh xvfb xauth dbus-x11 at-spi2-core python3-pyatspi xdotool >/dev/null
[ -x "$bin" ] || { echo "no window program at $bin: run make build first" >&2; exit 1; }

export DISPLAY=:93 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; }
trap cleanup EXIT
Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 & pids+=($!)
sleep 1
eval "$(dbus-launch --sh-syntax)"; pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & pids+=($!)
sleep 1
"$bin" >/dev/null 2>&1 & pids+=($!)
sleep 3
window=$(xdotool search --sync --name Zolvan | tail -1)
xdotool windowfocus --sync "$window" 2>/dev/null || true
for line in "$@"; do
    xdotool type --delay 30 -- "$line"
    xdotool key Return
    sleep 0.5
    echo "== $line"
    /usr/bin/python3 scripts/screen_reader_display.py
done
