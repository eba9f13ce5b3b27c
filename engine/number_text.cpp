#include "engine/number_text.h"

#include "engine/ascii.h"
#include "engine/fault.h"
#include "engine/line_writer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

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

// A finite value as decimal digits: value = 0.d1d2d3... * 10^(exponent + 1), first digit nonzero.
struct Decimal {
    Digits digits;    // empty for zero
    int exponent = 0; // place value of the first digit is 10^exponent
    bool negative = false;
};

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

// The decimal scale that brings a magnitude to `significant` digits before the point, or to
// one digit more (see roundedDigits).
inline int estimatedScale(double magnitude, int significant) {
    // The binary exponent e gives the decimal one as floor(e * log10(2)) or one more:
    // 78913 / 2^18 is log10(2) closely enough for every exponent of a double.
    const int binaryExponent =
        static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7FF) - 1023;
    return significant - 1 - ((binaryExponent * 78913) >> 18);
}

// The correctly rounded digits (halves to even, as to_chars rounds) of a magnitude that needs a
// scale of 0 to 22, where the power of ten is an exact double. The scaled value y = m * 10^s is
// then hi + lo exactly (fma gives the rounding error of the product), so it can be rounded to
// an integer without error; nullopt for magnitudes outside that range and for the rare few
// within a rounding error of a power of ten. This is the common case of every number text, and
// far cheaper than the general conversion. It is written without branches on the digits, which
// a processor could not predict. Inline: in the caller the result stays in registers instead of
// going through memory, and the number of significant digits is a constant.
inline std::optional<ScaledDigits> roundedDigits(double magnitude, int significant) {
    const double low = kPowersOfTen[static_cast<std::size_t>(significant - 1)];
    const double high = kPowersOfTen[static_cast<std::size_t>(significant)];
    int scale = estimatedScale(magnitude, significant);
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
        if (scale == 0) {
            return std::nullopt; // the scale would leave the range of exact powers
        }
        digits /= 10;
        --scale;
    }
    return ScaledDigits{digits, scale};
}

// Powers of ten beyond 10^22 are no exact doubles. Each 10^k up to 10^308 is kept as the sum
// hi + lo of two doubles, hi the nearest double and lo the nearest to what is left, so that the
// sum is within about 2^-105 of the power; both are found from the exact integer 5^k at compile
// time (10^k = 5^k * 2^k).
struct TwoDoubles {
    double hi;
    double lo;
};

// 2^exponent by squaring: a handful of exact products, few enough steps for any compiler's
// compile-time evaluation.
constexpr double powerOfTwo(int exponent) {
    double result = 1.0;
    double factor = exponent >= 0 ? 2.0 : 0.5;
    for (int n = exponent >= 0 ? exponent : -exponent; n > 0; n >>= 1) {
        if ((n & 1) != 0) {
            result *= factor;
        }
        if (n > 1) {
            factor *= factor;
        }
    }
    return result;
}

constexpr int kLimbs = 24; // 5^308 has 716 bits

// Bits low to low + 63 of a number kept in 32-bit limbs, the lowest limb first; bits below 0 and
// above the limbs are 0.
constexpr std::uint64_t bitsFrom(const std::array<std::uint32_t, kLimbs>& limbs, int low) {
    const int limb = low >= 0 ? low / 32 : -((31 - low) / 32); // rounded down
    const int shift = low - 32 * limb;
    const auto at = [&limbs](int index) -> std::uint64_t {
        return index >= 0 && index < kLimbs ? limbs[static_cast<std::size_t>(index)] : 0;
    };
    const std::uint64_t lower = (at(limb + 1) << 32 | at(limb)) >> shift;
    return shift == 0 ? lower : lower | at(limb + 2) << (64 - shift);
}

constexpr auto kWidePowersOfTen = [] {
    std::array<TwoDoubles, 309> powers{};
    std::array<std::uint32_t, kLimbs> five{1}; // 5^k
    for (std::size_t k = 0; k < powers.size(); ++k) {
        if (k > 0) {
            std::uint64_t carry = 0;
            for (std::uint32_t& limb : five) {
                const std::uint64_t product = std::uint64_t{limb} * 5 + carry;
                limb = static_cast<std::uint32_t>(product);
                carry = product >> 32;
            }
        }
        int length = kLimbs * 32; // bits of 5^k
        while (((five[static_cast<std::size_t>((length - 1) / 32)] >> ((length - 1) % 32)) & 1) ==
               0) {
            --length;
        }
        // The top 128 bits, as top * 2^64 + next: 5^k is that times 2^(length - 128) and a rest
        // below 2^(length - 128). Read a limb at a time, which keeps the work at compile time
        // within what every compiler allows.
        const std::uint64_t top = bitsFrom(five, length - 64);
        const std::uint64_t next = bitsFrom(five, length - 128);
        // hi: the top 53 bits rounded, halves to even; lo: what the rounding left or took.
        std::uint64_t mantissa = top >> 11;
        const bool half = ((top >> 10) & 1) != 0;
        const bool above = (top & 0x3FF) != 0 || next != 0;
        const bool up = half && (above || (mantissa & 1) != 0);
        mantissa += up ? 1 : 0;
        const double rest = static_cast<double>(top & 0x7FF) * powerOfTwo(64) +
                            static_cast<double>(next) - (up ? powerOfTwo(75) : 0.0);
        const int exponent = length - 128 + static_cast<int>(k);
        powers[k] = {static_cast<double>(mantissa) * powerOfTwo(exponent + 75),
                     rest * powerOfTwo(exponent)};
    }
    return powers;
}();

// A magnitude times 10^scale (scale from -308 to 308) as hi + lo, within about 2^-100 of the
// exact product: hi is the rounded product or quotient, lo its error, found exactly by fma and
// corrected for the power's own lo.
TwoDoubles timesPowerOfTen(double magnitude, int scale) {
    if (scale >= 0) {
        const TwoDoubles& power = kWidePowersOfTen[static_cast<std::size_t>(scale)];
        const double hi = magnitude * power.hi;
        return {hi, std::fma(magnitude, power.hi, -hi) + magnitude * power.lo};
    }
    const TwoDoubles& power = kWidePowersOfTen[static_cast<std::size_t>(-scale)];
    const double hi = magnitude / power.hi;
    const double remainder = std::fma(-hi, power.hi, magnitude); // exact
    return {hi, (remainder - hi * power.lo) / power.hi};
}

// The scales of the table of powers.
constexpr int kWidestScale = static_cast<int>(kWidePowersOfTen.size()) - 1;

// roundedDigits for the magnitudes it leaves, mostly those whose scale is no exact power of
// ten: the scaled value is known to about 2^-100 of itself, which decides the rounding unless it
// is within a millionth of a half (then nullopt: the general conversion decides, as it does for
// a half exactly, such as 1234567890123455 at scale -1).
[[gnu::noinline]] std::optional<ScaledDigits> wideRoundedDigits(double magnitude, int significant) {
    const double low = kPowersOfTen[static_cast<std::size_t>(significant - 1)];
    const double high = kPowersOfTen[static_cast<std::size_t>(significant)];
    int scale = estimatedScale(magnitude, significant);
    if (scale < -kWidestScale || scale > kWidestScale) {
        return std::nullopt;
    }
    TwoDoubles scaled = timesPowerOfTen(magnitude, scale);
    if (scaled.hi >= high) {
        scaled = timesPowerOfTen(magnitude, --scale);
    }
    if (!(scaled.hi >= low && scaled.hi < high)) {
        return std::nullopt;
    }
    auto digits = static_cast<std::int64_t>(scaled.hi);
    const double fraction = (scaled.hi - static_cast<double>(digits)) + scaled.lo;
    if (std::fabs(fraction - 0.5) < 1e-6) {
        return std::nullopt;
    }
    digits += static_cast<std::int64_t>(fraction > 0.5);
    if (digits == static_cast<std::int64_t>(high)) {
        digits /= 10;
        --scale;
    }
    return ScaledDigits{digits, scale};
}

// The double nearest to digits * 10^-scale for a scale outside the exact powers (the reading of
// the rounded text), or nullopt when the product is too near a midpoint between two doubles to
// tell, or near the ends of the double range.
[[gnu::noinline]] std::optional<double> wideRoundedValue(const ScaledDigits& rounded) {
    if (rounded.scale < -kWidestScale || rounded.scale > kWidestScale) {
        return std::nullopt;
    }
    const TwoDoubles value = timesPowerOfTen(static_cast<double>(rounded.digits), -rounded.scale);
    if (!(value.hi > 1e-290 && value.hi < 1e308)) { // lo stays a normal double, hi + lo finite
        return std::nullopt;
    }
    // hi is the nearest double unless lo passes half a unit of hi's last place; below a power of
    // two the doubles are twice as dense, so there a quarter unit is the midpoint.
    const auto bits = std::bit_cast<std::uint64_t>(value.hi);
    const double unit = std::bit_cast<double>((bits & 0x7FF0000000000000) - (52ULL << 52));
    const double margin = unit * 0x1p-30;
    const bool atPowerOfTwo = (bits & 0x000FFFFFFFFFFFFF) == 0;
    if (std::fabs(std::fabs(value.lo) - unit / 2) < margin ||
        (atPowerOfTwo && std::fabs(value.lo + unit / 4) < margin)) {
        return std::nullopt;
    }
    return value.hi + value.lo; // rounds to the double on the same side of every midpoint
}

// The digits of a "d.ddde+XX" text that to_chars wrote, as `significant` digits; nullopt when
// it has more.
std::optional<ScaledDigits> scaledFromText(const char* p, const char* end, int significant) {
    std::int64_t digits = 0;
    int count = 0;
    for (; p != end && *p != 'e'; ++p) {
        if (isDigit(*p)) {
            digits = digits * 10 + (*p - '0');
            ++count;
        }
    }
    if (count > significant) {
        return std::nullopt;
    }
    const bool negative = p + 1 < end && p[1] == '-';
    int exponent = 0;
    for (p += 2; p < end; ++p) { // after the mark and the sign
        exponent = exponent * 10 + (*p - '0');
    }
    for (; count < significant; ++count) {
        digits *= 10;
    }
    return ScaledDigits{digits, significant - 1 - (negative ? -exponent : exponent)};
}

// A nonzero finite magnitude rounded to at most 15 significant digits, as text: `digits` holds
// them followed by zeros (a whole number's trailing zeros are copied from there), `count` is
// how many there are without their trailing zeros, and the first has the place value
// 10^exponent. Texts are built from it by copies of fixed length, which compile to a few wide
// moves instead of library calls.
struct RoundedDecimal {
    static constexpr std::size_t kRoom = 32;
    std::array<char, kRoom> digits;
    std::size_t count;
    int exponent;
};

// The eight digits of n (below 10^8, leading zeros included) as the eight characters of a word,
// the first in its lowest byte (the machine is little-endian, asserted below). All are found at
// once: each multiplication divides several parts of the word together (by 100, then by 10,
// exactly for parts this small), instead of a dependent division per pair of digits.
inline std::uint64_t eightDigits(std::uint32_t n) {
    const std::uint64_t fours = (n / 10000) | (std::uint64_t{n % 10000} << 32);
    const std::uint64_t hundreds = ((fours * 5243) >> 19) & 0x0000007F0000007F;
    const std::uint64_t pairs = hundreds | ((fours - hundreds * 100) << 16);
    const std::uint64_t tens = ((pairs * 103) >> 10) & 0x000F000F000F000F;
    const std::uint64_t digits = tens | ((pairs - tens * 10) << 8);
    return digits + 0x3030303030303030;
}

// The digits of rounded values (at most 15, below 10^16) as text.
inline RoundedDecimal decimalOf(const ScaledDigits& rounded, int significant) {
    static_assert(std::endian::native == std::endian::little);
    RoundedDecimal d;
    d.exponent = significant - 1 - rounded.scale;
    const auto value = static_cast<std::uint64_t>(rounded.digits);
    // Sixteen digits with leading zeros, then zeros to copy the digits' tail from.
    std::array<std::uint64_t, 3> words{eightDigits(static_cast<std::uint32_t>(value / 100000000)),
                                       eightDigits(static_cast<std::uint32_t>(value % 100000000)),
                                       0x3030303030303030};
    std::memcpy(d.digits.data(), reinterpret_cast<const char*>(words.data()) + (16 - significant),
                16);
    std::memset(d.digits.data() + 16, '0', RoundedDecimal::kRoom - 16);
    // The last digit that is no zero, found eight at a time: in a word read from memory, the
    // last character is the highest byte, and a zero digit is a zero byte once '0' is taken off.
    constexpr std::uint64_t kZeros = 0x3030303030303030;
    std::uint64_t high;
    std::uint64_t low;
    std::memcpy(&high, d.digits.data() + 8, 8);
    std::memcpy(&low, d.digits.data(), 8);
    high ^= kZeros;
    low ^= kZeros; // the first digit is no zero, so this is never 0
    d.count = high != 0 ? 16 - static_cast<std::size_t>(std::countl_zero(high)) / 8
                        : 8 - static_cast<std::size_t>(std::countl_zero(low)) / 8;
    return d;
}

// The magnitudes that the exact scaling leaves: the scaling by two doubles serves nearly all of
// them, and the rest are rounded by to_chars.
[[gnu::noinline]] ScaledDigits otherScaledDigits(double magnitude, int significant) {
    if (const std::optional<ScaledDigits> scaled = wideRoundedDigits(magnitude, significant)) {
        return *scaled;
    }
    // The shortest text that reads back as the same double, when it has no more digits than
    // asked for, is exactly the rounded value (it differs from the binary value's own digits for
    // the few digits of a subnormal).
    std::array<char, 64> buf;
    const char* end =
        std::to_chars(buf.data(), buf.data() + buf.size(), magnitude, std::chars_format::scientific)
            .ptr;
    std::optional<ScaledDigits> scaled = scaledFromText(buf.data(), end, significant);
    if (!scaled) {
        end = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                            std::chars_format::scientific, significant - 1)
                  .ptr;
        scaled = scaledFromText(buf.data(), end, significant);
    }
    return *scaled;
}

// The exact scaling inline, the rest out of the way.
inline ScaledDigits scaledDigits(double magnitude, int significant) {
    if (const std::optional<ScaledDigits> scaled = roundedDigits(magnitude, significant)) {
        return *scaled;
    }
    return otherScaledDigits(magnitude, significant);
}

// The common case inline from the magnitude to its digits as text, which then stay in registers.
inline RoundedDecimal roundedDecimal(double magnitude, int significant) {
    return decimalOf(scaledDigits(magnitude, significant), significant);
}

// The value rounded to `significant` digits, correctly rounded, as a decimal.
Decimal toDecimal(double value, int significant) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0.0) {
        return d;
    }
    const RoundedDecimal rounded = roundedDecimal(std::fabs(value), significant);
    d.exponent = rounded.exponent;
    d.digits.resize(rounded.count, '\0');
    std::copy_n(rounded.digits.data(), rounded.count, &d.digits[0]);
    return d;
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

void appendExponent(std::string& out, int exponent, int minDigits, bool alwaysSign) {
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

// Fixed-point text of an already rounded decimal, `decimals` places, optional grouping. Its
// length is known first, so the characters are set in place.
std::string fixedFromDecimal(const Decimal& d, int decimals, char separator, char group) {
    const bool minus = d.negative && !isZero(d);
    const int topPlace = std::max(d.exponent, 0);
    const int groups = group != '\0' ? topPlace / 3 : 0;
    std::string out(
        static_cast<std::size_t>(minus + topPlace + 1 + groups + (decimals > 0 ? 1 + decimals : 0)),
        '\0');
    std::size_t at = 0;
    if (minus) {
        out[at++] = '-';
    }
    for (int place = topPlace; place >= 0; --place) {
        out[at++] = digitAt(d, place);
        if (group != '\0' && place > 0 && place % 3 == 0) {
            out[at++] = group;
        }
    }
    if (decimals > 0) {
        out[at++] = separator;
        for (int place = -1; place >= -decimals; --place) {
            out[at++] = digitAt(d, place);
        }
    }
    return out;
}

constexpr auto kWholePowersOfTen = [] { // 10^0 to 10^19
    std::array<std::uint64_t, 20> powers{};
    powers[0] = 1;
    for (std::size_t n = 1; n < powers.size(); ++n) {
        powers[n] = powers[n - 1] * 10;
    }
    return powers;
}();

// The fixed text without grouping, from the 15 rounded digits as one integer: rounding them at
// `decimals` places (halves away from zero, as roundToDigits does on the digits) is a division
// by a power of ten. nullopt when that integer would not fit in 64 bits; the general path then
// writes the text. The text is written in `room`.
using FixedRoom = std::array<char, 48>;
std::optional<std::string_view> wholeFixedText(FixedRoom& room, double value, int decimals,
                                               char separator) {
    const ScaledDigits rounded =
        value == 0.0 ? ScaledDigits{0, decimals} : scaledDigits(std::fabs(value), 15);
    const int drop = rounded.scale - decimals; // digits rounded away
    if (drop < -4 || decimals > 19) {
        return std::nullopt;
    }
    auto kept = static_cast<std::uint64_t>(rounded.digits);
    if (drop > 15) {
        kept = 0; // below half a unit of the last place
    } else if (drop > 0) {
        const std::uint64_t unit = kWholePowersOfTen[static_cast<std::size_t>(drop)];
        kept = kept / unit + static_cast<std::uint64_t>(kept % unit >= unit / 2);
    } else {
        kept *= kWholePowersOfTen[static_cast<std::size_t>(-drop)];
    }
    const std::uint64_t places = kWholePowersOfTen[static_cast<std::size_t>(decimals)];
    char* at = room.data();
    if (std::signbit(value) && kept != 0) {
        *at++ = '-';
    }
    at = std::to_chars(at, room.data() + room.size(), kept / places).ptr;
    if (decimals > 0) {
        *at = separator;
        std::uint64_t fraction = kept % places;
        for (int place = decimals; place > 0; --place, fraction /= 10) {
            at[place] = static_cast<char>('0' + fraction % 10);
        }
        at += decimals + 1;
    }
    return std::string_view(room.data(), static_cast<std::size_t>(at - room.data()));
}

void assignFixedTextImpl(std::string& out, double value, int decimals, char separator, char group) {
    if (!std::isfinite(value)) {
        replaceText(out, fault::Overflow);
        return;
    }
    decimals = std::clamp(decimals, 0, 30);
    if (group == '\0') {
        FixedRoom room;
        if (const std::optional<std::string_view> text =
                wholeFixedText(room, value, decimals, separator)) {
            replaceText(out, *text);
            return;
        }
    }
    Decimal d = toDecimal(value, 15);
    roundToDigits(d, d.exponent + 1 + decimals);
    out = fixedFromDecimal(d, decimals, separator, group);
}

// The value of a text of `digits` significant digits written for `value`, read back: the
// correctly rounded digits divided by their exact power of ten, which rounds once, as reading
// the text does. Inline: each of its two callers gets a copy made for its number of digits.
inline double roundedToDigits(double value, int digits) {
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
    if (const auto rounded = wideRoundedDigits(magnitude, digits)) {
        if (const std::optional<double> roundedMagnitude = wideRoundedValue(*rounded)) {
            return value < 0.0 ? -*roundedMagnitude : *roundedMagnitude;
        }
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

// The exponent form "d.ddde+XX" (at least two exponent digits, always a sign, the separator and
// the mark given) written at `at`; returns its end.
char* writeScientific(const RoundedDecimal& rounded, char separator, char mark, char* at) {
    at[0] = rounded.digits[0];
    at[1] = separator;
    std::memcpy(at + 2, rounded.digits.data() + 1, 16);
    char* end = at + (rounded.count > 1 ? rounded.count + 1 : 1);
    *end++ = mark;
    *end++ = rounded.exponent < 0 ? '-' : '+';
    auto magnitude = static_cast<std::size_t>(std::abs(rounded.exponent));
    if (magnitude >= 100) {
        *end++ = static_cast<char>('0' + magnitude / 100);
        magnitude %= 100;
    }
    std::memcpy(end, &kDigitPairs[2 * magnitude], 2);
    return end + 2;
}

// The plain form (12.5, 0.0025, 1200) written at `at`, at most two characters into a buffer of
// kTextRoom; returns its end. It has at most 15 zeros after the separator before the digits,
// and at most 21 digits and zeros before the separator.
constexpr std::size_t kTextRoom = std::tuple_size_v<NumberTextRoom>;
char* writeFixed(const RoundedDecimal& rounded, char separator, char* at) {
    const std::size_t count = rounded.count;
    const int exponent = rounded.exponent;
    if (exponent < 0) {
        at[0] = '0';
        at[1] = separator;
        std::memset(at + 2, '0', 16);
        char* digits = at + 2 + (-exponent - 1);
        std::memcpy(digits, rounded.digits.data(), 16);
        return digits + count;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent + 1);
    std::memcpy(at, rounded.digits.data(), 16);
    if (count <= integerDigits) {
        std::memcpy(at, rounded.digits.data(), RoundedDecimal::kRoom); // the zeros too
        return at + integerDigits;
    }
    at[integerDigits] = separator;
    std::memcpy(at + integerDigits + 1, rounded.digits.data() + integerDigits, 16);
    return at + count + 1;
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
    // shortest text.
    const RoundedDecimal decimal = decimalOf(*rounded, 15);
    const auto digits = static_cast<int>(decimal.count);
    const int exponent = decimal.exponent;
    const int fixedLength = exponent >= 0 ? std::max(digits, exponent + 1) + (digits > exponent + 1)
                                          : digits + 1 - exponent;
    const int scientificLength =
        digits + (digits > 1 ? 1 : 0) + 2 + (std::abs(exponent) >= 100 ? 3 : 2);
    std::array<char, kTextRoom> text;
    char* at = text.data();
    if (value < 0.0) {
        *at++ = '-';
    }
    const char* end = fixedLength > scientificLength ? writeScientific(decimal, '.', 'e', at)
                                                     : writeFixed(decimal, '.', at);
    out.append(text.data(), static_cast<std::size_t>(end - text.data()));
}

double numberTextValue(double value) {
    return roundedToDigits(value, 15);
}

double evaluatorTextValue(double value) {
    return roundedToDigits(value, 13);
}

double evaluatorTextValueOfResult(double value) {
    const double magnitude = std::fabs(value);
    if (magnitude < kPowersOfTen[13] &&
        static_cast<double>(static_cast<std::int64_t>(magnitude)) == magnitude) {
        return value + 0.0; // a whole number is its own text of either length (-0 is "0")
    }
    // The double that 15 digits read as is far nearer to them than a unit of their last digit,
    // so it rounds to 13 digits as they do, unless they end in 50: then the side of the half
    // the double lies on decides, and the two roundings are made one after the other.
    if (const auto rounded = roundedDigits(magnitude, 15); rounded && rounded->digits % 100 != 50) {
        std::int64_t digits = (rounded->digits + 50) / 100;
        int scale = rounded->scale - 2;
        if (digits == static_cast<std::int64_t>(kPowersOfTen[13])) {
            digits /= 10;
            --scale;
        }
        if (scale >= 0) {
            const double result =
                static_cast<double>(digits) / kPowersOfTen[static_cast<std::size_t>(scale)];
            return value < 0.0 ? -result : result;
        }
    }
    return evaluatorTextValue(numberTextValue(value));
}

std::string_view numberTextIn(NumberTextRoom& room, double value, char decimalSeparator) {
    if (!std::isfinite(value)) {
        return fault::Overflow;
    }
    if (value == 0.0) {
        return "0";
    }
    const double magnitude = std::fabs(value);
    if (magnitude < kPowersOfTen[15] &&
        static_cast<double>(static_cast<std::int64_t>(magnitude)) == magnitude) {
        // A whole number of at most 15 digits is written as it is: many values are. (The
        // two conversions are cheaper than trunc on the baseline x86-64 target.)
        const auto end =
            std::to_chars(room.data(), room.data() + room.size(), static_cast<std::int64_t>(value))
                .ptr;
        return {room.data(), end};
    }
    const RoundedDecimal rounded = roundedDecimal(magnitude, 15);
    const auto significant = static_cast<int>(rounded.count);
    char* at = room.data();
    if (value < 0.0) {
        *at++ = '-';
    }
    const bool exponentForm = rounded.exponent >= 15 || significant - 1 - rounded.exponent > 15;
    const char* end = exponentForm ? writeScientific(rounded, decimalSeparator, 'E', at)
                                   : writeFixed(rounded, decimalSeparator, at);
    return {room.data(), static_cast<std::size_t>(end - room.data())};
}

std::string numberText(double value, char decimalSeparator) {
    NumberTextRoom room;
    return std::string(numberTextIn(room, value, decimalSeparator));
}

void appendNumberText(std::string& out, double value, char decimalSeparator) {
    NumberTextRoom room;
    out.append(numberTextIn(room, value, decimalSeparator));
}

void assignNumberText(std::string& out, double value, char decimalSeparator) {
    NumberTextRoom room;
    replaceText(out, numberTextIn(room, value, decimalSeparator));
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

void assignFixedText(std::string& out, double value, int decimals, char decimalSeparator) {
    assignFixedTextImpl(out, value, decimals, decimalSeparator, '\0');
}

std::string fixedText(double value, int decimals, char decimalSeparator) {
    std::string out;
    assignFixedText(out, value, decimals, decimalSeparator);
    return out;
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
    std::string out;
    assignFixedTextImpl(out, value, 2, decimalSeparator, groupSeparatorFor(decimalSeparator));
    return out;
}

} // namespace zolvan
