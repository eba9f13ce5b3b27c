#include "engine/number_text.h"

#include "engine/ascii.h"
#include "engine/fault.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace zolvan {

using namespace ascii;

namespace {

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

// Texts of at most 15 digits with a small decimal exponent, the usual case, are read exactly
// without from_chars: the digits form an exact integer and the power of ten is exact, so one
// correctly rounded multiplication or division gives the correctly rounded value.
std::optional<double> readShortDecimal(std::string_view text, char decimalSeparator) {
    static constexpr std::array<double, 23> kPowersOfTen{
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) {
        ++i;
    }
    long long mantissa = 0;
    int digits = 0;
    int fractionDigits = 0;
    bool afterSeparator = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            mantissa = mantissa * 10 + (c - '0');
            ++digits;
            fractionDigits += afterSeparator ? 1 : 0;
        } else if (c == decimalSeparator && !afterSeparator) {
            afterSeparator = true;
        } else {
            break;
        }
        if (digits > 15) {
            return std::nullopt;
        }
    }
    int exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool negativeExponent = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
            ++i;
        }
        const std::size_t first = i;
        for (; i < text.size() && isDigit(text[i]) && i - first < 4; ++i) {
            exponent = exponent * 10 + (text[i] - '0');
        }
        if (i == first) {
            return std::nullopt;
        }
        exponent = negativeExponent ? -exponent : exponent;
    }
    const int power = exponent - fractionDigits;
    if (digits == 0 || i != text.size() || power < -22 || power > 22) {
        return std::nullopt;
    }
    const auto scaled = static_cast<double>(mantissa);
    const double magnitude = power >= 0 ? scaled * kPowersOfTen[static_cast<std::size_t>(power)]
                                        : scaled / kPowersOfTen[static_cast<std::size_t>(-power)];
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
    if (auto quick = readShortDecimal(text.substr(i, n - i), decimalSeparator)) {
        return quick;
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

// The usual numbers (counts, weights, sums of weights, halves) are m / 10^k with m of at most
// 15 digits. When dividing such an m by 10^k gives the value back exactly, m with k decimals is
// the value's 15-digit text, found without the general conversion.
std::optional<std::string> shortDecimalText(double value, char decimalSeparator) {
    static constexpr std::array<double, 16> kPowersOfTen{
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double magnitude = std::fabs(value);
    if (!(magnitude < 1e15)) {
        return std::nullopt;
    }
    for (std::size_t k = 0; k < kPowersOfTen.size(); ++k) {
        const double scaled = magnitude * kPowersOfTen[k];
        if (scaled >= 1e15) {
            return std::nullopt;
        }
        if (scaled != std::trunc(scaled) || scaled / kPowersOfTen[k] != magnitude) {
            continue;
        }
        std::array<char, 24> buf;
        const auto end =
            std::to_chars(buf.data(), buf.data() + buf.size(), static_cast<long long>(scaled)).ptr;
        std::string_view digits(buf.data(), static_cast<std::size_t>(end - buf.data()));
        // The product may have been exact only at a larger k: drop the zeros that gives.
        while (k > 0 && digits.size() > 1 && digits.back() == '0') {
            digits.remove_suffix(1);
            --k;
        }
        std::string out;
        out.reserve(digits.size() + k + 3);
        if (value < 0) {
            out.push_back('-');
        }
        if (digits.size() <= k) {
            out += '0';
            out += decimalSeparator;
            out.append(k - digits.size(), '0');
            out += digits;
        } else {
            out += digits.substr(0, digits.size() - k);
            if (k > 0) {
                out += decimalSeparator;
                out += digits.substr(digits.size() - k);
            }
        }
        return out;
    }
    return std::nullopt;
}

} // namespace

std::string numberText(double value, char decimalSeparator) {
    if (!std::isfinite(value)) {
        return std::string(fault::Overflow);
    }
    if (value == 0.0) {
        return "0";
    }
    if (auto plain = shortDecimalText(value, decimalSeparator)) {
        return std::move(*plain);
    }
    Decimal d = toDecimal(value, 15);
    stripTrailingZeros(d);
    const int significant = static_cast<int>(d.digits.size());
    std::string out;
    out.reserve(24);
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
    } else if (d.exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(d.exponent + 1);
        out.append(d.digits, 0, integerDigits);
        out.append(integerDigits - std::min(integerDigits, d.digits.size()), '0');
        if (d.digits.size() > integerDigits) {
            out.push_back(decimalSeparator);
            out.append(d.digits, integerDigits);
        }
    } else {
        out.push_back('0');
        out.push_back(decimalSeparator);
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += d.digits;
    }
    return out;
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
