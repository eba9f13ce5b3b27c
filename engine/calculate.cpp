#include "engine/calculate.h"

#include "engine/arithmetic.h"
#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/formula_expansion.h"
#include "engine/normalizer.h"
#include "engine/number_text.h"
#include "engine/square_equation.h"
#include "engine/statistics.h"

#include <algorithm>
#include <exception>
#include <utility>
#include <variant>

namespace zolvan {

namespace {

void savePreviousCalculation(EngineState& s) {
    s.PrevNormalizedLine = s.NormalizedLine;
    s.PrevExpandedLine = s.ExpandedLine;
    s.AnsText = s.ResultText;
}

// The value in its display format, formatValue's mode 3 (molecular weight) when the line holds
// elements and mode 0 when not, written into the result's own memory.
void writeResultValue(EngineState& s, double value) {
    if (s.ElementPrecision && s.ElementDecimals < 10) {
        assignFixedText(s.ResultText, value, std::clamp<int>(s.ElementDecimals, 0, 15),
                        s.DecimalSeparator);
    } else {
        assignNumberText(s.ResultText, value, s.DecimalSeparator);
    }
}

void evaluateOrdinaryLine(EngineState& s) {
    // The new arithmetic text is written in the memory of the last one.
    const Expansion expansion = expandChemFormula(s, s.NormalizedLine, s.ExpandedLine);
    // A fault of the expansion is the result; any arithmetic text, whatever it begins with, is
    // the evaluator's to judge.
    if (expansion.fault) {
        s.ExpandedLine = *expansion.fault;
        s.ResultText = s.ExpandedLine;
        return;
    }
    // The value goes straight to the display format: the same as writing it in the evaluator's
    // pattern and reading that again, without the two conversions.
    std::variant<double, std::string> r =
        evaluateArithmeticValue(s, s.ExpandedLine, expansion.weights.items());
    if (const double* value = std::get_if<double>(&r)) {
        writeResultValue(s, *value);
    } else {
        s.ResultText = std::move(std::get<std::string>(r));
    }
}

void runStages(EngineState& s) {
    if (s.CalcKind == 0) {
        savePreviousCalculation(s);
    }
    const Canonical canonical = canonicalForm(s, s.InputLine, s.NormalizedLine);
    if (canonical.fault) {
        s.NormalizedLine = std::string(*canonical.fault);
        s.ExpandedLine.clear();
        s.ResultText = s.NormalizedLine;
        return;
    }
    if (s.CalcKind == 1) {
        statisticsOfData(s);
    } else if (s.CalcKind == 2) {
        solveSquareEquation(s);
    } else {
        evaluateOrdinaryLine(s);
    }
    if (!s.ShowSeparators) {
        std::erase(s.NormalizedLine, ':');
    }
}

} // namespace

void calculateExpression(EngineState& s) {
    try {
        runStages(s);
    } catch (const EngineFault& f) {
        s.ResultText = std::string(f.text);
    }
#ifndef ZOLVAN_LIBRARY_FAULTS_ESCAPE
    // A release build never lets a bug end the program: whatever the library threw is reported
    // as a failed operation. Sanitizer and fuzzing builds let it escape so that it is seen.
    catch (const std::exception&) {
        s.ResultText = std::string(fault::InvalidOperation);
    }
#endif
}

} // namespace zolvan
