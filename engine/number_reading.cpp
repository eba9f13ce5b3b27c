// Finding and reading number texts (see number_text.h).
#include "engine/ascii.h"
#include "engine/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace zolvan {

using namespace ascii;

namespace {

// Exponent digits are kept while the value is below this; past it only the direction matters.
constexpr int kExponentKept = 100000;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::size_t exponentEnd(std::string_view text, std::size_t at, NumberScan& scan) {
    std::size_t k = at + 1; // after the mark
    const bool negative = k < text.size() && text[k] == '-';
    if (k < text.size() && (text[k] == '-' || text[k] == '+')) {
        ++k;
    }
    const std::size_t first = k;
    int value = 0;
    for (; k < text.size() && isDigit(text[k]); ++k) {
        if (value < kExponentKept) {
            value = value * 10 + (text[k] - '0');
        }
    }
    if (k == first) {
        return at; // a mark without digits belongs to what follows the number
    }
    scan.exponent = negative ? -value : value;
    return k;
}

// Adds a digit to the digits' integer, which stays at kManyDigits once it passes 17 digits.
void takeDigit(NumberScan& scan, char digit) {
    const std::uint64_t next = scan.digitsValue * 10 + static_cast<std::uint64_t>(digit - '0');
    scan.digitsValue =
        scan.digitsValue < NumberScan::kManyDigits / 10 ? next : NumberScan::kManyDigits;
}

// Most numbers have at most 15 significant digits and a small power of ten. Then the digits are
// an exact integer and the power an exact double, so one correctly rounded multiplication or
// division gives the correctly rounded value, without the general conversion.
std::optional<double> exactValue(const NumberScan& scan) {
    static constexpr std::array<double, 23> kPowersOfTen{
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr std::uint64_t kFifteenDigits = 1000000000000000;
    const int power = scan.exponent - scan.fractionDigits;
    if (power < -22 || power > 22 || scan.digitsValue >= kFifteenDigits) {
        return std::nullopt;
    }
    const auto digits = static_cast<double>(static_cast<std::int64_t>(scan.digitsValue));
    const double magnitude = power >= 0 ? digits * kPowersOfTen[static_cast<std::size_t>(power)]
                                        : digits / kPowersOfTen[static_cast<std::size_t>(-power)];
    return scan.negative ? -magnitude : magnitude;
}

// Any other number: its parts written in the "C" form for from_chars. A magnitude beyond the
// double range is an infinity or zero, by where the decimal point ends up.
std::optional<double> generalValue(std::string_view text, const NumberScan& scan,
                                   char decimalSeparator) {
    std::array<char, 128> small;
    std::string large;
    char* buf = small.data();
    if (text.size() + 2 > small.size()) {
        large.resize(text.size() + 2);
        buf = large.data();
    }
    std::size_t length = 0;
    if (scan.negative) {
        buf[length++] = '-';
    }
    for (std::size_t k = scan.digitsStart; k < scan.digitsEnd; ++k) {
        if (isDigit(text[k])) {
            buf[length++] = text[k];
        } else if (text[k] == decimalSeparator) {
            buf[length++] = '.';
        }
    }
    if (scan.digitsEnd < scan.length) {
        buf[length++] = 'e';
        for (std::size_t k = scan.digitsEnd + 1; k < scan.length; ++k) {
            if (text[k] != '+') {
                buf[length++] = text[k];
            }
        }
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(buf, buf + length, value);
    if (end != buf + length) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        const bool huge = scan.integerDigits + scan.exponent > 0;
        value = huge ? HUGE_VAL : 0.0;
        return scan.negative ? -value : value;
    }
    return value;
}

} // namespace

NumberScan scanNumber(std::string_view text, char decimalSeparator, NumberSyntax syntax) {
    const char group = groupSeparatorFor(decimalSeparator);
    NumberScan scan;
    std::size_t at = 0;
    if (syntax.sign && !text.empty() && (text[0] == '+' || text[0] == '-')) {
        scan.negative = text[0] == '-';
        at = 1;
    }
    scan.digitsStart = at;
    for (; at < text.size(); ++at) {
        if (isDigit(text[at])) {
            ++scan.integerDigits;
            takeDigit(scan, text[at]);
        } else if (!(syntax.grouping && text[at] == group && scan.integerDigits > 0)) {
            break;
        }
    }
    if (at < text.size() && text[at] == decimalSeparator) {
        for (++at; at < text.size() && isDigit(text[at]); ++at) {
            ++scan.fractionDigits;
            takeDigit(scan, text[at]);
        }
    }
    if (scan.integerDigits + scan.fractionDigits == 0) {
        return {};
    }
    scan.digitsEnd = at;
    const bool mark = at < text.size() && (text[at] == 'e' || text[at] == 'E');
    scan.length = syntax.exponent && mark ? exponentEnd(text, at, scan) : at;
    return scan;
}

std::optional<double> readNumber(std::string_view text, char decimalSeparator, bool allowGrouping) {
    text = trimmed(text);
    if (const PlainDecimal plain = readPlainDecimal(text, decimalSeparator);
        plain.length != 0 && plain.length == text.size()) {
        return plain.value;
    }
    // Taken from a table: a syntax built here is written to the stack in bytes and read back as
    // one word, which waits for the writes.
    static constexpr std::array<NumberSyntax, 2> kSyntaxes{NumberSyntax{},
                                                           NumberSyntax{.grouping = true}};
    const NumberScan scan = scanNumber(text, decimalSeparator, kSyntaxes[allowGrouping ? 1 : 0]);
    if (scan.length == 0 || scan.length != text.size()) {
        return std::nullopt;
    }
    return scannedValue(text, scan, decimalSeparator);
}

std::optional<double> scannedValue(std::string_view text, const NumberScan& scan,
                                   char decimalSeparator) {
    if (const std::optional<double> exact = exactValue(scan)) {
        return exact;
    }
    return generalValue(text, scan, decimalSeparator);
}

bool readsAsNumber(std::string_view text, char decimalSeparator, bool allowGrouping) {
    const auto value = readNumber(text, decimalSeparator, allowGrouping);
    return value && std::isfinite(*value);
}

} // namespace zolvan
