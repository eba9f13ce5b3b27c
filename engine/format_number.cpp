#include "engine/format_number.h"

#include "engine/number_text.h"

#include <cmath>

namespace zolvan {

std::string formatNumber(std::string_view value, std::int16_t mode, std::string_view digits,
                         bool thousands, std::int16_t elementDecimals, char decimalSeparator) {
    const auto number = readNumber(value, decimalSeparator);
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
