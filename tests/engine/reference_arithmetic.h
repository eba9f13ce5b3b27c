#pragma once
// A deliberately plain evaluator of arithmetic text, used only by tests to check the engine's
// evaluator. It rewrites the text step by step: the first ")" and the last "(" before it, then
// inside that pair every "^", "/", "*", "%", "+" in turn, leftmost first, each value written
// back as number text. It is slow on purpose: every step rebuilds whole texts and searches them
// again from the start.

#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/functions.h"
#include "engine/number_text.h"

#include <cmath>
#include <string>
#include <string_view>
#include <variant>

namespace zolvan::reference {

constexpr std::size_t npos = std::string::npos;

// Ends the evaluation; the text is its result.
struct Finished {
    std::string text;
};

inline void finishIf(bool condition, std::string_view text) {
    if (condition) {
        throw Finished{std::string(text)};
    }
}

// "^", "*", "/", "%", or a "+" that does not directly follow an "E".
inline bool isOperatorAt(const std::string& s, std::size_t i) {
    const char ch = s[i];
    return ch == '^' || ch == '*' || ch == '/' || ch == '%' ||
           (ch == '+' && (i == 0 || s[i - 1] != 'E'));
}

// Position of the operator op to reduce next, npos when there is none.
inline std::size_t operatorPosition(const std::string& inner, char op) {
    std::size_t p = inner.find(op);
    while (p != npos && !isOperatorAt(inner, p)) {
        p = inner.find(op, p + 1);
    }
    return p;
}

// An operand that begins with ":" or ends with "!" becomes the number text of its function
// value; a message from the function is the final result.
inline std::string functionReplaced(EngineState& state, std::string operand) {
    if (operand.empty() || (operand.front() != ':' && operand.back() != '!')) {
        return operand;
    }
    const FunctionValue value = evaluateFunction(state, operand);
    if (const std::string* message = std::get_if<std::string>(&value)) {
        throw Finished{*message};
    }
    return numberText(std::get<double>(value), state.DecimalSeparator);
}

inline double operandValue(const EngineState& state, const std::string& operand) {
    const auto value = readNumber(operand, state.DecimalSeparator, state.ThousandsSeparator);
    finishIf(!value, fault::NotANumber);
    finishIf(std::isinf(value.value_or(0)), fault::Overflow);
    return *value;
}

inline double operation(const EngineState& state, char op, const std::string& left,
                        const std::string& right) {
    const double a = operandValue(state, left);
    const double b = operandValue(state, right);
    finishIf(op == '^' && a < 0 && right.find(state.DecimalSeparator) != npos, msg::RootOfNegative);
    finishIf(op == '/' && b == 0, msg::DivideByZero);
    const double value = op == '^'   ? std::pow(a, b)
                         : op == '/' ? a / b
                         : op == '*' ? a * b
                         : op == '%' ? a * b / 100
                                     : a + b;
    finishIf(std::isnan(value), fault::InvalidOperation);
    finishIf(std::isinf(value), fault::Overflow);
    return value;
}

// Reduces the operator at position p of inner; gives the rewritten inner (the same text when
// an operand is empty).
inline std::string reduceAt(EngineState& state, const std::string& inner, char op, std::size_t p) {
    std::size_t start = p;
    while (start > 0 && !isOperatorAt(inner, start - 1)) {
        --start;
    }
    std::size_t stop = p + 1;
    while (stop < inner.size() && !isOperatorAt(inner, stop)) {
        ++stop;
    }
    const std::string left = functionReplaced(state, inner.substr(start, p - start));
    const std::string right = functionReplaced(state, inner.substr(p + 1, stop - p - 1));
    if (left.empty() || right.empty()) {
        return inner;
    }
    const double value = operation(state, op, left, right);
    return inner.substr(0, start) + numberText(value, state.DecimalSeparator) + inner.substr(stop);
}

// The text inside one bracket pair (or the whole text) with all its operators reduced.
inline std::string reduced(EngineState& state, std::string inner) {
    if (inner.starts_with(':')) {
        inner = "1*" + inner;
    }
    for (const char op : std::string_view("^/*%+")) {
        for (std::size_t p = operatorPosition(inner, op); p != npos;
             p = operatorPosition(inner, op)) {
            const std::string rewritten = reduceAt(state, inner, op, p);
            finishIf(rewritten == inner, msg::SyntaxError);
            inner = rewritten;
        }
    }
    return inner;
}

inline std::string evaluateArithmetic(EngineState& state, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    std::string work = "1*" + std::string(text);
    try {
        for (;;) {
            const std::size_t close = work.find(')');
            const std::size_t open = work.find('(');
            // A "(" with no ")" at all, or the first "(" standing after the first ")".
            finishIf(open != npos && (close == npos || open > close), msg::MissingRightBracket);
            if (close == npos) {
                const auto value = readNumber(reduced(state, work), state.DecimalSeparator,
                                              state.ThousandsSeparator);
                finishIf(!value || std::isinf(*value), msg::SyntaxError);
                return evaluatorText(*value, state.DecimalSeparator);
            }
            const std::size_t last = work.rfind('(', close);
            finishIf(last == npos, msg::MissingLeftBracket);
            work = work.substr(0, last) + reduced(state, work.substr(last + 1, close - last - 1)) +
                   work.substr(close + 1);
        }
    } catch (const Finished& finished) {
        return finished.text;
    }
}

} // namespace zolvan::reference
