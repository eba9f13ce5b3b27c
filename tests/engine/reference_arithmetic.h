#pragma once
// A deliberately plain evaluator of arithmetic text, used only by tests to check the engine's
// evaluator. It rewrites the text step by step: the first ")" and the last "(" before it, then
// inside that pair every "^", "/", "*", "%", "+" in turn, leftmost first, each value written
// back as number text. It is slow on purpose: every step rebuilds whole texts and searches them
// again from the start.

#include "engine/functions.h"

#include "engine_test.h"

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
    return std::string_view("^*/%").find(s[i]) != npos ||
           (s[i] == '+' && (i == 0 || s[i - 1] != 'E'));
}

// Position of the first operator op in s, npos when there is none.
inline std::size_t operatorPosition(const std::string& s, char op) {
    std::size_t p = s.find(op);
    while (p != npos && !isOperatorAt(s, p)) {
        p = s.find(op, p + 1);
    }
    return p;
}

// The value of an operand. One that begins with ":" or ends with "!" is a function, whose value
// is used as its number text (kept in `text`); a message from it is the final result.
inline double operandValue(EngineState& state, std::string& text) {
    if (!text.empty() && (text.front() == ':' || text.back() == '!')) {
        const FunctionValue value = evaluateFunction(state, text);
        if (const std::string* message = std::get_if<std::string>(&value)) {
            throw Finished{*message};
        }
        text = numberText(std::get<double>(value), state.DecimalSeparator);
    }
    return readNumber(text, state.DecimalSeparator, state.ThousandsSeparator).value_or(NAN);
}

// Reduces the operator at position p of inner; gives the rewritten inner.
inline std::string reduceAt(EngineState& state, const std::string& inner, std::size_t p) {
    std::size_t start = p;
    std::size_t stop = p + 1;
    while (start > 0 && !isOperatorAt(inner, start - 1)) {
        --start;
    }
    while (stop < inner.size() && !isOperatorAt(inner, stop)) {
        ++stop;
    }
    std::string left = inner.substr(start, p - start);
    std::string right = inner.substr(p + 1, stop - p - 1);
    const double a = operandValue(state, left);
    const double b = operandValue(state, right);
    finishIf(left.empty() || right.empty(), msg::SyntaxError);
    for (const double operand : {a, b}) {
        finishIf(std::isnan(operand), fault::NotANumber);
        finishIf(std::isinf(operand), fault::Overflow);
    }
    const char op = inner[p];
    finishIf(op == '^' && a < 0 && right.find(state.DecimalSeparator) != npos, msg::RootOfNegative);
    finishIf(op == '/' && b == 0, msg::DivideByZero);
    const double value = op == '^'   ? std::pow(a, b)
                         : op == '/' ? a / b
                         : op == '*' ? a * b
                         : op == '%' ? a * b / 100
                                     : a + b;
    finishIf(std::isnan(value), fault::InvalidOperation);
    finishIf(std::isinf(value), fault::Overflow);
    return inner.substr(0, start) + numberText(value, state.DecimalSeparator) + inner.substr(stop);
}

// The text inside one bracket pair (or the whole text) with all its operators reduced.
inline std::string reduced(EngineState& state, std::string inner) {
    if (inner.starts_with(':')) {
        inner = "1*" + inner;
    }
    for (const char op : std::string_view("^/*%+")) {
        for (std::size_t p; (p = operatorPosition(inner, op)) != npos;) {
            inner = reduceAt(state, inner, p);
        }
    }
    return inner;
}

inline std::string evaluateArithmetic(EngineState& state, std::string_view text) {
    std::string work = "1*" + std::string(text);
    try {
        finishIf(text.empty(), ""); // an empty text has an empty result
        for (std::size_t close; (close = work.find(')')) != npos;) {
            const std::size_t open = work.find('(');
            finishIf(open == npos, msg::MissingLeftBracket);
            finishIf(open > close, msg::MissingRightBracket); // the brackets are crossed
            const std::size_t last = work.rfind('(', close);
            work = work.substr(0, last) + reduced(state, work.substr(last + 1, close - last - 1)) +
                   work.substr(close + 1);
        }
        finishIf(work.find('(') != npos, msg::MissingRightBracket);
        const auto value =
            readNumber(reduced(state, work), state.DecimalSeparator, state.ThousandsSeparator);
        finishIf(!value || std::isinf(*value), msg::SyntaxError);
        return evaluatorText(*value, state.DecimalSeparator);
    } catch (const Finished& finished) {
        return finished.text;
    }
}

} // namespace zolvan::reference
