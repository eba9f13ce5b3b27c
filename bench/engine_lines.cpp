// The loop of mixedLinesEngine as a plain program, for profilers that count instructions:
// `engine_lines N` runs N lines of the mix through the engine and prints the last result.
#include "bench/mixed_lines.h"
#include "engine/calculate.h"
#include "engine/engine_state.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    using zolvan::bench::kMixedLines;
    const std::size_t lines = zolvan::bench::lineCount(argc, argv);
    zolvan::EngineState engine;
    for (std::size_t i = 0; i < lines; ++i) {
        engine.InputLine = kMixedLines[i % kMixedLines.size()];
        zolvan::calculateExpression(engine);
        engine.CalcKind = static_cast<std::int16_t>(engine.CalcKind > 0 ? -engine.CalcKind : 0);
    }
    std::printf("%s\n", engine.ResultText.c_str());
}
