#include "engine/statistics.h"

#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/format_number.h"
#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
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

// Opens the next position of the series (holding 0) and counts it. While a series is read the
// positions are 0..DataCount, so the new one goes at the end.
void growSeries(EngineState& state) {
    if (state.DataCount == std::numeric_limits<std::int16_t>::max()) {
        throw EngineFault{fault::OutOfRange};
    }
    ++state.DataCount;
    state.DataValues.push_back(0.0);
}

// What each character of a typed series is to its reading.
enum class SeriesChar : std::uint8_t {
    Value,         // part of a value's text
    Skipped,       // the token's name, its brackets and any other lower-case letter
    OtherOperator, // "*", "/", "%", "^": the series is refused
    Plus,
    Minus, // a sign, or the start of the next, negative value
};

constexpr auto kSeriesChars = [] {
    std::array<SeriesChar, 256> classes{};
    for (char c = 'a'; c <= 'z'; ++c) {
        classes[static_cast<unsigned char>(c)] = SeriesChar::Skipped;
    }
    classes[':'] = classes['('] = classes[')'] = SeriesChar::Skipped;
    classes['*'] = classes['/'] = classes['%'] = classes['^'] = SeriesChar::OtherOperator;
    classes['+'] = SeriesChar::Plus;
    classes['-'] = SeriesChar::Minus;
    return classes;
}();

bool isSkipped(char ch) {
    return kSeriesChars[static_cast<unsigned char>(ch)] == SeriesChar::Skipped;
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

// Reads one value's text into the last position of the series and appends it to the rewritten
// line as numberText writes it; on a fault that position keeps its 0.
void storeText(EngineState& state, std::string_view text, std::string& rewritten) {
    const char separator = state.DecimalSeparator;
    const auto position = static_cast<std::size_t>(state.DataCount);
    // Most typed values are already written as numberText writes them.
    if (const std::optional<double> general = generalTextValue(text, separator)) {
        state.DataValues[position] = *general;
        rewritten += text;
        return;
    }
    const auto value = readNumber(text, separator, state.ThousandsSeparator);
    if (!value) {
        throw EngineFault{fault::NotANumber};
    }
    if (!std::isfinite(*value)) {
        throw EngineFault{fault::Overflow};
    }
    state.DataValues[position] = *value;
    appendNumberText(rewritten, *value, separator);
}

// The same for a text that holds skipped characters inside it: they are left out first.
void storeJoinedText(EngineState& state, std::string_view text, std::string& rewritten) {
    std::string joined;
    std::copy_if(text.begin(), text.end(), std::back_inserter(joined),
                 [](char ch) { return !isSkipped(ch); });
    storeText(state, joined, rewritten);
}

// A value's text is what lies between two separators, without its skipped characters.
void storeValue(EngineState& state, std::string_view piece, std::string& rewritten) {
    while (!piece.empty() && isSkipped(piece.front())) {
        piece.remove_prefix(1);
    }
    while (!piece.empty() && isSkipped(piece.back())) {
        piece.remove_suffix(1);
    }
    if (std::none_of(piece.begin(), piece.end(), isSkipped)) {
        storeText(state, piece, rewritten);
    } else {
        storeJoinedText(state, piece, rewritten);
    }
}

// Replaces the series by the values of ":sum(v1+v2+...)" and writes into `rewritten` the line
// as the series was read (":sum(5+-3)"). False when the line was rejected.
bool readTypedSeries(EngineState& state, std::string& rewritten) {
    const std::string_view line = state.NormalizedLine;
    state.DataCount = 1;
    state.DataValues.assign(2, 0.0);
    rewritten.reserve(line.size() + 8);
    rewritten += ":sum(";
    std::size_t start = 0; // where the text of the value being read begins
    for (std::size_t at = 0; at < line.size(); ++at) {
        const SeriesChar kind = kSeriesChars[static_cast<unsigned char>(line[at])];
        if (kind < SeriesChar::OtherOperator || (kind == SeriesChar::Minus && isSign(line, at))) {
            continue;
        }
        if (kind == SeriesChar::OtherOperator) {
            emptySeries(state);
            state.ResultText = msg::OnlyPlusDifferences;
            return false;
        }
        storeValue(state, line.substr(start, at - start), rewritten);
        growSeries(state);
        rewritten += '+';
        start = kind == SeriesChar::Minus ? at : at + 1; // a "-" stays with the value it starts
    }
    storeValue(state, line.substr(start), rewritten);
    rewritten += ')';
    return true;
}

// ":sum(" and the first `count` values of the series as numberText writes them, "+" between.
std::string seriesText(const std::vector<double>& values, std::size_t count, char separator) {
    std::string line;
    for (std::size_t i = 1; i <= count; ++i) {
        line += i == 1 ? ":sum(" : "+";
        appendNumberText(line, values[i], separator);
    }
    return line;
}

// Sum, mean and sample standard deviation of positions 1..DataCount; the line is rewritten as
// the series was read: `rewritten` when the reading wrote it, else from the stored values.
// False when the series holds a single value.
bool computeStatistics(EngineState& state, std::string* rewritten) {
    const std::size_t count = static_cast<std::size_t>(state.DataCount);
    if (count == 1) {
        state.ResultText = msg::NoDataForCalculate;
        return false;
    }
    // Keeps the stored series in step with its count even if a caller broke that.
    state.DataValues.resize(count + 1, 0.0);
    const std::vector<double>& values = state.DataValues;
    const char separator = state.DecimalSeparator;

    double sum = 0.0;
    for (std::size_t i = 1; i <= count; ++i) {
        sum += values[i];
        if (!std::isfinite(sum)) {
            // The line shows the values added before the sum overflowed.
            state.NormalizedLine = seriesText(values, i - 1, separator);
            throw EngineFault{fault::Overflow};
        }
    }
    if (rewritten != nullptr) {
        state.NormalizedLine.swap(*rewritten);
    } else {
        state.NormalizedLine = seriesText(values, count, separator) + ')';
    }

    const double n = static_cast<double>(count);
    const double mean = sum / n;
    assignNumberText(state.ResultRows[0], sum, separator);
    assignNumberText(state.ResultRows[1], mean, separator);

    double squares = 0.0;
    for (std::size_t i = 1; i <= count; ++i) {
        squares += (values[i] - mean) * (values[i] - mean);
    }
    if (!std::isfinite(squares)) {
        throw EngineFault{fault::Overflow};
    }
    assignNumberText(state.ResultRows[2], std::sqrt(squares / (n - 1.0)), separator);
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
        return state.DataCount > 0 && computeStatistics(state, nullptr);
    }
    if (line.size() == kShortRequestLength) {
        answerShortRequest(state, line);
        return false;
    }
    // Refused before the stored series is discarded, so an over-long line loses no data.
    if (line.size() >= kMaxLineLength) {
        throw EngineFault{fault::LineTooLong};
    }
    std::string rewritten;
    return readTypedSeries(state, rewritten) && computeStatistics(state, &rewritten);
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
