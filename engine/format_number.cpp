#include "engine/format_number.h"

#include "engine/number_text.h"

#include <algorithm>
#include <cmath>

namespace zolvan {

namespace {

// Whether a mode shows a value as the general number text.
bool isGeneralMode(std::int16_t mode, std::int16_t elementDecimals) {
    return mode != 1 && mode != 2 && !(mode == 3 && elementDecimals < 10);
}

// The rest of the general-form test for a text that readPlainDecimal read whole.
bool isGeneralForm(std::string_view text, char decimalSeparator) {
    const std::string_view body = text.front() == '-' ? text.substr(1) : text;
    const bool fraction = std::find(body.begin(), body.end(), decimalSeparator) != body.end();
    if (body.front() == '0') {
        return fraction ? body.size() > 2 && body[1] == decimalSeparator && body.back() != '0'
                        : body.size() == 1 && body.size() == text.size();
    }
    return !fraction || (body.front() != decimalSeparator && body.back() != '0' &&
                         body.back() != decimalSeparator);
}

bool readsWhole(const PlainDecimal& plain, std::string_view text) {
    return plain.length != 0 && plain.length == text.size();
}

} // namespace

std::optional<double> generalTextValue(std::string_view text, char decimalSeparator) {
    const PlainDecimal plain = readPlainDecimal(text, decimalSeparator);
    if (!readsWhole(plain, text) || !isGeneralForm(text, decimalSeparator)) {
        return std::nullopt;
    }
    return plain.value;
}

std::string formatNumber(std::string_view value, std::int16_t mode, std::string_view digits,
                         bool thousands, std::int16_t elementDecimals, char decimalSeparator) {
    // A plain decimal, as most values are, is read once for both questions.
    const PlainDecimal plain = readPlainDecimal(value, decimalSeparator);
    const bool whole = readsWhole(plain, value);
    if (whole && isGeneralMode(mode, elementDecimals) && isGeneralForm(value, decimalSeparator)) {
        return std::string(value); // reading and writing it again gives the same text
    }
    const auto number = whole ? std::optional(plain.value) : readNumber(value, decimalSeparator);
    if (!number || !std::isfinite(*number)) {
        return std::string(value);
    }
    return formatValue(*number, mode, digits, thousands, elementDecimals, decimalSeparator);
}

std::string formatValue(double number, std::int16_t mode, std::string_view digits, bool thousands,
                        std::int16_t elementDecimals, char decimalSeparator) {
    const int decimals = static_cast<int>(digits.size());
    if (mode == 3 && elementDecimals < 10) {
        return fixedText(number, decimals, decimalSeparator);
    }
    if (mode == 2) {
        return thousands ? standardText(number, decimalSeparator)
                         : fixedText(number, decimals, decimalSeparator);
    }
    if (mode == 1) {
        return scientificText(number, decimals, decimalSeparator);
    }
    return numberText(number, decimalSeparator);
}

} // namespace zolvan
