#!/usr/bin/env bash
# Every test (engine, workspace, CLI units and golden sessions, the Qt window offscreen) under
# AddressSanitizer and UndefinedBehaviorSanitizer, then time-bounded libFuzzer runs: through the
# calculate command and the CLI writers, and through the reading of task and constants files.
# Any report fails.
# FUZZ_SECONDS sets the length of both fuzz runs together (default 45, which keeps a whole
# `make test` from a fresh clone under ten minutes on a 2-core machine): two thirds go to the
# calculate command, one third to the file reading.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
    -DZOLVAN_SANITIZE=ON -DZOLVAN_WERROR=ON \
    -DZOLVAN_UI=ON -DZOLVAN_BENCH=OFF >/dev/null
cmake --build build-asan
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOLVAN_FUZZ=ON \
    -DZOLVAN_UI=OFF -DZOLVAN_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz --target calculate_fuzzer text_fuzzer
fuzz_seconds=${FUZZ_SECONDS:-45}
calculate_seconds=$((fuzz_seconds * 2 / 3))
mkdir -p build-fuzz/corpus build-fuzz/text_corpus
./build-fuzz/fuzz/calculate_fuzzer -max_total_time="$calculate_seconds" -timeout=5 \
    -max_len=4096 -rss_limit_mb=2048 -print_final_stats=1 build-fuzz/corpus fuzz/seeds
./build-fuzz/fuzz/text_fuzzer -max_total_time="$((fuzz_seconds - calculate_seconds))" -timeout=5 \
    -max_len=4096 -rss_limit_mb=2048 -print_final_stats=1 build-fuzz/text_corpus fuzz/text_seeds
