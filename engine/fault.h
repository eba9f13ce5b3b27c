#pragma once
// The engine's fixed message texts, and the fault that ends a stage.
// A fault is thrown only inside the engine: every public stage catches it and returns its text.

#include <cmath>
#include <string_view>

namespace zolvan {

namespace msg {
inline constexpr std::string_view MissingRightBracket = "Missing right bracket ')' !";
inline constexpr std::string_view MissingLeftBracket = "Missing left bracket '(' !";
inline constexpr std::string_view RootOfNegative = "Root of a negative number!";
inline constexpr std::string_view DivideByZero = "Cannot divide by zero!";
inline constexpr std::string_view SyntaxError = "Syntax error!";
inline constexpr std::string_view ResultTooLarge = "Result is too large!";
inline constexpr std::string_view NegativeFactorial = "Error - negative number!";
inline constexpr std::string_view ArgumentRange = "Argument must be from -1 to 1";
inline constexpr std::string_view LogOfNegative = "Log of a negative number!";
inline constexpr std::string_view LogOfZero = "Logarithm of a zero!";
inline constexpr std::string_view InfiniteNumber = "<Infinite number>";
inline constexpr std::string_view NoValidData = "No valid data!";
inline constexpr std::string_view ComplexNumber = "Complex number";
inline constexpr std::string_view SquareErrorNoA = "Error: a = 0";
inline constexpr std::string_view OnlyPlusSeparates = "Only + sign separate data!";
inline constexpr std::string_view OnlyPlusDifferences = "Only + sign differences data !";
inline constexpr std::string_view NoDataForCalculate = "No data for calculate!";
inline constexpr std::string_view NotElementSymbol = " isn't element symbol!";
} // namespace msg

// Fault texts: they start with "Error: " and never read as numbers.
namespace fault {
inline constexpr std::string_view Overflow = "Error: Overflow";
inline constexpr std::string_view NotANumber = "Error: Not a number";
inline constexpr std::string_view InvalidOperation = "Error: Invalid operation";
inline constexpr std::string_view OutOfRange =
    "Error: Count out of range"; // a 16-bit counter left its range
inline constexpr std::string_view LineTooLong = "Error: Line too long"; // 32,767 characters or more
} // namespace fault

struct EngineFault {
    std::string_view text;
};

// A double result must be finite: an infinity is an overflow, a NaN an invalid operation.
inline double finiteOrFault(double value) {
    if (std::isnan(value)) {
        throw EngineFault{fault::InvalidOperation};
    }
    if (std::isinf(value)) {
        throw EngineFault{fault::Overflow};
    }
    return value;
}

// Positions inside the engine are 16-bit counters: a text this long or longer cannot be walked.
inline constexpr std::size_t kMaxLineLength = 32767;

} // namespace zolvan
