#!/usr/bin/env bash
# The engine and workspace tests under AddressSanitizer and UndefinedBehaviorSanitizer, then a
# bounded libFuzzer run over the engine's entry point. Any report fails.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZOLVAN_SANITIZE=ON -DZOLVAN_WERROR=ON \
    -DZOLVAN_UI=OFF -DZOLVAN_BENCH=OFF >/dev/null
cmake --build build-asan --target engine_tests workspace_tests
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
./build-asan/tests/engine_tests --gtest_brief=1
./build-asan/tests/workspace_tests --gtest_brief=1

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOLVAN_FUZZ=ON \
    -DZOLVAN_UI=OFF -DZOLVAN_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz --target calculate_fuzzer
mkdir -p build-fuzz/corpus
./build-fuzz/fuzz/calculate_fuzzer -runs="${FUZZ_RUNS:-1000000}" -max_total_time=180 -timeout=5 \
    -max_len=4096 -rss_limit_mb=2048 build-fuzz/corpus fuzz/seeds
