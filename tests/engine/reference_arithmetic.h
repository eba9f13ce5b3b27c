#pragma once
// A deliberately plain evaluator of arithmetic text, used only by tests to check the engine's
// evaluator. It rewrites the text exactly step by step: the first ")" and the last "(" before
// it, then inside that pair every "^", "/", "*", "%", "+" in turn, leftmost first, each value
// written back as number text. Positions count from 1, as in the written rules. It is slow on
// purpose: every step rebuilds whole texts and searches them again from the start.

#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/functions.h"
#include "engine/number_text.h"

#include <cmath>
#include <string>
#include <string_view>
#include <variant>

namespace zolvan::reference {

// Ends the evaluation; the text is its result.
struct Finished {
    std::string text;
};

[[noreturn]] inline void finish(std::string_view text) {
    throw Finished{std::string(text)};
}

// The character at position pos (from 1); a NUL outside the text.
inline char charAt(std::string_view s, std::size_t pos) {
    return pos >= 1 && pos <= s.size() ? s[pos - 1] : '\0';
}

// The text from position first to position last, both included; empty when last < first.
inline std::string mid(std::string_view s, std::size_t first, std::size_t last) {
    if (last < first) {
        return {};
    }
    return std::string(s.substr(first - 1, last - first + 1));
}

// Position of the first ch at or after position from, 0 when absent.
inline std::size_t firstPosition(std::string_view s, char ch, std::size_t from = 1) {
    for (std::size_t pos = from; pos <= s.size(); ++pos) {
        if (charAt(s, pos) == ch) {
            return pos;
        }
    }
    return 0;
}

// "^", "*", "/", "%", or a "+" that does not directly follow an "E".
inline bool isOperatorAt(std::string_view s, std::size_t pos) {
    const char ch = charAt(s, pos);
    if (ch == '^' || ch == '*' || ch == '/' || ch == '%') {
        return true;
    }
    return ch == '+' && charAt(s, pos - 1) != 'E';
}

// Position of the operator op to reduce next, 0 when there is none.
inline std::size_t operatorPosition(std::string_view inner, char op) {
    for (std::size_t pos = 1; pos <= inner.size(); ++pos) {
        if (charAt(inner, pos) == op && (op != '+' || isOperatorAt(inner, pos))) {
            return pos;
        }
    }
    return 0;
}

// An operand that begins with ":" or ends with "!" becomes the number text of its function
// value; a message from the function is the final result.
inline std::string functionReplaced(EngineState& state, std::string operand) {
    if (operand.empty() || (operand.front() != ':' && operand.back() != '!')) {
        return operand;
    }
    const FunctionValue value = evaluateFunction(state, operand);
    if (const std::string* message = std::get_if<std::string>(&value)) {
        finish(*message);
    }
    return numberText(std::get<double>(value), state.DecimalSeparator);
}

inline double operandValue(const EngineState& state, std::string_view operand) {
    const auto value = readNumber(operand, state.DecimalSeparator, state.ThousandsSeparator);
    if (!value) {
        finish(fault::NotANumber);
    }
    if (std::isinf(*value)) {
        finish(fault::Overflow);
    }
    return *value;
}

inline double operation(const EngineState& state, char op, const std::string& left,
                        const std::string& right) {
    const double a = operandValue(state, left);
    const double b = operandValue(state, right);
    double value = 0.0;
    if (op == '^') {
        if (a < 0 && right.find(state.DecimalSeparator) != std::string::npos) {
            finish(msg::RootOfNegative);
        }
        value = std::pow(a, b);
    } else if (op == '/') {
        if (b == 0) {
            finish(msg::DivideByZero);
        }
        value = a / b;
    } else if (op == '*') {
        value = a * b;
    } else if (op == '%') {
        value = a * b / 100;
    } else {
        value = a + b;
    }
    if (std::isnan(value)) {
        finish(fault::InvalidOperation);
    }
    if (std::isinf(value)) {
        finish(fault::Overflow);
    }
    return value;
}

// Reduces the operator at position p of inner; gives the rewritten inner (the same text when
// an operand is empty).
inline std::string reduceAt(EngineState& state, const std::string& inner, char op, std::size_t p) {
    std::size_t start = 1;
    for (std::size_t pos = 1; pos <= p - 1; ++pos) {
        if (isOperatorAt(inner, pos)) {
            start = pos + 1;
        }
    }
    std::size_t stop = p + 1;
    while (stop <= inner.size() && !isOperatorAt(inner, stop)) {
        ++stop;
    }
    std::string left = mid(inner, start, p - 1);
    std::string right = mid(inner, p + 1, stop - 1);
    left = functionReplaced(state, left);
    right = functionReplaced(state, right);
    if (left.empty() || right.empty()) {
        return inner;
    }
    const double value = operation(state, op, left, right);
    return mid(inner, 1, start - 1) + numberText(value, state.DecimalSeparator) +
           mid(inner, stop, inner.size());
}

inline std::string reduceOperators(EngineState& state, std::string inner) {
    for (const char op : std::string_view("^/*%+")) {
        std::size_t p = operatorPosition(inner, op);
        while (p != 0) {
            const std::string rewritten = reduceAt(state, inner, op, p);
            if (rewritten == inner) {
                finish(msg::SyntaxError);
            }
            inner = rewritten;
            p = operatorPosition(inner, op);
        }
    }
    return inner;
}

inline std::string evaluateSteps(EngineState& state, std::string_view text) {
    std::string work = "1*" + std::string(text);
    for (;;) {
        const std::size_t c = firstPosition(work, ')');
        std::size_t o = firstPosition(work, '(');
        if (o > c) {
            finish(msg::MissingRightBracket);
        }
        std::string before;
        std::string inner = work;
        std::string after;
        if (c != 0) {
            o = 0;
            for (std::size_t pos = 1; pos <= c; ++pos) {
                if (charAt(work, pos) == '(') {
                    o = pos;
                }
            }
            if (o == 0) {
                finish(msg::MissingLeftBracket);
            }
            before = mid(work, 1, o - 1);
            inner = mid(work, o + 1, c - 1);
            after = mid(work, c + 1, work.size());
        }
        if (charAt(inner, 1) == ':') {
            inner = "1*" + inner;
        }
        inner = reduceOperators(state, inner);
        work = before + inner + after;
        if (c == 0) {
            if (!readsAsNumber(work, state.DecimalSeparator, state.ThousandsSeparator)) {
                finish(msg::SyntaxError);
            }
            const double value =
                *readNumber(work, state.DecimalSeparator, state.ThousandsSeparator);
            return evaluatorText(value, state.DecimalSeparator);
        }
    }
}

inline std::string evaluateArithmetic(EngineState& state, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    try {
        return evaluateSteps(state, text);
    } catch (const Finished& finished) {
        return finished.text;
    } catch (const EngineFault& failure) {
        return std::string(failure.text);
    }
}

} // namespace zolvan::reference
