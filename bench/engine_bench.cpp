// Throughput of the engine and of the calculate command, and the time of single long lines.
#include "bench/mixed_lines.h"
#include "engine/calculate.h"
#include "engine/engine_state.h"
#include "engine/hints.h"
#include "workspace/headless_services.h"
#include "workspace/workspace.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace zolvan;
using bench::kMixedLines;

void mixedLinesEngine(benchmark::State& state) {
    EngineState engine;
    std::size_t i = 0;
    for (auto _ : state) {
        engine.InputLine = kMixedLines[i++ % kMixedLines.size()];
        calculateExpression(engine);
        engine.CalcKind = static_cast<std::int16_t>(engine.CalcKind > 0 ? -engine.CalcKind : 0);
        benchmark::DoNotOptimize(engine.ResultText.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(mixedLinesEngine);

// The window's calculate command over the mix; the history is emptied now and then so that its
// growth is not what is measured.
void runCalculateCommand(benchmark::State& state, bool hints) {
    HeadlessServices services;
    Workspace ws(services);
    ws.Form_Load();
    ws.hintsEnabled = hints;
    std::size_t i = 0;
    for (auto _ : state) {
        ws.txtUnosFormule.setText(std::string(kMixedLines[i++ % kMixedLines.size()]));
        benchmark::DoNotOptimize(ws.convertChem2Text());
        if (ws.cmbLista.size() > 100000) {
            ws.cmbLista.clear();
            ws.lstRezultat.clear();
        }
    }
    state.SetItemsProcessed(state.iterations());
}

void mixedLinesCalculateCommand(benchmark::State& state) {
    runCalculateCommand(state, true);
}
BENCHMARK(mixedLinesCalculateCommand);

// The same command with the hints turned off, as zolvan-cli --no-hints runs it: the difference
// is what looking for hints costs a line that gets none.
void mixedLinesCalculateCommandNoHints(benchmark::State& state) {
    runCalculateCommand(state, false);
}
BENCHMARK(mixedLinesCalculateCommandNoHints);

// Looking for hints alone, after each of the mixed lines ran: what every line pays.
void mixedLinesHints(benchmark::State& state) {
    std::vector<EngineState> ran(kMixedLines.size());
    for (std::size_t k = 0; k < ran.size(); ++k) {
        ran[k].InputLine = kMixedLines[k];
        calculateExpression(ran[k]);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const EngineState& engine = ran[i++ % ran.size()];
        benchmark::DoNotOptimize(lineHints(engine, engine.InputLine));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(mixedLinesHints);

// Lines that get a hint: each tries another reading through the engine.
constexpr std::array<std::string_view, 6> kHintedLines{
    "CuSO4*5H2O", "CuSO4 5H2O", "CuSO4.5H2O", "co", "SIN(30)", "2H2 + O2 \u2192 2H2O"};

void hintedLines(benchmark::State& state) {
    EngineState engine;
    std::size_t i = 0;
    for (auto _ : state) {
        engine.InputLine = kHintedLines[i++ % kHintedLines.size()];
        engine.CalcKind = 0;
        calculateExpression(engine);
        benchmark::DoNotOptimize(lineHints(engine, engine.InputLine));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(hintedLines);

// A line of `length` characters: operands joined by one operator, or nested brackets.
std::string longLine(char op, std::size_t length) {
    std::string line;
    if (op == '(') {
        const std::size_t depth = (length - 1) / 2;
        line.assign(depth, '(');
        line += '1';
        line.append(depth, ')');
        return line;
    }
    line = "1";
    while (line.size() + 2 <= length) {
        line += op;
        line += '1';
    }
    return line;
}

void longLineBench(benchmark::State& state, char op) {
    const std::string line = longLine(op, static_cast<std::size_t>(state.range(0)));
    EngineState engine;
    for (auto _ : state) {
        engine.InputLine = line;
        engine.CalcKind = 0;
        calculateExpression(engine);
        benchmark::DoNotOptimize(engine.ResultText.data());
    }
    state.SetLabel(engine.ResultText.substr(0, 24));
}

void lineLengths(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(8000)->Arg(32766)->Arg(32767)->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(longLineBench, longPower, '^')->Apply(lineLengths);
BENCHMARK_CAPTURE(longLineBench, longDivision, '/')->Apply(lineLengths);
BENCHMARK_CAPTURE(longLineBench, longProduct, '*')->Apply(lineLengths);
BENCHMARK_CAPTURE(longLineBench, longPercent, '%')->Apply(lineLengths);
BENCHMARK_CAPTURE(longLineBench, longSum, '+')->Apply(lineLengths);
BENCHMARK_CAPTURE(longLineBench, longDifference, '-')->Apply(lineLengths);
BENCHMARK_CAPTURE(longLineBench, longBrackets, '(')->Apply(lineLengths);

// Hints on a long line that offers a place to try every few characters: products of formulas,
// blanks inside counts, brackets that make every term run to the start of the line. The engine
// has run the line once before; only the hints are timed.
void longHintsBench(benchmark::State& state, std::string_view unit) {
    std::string line;
    while (line.size() + unit.size() < 32766) {
        line += unit;
    }
    EngineState engine;
    engine.InputLine = line;
    calculateExpression(engine);
    for (auto _ : state) {
        benchmark::DoNotOptimize(lineHints(engine, line));
    }
}

BENCHMARK_CAPTURE(longHintsBench, longHintedProducts, "CuSO4*5H2O+")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(longHintsBench, longBlankCounts, "H2 2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(longHintsBench, longClosedProducts, ")*")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(longHintsBench, longCapitalNames, "SIN+")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
