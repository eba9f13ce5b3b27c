#pragma once
// Conversion between doubles and number texts. Never depends on the process locale:
// the decimal separator ('.' or ',') is always passed in.

#include <optional>
#include <string>
#include <string_view>

namespace zolvan {

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

// The engine's plain number text, also the "General Number" format: at most 15 significant
// digits (rounded there), no grouping, trailing zeros dropped, plain form unless the decimal
// exponent is 15 or more or the plain form would need more than 15 decimals; then exponent form
// with a sign and at least two digits (1E+20, 1.2246063538832E-16). Negative zero is "0".
std::string numberText(double value, char decimalSeparator);

// The evaluator's final pattern "#0.000000000000e-000": one digit, the separator, twelve
// decimals, "e", a sign only when negative, at least three exponent digits (5.000000000000e000).
std::string evaluatorText(double value, char decimalSeparator);

// Pattern "#0." + n zeros: fixed point rounded to n decimals (half away from zero, applied to
// the value's 15-significant-digit decimal form), no grouping; no separator when n is 0.
std::string fixedText(double value, int decimals, char decimalSeparator);

// Pattern "0." + n zeros + " E+00": 1.235 E+03, 5.00 E-01, 0.00 E+00.
std::string scientificText(double value, int decimals, char decimalSeparator);

// Named format "Standard": grouped with the other separator, exactly two decimals (1,234.57).
std::string standardText(double value, char decimalSeparator);

// The separator that groups thousands when decimalSeparator is the decimal one.
constexpr char groupSeparatorFor(char decimalSeparator) {
    return decimalSeparator == ',' ? '.' : ',';
}

} // namespace zolvan
