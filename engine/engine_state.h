#pragma once
// The expression engine's whole state: one object per program run, passed to every stage.
// It evaluates nothing by itself.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zolvan {

struct EngineState {
    std::string InputLine;      // the trimmed line to evaluate
    std::string NormalizedLine; // canonical text, echoed on the display
    std::string ExpandedLine;   // pure arithmetic text
    std::string ResultText;     // a number written as text, or a message
    std::string PrevNormalizedLine;
    std::string PrevExpandedLine;
    std::string AnsText; // previous result; the value of ":ans"

    // 0 ordinary, 1 statistics, 2 square equation; -1/-2 while their table is displayed.
    std::int16_t CalcKind = 0;
    bool ShowSeparators = true;
    bool ElementPrecision = false;
    std::int16_t ElementDecimals = 10;
    bool UnknownSymbolFlag = false;
    std::string UnknownSymbol;
    double MemoryValue = 0.0;
    std::int16_t AngleUnit = 0; // 0 radians, 1 degrees, 2 grads
    std::vector<std::string> ResultRows;
    std::vector<double> DataValues{0.0}; // positions 1..DataCount; position 0 is never filled
    std::int16_t DataCount = 0;

    // Workspace settings the engine reads.
    char DecimalSeparator = '.';
    bool ThousandsSeparator = false;

    // Generator behind ":ran"; the window seeds it from the clock at start-up.
    std::minstd_rand Random{1u};
};

} // namespace zolvan
