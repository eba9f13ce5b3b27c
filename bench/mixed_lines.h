// What a lab types in a day: formulas, functions, statistics, equations, plain arithmetic. The
// benchmarks of the engine, the calculate command and the window run these lines;
// bench/cli_bench.sh writes the same twenty.
#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <string_view>

namespace zolvan::bench {

inline constexpr std::array<std::string_view, 20> kMixedLines{
    "H2SO4",       "2h2o+nacl", "3*Ca(OH)2",   "sin(30)^2",  "5%200",
    "CuSO4+5H2O",  "(2+3)*4/7", "sqrt(2)*pi",  "sum(2+4+6)", "x^2-3x+2",
    "log1000+ln5", "12.5*8-3",  "K4[Fe(CN)6]", "2^10-1",     "cos(pi/3)",
    "C6H12O6",     "ans*2",     "2x^2+3x-5=0", "170!/3",     "sum(1.5+2.5-3+4E-2)",
};

// The number of lines a profiling program runs: its first argument, 20,000 without one.
inline std::size_t lineCount(int argc, char** argv) {
    std::size_t lines = 20000;
    if (argc > 1) {
        const std::string_view count(argv[1]);
        std::from_chars(count.data(), count.data() + count.size(), lines);
    }
    return lines;
}

} // namespace zolvan::bench
