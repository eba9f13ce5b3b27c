#!/usr/bin/env bash
# Start-up of the Zolvan window under Xvfb: the time from process start until the main window
# is mapped and has painted once, and the peak memory (maximum resident set size). A comparable
# Qt calculator, speedcrunch, is measured in the same run when it is installed.
#
# Usage: bench/startup.sh [build-dir] [runs]
# Needs xvfb-run, xdotool and GNU time (/usr/bin/time); Debian packages xvfb, xdotool, time.
# The X server runs with -noreset: a server that resets whenever its last client leaves may refuse
# the next program started.
#
# Zolvan is timed twice: to its first paint (ZOLVAN_EXIT_AFTER_FIRST_PAINT=1 makes it quit right
# after the first paint of its main window) and, like the other calculator, to the moment its
# window is mapped, found by polling the X server. Times are medians over the runs.
set -euo pipefail
build=${1:-build}
runs=${2:-15}
here=$(cd "$(dirname "$0")" && pwd)
zolvan=$(cd "$build" && pwd)/ui/zolvan

if [ -z "${DISPLAY:-}" ] || [ "${ZOLVAN_STARTUP_INNER:-}" != 1 ]; then
    exec env ZOLVAN_STARTUP_INNER=1 xvfb-run -a -n $((100 + RANDOM % 400)) \
        -s '-screen 0 1024x768x24 -noreset' "$here/startup.sh" "$build" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

now_ms() { echo $(($(date +%s%N) / 1000000)); }

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Milliseconds from start to the first paint, and peak RSS in KiB, of one run of Zolvan.
first_paint_run() {
    local start end
    start=$(now_ms)
    if ! ZOLVAN_EXIT_AFTER_FIRST_PAINT=1 /usr/bin/time -f '%M' -o "$work/rss" "$zolvan"; then
        echo "zolvan failed to start" >&2
        exit 1
    fi
    end=$(now_ms)
    echo "$((end - start)) $(tail -n 1 "$work/rss")"
}

# Milliseconds from start until a visible window of the program is mapped, and its peak RSS
# in KiB over that time and half a second more. $1 names the window class to wait for.
mapped_run() {
    local class=$1 start end pid
    shift
    start=$(now_ms)
    /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>"$work/err" &
    pid=$!
    # Poll every few milliseconds; a tighter loop would keep the X server from the program.
    until xdotool search --onlyvisible --class "$class" >/dev/null 2>&1; do
        if (($(now_ms) - start > 20000)); then
            echo "$class showed no window within 20 s" >&2
            cat "$work/err" >&2
            kill "$pid" 2>/dev/null || true
            exit 1
        fi
        sleep 0.005
    done
    end=$(now_ms)
    sleep 0.5
    pkill -TERM -P "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$((end - start)) $(tail -n 1 "$work/rss")"
}

report() {
    local name=$1 file=$2
    printf '%-34s %6s ms   peak RSS %6s MiB   (median of %d runs)\n' "$name" \
        "$(cut -d' ' -f1 "$file" | median)" \
        "$(cut -d' ' -f2 "$file" | median | awk '{ printf "%.1f", $1 / 1024 }')" "$runs"
}

# The server of a previous xvfb-run may still be going away; wait until this one answers.
for ((i = 0; i < 200; i++)); do
    xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.05
done

first_paint_run >/dev/null # warm the file cache
for ((i = 0; i < runs; i++)); do first_paint_run; done >"$work/zolvan-paint"
for ((i = 0; i < runs; i++)); do mapped_run zolvan "$zolvan"; done >"$work/zolvan-mapped"
report "zolvan: start to first paint" "$work/zolvan-paint"
report "zolvan: start to window mapped" "$work/zolvan-mapped"

if command -v speedcrunch >/dev/null; then
    mapped_run speedcrunch speedcrunch >/dev/null
    for ((i = 0; i < runs; i++)); do mapped_run speedcrunch speedcrunch; done >"$work/other"
    report "speedcrunch: start to window mapped" "$work/other"
else
    echo "speedcrunch is not installed: no comparison"
fi
