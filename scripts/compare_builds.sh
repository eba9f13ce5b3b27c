#!/usr/bin/env bash
# Runs one file of input lines through two builds of zolvan-cli with several sets of options and
# compares standard output and standard error byte for byte. Use it to check that a change of the
# engine or the writers changes no output: build the commit before the change in another folder,
# make lines with scripts/random_lines.py, and give both programs.
# Usage: scripts/compare_builds.sh OLD_CLI NEW_CLI LINES_FILE
# Prints the first differing line of each set that differs and exits 1 when any set differs.
set -uo pipefail
old=$1
new=$2
lines=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
option_sets=(
    ""
    "--json"
    "--json --decimal-separator ,"
    "--thousands"
    "--json --thousands --decimal-separator ,"
    "--mode sci --decimals 3"
    "--mode fix --decimals 0 --thousands"
    "--json --mode fix --decimals 7 --angle deg"
    "--no-separators --angle grad --decimal-separator ,"
    "--composition"
    "--json --no-hints"
)
status=0
for options in "${option_sets[@]}"; do
    # shellcheck disable=SC2086 # the options are words
    "$old" $options <"$lines" >"$work/old.out" 2>"$work/old.err"
    old_status=$?
    # shellcheck disable=SC2086
    "$new" $options <"$lines" >"$work/new.out" 2>"$work/new.err"
    new_status=$?
    same=yes
    for stream in out err; do
        if ! cmp -s "$work/old.$stream" "$work/new.$stream"; then
            same=no
            first=$(cmp "$work/old.$stream" "$work/new.$stream" | sed -n 's/.* line \([0-9]*\).*/\1/p')
            echo "[$options] std$stream differs at output line $first:"
            echo "  old: $(sed -n "${first}p" "$work/old.$stream" | cut -c1-300)"
            echo "  new: $(sed -n "${first}p" "$work/new.$stream" | cut -c1-300)"
            if [[ $stream == out && $options != *--composition* ]]; then
                echo "  input: $(sed -n "${first}p" "$lines" | cut -c1-300)"
            fi
        fi
    done
    if [[ $old_status != "$new_status" ]]; then
        same=no
        echo "[$options] exit status $old_status, now $new_status"
    fi
    if [[ $same == yes ]]; then
        echo "[$options] same ($(wc -l <"$work/old.out") lines)"
    else
        status=1
    fi
done
exit $status
