#include "engine/statistics.h"

#include "engine/ascii.h"
#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/number_text.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zolvan {

namespace {

constexpr std::size_t kTokenOnlyLength = 4;    // ":sum"
constexpr std::size_t kShortRequestLength = 5; // ":sum0", ":sum("

void emptySeries(EngineState& state) {
    state.DataCount = 0;
    state.DataValues.assign(1, 0.0);
}

// Opens the next position of the series (holding 0) and counts it.
void growSeries(EngineState& state) {
    if (state.DataCount == std::numeric_limits<std::int16_t>::max()) {
        throw EngineFault{fault::OutOfRange};
    }
    ++state.DataCount;
    state.DataValues.resize(static_cast<std::size_t>(state.DataCount) + 1, 0.0);
}

// Converts one typed value into the last position of the series; on a fault that position
// keeps its 0.
void storeValue(EngineState& state, std::string_view text) {
    const auto value = readNumber(text, state.DecimalSeparator, state.ThousandsSeparator);
    if (!value) {
        throw EngineFault{fault::NotANumber};
    }
    if (!std::isfinite(*value)) {
        throw EngineFault{fault::Overflow};
    }
    state.DataValues[static_cast<std::size_t>(state.DataCount)] = *value;
}

// The token's name, its brackets and any other lower-case letters are not part of a value.
bool isSkipped(char ch) {
    return ch == ':' || ch == '(' || ch == ')' || ascii::isLower(ch);
}

bool isOtherOperator(char ch) {
    return ch == '*' || ch == '/' || ch == '%' || ch == '^';
}

// A "-" right after "(", an exponent's "E" or a "+" is a sign; anywhere else it starts the
// next, negative value.
bool isSign(std::string_view line, std::size_t at) {
    if (at == 0) {
        return false;
    }
    const char before = line[at - 1];
    return before == '(' || before == 'E' || before == '+';
}

// Replaces the series by the values of ":sum(v1+v2+...)". False when the line was rejected.
bool readTypedSeries(EngineState& state) {
    const std::string_view line = state.NormalizedLine;
    state.DataCount = 1;
    state.DataValues.assign(2, 0.0);
    std::string current;
    for (std::size_t at = 0; at < line.size(); ++at) {
        const char ch = line[at];
        if (isSkipped(ch)) {
            continue;
        }
        if (isOtherOperator(ch)) {
            emptySeries(state);
            state.ResultText = msg::OnlyPlusDifferences;
            return false;
        }
        if (ch == '+' || (ch == '-' && !isSign(line, at))) {
            storeValue(state, current);
            current.clear();
            growSeries(state);
            if (ch == '-') {
                current += '-';
            }
            continue;
        }
        current += ch;
    }
    storeValue(state, current);
    return true;
}

// Sum, mean and sample standard deviation of positions 1..DataCount; the line is rewritten as
// the series was read (":sum(5+-3)"). False when the series holds a single value.
bool computeStatistics(EngineState& state) {
    const std::size_t count = static_cast<std::size_t>(state.DataCount);
    if (count == 1) {
        state.ResultText = msg::NoDataForCalculate;
        return false;
    }
    // Keeps the stored series in step with its count even if a caller broke that.
    state.DataValues.resize(count + 1, 0.0);
    const std::vector<double>& values = state.DataValues;
    const char separator = state.DecimalSeparator;

    std::string line;
    double sum = 0.0;
    for (std::size_t i = 1; i <= count; ++i) {
        sum += values[i];
        if (!std::isfinite(sum)) {
            state.NormalizedLine = std::move(line);
            throw EngineFault{fault::Overflow};
        }
        line += i == 1 ? ":sum(" : "+";
        line += numberText(values[i], separator);
    }
    line += ')';
    state.NormalizedLine = std::move(line);

    const double n = static_cast<double>(count);
    const double mean = sum / n;
    state.ResultRows[0] = numberText(sum, separator);
    state.ResultRows[1] = numberText(mean, separator);

    double squares = 0.0;
    for (std::size_t i = 1; i <= count; ++i) {
        squares += (values[i] - mean) * (values[i] - mean);
    }
    if (!std::isfinite(squares)) {
        throw EngineFault{fault::Overflow};
    }
    state.ResultRows[2] = numberText(std::sqrt(squares / (n - 1.0)), separator);
    return true;
}

// ":sum0" empties the series and shows "0"; ":sum(" with nothing in it is refused.
void answerShortRequest(EngineState& state, std::string_view line) {
    if (line.back() == '0') {
        emptySeries(state);
        state.ResultText = "0";
    } else if (line.find('+') == std::string_view::npos) {
        state.ResultText = msg::OnlyPlusSeparates;
    }
}

// True when the statistics were computed; false on every other exit.
bool answerRequest(EngineState& state) {
    const std::string_view line = state.NormalizedLine;
    if (line.size() == kTokenOnlyLength) {
        return state.DataCount > 0 && computeStatistics(state);
    }
    if (line.size() == kShortRequestLength) {
        answerShortRequest(state, line);
        return false;
    }
    // Refused before the stored series is discarded, so an over-long line loses no data.
    if (line.size() >= kMaxLineLength) {
        throw EngineFault{fault::LineTooLong};
    }
    return readTypedSeries(state) && computeStatistics(state);
}

} // namespace

void statisticsOfData(EngineState& state) {
    state.ResultRows.assign(3, std::string{});
    try {
        if (!answerRequest(state)) {
            state.CalcKind = -2;
        }
    } catch (const EngineFault& failure) {
        state.ResultText = failure.text;
        state.CalcKind = -2;
    }
}

} // namespace zolvan
