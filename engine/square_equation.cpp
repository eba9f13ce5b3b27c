#include "engine/square_equation.h"

#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/number_text.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace zolvan {

namespace {

constexpr std::string_view kSquareMark = "X^2";
constexpr auto npos = std::string_view::npos;

struct Coefficients {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

// The texts of a, b and c as cut from the line, before an implied 1 and a leading mark are
// dealt with (see coefficientValue).
struct CoefficientTexts {
    std::string_view a;
    std::string_view b;
    std::string_view c;
    bool hasB = false; // an "X" follows "X^2"
};

void dropLeading(std::string& text, std::string_view characters) {
    if (!text.empty() && characters.find(text.front()) != npos) {
        text.erase(0, 1);
    }
}

// Cuts the canonical text into the texts of a, b and c around "X^2" and the first "X" after it.
CoefficientTexts coefficientTexts(std::string_view line, std::size_t squareAt) {
    std::size_t start = 0;
    if (const std::size_t open = line.find('('); open != npos) {
        // The a text lies between the first "(" and "X^2"; a "(" behind "X^2" leaves no
        // such range.
        if (open > squareAt) {
            throw EngineFault{fault::InvalidOperation};
        }
        start = open + 1;
    }
    CoefficientTexts texts;
    texts.a = line.substr(start, squareAt - start);

    std::string_view rest = line.substr(squareAt + kSquareMark.size());
    if (const std::size_t x = rest.find('X'); x != npos) {
        texts.b = rest.substr(0, x);
        texts.hasB = true;
        rest.remove_prefix(x + 1);
    }
    if (const std::size_t equals = rest.find('='); equals != npos) {
        texts.c = rest.substr(0, equals);
    } else if (rest.find(')') != npos) {
        texts.c = rest.substr(0, rest.size() - 1);
    } else {
        texts.c = rest;
    }
    return texts;
}

double finiteNumber(const std::optional<double>& value) {
    if (!value) {
        throw EngineFault{fault::NotANumber};
    }
    if (!std::isfinite(*value)) {
        throw EngineFault{fault::Overflow};
    }
    return *value;
}

// The value of a coefficient's text. A coefficient of an x term written as nothing or as a bare
// sign stands for 1 ("-X" is -1*X): a "1" is put after any text that is no finite number. Then
// one leading character of `marks` is dropped, and nothing left is 0. A text that is a finite
// number as it stands is read once: a mark it can begin with is a "+", which changes nothing.
double coefficientValue(std::string_view text, bool impliedOne, std::string_view marks,
                        const EngineState& state) {
    if (text.empty()) {
        return impliedOne ? 1.0 : 0.0; // "X^2" alone, or no constant term
    }
    // "+3": a plus and a plain decimal, as most coefficients after the first are written. The
    // plus changes nothing, and the plain reading gives the value the general one would.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') {
        const PlainDecimal plain = readPlainDecimal(text.substr(1), state.DecimalSeparator);
        if (plain.length != 0 && plain.length == text.size() - 1) {
            return plain.value;
        }
    }
    const auto value = readNumber(text, state.DecimalSeparator, state.ThousandsSeparator);
    if (value && std::isfinite(*value)) {
        return *value;
    }
    std::string written(text);
    if (impliedOne) {
        written += '1';
    }
    dropLeading(written, marks);
    if (written.empty()) {
        return 0.0;
    }
    return finiteNumber(readNumber(written, state.DecimalSeparator, state.ThousandsSeparator));
}

// Appends " + 3x", " - x", " + 2" and so on; a zero term is left out. A unit coefficient of
// the x term is not written.
void appendTerm(std::string& out, double value, std::string_view variable, char separator) {
    if (value == 0.0) {
        return;
    }
    out += value > 0.0 ? " + " : " - ";
    const double magnitude = std::fabs(value);
    if (magnitude != 1.0 || variable.empty()) {
        appendNumberText(out, magnitude, separator);
    }
    out += variable;
}

// Writes the equation as solved ("2x^2 - 3x + 1 = 0") into `out`, which it replaces.
void writeEquation(std::string& out, const Coefficients& k, char separator) {
    out.clear();
    if (k.a == 1.0) {
        out += "x^2";
    } else if (k.a == -1.0) {
        out += "-x^2";
    } else {
        appendNumberText(out, k.a, separator);
        out += "x^2";
    }
    appendTerm(out, k.b, "x", separator);
    appendTerm(out, k.c, "", separator);
    out += " = 0";
}

double finite(double value) {
    if (!std::isfinite(value)) {
        throw EngineFault{fault::Overflow};
    }
    return value;
}

// Dividing by 2a with a = 0 has no finite result: that is reported as an invalid operation,
// whatever the numerator; any other result beyond the double range is an overflow.
double overTwoA(double numerator, double a) {
    const double divisor = finite(2.0 * a);
    if (divisor == 0.0) {
        throw EngineFault{fault::InvalidOperation};
    }
    return finite(numerator / divisor);
}

void writeRoots(EngineState& state, const Coefficients& k) {
    const double discriminant = finite(k.b * k.b - (4.0 * k.a) * k.c);
    const char separator = state.DecimalSeparator;
    if (discriminant > 0.0) {
        const double root = std::sqrt(discriminant);
        assignNumberText(state.ResultRows[0], overTwoA(-k.b + root, k.a), separator);
        assignNumberText(state.ResultRows[1], overTwoA(-k.b - root, k.a), separator);
    } else if (discriminant == 0.0) {
        assignNumberText(state.ResultRows[0], overTwoA(-k.b, k.a), separator);
        state.ResultRows[1] = state.ResultRows[0];
    } else {
        state.ResultRows[0] = msg::ComplexNumber;
        state.ResultRows[1] = msg::ComplexNumber;
    }
}

void solve(EngineState& state) {
    const std::string_view line = state.NormalizedLine;
    const std::size_t squareAt = line.find(kSquareMark);
    if (squareAt == npos) {
        state.ResultRows[0] = msg::SquareErrorNoA;
        return;
    }
    const CoefficientTexts texts = coefficientTexts(line, squareAt);
    const Coefficients k{coefficientValue(texts.a, true, ":+", state),
                         coefficientValue(texts.b, texts.hasB, "+", state),
                         coefficientValue(texts.c, false, "+", state)};
    // The coefficients are read: the line is written again in its own memory.
    writeEquation(state.NormalizedLine, k, state.DecimalSeparator);
    writeRoots(state, k);
}

} // namespace

void solveSquareEquation(EngineState& state) {
    state.ResultRows.assign(2, std::string{});
    try {
        solve(state);
    } catch (const EngineFault& failure) {
        state.ResultText = failure.text;
        state.CalcKind = -1;
    }
}

} // namespace zolvan
