#!/usr/bin/env bash
# What a screen reader gets from the window: starts the built window on a virtual screen with the
# desktop's accessibility bus, types each argument as a line and presses Enter.
#   scripts/screen-reader.sh [--bin PATH] LINE...          the display as the accessibility
#                                                          tree gives it (text - meaning)
#   scripts/screen-reader.sh --orca [--bin PATH] LINE...   what Orca says after each line when
#                                                          asked where it is (KP_Enter)
# Installs Xvfb and the AT-SPI tools (and Orca) when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/ui/zolvan
orca=false
while [ $# -gt 0 ]; do
    case "$1" in
    --orca) orca=true; shift ;;
    --bin) bin=$2; shift 2 ;;
    *) break ;;
    esac
done
tools=(xvfb xauth dbus-x11 at-spi2-core python3-pyatspi xdotool)
$orca && tools+=(orca openbox)
scripts/bootstrap.sh "${tools[@]}" >/dev/null
[ -x "$bin" ] || { echo "no window program at $bin: run make build first" >&2; exit 1; }

export DISPLAY=:93 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
pids=()
work=$(mktemp -d)
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 & pids+=($!)
sleep 1
eval "$(dbus-launch --sh-syntax)"; pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & pids+=($!)
sleep 1
if $orca; then
    openbox >/dev/null 2>&1 & pids+=($!)
    orca --replace --user-prefs "$work" --debug-file "$work/orca.out" >/dev/null 2>&1 & pids+=($!)
    sleep 6
fi
"$bin" >/dev/null 2>&1 & pids+=($!)
sleep 3
window=$(xdotool search --sync --name Zolvan | tail -1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 1
for line in "$@"; do
    xdotool type --delay 60 -- "$line"
    xdotool key Return
    sleep 1
    if $orca; then
        xdotool key KP_Enter
        sleep 1.5
    else
        echo "== $line"
        /usr/bin/python3 scripts/screen_reader_display.py
    fi
done
if $orca; then
    # Orca writes its log when it ends: what it said after each KP_Enter, up to the next key.
    kill "${pids[@]:3}" && sleep 2
    lines=$(printf '%s\n' "$@")
    awk -v lines="$lines" '
        BEGIN { n = split(lines, typed, "\n") }
        /KEYBOARD_EVENT: +type=ATSPI_KEY_PRESSED_EVENT/ { pressed = 1; told = 0; next }
        pressed && /keyval_name=\(/ {
            pressed = 0
            if ($0 ~ /keyval_name=\(KP_Enter\)/) { told = 1; print "== " typed[++k] }
            next
        }
        told && /SPEECH OUTPUT: '"'"'/ {
            sub(/.*SPEECH OUTPUT: '"'"'/, ""); sub(/'"'"'.*/, "")
            if ($0 != "return " && $0 != "Screen reader off.") print
        }' "$work/orca.out"
fi
