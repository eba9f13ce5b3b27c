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
#include <memory>
#include <new>
#include <optional>
#include <type_traits>
#include <utility>

namespace zolvan {

namespace {

// A message that ends the evaluation and becomes its result.
struct Stop {
    std::string text;
};

[[noreturn]] void stopWith(std::string_view message) {
    throw Stop{std::string(message)};
}

// A list whose first N items live in the list itself, on the stack with the evaluator, and move
// to the heap only when a line needs more: an ordinary line allocates nothing, and no memory
// resource stands between the list and its items.
template <typename T, std::size_t N> class SmallList {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    SmallList() = default;
    SmallList(const SmallList&) = delete; // m_data may point into the list itself
    SmallList& operator=(const SmallList&) = delete;

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    T* data() { return m_data; }
    const T* data() const { return m_data; }
    T& operator[](std::size_t i) { return m_data[i]; }
    const T& operator[](std::size_t i) const { return m_data[i]; }
    T& front() { return m_data[0]; }
    T& back() { return m_data[m_size - 1]; }
    const T& back() const { return m_data[m_size - 1]; }

    void clear() { m_size = 0; }
    void shrink(std::size_t size) { m_size = size; } // size <= size()
    void pop_back() { --m_size; }
    T& emplace_back() {
        if (m_size == m_capacity) [[unlikely]] {
            grow(m_size + 1);
        }
        return m_data[m_size++];
    }
    void push_back(const T& item) { emplace_back() = item; }
    void append(const T* items, std::size_t count) {
        if (m_size + count > m_capacity) [[unlikely]] {
            grow(m_size + count);
        }
        std::copy_n(items, count, m_data + m_size);
        m_size += count;
    }
    void erase(std::size_t at) {
        std::copy(m_data + at + 1, m_data + m_size, m_data + at);
        --m_size;
    }

private:
    [[gnu::noinline]] void grow(std::size_t needed) { // out of the way of the common path
        const std::size_t capacity = std::max(needed, 2 * m_capacity);
        auto bigger = std::make_unique_for_overwrite<T[]>(capacity);
        std::copy_n(m_data, m_size, bigger.get());
        m_heap = std::move(bigger);
        m_data = m_heap.get();
        m_capacity = capacity;
    }

    // Raw bytes, which cost nothing to make (the items are trivially copyable, so writing one
    // there begins its life); only the first m_size are read while m_data points here.
    alignas(T) std::array<std::byte, N * sizeof(T)> m_local;
    std::unique_ptr<T[]> m_heap; // one word to set and test, where a vector has three
    T* m_data = std::launder(reinterpret_cast<T*>(m_local.data()));
    std::size_t m_size = 0;
    std::size_t m_capacity = N;
};

// True when position i of s holds an operator. A "+" right after "E" is the sign of an exponent.
inline bool isOperatorAt(std::string_view s, std::size_t i) {
    return ascii::isOneOf<"^*/%+">(s[i]) && !(s[i] == '+' && i > 0 && s[i - 1] == 'E');
}

// The operator kinds that bracket contents hold, so that an absent kind costs no pass.
class OperatorKinds {
public:
    void add(char op) { m_bits |= bit(op); }
    bool contains(char op) const { return (m_bits & bit(op)) != 0; }
    // True when no kind is left.
    bool remove(char op) {
        m_bits &= ~bit(op);
        return m_bits == 0;
    }

private:
    // The five operators differ in their low five bits.
    static unsigned bit(char op) { return 1u << (static_cast<unsigned char>(op) & 31u); }
    unsigned m_bits = 0;
};

// The line being reduced, brackets resolved so far.
using WorkLine = SmallList<char, 256>;

std::string_view viewOf(const WorkLine& work) {
    return {work.data(), work.size()};
}

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
        for (std::size_t k = m_values.size(); k > 0 && m_values[k - 1].position >= position; --k) {
            if (m_values[k - 1].position == position) {
                return &m_values[k - 1];
            }
        }
        return nullptr;
    }

private:
    SmallList<Placed, 16> m_values;
};

// One operand of a bracket's contents: as written, or the value of a reduction.
// Every field is set wherever an operand is made.
struct Operand {
    std::string_view text; // as written; empty once computed
    double result;         // a reduction's value, before it is written as number text
    bool computed;
    bool read; // `text` is one number, whose value is `result`
};

// Reduces bracket contents. The contents are split at their operators once; each reduction
// replaces its two operands by one, which takes part in the reductions after it exactly as its
// number text would: a reduction's value is worth what its 15-digit text reads back as
// (numberTextValue), and its text is written only when the bracket's value goes back into the
// line. Written operands are read, and functions evaluated, when their reduction comes. The
// lists are kept between brackets of one line, on the stack while the line is short.
class Reducer {
public:
    explicit Reducer(EngineState& state)
        : m_state(state), m_separator(state.DecimalSeparator),
          m_grouping(state.ThousandsSeparator), m_syntax{.grouping = m_grouping} {}

    // Every operator of `inner` reduced, leftmost first within each kind: the last operand.
    // `leadingOne` puts "1*" in front, as a bracket that begins with a function has. `at` is
    // where `inner` starts in the line, where bracket values are placed.
    Operand reduce(std::string_view inner, std::size_t at, bool leadingOne) {
        m_at = at;
        split(inner, leadingOne);
        // The kinds in the order they are reduced, until none is left. Each pass is made for its
        // operator, so that what the operator does is chosen once, not at every reduction.
        (void)(reducePass<'^'>() || reducePass<'/'>() || reducePass<'*'>() || reducePass<'%'>() ||
               reducePass<'+'>());
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
        if (const PlainDecimal plain = readPlainDecimal(rest, m_separator); plain.length != 0) {
            const std::size_t end = start + plain.length;
            if (end == inner.size() || isOperatorAt(inner, end)) {
                addOperand(rest.substr(0, plain.length), plain.value, false, true);
                return end;
            }
        }
        // A number starts with a digit, a "-" or the separator ("+" here is an operator, which
        // ends an empty operand); a function operand, for one, is not scanned.
        const bool mayBeNumber =
            !rest.empty() && (ascii::isDigit(rest[0]) || rest[0] == '-' || rest[0] == m_separator);
        const NumberScan scan =
            mayBeNumber ? scanNumber(rest, m_separator, m_syntax) : NumberScan{};
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

    // Reduces the kind when the contents hold it; true when no kind is left after it.
    template <char op> bool reducePass() {
        if (!m_kinds.contains(op)) {
            return false;
        }
        reduceKind<op>();
        return m_kinds.remove(op);
    }

    // All reductions of one operator kind in a single left-to-right pass: the value of each
    // reduction is the left operand of the next one of the same kind. Operands and operators
    // that stay move down over the reduced ones.
    template <char op> void reduceKind() {
        std::size_t kept = 0; // operators kept so far
        for (std::size_t i = 0; i < m_operators.size(); ++i) {
            if (m_operators[i] == op) {
                m_operands[kept] = combine<op>(m_operands[kept], m_operands[i + 1]);
            } else {
                m_operators[kept] = m_operators[i];
                m_operands[++kept] = m_operands[i + 1];
            }
        }
        m_operators.shrink(kept);
        m_operands.shrink(kept + 1);
    }

    // A function or factorial operand is worth its value written as number text, as a
    // reduction's value is; its message ends the evaluation.
    void prepare(Operand& operand) {
        if (!operand.computed && !operand.read && isFunctionOperand(operand.text)) {
            operand = {{}, functionValue(operand.text), true, false};
        }
    }

    double functionValue(std::string_view text) {
        FunctionValue value = evaluateFunction(m_state, text);
        if (std::string* message = std::get_if<std::string>(&value)) {
            throw Stop{std::move(*message)};
        }
        const double number = std::get<double>(value);
        if (!std::isfinite(number)) {
            throw EngineFault{fault::NotANumber}; // its text would be a fault text
        }
        return number;
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
            NumberTextRoom room;
            return numberTextIn(room, operand.result, m_separator).find(m_separator) !=
                   std::string_view::npos;
        }
        return operand.text.find(m_separator) != std::string_view::npos;
    }

    // Both operands are used up: they are prepared where they are.
    template <char op> Operand combine(Operand& left, Operand& right) {
        prepare(left);
        prepare(right);
        if ((!left.computed && left.text.empty()) || (!right.computed && right.text.empty())) {
            stopWith(msg::SyntaxError);
        }
        const double a = valueOf(left);
        const double b = valueOf(right);
        return {{}, finiteOrFault(apply<op>(a, b, right)), true, false};
    }

    template <char op> double apply(double a, double b, const Operand& right) const {
        if constexpr (op == '^') {
            if (a < 0.0 && hasDecimals(right)) {
                stopWith(msg::RootOfNegative);
            }
            return std::pow(a, b);
        } else if constexpr (op == '/') {
            if (b == 0.0) {
                stopWith(msg::DivideByZero);
            }
            return a / b;
        } else if constexpr (op == '*') {
            return a * b;
        } else if constexpr (op == '%') {
            return a * b / 100.0;
        } else {
            return a + b;
        }
    }

    EngineState& m_state;
    char m_separator;
    bool m_grouping;
    // Made once: a syntax built for each call is written to the stack in bytes and read back as
    // one word, which waits for the writes.
    NumberSyntax m_syntax;
    SmallList<Operand, 32> m_operands;
    SmallList<char, 32> m_operators;
    OperatorKinds m_kinds;
    PlacedValues m_placed;
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
void reduceBracket(Reducer& reducer, WorkLine& work, std::size_t open, char next) {
    const std::string_view inner = viewOf(work).substr(open + 1);
    const Operand reduced = reducer.reduce(inner, open + 1, !inner.empty() && inner.front() == ':');
    if (!reduced.computed) {
        reducer.placedValues().forgetFrom(open); // the contents move
        work.erase(open);
        return;
    }
    work.shrink(open);
    if (standsAlone(viewOf(work), open, next)) {
        reducer.placedValues().place({open, 1, reduced.result, true});
        work.push_back(kValueMarker);
    } else {
        reducer.placedValues().forgetFrom(open);
        NumberTextRoom room;
        const std::string_view written = numberTextIn(room, reduced.result, reducer.separator());
        work.append(written.data(), written.size());
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
// of the whole text and the last "(" before it, but walks the text once. Returns the line left:
// `work`, or the text itself when it holds no bracket.
std::string_view resolveBrackets(Reducer& reducer, std::string_view text,
                                 std::span<const KnownNumber> known, WorkLine& work) {
    SmallList<std::size_t, 32> opens;
    BracketFinder brackets(text);
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t bracket = brackets.next(i);
        known = placeKnownNumbers(reducer.placedValues(), known, i, bracket, work.size());
        if (i == 0 && bracket == text.size()) {
            return text; // no bracket: nothing to resolve, and so nothing to copy
        }
        work.append(text.data() + i, bracket - i);
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
    return viewOf(work);
}

// The line's value as its text in the final pattern reads back, or nullopt when its number text
// reads as no finite number.
std::optional<double> lineValue(EngineState& state, std::string_view text,
                                std::span<const KnownNumber> known) {
    Reducer reducer(state);
    WorkLine work;
    const std::string_view resolved = resolveBrackets(reducer, text, known, work);
    const Operand reduced = reducer.reduce(resolved, 0, true); // the line is read behind "1*"
    if (reduced.computed) {
        // Both texts' roundings at once: an infinity when the 15-digit one passes the range.
        const double value = evaluatorTextValueOfResult(reduced.result);
        return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
    }
    const std::optional<double> value =
        reduced.read ? reduced.result
                     : readNumber(reduced.text, state.DecimalSeparator, state.ThousandsSeparator);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return evaluatorTextValue(*value);
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
        return *value;
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
