#!/usr/bin/env bash
# Lines per second through zolvan-cli on a file of the realistic mix (the 20 lines of
# kMixedLines in mixed_lines.h, repeated), output to /dev/null. Each mode runs RUNS times;
# the median is reported, since a shared machine makes single runs noisy.
# Usage: bench/cli_bench.sh [build-dir] [lines] [runs]
set -euo pipefail
build=${1:-build}
lines=${2:-1000000}
runs=${3:-5}
file=$(mktemp)
trap 'rm -f "$file"' EXIT
mix=('H2SO4' '2h2o+nacl' '3*Ca(OH)2' 'sin(30)^2' '5%200' 'CuSO4+5H2O' '(2+3)*4/7' 'sqrt(2)*pi'
     'sum(2+4+6)' 'x^2-3x+2' 'log1000+ln5' '12.5*8-3' 'K4[Fe(CN)6]' '2^10-1' 'cos(pi/3)'
     'C6H12O6' 'ans*2' '2x^2+3x-5=0' '170!/3' 'sum(1.5+2.5-3+4E-2)')
printf '%s\n' "${mix[@]}" | awk -v n="$lines" '{ l[NR] = $0 } END { for (i = 0; i < n; i++) print l[i % NR + 1] }' >"$file"
for mode in "" "--json" "--no-hints"; do
    times=()
    for ((r = 0; r < runs; r++)); do
        start=$(date +%s.%N)
        "$build/cli/zolvan-cli" $mode <"$file" >/dev/null
        end=$(date +%s.%N)
        times+=("$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.4f", e - s }')")
    done
    median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }')
    awk -v t="$median" -v n="$lines" -v m="${mode:-task lines}" -v r="$runs" \
        'BEGIN { printf "%s: %.3f s (median of %d), %.0f lines/s\n", m, t, r, n / t }'
done
