#pragma once
// Conversion between doubles and number texts. Never depends on the process locale:
// the decimal separator ('.' or ',') is always passed in.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zolvan {

// Which parts a number may have besides digits and one decimal separator.
struct NumberSyntax {
    bool sign = true;      // a "+" or "-" in front
    bool exponent = true;  // "E" or "e", an optional sign and digits
    bool grouping = false; // the other separator between the digits before the decimal one
};

// Where the parts of the number at the start of a text end. `length` is 0 when no number starts
// the text: at least one digit is needed before the exponent, and an exponent mark counts only
// with digits after it ("5E" is the number 5 followed by "E").
struct NumberScan {
    std::size_t length = 0;
    bool negative = false;
    std::size_t digitsStart = 0; // after the sign
    std::size_t digitsEnd = 0;   // where the exponent mark, or the end, is
    int integerDigits = 0;       // digits before the decimal separator, leading zeros included
    int fractionDigits = 0;
    int exponent = 0; // the written exponent; beyond six digits only its direction is kept
    // The digits as an integer; kManyDigits once there are more than 17 after leading zeros.
    std::uint64_t digitsValue = 0;
    static constexpr std::uint64_t kManyDigits = 1000000000000000000;
};

// The one scanner of number texts: readNumber, the "#fix N" reading, the solution commands and
// the formula reader all find their numbers through it.
NumberScan scanNumber(std::string_view text, char decimalSeparator, NumberSyntax syntax = {});

// The value of the number that `scan` found at the start of `text` (scan.length > 0): what
// readNumber gives for that number alone.
std::optional<double> scannedValue(std::string_view text, const NumberScan& scan,
                                   char decimalSeparator);

// A plain decimal at the start of a text: an optional "-", then at most 15 digits with at most
// one decimal separator among them (at least one digit). `length` is 0 when the text starts with
// no such number or with a longer one; otherwise `value` is what scannedValue gives for it. Most
// numbers a line holds are of this form, and reading them needs no scan of their parts.
struct PlainDecimal {
    std::size_t length = 0;
    double value = 0.0;
};
// Inline: the evaluator reads most of its operands with it, and a call costs as much as a short
// number's digits.
inline PlainDecimal readPlainDecimal(std::string_view text, char decimalSeparator) {
    static constexpr std::array<double, 16> kPowersOfTen{
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = !text.empty() && text[0] == '-';
    std::size_t at = negative ? 1 : 0;
    std::size_t point = std::string_view::npos; // where the separator is
    std::uint64_t digits = 0;
    for (; at < text.size(); ++at) {
        const auto digit = static_cast<unsigned char>(text[at] - '0');
        if (digit < 10) {
            digits = digits * 10 + digit;
        } else if (text[at] != decimalSeparator || point != std::string_view::npos) {
            break;
        } else {
            point = at;
        }
    }
    const std::size_t count = at - (negative ? 1 : 0) - (point != std::string_view::npos);
    if (count == 0 || count > 15) {
        return {};
    }
    // Fewer than 16 digits are an exact integer, and one division by an exact power of ten
    // rounds once: the correctly rounded value, as the general reading gives.
    const auto magnitude = static_cast<double>(static_cast<std::int64_t>(digits));
    const double value =
        point == std::string_view::npos ? magnitude : magnitude / kPowersOfTen[at - point - 1];
    return {at, negative ? -value : value};
}

// Reads a whole text as a number: optional blanks around it, an optional sign, digits with at
// most one decimal separator (at least one digit in all), an optional exponent "E"/"e" with an
// optional sign and digits ("2.5E-07", "1E+20", "5.000000000000e000"). With allowGrouping the
// other separator ("," when the decimal one is ".") may group digits before the decimal
// separator ("1,234.5"). Anything else gives nullopt. A magnitude beyond the double range gives
// an infinity, which callers turn into an overflow fault.
std::optional<double> readNumber(std::string_view text, char decimalSeparator,
                                 bool allowGrouping = false);

// True when readNumber gives a finite value.
bool readsAsNumber(std::string_view text, char decimalSeparator, bool allowGrouping = false);

// The value that numberText(value) reads back as: `value` rounded to 15 significant digits,
// zero for negative zero, an infinity when the rounding passes the largest double. It is what an
// intermediate result of the evaluator is worth, found without writing the text.
double numberTextValue(double value);

// The same for evaluatorText: `value` rounded to 13 significant digits.
double evaluatorTextValue(double value);

// evaluatorTextValue(numberTextValue(value)): what an intermediate result is worth once written
// in the evaluator's final pattern, mostly found with one rounding instead of two. An infinity
// when the 15-digit rounding passes the largest double.
double evaluatorTextValueOfResult(double value);

// Appends the shortest text that reads back as `value`, exactly as std::to_chars(value) writes
// it (fixed or scientific notation, whichever is shorter, fixed on a tie), for JSON. A value of
// at most 15 significant digits, nearly every one a line gives, is written without the general
// conversion. `value` is finite.
void appendShortestText(std::string& out, double value);

// The engine's plain number text, also the "General Number" format: at most 15 significant
// digits (rounded there), no grouping, trailing zeros dropped, plain form unless the decimal
// exponent is 15 or more or the plain form would need more than 15 decimals; then exponent form
// with a sign and at least two digits (1E+20, 1.2246063538832E-16). Negative zero is "0".
std::string numberText(double value, char decimalSeparator);

// Room for any text numberText writes.
using NumberTextRoom = std::array<char, 64>;

// numberText written in `room` rather than in a new string: a caller that copies the text on
// (into a line, or into a string's own memory) spares the string. The text lives in `room`, or
// is a fixed fault text.
std::string_view numberTextIn(NumberTextRoom& room, double value, char decimalSeparator);

// numberText written into the memory of `out`: appended to its contents, or replacing them.
void appendNumberText(std::string& out, double value, char decimalSeparator);
void assignNumberText(std::string& out, double value, char decimalSeparator);

// The evaluator's final pattern "#0.000000000000e-000": one digit, the separator, twelve
// decimals, "e", a sign only when negative, at least three exponent digits (5.000000000000e000).
std::string evaluatorText(double value, char decimalSeparator);

// Pattern "#0." + n zeros: fixed point rounded to n decimals (half away from zero, applied to
// the value's 15-significant-digit decimal form), no grouping; no separator when n is 0.
std::string fixedText(double value, int decimals, char decimalSeparator);

// fixedText written into the memory of `out`, whose contents it replaces.
void assignFixedText(std::string& out, double value, int decimals, char decimalSeparator);

// Pattern "0." + n zeros + " E+00": 1.235 E+03, 5.00 E-01, 0.00 E+00.
std::string scientificText(double value, int decimals, char decimalSeparator);

// Named format "Standard": grouped with the other separator, exactly two decimals (1,234.57).
std::string standardText(double value, char decimalSeparator);

// The separator that groups thousands when decimalSeparator is the decimal one.
constexpr char groupSeparatorFor(char decimalSeparator) {
    return decimalSeparator == ',' ? '.' : ',';
}

} // namespace zolvan
