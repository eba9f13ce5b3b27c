#include "engine/arithmetic.h"

#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/functions.h"
#include "engine/number_text.h"

#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace zolvan {

namespace {

// A message that ends the evaluation and becomes its result.
struct Stop {
    std::string text;
};

[[noreturn]] void stopWith(std::string_view message) {
    throw Stop{std::string(message)};
}

// Operators in the order their kinds are reduced.
constexpr std::array<char, 5> kReductionOrder{'^', '/', '*', '%', '+'};

// True when position i of s holds an operator. A "+" right after "E" is the sign of an exponent.
bool isOperatorAt(std::string_view s, std::size_t i) {
    switch (s[i]) {
    case '^':
    case '*':
    case '/':
    case '%':
        return true;
    case '+':
        return i == 0 || s[i - 1] != 'E';
    default:
        return false;
    }
}

// The position of the first operator at or after `from`, or the length of s.
std::size_t operatorFrom(std::string_view s, std::size_t from) {
    for (std::size_t i = from; i < s.size(); ++i) {
        if (isOperatorAt(s, i)) {
            return i;
        }
    }
    return s.size();
}

bool isFunctionOperand(std::string_view operand) {
    return !operand.empty() && (operand.front() == ':' || operand.back() == '!');
}

// Reduces bracket contents by rewriting. Every reduction of an operator writes its value back
// as number text, which the next reduction reads again, so intermediate values carry 15
// significant digits. The buffers are kept between brackets of one line to spare allocations.
class Reducer {
public:
    explicit Reducer(EngineState& state)
        : m_state(state), m_separator(state.DecimalSeparator),
          m_grouping(state.ThousandsSeparator) {}

    // The text left when every operator of `inner` has been reduced; it views `inner` when
    // there was nothing to reduce, otherwise one of the reducer's buffers.
    std::string_view reduce(std::string_view inner) {
        for (char op : kReductionOrder) {
            if (inner.find(op) == std::string_view::npos) {
                continue;
            }
            reduceKind(op, inner, m_next);
            std::swap(m_next, m_current);
            inner = m_current;
        }
        return inner;
    }

private:
    // All reductions of one operator kind, leftmost first, in a single left-to-right pass:
    // the value of each reduction is the left operand of the next one of the same kind.
    void reduceKind(char op, std::string_view in, std::string& out) {
        out.clear();
        std::size_t end = operatorFrom(in, 0);
        std::string_view left = in.substr(0, end);
        while (end < in.size()) {
            const char found = in[end];
            const std::size_t rightEnd = operatorFrom(in, end + 1);
            const std::string_view right = in.substr(end + 1, rightEnd - end - 1);
            if (found == op) {
                m_value = numberText(combine(op, left, right), m_separator);
                left = m_value;
            } else {
                out.append(left);
                out.push_back(found);
                left = right;
            }
            end = rightEnd;
        }
        out.append(left);
    }

    // A function or factorial operand is replaced by its value written as number text, which
    // is then read like any other operand; its message ends the evaluation.
    std::string_view evaluatedOperand(std::string_view operand, std::string& storage) {
        if (!isFunctionOperand(operand)) {
            return operand;
        }
        FunctionValue value = evaluateFunction(m_state, operand);
        if (std::string* message = std::get_if<std::string>(&value)) {
            throw Stop{std::move(*message)};
        }
        storage = numberText(std::get<double>(value), m_separator);
        return storage;
    }

    double readOperand(std::string_view operand) const {
        const std::optional<double> value = readNumber(operand, m_separator, m_grouping);
        if (!value) {
            throw EngineFault{fault::NotANumber};
        }
        return finiteOrFault(*value);
    }

    double combine(char op, std::string_view leftOperand, std::string_view rightOperand) {
        const std::string_view left = evaluatedOperand(leftOperand, m_leftValue);
        const std::string_view right = evaluatedOperand(rightOperand, m_rightValue);
        if (left.empty() || right.empty()) {
            stopWith(msg::SyntaxError);
        }
        const double a = readOperand(left);
        const double b = readOperand(right);
        switch (op) {
        case '^':
            if (a < 0.0 && right.find(m_separator) != std::string_view::npos) {
                stopWith(msg::RootOfNegative);
            }
            return finiteOrFault(std::pow(a, b));
        case '/':
            if (b == 0.0) {
                stopWith(msg::DivideByZero);
            }
            return finiteOrFault(a / b);
        case '*':
            return finiteOrFault(a * b);
        case '%':
            return finiteOrFault(a * b / 100.0);
        default:
            return finiteOrFault(a + b);
        }
    }

    EngineState& m_state;
    char m_separator;
    bool m_grouping;
    std::string m_current;
    std::string m_next;
    std::string m_value;
    std::string m_leftValue;
    std::string m_rightValue;
};

// The message for a ")" that has no "(" before it: a "(" later in the text means the brackets
// are crossed, which counts as a missing right bracket.
std::string_view unmatchedCloseMessage(std::string_view rest) {
    return rest.find('(') != std::string_view::npos ? msg::MissingRightBracket
                                                    : msg::MissingLeftBracket;
}

// Replaces the bracket pair that starts at `open` in `work` (and runs to its end) by its
// reduced contents.
void reduceBracket(Reducer& reducer, std::string& work, std::size_t open, std::string& scratch) {
    std::string_view inner = std::string_view(work).substr(open + 1);
    if (!inner.empty() && inner.front() == ':') {
        scratch.assign("1*");
        scratch.append(inner);
        inner = scratch;
    }
    const std::string_view reduced = reducer.reduce(inner);
    if (reduced.data() == work.data() + open + 1) {
        work.erase(open, 1); // nothing to reduce: only the "(" goes
        return;
    }
    work.resize(open);
    work.append(reduced);
}

// Copies the text behind "1*" while resolving brackets: at each ")" the contents back to the
// nearest "(" are reduced and written in place of the pair. This is the same as always taking
// the first ")" of the whole text and the last "(" before it, but walks the text once.
std::string resolveBrackets(Reducer& reducer, std::string_view text) {
    std::string work;
    work.reserve(text.size() + 2);
    work.assign("1*");
    std::vector<std::size_t> opens;
    std::string scratch;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '(') {
            opens.push_back(work.size());
        } else if (ch == ')') {
            if (opens.empty()) {
                stopWith(unmatchedCloseMessage(text.substr(i)));
            }
            const std::size_t open = opens.back();
            opens.pop_back();
            reduceBracket(reducer, work, open, scratch);
            continue;
        }
        work.push_back(ch);
    }
    if (!opens.empty()) {
        stopWith(msg::MissingRightBracket);
    }
    return work;
}

std::string evaluate(EngineState& state, std::string_view text) {
    Reducer reducer(state);
    const std::string work = resolveBrackets(reducer, text);
    const std::string_view reduced = reducer.reduce(work);
    const std::optional<double> value =
        readNumber(reduced, state.DecimalSeparator, state.ThousandsSeparator);
    if (!value || !std::isfinite(*value)) {
        return std::string(msg::SyntaxError);
    }
    return evaluatorText(*value, state.DecimalSeparator);
}

} // namespace

std::string evaluateArithmetic(EngineState& state, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    try {
        return evaluate(state, text);
    } catch (Stop& stop) {
        return std::move(stop.text);
    } catch (const EngineFault& failure) {
        return std::string(failure.text);
    }
}

} // namespace zolvan
