#include "engine/arithmetic.h"

#include "engine/ascii.h"
#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/functions.h"
#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <memory_resource>
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
inline bool isOperatorAt(std::string_view s, std::size_t i) {
    return ascii::isOneOf<"^*/%+">(s[i]) && !(s[i] == '+' && i > 0 && s[i - 1] == 'E');
}

// The operator kinds that bracket contents hold, so that an absent kind costs no pass.
class OperatorKinds {
public:
    void add(char op) { m_bits |= bit(op); }
    bool contains(char op) const { return (m_bits & bit(op)) != 0; }

private:
    // The five operators differ in their low five bits.
    static unsigned bit(char op) { return 1u << (static_cast<unsigned char>(op) & 31u); }
    unsigned m_bits = 0;
};

// Holds the place of a bracket value in the line; any character that is no operator would do.
constexpr char kValueMarker = '#';

bool isFunctionOperand(std::string_view operand) {
    return !operand.empty() && (operand.front() == ':' || operand.back() == '!');
}

// Values whose text is not read again, by their position in the line being reduced:
// - a bracket whose value stands alone as an operand (an operator or the start of the contents
//   before it, an operator or the end after it) is not written back as number text: one marker
//   character holds its place, and its value counts as a reduction's (worth numberTextValue);
// - a number the text's writer knew the value of (KnownNumber) is taken as that value when it
//   is a whole operand; reading its text gives the same.
class PlacedValues {
public:
    struct Placed {
        std::size_t position;
        std::size_t length;
        double value;
        bool computed; // a bracket's value
    };

    explicit PlacedValues(std::pmr::memory_resource* room) : m_values(room) {}

    // A value placed at `position`; what was kept at or after it belonged to the brackets just
    // reduced.
    void place(const Placed& placed) {
        forgetFrom(placed.position);
        m_values.push_back(placed);
    }
    void forgetFrom(std::size_t position) {
        while (!m_values.empty() && m_values.back().position >= position) {
            m_values.pop_back();
        }
    }
    const Placed* at(std::size_t position) const {
        for (auto k = m_values.rbegin(); k != m_values.rend() && k->position >= position; ++k) {
            if (k->position == position) {
                return &*k;
            }
        }
        return nullptr;
    }

private:
    std::pmr::vector<Placed> m_values;
};

// One operand of a bracket's contents: as written, or the value of a reduction.
struct Operand {
    std::string_view text; // as written; empty once computed
    double result = 0.0;   // a reduction's value, before it is written as number text
    bool computed = false;
    bool read = false; // `text` is one number, whose value is `result`
};

// Reduces bracket contents. The contents are split at their operators once; each reduction
// replaces its two operands by one, which takes part in the reductions after it exactly as its
// number text would: a reduction's value is worth what its 15-digit text reads back as
// (numberTextValue), and its text is written only when the bracket's value goes back into the
// line. Written operands are read, and functions evaluated, when their reduction comes. The
// lists are kept between brackets of one line, in room on the stack while the line is short, so
// that an ordinary line allocates nothing for them.
class Reducer {
public:
    explicit Reducer(EngineState& state)
        : m_state(state), m_separator(state.DecimalSeparator),
          m_grouping(state.ThousandsSeparator), m_syntax{.grouping = m_grouping} {
        m_operands.reserve(16);
        m_operators.reserve(16);
    }
    Reducer(const Reducer&) = delete; // the lists live in the reducer's own room
    Reducer& operator=(const Reducer&) = delete;

    std::pmr::memory_resource* room() { return &m_room; }

    // Every operator of `inner` reduced, leftmost first within each kind: the last operand.
    // `leadingOne` puts "1*" in front, as a bracket that begins with a function has. `at` is
    // where `inner` starts in the line, where bracket values are placed.
    Operand reduce(std::string_view inner, std::size_t at, bool leadingOne) {
        m_at = at;
        split(inner, leadingOne);
        for (char op : kReductionOrder) {
            if (m_kinds.contains(op)) {
                reduceKind(op);
            }
        }
        return m_operands.front();
    }

    char separator() const { return m_separator; }
    PlacedValues& placedValues() { return m_placed; }

private:
    // Splits `inner` at its operators, reading each operand that is one number on the way (its
    // value is the same whenever it is read; a fault waits for the operand's reduction).
    void split(std::string_view inner, bool leadingOne) {
        m_operands.clear();
        m_operators.clear();
        m_kinds = {};
        if (leadingOne) {
            addOperand({}, 1.0, true); // the value of "1", without reading it
            m_operators.push_back('*');
            m_kinds.add('*');
        }
        for (std::size_t start = 0;;) {
            const std::size_t end = readOperand(inner, start);
            if (end == inner.size()) {
                return;
            }
            m_operators.push_back(inner[end]);
            m_kinds.add(inner[end]);
            start = end + 1;
        }
    }

    // Fields are written where the operand is kept, rather than copied from a temporary: a wide
    // copy of fields just written one by one waits for the writes to reach memory.
    void addOperand(std::string_view text, double result = 0.0, bool computed = false,
                    bool read = false) {
        Operand& operand = m_operands.emplace_back();
        operand.text = text;
        operand.result = result;
        operand.computed = computed;
        operand.read = read;
    }

    // Adds the operand that starts at `start` and returns where it ends: at the next operator,
    // or at the end of `inner`. An operand that is one number is read on the way.
    std::size_t readOperand(std::string_view inner, std::size_t start) {
        if (const PlacedValues::Placed* placed = m_placed.at(m_at + start)) {
            const std::size_t end = start + placed->length;
            if (end == inner.size() || isOperatorAt(inner, end)) { // a marker always is
                const std::string_view text =
                    placed->computed ? "" : inner.substr(start, placed->length);
                addOperand(text, placed->value, placed->computed, !placed->computed);
                return end;
            }
        }
        const std::string_view rest = inner.substr(start);
        // An operator here ends an empty operand; it is no sign of a number.
        const NumberScan scan = start < inner.size() && isOperatorAt(inner, start)
                                    ? NumberScan{}
                                    : scanNumber(rest, m_separator, m_syntax);
        std::size_t end = start + scan.length;
        if (scan.length > 0 && (end == inner.size() || isOperatorAt(inner, end))) {
            const std::string_view text = rest.substr(0, scan.length);
            if (const auto value = scannedValue(text, scan, m_separator)) {
                addOperand(text, *value, false, true);
                return end;
            }
        }
        while (end < inner.size() && !isOperatorAt(inner, end)) {
            ++end;
        }
        addOperand(inner.substr(start, end - start));
        return end;
    }

    // All reductions of one operator kind in a single left-to-right pass: the value of each
    // reduction is the left operand of the next one of the same kind. Operands and operators
    // that stay move down over the reduced ones.
    void reduceKind(char op) {
        std::size_t kept = 0; // operators kept so far
        for (std::size_t i = 0; i < m_operators.size(); ++i) {
            if (m_operators[i] == op) {
                m_operands[kept] = combine(op, m_operands[kept], m_operands[i + 1]);
            } else {
                m_operators[kept] = m_operators[i];
                m_operands[++kept] = m_operands[i + 1];
            }
        }
        m_operators.resize(kept);
        m_operands.resize(kept + 1);
    }

    // A function or factorial operand is worth its value written as number text, as a
    // reduction's value is; its message ends the evaluation.
    Operand prepared(const Operand& operand) {
        if (operand.computed || !isFunctionOperand(operand.text)) {
            return operand;
        }
        FunctionValue value = evaluateFunction(m_state, operand.text);
        if (std::string* message = std::get_if<std::string>(&value)) {
            throw Stop{std::move(*message)};
        }
        const double number = std::get<double>(value);
        if (!std::isfinite(number)) {
            throw EngineFault{fault::NotANumber}; // its text would be a fault text
        }
        return {{}, number, true};
    }

    double valueOf(const Operand& operand) const {
        if (operand.computed) {
            return finiteOrFault(numberTextValue(operand.result));
        }
        if (operand.read) {
            return finiteOrFault(operand.result);
        }
        const std::optional<double> value = readNumber(operand.text, m_separator, m_grouping);
        if (!value) {
            throw EngineFault{fault::NotANumber};
        }
        return finiteOrFault(*value);
    }

    // A root is taken of a negative number when the exponent is written with decimals.
    bool hasDecimals(const Operand& operand) const {
        if (operand.computed) {
            return numberText(operand.result, m_separator).find(m_separator) != std::string::npos;
        }
        return operand.text.find(m_separator) != std::string_view::npos;
    }

    Operand combine(char op, const Operand& leftOperand, const Operand& rightOperand) {
        const Operand left = prepared(leftOperand);
        const Operand right = prepared(rightOperand);
        if ((!left.computed && left.text.empty()) || (!right.computed && right.text.empty())) {
            stopWith(msg::SyntaxError);
        }
        const double a = valueOf(left);
        const double b = valueOf(right);
        return {{}, finiteOrFault(apply(op, a, b, right)), true};
    }

    double apply(char op, double a, double b, const Operand& right) const {
        switch (op) {
        case '^':
            if (a < 0.0 && hasDecimals(right)) {
                stopWith(msg::RootOfNegative);
            }
            return std::pow(a, b);
        case '/':
            if (b == 0.0) {
                stopWith(msg::DivideByZero);
            }
            return a / b;
        case '*':
            return a * b;
        case '%':
            return a * b / 100.0;
        default:
            return a + b;
        }
    }

    EngineState& m_state;
    char m_separator;
    bool m_grouping;
    // Made once: a syntax built for each call is written to the stack in bytes and read back as
    // one word, which waits for the writes.
    NumberSyntax m_syntax;
    std::array<std::byte, 4096> m_roomBytes;
    std::pmr::monotonic_buffer_resource m_room{m_roomBytes.data(), m_roomBytes.size()};
    std::pmr::vector<Operand> m_operands{&m_room};
    std::pmr::vector<char> m_operators{&m_room};
    OperatorKinds m_kinds;
    PlacedValues m_placed{&m_room};
    std::size_t m_at = 0;
};

// The message for a ")" that has no "(" before it: a "(" later in the text means the brackets
// are crossed, which counts as a missing right bracket.
std::string_view unmatchedCloseMessage(std::string_view rest) {
    return rest.find('(') != std::string_view::npos ? msg::MissingRightBracket
                                                    : msg::MissingLeftBracket;
}

// True when a value put at `open` in `work`, with `next` after it, is one operand of its own.
bool standsAlone(std::string_view work, std::size_t open, char next) {
    const bool operatorBefore = open == 0 || work[open - 1] == '(' || isOperatorAt(work, open - 1);
    return operatorBefore && (next == '\0' || next == ')' || ascii::isOneOf<"^*/%+">(next));
}

// Replaces the bracket pair that starts at `open` in `work` (and runs to its end) by its
// reduced contents: its value (see PlacedValues) or the number text of it, or the contents as
// they were when they hold no operator (then only the "(" goes). `next` follows the ")".
void reduceBracket(Reducer& reducer, std::pmr::string& work, std::size_t open, char next) {
    const std::string_view inner = std::string_view(work).substr(open + 1);
    const Operand reduced = reducer.reduce(inner, open + 1, !inner.empty() && inner.front() == ':');
    if (!reduced.computed) {
        reducer.placedValues().forgetFrom(open); // the contents move
        work.erase(open, 1);
        return;
    }
    work.resize(open);
    if (standsAlone(work, open, next)) {
        reducer.placedValues().place({open, 1, reduced.result, true});
        work += kValueMarker;
    } else {
        reducer.placedValues().forgetFrom(open);
        work += numberText(reduced.result, reducer.separator());
    }
}

// The next bracket at or after a position. Each kind is found by memchr, which reads many bytes
// a step, and looked for again only once it is passed: the text is searched once for each kind.
class BracketFinder {
public:
    explicit BracketFinder(std::string_view text)
        : m_text(text), m_open(text.find('(')), m_close(text.find(')')) {}

    // A position past the end of the text when there is none.
    std::size_t next(std::size_t from) {
        if (m_open < from) {
            m_open = m_text.find('(', from);
        }
        if (m_close < from) {
            m_close = m_text.find(')', from);
        }
        return std::min({m_open, m_close, m_text.size()});
    }

private:
    std::string_view m_text;
    std::size_t m_open;
    std::size_t m_close;
};

// Places the known numbers of the text's stretch [from, to), which is copied to `at` in the
// working line; returns the known numbers after it.
std::span<const KnownNumber> placeKnownNumbers(PlacedValues& placed,
                                               std::span<const KnownNumber> known, std::size_t from,
                                               std::size_t to, std::size_t at) {
    for (; !known.empty() && known.front().position < to; known = known.subspan(1)) {
        const KnownNumber& number = known.front();
        if (number.position >= from) {
            placed.place({at + number.position - from, number.length, number.value, false});
        }
    }
    return known;
}

// Copies the text while resolving brackets: at each ")" the contents back to the nearest "("
// are reduced and written in place of the pair. This is the same as always taking the first ")"
// of the whole text and the last "(" before it, but walks the text once.
std::pmr::string resolveBrackets(Reducer& reducer, std::string_view text,
                                 std::span<const KnownNumber> known) {
    std::pmr::string work(reducer.room());
    work.reserve(text.size());
    std::pmr::vector<std::size_t> opens(reducer.room());
    BracketFinder brackets(text);
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t bracket = brackets.next(i);
        known = placeKnownNumbers(reducer.placedValues(), known, i, bracket, work.size());
        work.append(text.substr(i, bracket - i));
        if (bracket == text.size()) {
            break;
        }
        if (text[bracket] == '(') {
            opens.push_back(work.size());
            work.push_back('(');
        } else {
            if (opens.empty()) {
                stopWith(unmatchedCloseMessage(text.substr(bracket)));
            }
            const std::size_t open = opens.back();
            opens.pop_back();
            reduceBracket(reducer, work, open,
                          bracket + 1 < text.size() ? text[bracket + 1] : '\0');
        }
        i = bracket + 1;
    }
    if (!opens.empty()) {
        stopWith(msg::MissingRightBracket);
    }
    return work;
}

// The line's value as its number text reads back, or nullopt when it reads as no finite number.
std::optional<double> lineValue(EngineState& state, std::string_view text,
                                std::span<const KnownNumber> known) {
    Reducer reducer(state);
    const std::pmr::string work = resolveBrackets(reducer, text, known);
    const Operand reduced = reducer.reduce(work, 0, true); // the line is read behind "1*"
    const std::optional<double> value =
        reduced.computed ? numberTextValue(reduced.result)
        : reduced.read   ? reduced.result
                       : readNumber(reduced.text, state.DecimalSeparator, state.ThousandsSeparator);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::variant<double, std::string> evaluateArithmeticValue(EngineState& state,
                                                          std::string_view text) {
    return evaluateArithmeticValue(state, text, {});
}

std::variant<double, std::string> evaluateArithmeticValue(EngineState& state, std::string_view text,
                                                          std::span<const KnownNumber> known) {
    if (text.empty()) {
        return std::string();
    }
    try {
        const std::optional<double> value = lineValue(state, text, known);
        if (!value) {
            return std::string(msg::SyntaxError);
        }
        return evaluatorTextValue(*value);
    } catch (Stop& stop) {
        return std::move(stop.text);
    } catch (const EngineFault& failure) {
        return std::string(failure.text);
    }
}

std::string evaluateArithmetic(EngineState& state, std::string_view text) {
    std::variant<double, std::string> result = evaluateArithmeticValue(state, text);
    if (const double* value = std::get_if<double>(&result)) {
        return evaluatorText(*value, state.DecimalSeparator);
    }
    return std::move(std::get<std::string>(result));
}

} // namespace zolvan
