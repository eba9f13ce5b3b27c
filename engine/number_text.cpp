#include "engine/number_text.h"

#include "engine/ascii.h"
#include "engine/fault.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace zolvan {

using namespace ascii;

namespace {

// The decimal digits of one value: at most the 17 of a double and a carry, so they live in a
// fixed buffer and converting a number allocates nothing.
class Digits {
public:
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    char& operator[](std::size_t i) { return m_digits[i]; }
    char operator[](std::size_t i) const { return m_digits[i]; }
    char back() const { return m_digits[m_size - 1]; }
    void push_back(char c) { m_digits[m_size++] = c; }
    void pop_back() { --m_size; }
    void clear() { m_size = 0; }
    // New digits are `fill`; '\0' leaves them unwritten, for a caller that writes them all.
    void resize(std::size_t size, char fill = '0') {
        if (fill != '\0') {
            std::fill(m_digits.begin() + m_size, m_digits.begin() + std::max(size, m_size), fill);
        }
        m_size = size;
    }
    void insertFront(char c) {
        std::copy_backward(m_digits.begin(), m_digits.begin() + m_size,
                           m_digits.begin() + m_size + 1);
        m_digits[0] = c;
        ++m_size;
    }
    std::string_view view(std::size_t from = 0) const {
        return {m_digits.data() + from, m_size - from};
    }
    bool allZero() const { return view().find_first_not_of('0') == std::string_view::npos; }

private:
    std::array<char, 32> m_digits; // only the first m_size are written and read
    std::size_t m_size = 0;
};

// A number text built in place: it is at most a few dozen characters, and building it here
// instead of in a std::string spares a capacity check for every character.
class ShortText {
public:
    void push_back(char c) { m_text[m_size++] = c; }
    void append(std::string_view text) {
        std::copy(text.begin(), text.end(), m_text.begin() + m_size);
        m_size += text.size();
    }
    void append(std::size_t count, char c) {
        std::fill_n(m_text.begin() + m_size, count, c);
        m_size += count;
    }
    std::string str() const { return {m_text.data(), m_size}; }
    std::string_view view() const { return {m_text.data(), m_size}; }

private:
    std::array<char, 48> m_text; // only the first m_size are written and read
    std::size_t m_size = 0;
};

// A finite value as decimal digits: value = 0.d1d2d3... * 10^(exponent + 1), first digit nonzero.
struct Decimal {
    Digits digits;    // empty for zero
    int exponent = 0; // place value of the first digit is 10^exponent
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

constexpr std::array<double, 23> kPowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// "00" to "99": the two digits of each number below a hundred.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t n = 0; n < 100; ++n) {
        pairs[2 * n] = static_cast<char>('0' + n / 10);
        pairs[2 * n + 1] = static_cast<char>('0' + n % 10);
    }
    return pairs;
}();

// A magnitude rounded to `significant` decimal digits: digits * 10^-scale, digits an integer of
// exactly that many digits (below 2^53, so it converts to a double exactly).
struct ScaledDigits {
    std::int64_t digits;
    int scale;
};

// The correctly rounded digits (halves to even, as to_chars rounds) of a magnitude that needs a
// scale of 0 to 22, where the power of ten is an exact double. The scaled value y = m * 10^s is
// then hi + lo exactly (fma gives the rounding error of the product), so it can be rounded to
// an integer without error; nullopt for magnitudes outside that range and for the rare few
// within a rounding error of a power of ten. This is the common case of every number text, and
// far cheaper than the general conversion. It is written without branches on the digits, which
// a processor could not predict.
std::optional<ScaledDigits> roundedDigits(double magnitude, int significant) {
    const double low = kPowersOfTen[static_cast<std::size_t>(significant - 1)];
    const double high = kPowersOfTen[static_cast<std::size_t>(significant)];
    // The binary exponent e gives the decimal one as floor(e * log10(2)) or one more:
    // 78913 / 2^18 is log10(2) closely enough for every exponent of a double.
    const int binaryExponent =
        static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7FF) - 1023;
    int scale = significant - 1 - ((binaryExponent * 78913) >> 18);
    if (scale < 0 || scale > 22) {
        return std::nullopt;
    }
    double power = kPowersOfTen[static_cast<std::size_t>(scale)];
    double hi = magnitude * power;
    if (scale > 0 && hi >= high) {
        power = kPowersOfTen[static_cast<std::size_t>(--scale)];
        hi = magnitude * power;
    }
    if (!(hi >= low && hi < high)) {
        return std::nullopt;
    }
    auto digits = static_cast<std::int64_t>(hi); // the whole part: hi is positive
    const double aboveHalf = (hi - static_cast<double>(digits)) - 0.5; // exact
    // hi is below 2^52, so a half is a whole number of its units, and the product's rounding
    // error is at most half a unit: only when hi is a half exactly can the error decide.
    if (aboveHalf != 0.0) {
        digits += static_cast<std::int64_t>(aboveHalf > 0.0);
    } else {
        const double lo = std::fma(magnitude, power, -hi); // hi + lo is the product exactly
        digits += static_cast<std::int64_t>(lo > 0.0 || (lo == 0.0 && digits % 2 == 1));
    }
    if (digits == static_cast<std::int64_t>(high)) { // 9.99...95 carried into a new digit
        digits /= 10;
        --scale;
    }
    return ScaledDigits{digits, scale};
}

// Rounded digits without their trailing zeros, as the shortest text leaves them: `digits` has
// `count` digits, the last one nonzero.
struct Significant {
    std::uint64_t digits;
    std::size_t count;
};

// Most values have many trailing zeros (a weight of five digits), so they are dropped in blocks
// before the digits are written.
Significant withoutTrailingZeros(const ScaledDigits& rounded, int significant) {
    auto rest = static_cast<std::uint64_t>(rounded.digits);
    auto count = static_cast<std::size_t>(significant);
    constexpr std::array<std::pair<std::uint64_t, std::size_t>, 4> kZeroBlocks{
        {{100000000, 8}, {10000, 4}, {100, 2}, {10, 1}}};
    for (const auto& [block, zeros] : kZeroBlocks) {
        if (rest % block == 0) {
            rest /= block;
            count -= zeros;
        }
    }
    return {rest, count};
}

// Writes the digits of `significant` so that the last one is just before `end`. Two digits per
// division: each division waits for the one before it.
void writeDigits(const Significant& significant, char* end) {
    std::uint64_t rest = significant.digits;
    std::size_t i = significant.count;
    for (; i >= 2; i -= 2, rest /= 100, end -= 2) {
        const std::size_t pair = 2 * static_cast<std::size_t>(rest % 100);
        end[-2] = kDigitPairs[pair];
        end[-1] = kDigitPairs[pair + 1];
    }
    if (i == 1) {
        end[-1] = static_cast<char>('0' + rest);
    }
}

// The decimal of rounded digits, trailing zeros left out.
Decimal decimalOf(const ScaledDigits& rounded, int significant, bool negative) {
    Decimal d;
    d.negative = negative;
    d.exponent = significant - 1 - rounded.scale;
    const Significant digits = withoutTrailingZeros(rounded, significant);
    d.digits.resize(digits.count, '\0'); // every digit is written below
    writeDigits(digits, &d.digits[0] + digits.count);
    return d;
}

// The value rounded to `significant` digits, correctly rounded. The exact scaling above serves
// most magnitudes; otherwise the shortest text that reads back as the same double is tried
// first: when it has no more digits than asked for, it is exactly the rounded value.
Decimal toDecimal(double value, int significant) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0.0) {
        return d;
    }
    if (const auto rounded = roundedDigits(std::fabs(value), significant)) {
        return decimalOf(*rounded, significant, d.negative);
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
        d.digits.insertFront('1');
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
    return d.digits.allZero();
}

template <typename Text>
void appendExponent(Text& out, int exponent, int minDigits, bool alwaysSign) {
    if (exponent < 0) {
        out.push_back('-');
    } else if (alwaysSign) {
        out.push_back('+');
    }
    std::array<char, 8> buf;
    const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), std::abs(exponent)).ptr;
    const auto length = static_cast<int>(end - buf.data());
    out.append(static_cast<std::size_t>(std::max(0, minDigits - length)), '0');
    out.append(std::string_view(buf.data(), static_cast<std::size_t>(end - buf.data())));
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

// The value of a text of `digits` significant digits written for `value`, read back: the
// correctly rounded digits divided by their exact power of ten, which rounds once, as reading
// the text does.
double roundedToDigits(double value, int digits) {
    if (value == 0.0) {
        return 0.0; // negative zero is written "0"
    }
    // A whole number of at most `digits` digits is its own text: many results are.
    const double magnitude = std::fabs(value);
    if (magnitude < kPowersOfTen[static_cast<std::size_t>(digits)] &&
        static_cast<double>(static_cast<std::int64_t>(magnitude)) == magnitude) {
        return value;
    }
    if (const auto rounded = roundedDigits(magnitude, digits)) {
        const double roundedMagnitude = static_cast<double>(rounded->digits) /
                                        kPowersOfTen[static_cast<std::size_t>(rounded->scale)];
        return value < 0.0 ? -roundedMagnitude : roundedMagnitude;
    }
    // The rounded text read straight back: to_chars wrote the "C" form that from_chars reads.
    std::array<char, 64> buf;
    const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::scientific, digits - 1)
                         .ptr;
    double rounded = 0.0;
    if (std::from_chars(buf.data(), end, rounded).ec == std::errc::result_out_of_range) {
        // Rounded past the largest double, or below the smallest.
        rounded = magnitude >= 1.0 ? HUGE_VAL : 0.0;
        return value < 0.0 ? -rounded : rounded;
    }
    return rounded;
}

// "d.ddde+XX" (at least two exponent digits, always a sign) at `at`; returns its end.
char* writeScientific(const Significant& significant, int exponent, char* at) {
    // The digits written one place on; the first is moved in front of the point.
    writeDigits(significant, at + 1 + significant.count);
    at[0] = at[1];
    at[1] = '.';
    char* end = at + (significant.count > 1 ? significant.count + 1 : 1);
    *end++ = 'e';
    *end++ = exponent < 0 ? '-' : '+';
    auto magnitude = static_cast<std::size_t>(std::abs(exponent));
    if (magnitude >= 100) {
        *end++ = static_cast<char>('0' + magnitude / 100);
        magnitude %= 100;
    }
    end[0] = kDigitPairs[2 * magnitude];
    end[1] = kDigitPairs[2 * magnitude + 1];
    return end + 2;
}

} // namespace

void appendShortestText(std::string& out, double value) {
    const auto rounded = value == 0.0 ? std::nullopt : roundedDigits(std::fabs(value), 15);
    if (!rounded || static_cast<double>(rounded->digits) /
                            kPowersOfTen[static_cast<std::size_t>(rounded->scale)] !=
                        std::fabs(value)) {
        std::array<char, 32> buf; // holds the longest shortest text of a double
        out.append(buf.data(), std::to_chars(buf.data(), buf.data() + buf.size(), value).ptr);
        return;
    }
    // The value is its own 15-digit decimal, which no shorter decimal reads back as (a double
    // tells decimals of 15 digits apart): those digits without their trailing zeros are the
    // shortest text, written here in place.
    const Significant significant = withoutTrailingZeros(*rounded, 15);
    const auto digits = static_cast<int>(significant.count);
    const int exponent = 14 - rounded->scale;
    const int fixedLength = exponent >= 0 ? std::max(digits, exponent + 1) + (digits > exponent + 1)
                                          : digits + 1 - exponent;
    const int scientificLength =
        digits + (digits > 1 ? 1 : 0) + 2 + (std::abs(exponent) >= 100 ? 3 : 2);
    std::array<char, 48> text;
    char* end = text.data();
    if (value < 0.0) {
        *end++ = '-';
    }
    if (fixedLength > scientificLength) {
        end = writeScientific(significant, exponent, end);
    } else if (exponent < 0) {
        end = std::fill_n(std::copy_n("0.", 2, end), -exponent - 1, '0') + digits;
        writeDigits(significant, end);
    } else if (digits <= exponent + 1) {
        writeDigits(significant, end + digits);
        end = std::fill_n(end + digits, exponent + 1 - digits, '0');
    } else {
        // The digits written one place on; those before the point are moved back over its place.
        writeDigits(significant, end + 1 + digits);
        std::copy_n(end + 1, exponent + 1, end);
        end[exponent + 1] = '.';
        end += digits + 1;
    }
    out.append(text.data(), static_cast<std::size_t>(end - text.data()));
}

double numberTextValue(double value) {
    return roundedToDigits(value, 15);
}

double evaluatorTextValue(double value) {
    return roundedToDigits(value, 13);
}

std::string numberText(double value, char decimalSeparator) {
    if (!std::isfinite(value)) {
        return std::string(fault::Overflow);
    }
    if (value == 0.0) {
        return "0";
    }
    if (std::fabs(value) < kPowersOfTen[15] && std::trunc(value) == value) {
        // A whole number of at most 15 digits is written as it is: many values are.
        std::array<char, 24> buf;
        const auto end =
            std::to_chars(buf.data(), buf.data() + buf.size(), static_cast<std::int64_t>(value))
                .ptr;
        return {buf.data(), end};
    }
    Decimal d = toDecimal(value, 15);
    stripTrailingZeros(d);
    const int significant = static_cast<int>(d.digits.size());
    ShortText out;
    if (d.negative) {
        out.push_back('-');
    }
    if (d.exponent >= 15 || significant - 1 - d.exponent > 15) {
        out.push_back(d.digits[0]);
        if (significant > 1) {
            out.push_back(decimalSeparator);
            out.append(d.digits.view(1));
        }
        out.push_back('E');
        appendExponent(out, d.exponent, 2, true);
    } else if (d.exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(d.exponent + 1);
        out.append(d.digits.view().substr(0, integerDigits));
        out.append(integerDigits - std::min(integerDigits, d.digits.size()), '0');
        if (d.digits.size() > integerDigits) {
            out.push_back(decimalSeparator);
            out.append(d.digits.view(integerDigits));
        }
    } else {
        out.push_back('0');
        out.push_back(decimalSeparator);
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out.append(d.digits.view());
    }
    return out.str();
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
    out.append(d.digits.view(1));
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
