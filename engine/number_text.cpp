#include "engine/number_text.h"

#include "engine/fault.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace zolvan {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A finite value as decimal digits: value = 0.d1d2d3... * 10^(exponent + 1), first digit nonzero.
struct Decimal {
    std::string digits; // empty for zero
    int exponent = 0;   // place value of the first digit is 10^exponent
    bool negative = false;
};

// Digits and exponent out of a "d.ddde+XX" text written by to_chars.
void parseScientific(const char* p, const char* end, Decimal& d) {
    for (; p != end && *p != 'e'; ++p) {
        if (isDigit(*p)) {
            d.digits.push_back(*p);
        }
    }
    if (p == end) {
        return;
    }
    ++p; // 'e'
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+')) {
        ++p;
    }
    int exponent = 0;
    for (; p != end; ++p) {
        exponent = exponent * 10 + (*p - '0');
    }
    d.exponent = negative ? -exponent : exponent;
}

// The value rounded to `significant` digits, correctly rounded. The shortest text that reads
// back as the same double is tried first: when it has no more digits than asked for, it is
// exactly the rounded value, and it is much cheaper to get.
Decimal toDecimal(double value, int significant) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0.0) {
        return d;
    }
    std::array<char, 64> buf;
    const double magnitude = std::fabs(value);
    const auto shortest = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                        std::chars_format::scientific);
    parseScientific(buf.data(), shortest.ptr, d);
    if (static_cast<int>(d.digits.size()) > significant) {
        d.digits.clear();
        const auto rounded = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                           std::chars_format::scientific, significant - 1);
        parseScientific(buf.data(), rounded.ptr, d);
    }
    return d;
}

void stripTrailingZeros(Decimal& d) {
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
}

// Keeps `keep` leading digits, rounding half away from zero on the decimal digits.
void roundToDigits(Decimal& d, int keep) {
    const int length = static_cast<int>(d.digits.size());
    if (keep >= length) {
        return;
    }
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (!up) {
        return;
    }
    int i = keep - 1;
    for (; i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9'; --i) {
        d.digits[static_cast<std::size_t>(i)] = '0';
    }
    if (i >= 0) {
        ++d.digits[static_cast<std::size_t>(i)];
    } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent;
    }
}

char digitAt(const Decimal& d, int place) {
    const int index = d.exponent - place;
    if (index < 0 || index >= static_cast<int>(d.digits.size())) {
        return '0';
    }
    return d.digits[static_cast<std::size_t>(index)];
}

bool isZero(const Decimal& d) {
    return d.digits.find_first_not_of('0') == std::string::npos;
}

void appendExponent(std::string& out, int exponent, int minDigits, bool alwaysSign) {
    if (exponent < 0) {
        out.push_back('-');
    } else if (alwaysSign) {
        out.push_back('+');
    }
    const std::string digits = std::to_string(std::abs(exponent));
    out.append(static_cast<std::size_t>(std::max(0, minDigits - static_cast<int>(digits.size()))),
               '0');
    out += digits;
}

// Fixed-point text of an already rounded decimal, `decimals` places, optional grouping.
std::string fixedFromDecimal(const Decimal& d, int decimals, char separator, char group) {
    std::string out;
    if (d.negative && !isZero(d)) {
        out.push_back('-');
    }
    const int topPlace = std::max(d.exponent, 0);
    for (int place = topPlace; place >= 0; --place) {
        out.push_back(digitAt(d, place));
        if (group != '\0' && place > 0 && place % 3 == 0) {
            out.push_back(group);
        }
    }
    if (decimals > 0) {
        out.push_back(separator);
        for (int place = -1; place >= -decimals; --place) {
            out.push_back(digitAt(d, place));
        }
    }
    return out;
}

std::string fixedTextImpl(double value, int decimals, char separator, char group) {
    if (!std::isfinite(value)) {
        return std::string(fault::Overflow);
    }
    decimals = std::clamp(decimals, 0, 30);
    Decimal d = toDecimal(value, 15);
    roundToDigits(d, d.exponent + 1 + decimals);
    return fixedFromDecimal(d, decimals, separator, group);
}

// A signed whole number of up to 15 digits is exact in a double: read it without from_chars.
std::optional<double> readWholeNumber(std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 15) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char c : digits) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    const auto magnitude = static_cast<double>(value);
    return negative ? -magnitude : magnitude;
}

} // namespace

std::optional<double> readNumber(std::string_view text, char decimalSeparator, bool allowGrouping) {
    const char group = groupSeparatorFor(decimalSeparator);
    std::size_t i = 0;
    std::size_t n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    while (n > i && (text[n - 1] == ' ' || text[n - 1] == '\t')) {
        --n;
    }
    if (auto whole = readWholeNumber(text.substr(i, n - i))) {
        return whole;
    }
    // Build a clean "C" form for from_chars: [-]digits[.digits][e[-]digits].
    std::array<char, 128> small;
    std::string large;
    char* buf = small.data();
    if (n - i + 2 > small.size()) {
        large.resize(n - i + 2);
        buf = large.data();
    }
    std::size_t len = 0;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') {
            buf[len++] = '-';
        }
        ++i;
    }
    int mantissaDigits = 0;
    int integerDigits = 0;
    for (; i < n; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            buf[len++] = c;
            ++mantissaDigits;
            ++integerDigits;
        } else if (allowGrouping && c == group && integerDigits > 0) {
            continue;
        } else {
            break;
        }
    }
    if (i < n && text[i] == decimalSeparator) {
        buf[len++] = '.';
        for (++i; i < n && isDigit(text[i]); ++i) {
            buf[len++] = text[i];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    long exponentValue = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        buf[len++] = 'e';
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '-' || text[i] == '+')) {
            negativeExponent = text[i] == '-';
            if (negativeExponent) {
                buf[len++] = '-';
            }
            ++i;
        }
        int exponentDigits = 0;
        for (; i < n && isDigit(text[i]); ++i, ++exponentDigits) {
            buf[len++] = text[i];
            if (exponentValue < 100000) {
                exponentValue = exponentValue * 10 + (text[i] - '0');
            }
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
        if (negativeExponent) {
            exponentValue = -exponentValue;
        }
    }
    if (i != n) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(buf, buf + len, value);
    if (ptr != buf + len) {
        return std::nullopt;
    }
    if (ec == std::errc::result_out_of_range) {
        const bool negative = buf[0] == '-';
        const bool huge = integerDigits + exponentValue > 0;
        value = huge ? HUGE_VAL : 0.0;
        return negative ? -value : value;
    }
    return value;
}

bool readsAsNumber(std::string_view text, char decimalSeparator, bool allowGrouping) {
    const auto value = readNumber(text, decimalSeparator, allowGrouping);
    return value && std::isfinite(*value);
}

namespace {

// Most numbers the engine writes (weights, counts, values read from 15-digit texts) have a
// shortest round-trip text that already is their plain form; take it when it is.
std::optional<std::string> shortestPlainText(double value, char decimalSeparator) {
    std::array<char, 32> buf;
    const auto written = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    const std::string_view text(buf.data(), static_cast<std::size_t>(written.ptr - buf.data()));
    if (text.find('e') != std::string_view::npos) {
        return std::nullopt;
    }
    int significant = 0;
    int integerDigits = 0;
    int decimals = 0;
    bool afterPoint = false;
    for (const char c : text) {
        if (c == '.') {
            afterPoint = true;
        } else if (isDigit(c)) {
            if (significant > 0 || c != '0') {
                ++significant;
            }
            ++(afterPoint ? decimals : integerDigits);
        }
    }
    if (significant > 15 || integerDigits > 15 || decimals > 15) {
        return std::nullopt;
    }
    std::string out(text);
    if (const auto point = out.find('.'); point != std::string::npos) {
        out[point] = decimalSeparator;
    }
    return out;
}

} // namespace

std::string numberText(double value, char decimalSeparator) {
    if (!std::isfinite(value)) {
        return std::string(fault::Overflow);
    }
    if (value == 0.0) {
        return "0";
    }
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        std::array<char, 24> buf;
        const auto written =
            std::to_chars(buf.data(), buf.data() + buf.size(), static_cast<long long>(value));
        return std::string(buf.data(), written.ptr);
    }
    if (auto plain = shortestPlainText(value, decimalSeparator)) {
        return std::move(*plain);
    }
    Decimal d = toDecimal(value, 15);
    stripTrailingZeros(d);
    if (d.digits.empty()) {
        return "0";
    }
    const int significant = static_cast<int>(d.digits.size());
    std::string out;
    if (d.negative) {
        out.push_back('-');
    }
    if (d.exponent >= 15 || significant - 1 - d.exponent > 15) {
        out.push_back(d.digits[0]);
        if (significant > 1) {
            out.push_back(decimalSeparator);
            out.append(d.digits, 1);
        }
        out.push_back('E');
        appendExponent(out, d.exponent, 2, true);
        return out;
    }
    const int decimals = std::max(0, significant - 1 - d.exponent);
    return out +
           fixedFromDecimal(Decimal{d.digits, d.exponent, false}, decimals, decimalSeparator, '\0');
}

std::string evaluatorText(double value, char decimalSeparator) {
    if (!std::isfinite(value)) {
        return std::string(fault::Overflow);
    }
    Decimal d = toDecimal(value, 13);
    d.digits.resize(13, '0');
    std::string out;
    if (d.negative && value != 0.0) {
        out.push_back('-');
    }
    out.push_back(d.digits[0]);
    out.push_back(decimalSeparator);
    out.append(d.digits, 1);
    out.push_back('e');
    appendExponent(out, d.exponent, 3, false);
    return out;
}

std::string fixedText(double value, int decimals, char decimalSeparator) {
    return fixedTextImpl(value, decimals, decimalSeparator, '\0');
}

std::string scientificText(double value, int decimals, char decimalSeparator) {
    if (!std::isfinite(value)) {
        return std::string(fault::Overflow);
    }
    decimals = std::clamp(decimals, 0, 30);
    Decimal d = toDecimal(value, 15);
    roundToDigits(d, 1 + decimals);
    std::string out;
    if (d.negative && !isZero(d)) {
        out.push_back('-');
    }
    if (isZero(d)) {
        d.exponent = 0;
    }
    out.push_back(digitAt(d, d.exponent));
    if (decimals > 0) {
        out.push_back(decimalSeparator);
        for (int k = 1; k <= decimals; ++k) {
            out.push_back(digitAt(d, d.exponent - k));
        }
    }
    out += " E";
    appendExponent(out, d.exponent, 2, true);
    return out;
}

std::string standardText(double value, char decimalSeparator) {
    return fixedTextImpl(value, 2, decimalSeparator, groupSeparatorFor(decimalSeparator));
}

} // namespace zolvan
