#!/usr/bin/env bash
# Lines per second through zolvan-cli on a 100,000-line file of the realistic mix.
# Usage: bench/cli_bench.sh [build-dir]
set -euo pipefail
build=${1:-build}
file=$(mktemp)
trap 'rm -f "$file"' EXIT
mix=('H2SO4' '2h2o+nacl' '3*Ca(OH)2' 'sin(30)^2' '5%200' 'CuSO4+5H2O' '(2+3)*4/7' 'sqrt(2)*pi'
     'sum(2+4+6)' 'x^2-3x+2' 'log1000+ln5' '12.5*8-3' 'K4[Fe(CN)6]' '2^10-1' 'cos(pi/3)'
     'C6H12O6' 'ans*2' '2x^2+3x-5=0' '170!/3' 'sum(1.5+2.5-3+4E-2)')
for ((i = 0; i < 100000; i++)); do echo "${mix[i % ${#mix[@]}]}"; done > "$file"
for mode in "" "--json" "--no-hints"; do
    start=$(date +%s.%N)
    "$build/cli/zolvan-cli" $mode < "$file" > /dev/null
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" -v m="${mode:-task lines}" \
        'BEGIN { printf "%s: %.3f s, %.0f lines/s\n", m, e - s, 100000 / (e - s) }'
done
