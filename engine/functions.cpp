#include "engine/functions.h"

#include "engine/angle_units.h"
#include "engine/ascii.h"
#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/number_text.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace zolvan {

namespace {

constexpr double kPi = kEnginePi;
constexpr double kThreePi = 9.42477796076937;
constexpr double kE = 2.71828182845905;
constexpr double kEpsilon = 1e-13;

// What one application gives: a number, or one of the fixed message texts.
using Outcome = std::variant<double, std::string_view>;

enum class Function {
    Abs,
    Acos,
    Acot,
    Alog,
    Exp,
    Asin,
    Atan,
    Cos,
    Cot,
    Dat,
    Int,
    Ln,
    Log,
    Ppm,
    Ran,
    Sgn,
    Sin,
    Sqrt,
    Tan
};

struct NamedFunction {
    std::string_view name;
    Function function;
};

// Every function token with what it computes; several spellings share one function. The rows
// are in the order of the letter after ":" (see kFirstRowOfLetter).
constexpr std::array<NamedFunction, 29> kFunctionTable{{
    {":abs", Function::Abs},     {":acos", Function::Acos},   {":arccos", Function::Acos},
    {":acot", Function::Acot},   {":arccot", Function::Acot}, {":actg", Function::Acot},
    {":alog", Function::Alog},   {":aln", Function::Exp},     {":asin", Function::Asin},
    {":arcsin", Function::Asin}, {":atan", Function::Atan},   {":arctan", Function::Atan},
    {":atg", Function::Atan},    {":cos", Function::Cos},     {":cot", Function::Cot},
    {":ctg", Function::Cot},     {":dat", Function::Dat},     {":exp", Function::Exp},
    {":int", Function::Int},     {":ln", Function::Ln},       {":log", Function::Log},
    {":ppm", Function::Ppm},     {":ran", Function::Ran},     {":sgn", Function::Sgn},
    {":sin", Function::Sin},     {":sqrt", Function::Sqrt},   {":sqr", Function::Sqrt},
    {":tan", Function::Tan},     {":tg", Function::Tan},
}};

// Where the rows of each letter after ":" begin (those of the letter end where the next
// letter's begin), so that a name is compared only with the few rows of its own letter.
constexpr auto kFirstRowOfLetter = [] {
    std::array<std::size_t, 27> first{};
    std::size_t row = 0;
    for (std::size_t letter = 0; letter < 26; ++letter) {
        first[letter] = row;
        while (row < kFunctionTable.size() &&
               static_cast<std::size_t>(kFunctionTable[row].name[1] - 'a') == letter) {
            ++row;
        }
    }
    first[26] = row;
    return first;
}();
static_assert(kFirstRowOfLetter[26] == kFunctionTable.size(), "rows in the order of letters");

std::optional<Function> findFunction(std::string_view name) {
    if (name.size() < 2 || !ascii::isLower(name[1])) {
        return std::nullopt;
    }
    const auto letter = static_cast<std::size_t>(name[1] - 'a');
    for (std::size_t row = kFirstRowOfLetter[letter]; row < kFirstRowOfLetter[letter + 1]; ++row) {
        if (kFunctionTable[row].name == name) {
            return kFunctionTable[row].function;
        }
    }
    return std::nullopt;
}

bool isInverseTrigonometric(Function function) {
    return function == Function::Acos || function == Function::Acot || function == Function::Asin ||
           function == Function::Atan;
}

double signOf(double x) {
    return x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0);
}

bool near(double x, double a) {
    return std::fabs(std::fabs(x) - a) < kEpsilon;
}

std::optional<double> readArgument(const EngineState& state, std::string_view text) {
    return readNumber(text, state.DecimalSeparator, state.ThousandsSeparator);
}

// An argument a function needs as a number, or the fault text when it is none or overflows.
// Returned rather than thrown: long chains of failing tokens meet this once per token.
Outcome numberOrFault(std::optional<double> value) {
    if (!value) {
        return fault::NotANumber;
    }
    if (!std::isfinite(*value)) {
        return fault::Overflow;
    }
    return *value;
}

// n! for n up to 170 (the largest a double holds), each the product 1 * 2 * ... * n accumulated
// in rising order, computed by the compiler with the same roundings as at run time.
constexpr auto kFactorials = [] {
    std::array<double, 171> products{};
    double product = 1.0;
    for (std::size_t n = 0; n < products.size(); ++n) {
        product *= n > 1 ? static_cast<double>(n) : 1.0;
        products[n] = product;
    }
    return products;
}();

// The product 1 * 2 * ... * floor(x).
Outcome factorial(double x) {
    if (x > 170.0) {
        return msg::ResultTooLarge;
    }
    if (x == 0.0) {
        return 1.0;
    }
    if (x < 0.0) {
        return msg::NegativeFactorial;
    }
    return kFactorials[static_cast<std::size_t>(std::floor(x))];
}

// Nearest integer, a half going to the even neighbour.
double roundHalfEven(double x) {
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction > 0.5) {
        return below + 1.0;
    }
    if (fraction < 0.5) {
        return below;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

// The whole number of periods taken off an argument: the rounded argument divided by the
// rounded period, truncated toward zero. `limit` is the largest count the reduction allows.
double periodCount(double x, long long roundedPeriod, long long limit) {
    const double rounded = roundHalfEven(x);
    if (!(std::fabs(rounded) < 1e12)) {
        throw EngineFault{fault::OutOfRange};
    }
    const long long q = static_cast<long long>(rounded) / roundedPeriod;
    if (q > limit || q < -limit - 1) {
        throw EngineFault{fault::OutOfRange};
    }
    return static_cast<double>(q);
}

// Both q and 2q must fit a 16-bit counter.
double reducedForSineCosine(double x) {
    const double q = periodCount(x, 6, std::numeric_limits<std::int16_t>::max() / 2);
    return x - (2.0 * q) * kPi;
}

double reducedForTangent(double x) {
    const double q = periodCount(x, 3, std::numeric_limits<std::int16_t>::max());
    return x - q * kPi;
}

Outcome sine(double x) {
    x = reducedForSineCosine(x);
    if (near(x, kPi / 2.0)) {
        return signOf(x);
    }
    if (near(x, kThreePi / 2.0)) {
        return -signOf(x);
    }
    if (near(x, kPi) || std::fabs(x) < kEpsilon) {
        return 0.0;
    }
    return std::sin(x);
}

Outcome cosine(double x) {
    x = reducedForSineCosine(x);
    if (near(x, kPi)) {
        return -1.0;
    }
    if (near(x, kPi / 2.0) || near(x, kThreePi / 2.0)) {
        return 0.0;
    }
    if (std::fabs(x) < kEpsilon) {
        return 1.0;
    }
    return std::cos(x);
}

Outcome tangent(double x) {
    x = reducedForTangent(x);
    if (std::fabs(x) < kEpsilon || near(x, kPi)) {
        return 0.0;
    }
    if (near(x, kPi / 2.0)) {
        return msg::InfiniteNumber;
    }
    if (near(x, kPi / 4.0)) {
        return signOf(x);
    }
    if (near(x, kThreePi / 4.0)) {
        return -signOf(x);
    }
    return std::tan(x);
}

Outcome cotangent(double x) {
    x = reducedForTangent(x);
    if (std::fabs(x) < kEpsilon || near(x, kPi)) {
        return msg::InfiniteNumber;
    }
    if (near(x, kPi / 2.0)) {
        return 0.0;
    }
    if (near(x, kPi / 4.0)) {
        return signOf(x);
    }
    if (near(x, kThreePi / 4.0)) {
        return -signOf(x);
    }
    return 1.0 / std::tan(x);
}

Outcome arcSine(double x) {
    if (std::fabs(x) == 1.0) {
        return x * (kPi / 2.0);
    }
    if (x == 0.0) {
        return 0.0;
    }
    if (std::fabs(x) > 1.0) {
        return msg::ArgumentRange;
    }
    return std::atan(x / std::sqrt(1.0 - x * x));
}

Outcome arcCosine(double x) {
    if (x == 1.0) {
        return 0.0;
    }
    if (x == -1.0) {
        return kPi;
    }
    if (std::fabs(x) > 1.0) {
        return msg::ArgumentRange;
    }
    if (x == 0.0) {
        return kPi / 2.0;
    }
    return std::atan(-x / std::sqrt(1.0 - x * x)) + 2.0 * std::atan(1.0);
}

Outcome logarithm(double x, double divisor) {
    if (x < 0.0) {
        return msg::LogOfNegative;
    }
    if (x == 0.0) {
        return msg::LogOfZero;
    }
    return std::log(x) / divisor;
}

// Appends a value to the data series; positions 1..DataCount hold the values.
double appendData(EngineState& state, double value) {
    if (state.DataCount == std::numeric_limits<std::int16_t>::max()) {
        throw EngineFault{fault::OutOfRange};
    }
    ++state.DataCount;
    state.DataValues.resize(static_cast<std::size_t>(state.DataCount) + 1);
    state.DataValues[static_cast<std::size_t>(state.DataCount)] = value;
    return value;
}

// A random number is no angle, so unlike the inverse functions it is not converted.
double randomTimes(EngineState& state, double x) {
    std::uniform_real_distribution<float> distribution(0.0f, 1.0f);
    float r = distribution(state.Random);
    if (r >= 1.0f) {
        r = std::nextafter(1.0f, 0.0f);
    }
    return static_cast<double>(r) * x;
}

Outcome computeInRadians(EngineState& state, Function function, double x) {
    switch (function) {
    case Function::Abs:
        return std::fabs(x);
    case Function::Acos:
        return arcCosine(x);
    case Function::Acot:
        return 2.0 * std::atan(1.0) - std::atan(x);
    case Function::Alog:
        return std::pow(10.0, x);
    case Function::Exp:
        return std::pow(kE, x);
    case Function::Asin:
        return arcSine(x);
    case Function::Atan:
        return std::atan(x);
    case Function::Cos:
        return cosine(x);
    case Function::Cot:
        return cotangent(x);
    case Function::Int:
        return std::floor(x);
    case Function::Ln:
        return logarithm(x, 1.0);
    case Function::Log:
        return logarithm(x, std::log(10.0));
    case Function::Ppm:
        return x / 1000000.0;
    case Function::Ran:
        return randomTimes(state, x);
    case Function::Sgn:
        return signOf(x);
    case Function::Sin:
        return sine(x);
    case Function::Sqrt:
        return x < 0.0 ? Outcome{msg::RootOfNegative} : Outcome{std::sqrt(x)};
    case Function::Tan:
        return tangent(x);
    case Function::Dat:
        return appendData(state, x);
    }
    return msg::SyntaxError;
}

bool takesAngle(Function function) {
    return function == Function::Sin || function == Function::Cos || function == Function::Tan ||
           function == Function::Cot;
}

Outcome applyFunction(EngineState& state, Function function, std::string_view argument) {
    const std::optional<double> argumentValue = readArgument(state, argument);
    if (function == Function::Dat && !(argumentValue && std::isfinite(*argumentValue))) {
        return msg::NoValidData;
    }
    const Outcome argumentNumber = numberOrFault(argumentValue);
    if (!std::holds_alternative<double>(argumentNumber)) {
        return argumentNumber;
    }
    double x = std::get<double>(argumentNumber);
    if (takesAngle(function)) {
        x = angleToRadians(x, state.AngleUnit);
    }
    Outcome result = computeInRadians(state, function, x);
    if (const double* value = std::get_if<double>(&result)) {
        const double checkedValue = finiteOrFault(*value);
        return isInverseTrigonometric(function) ? radiansToAngle(checkedValue, state.AngleUnit)
                                                : checkedValue;
    }
    return result;
}

// One token applied to its argument, or a factorial. The name runs up to the first digit,
// "-" or "(" (or up to the last character when there is none).
Outcome applyOnceUnguarded(EngineState& state, std::string_view text) {
    if (text.empty()) {
        return msg::SyntaxError;
    }
    std::size_t split = ascii::findFirstOf<"0123456789-(">(text);
    if (split == std::string_view::npos) {
        split = text.size() - 1;
    }
    const std::string_view name = text.substr(0, split);
    const std::string_view argument = text.substr(split);
    if (argument.back() == '!') {
        const Outcome x =
            numberOrFault(readArgument(state, argument.substr(0, argument.size() - 1)));
        return std::holds_alternative<double>(x) ? factorial(std::get<double>(x)) : x;
    }
    const std::optional<Function> function = findFunction(name);
    if (!function) {
        return msg::SyntaxError;
    }
    return applyFunction(state, *function, argument);
}

Outcome applyOnce(EngineState& state, std::string_view text) {
    try {
        return applyOnceUnguarded(state, text);
    } catch (const EngineFault& failure) {
        return failure.text;
    }
}

// The text that replaces a tail that is a named value, if it is one.
std::optional<std::string> namedValue(const EngineState& state, std::string_view tail) {
    if (tail == ":pi") {
        return numberText(kPi, state.DecimalSeparator);
    }
    if (tail == ":ans") {
        return state.AnsText;
    }
    if (tail == ":mem") {
        return numberText(state.MemoryValue, state.DecimalSeparator);
    }
    return std::nullopt;
}

FunctionValue valueOf(const Outcome& outcome) {
    if (const double* value = std::get_if<double>(&outcome)) {
        return *value;
    }
    return std::string(std::get<std::string_view>(outcome));
}

} // namespace

FunctionValue evaluateFunction(EngineState& state, std::string_view operand) {
    // Tokens apply right to left: the last token (from the second character on) is applied,
    // its result written back as text, until a single application is left. Most operands are
    // one token, which needs no copy to write back into.
    const std::size_t lastColon = operand.rfind(':');
    if (lastColon == std::string_view::npos || lastColon == 0) {
        return valueOf(applyOnce(state, operand));
    }
    std::string text(operand);
    for (;;) {
        const std::size_t colon = text.rfind(':');
        if (colon == std::string::npos || colon == 0) {
            return valueOf(applyOnce(state, text));
        }
        const std::string_view tail = std::string_view(text).substr(colon);
        std::string replacement;
        if (std::optional<std::string> value = namedValue(state, tail)) {
            replacement = std::move(*value);
        } else {
            const Outcome result = applyOnce(state, tail);
            const double* number = std::get_if<double>(&result);
            replacement = number ? numberText(*number, state.DecimalSeparator)
                                 : std::string(std::get<std::string_view>(result));
        }
        text.resize(colon);
        text += replacement;
    }
}

} // namespace zolvan
