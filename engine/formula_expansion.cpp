#include "engine/formula_expansion.h"

#include "engine/ascii.h"
#include "engine/element_table.h"
#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/line_writer.h"
#include "engine/normalizer.h"
#include "engine/number_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zolvan {

using namespace ascii;

namespace {

// The number text of pi as the engine knows it, 3.14159265358979, around its separator.
constexpr std::string_view kPiWhole = "3";
constexpr std::string_view kPiDecimals = "14159265358979";

// Every restart after a case correction walks the whole text again. Beside the position rule
// below, this budget of characters walked bounds the work on a line that needs very many
// corrections, and ends corrections that would chase each other between two positions. It
// allows thousands of corrections on a line of ordinary length.
constexpr std::size_t kCorrectionBudget = std::size_t{1} << 18;

constexpr char kNone = '\0'; // no previous or next character

constexpr ascii::CharList kCapitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Square and curly brackets read as round ones: one look-up, as every character passes here.
char roundBracket(char c) {
    static constexpr auto kRounded = [] {
        std::array<char, 256> rounded{};
        for (std::size_t k = 0; k < rounded.size(); ++k) {
            rounded[k] = static_cast<char>(k);
        }
        rounded['{'] = rounded['['] = '(';
        rounded['}'] = rounded[']'] = ')';
        return rounded;
    }();
    return kRounded[static_cast<unsigned char>(c)];
}

void checkLength(std::string_view text, std::string_view faultText) {
    if (text.size() >= kMaxLineLength) {
        throw EngineFault{faultText};
    }
}

// Where the walk goes on after the token at i: past ":ans", ":mem" or ":pi", or at the argument
// of a function (the text's last character when it has none, which is then read on its own).
std::size_t tokenEnd(std::string_view text, std::size_t i) {
    const std::string_view rest = text.substr(i);
    if (rest.starts_with(":ans") || rest.starts_with(":mem")) {
        return i + 4;
    }
    if (rest.starts_with(":pi")) {
        return i + 3;
    }
    const std::size_t end = findFirstOf<"-(0123456789[">(text, i);
    if (end == std::string_view::npos) {
        // A lone ":" closing the text is copied on its own.
        return i + 1 == text.size() ? i + 1 : text.size() - 1;
    }
    return end;
}

// Every element symbol becomes its atomic weight, as the arithmetic text is written: each
// character the expansion writes comes here. An "E" without a lower-case letter after it is the
// exponent mark of a number and stays. A capital waits for the next character, which may be the
// second letter of its symbol. The first symbol that is no element stops the replacement.
class SymbolWeights {
public:
    // `replacing` false passes every character through until startReplacing().
    SymbolWeights(EngineState& state, LineWriter& out, KnownNumbers& written, bool replacing)
        : m_state(state), m_out(out), m_written(written), m_replacing(replacing) {}

    // Replaces from now on: the walk has read its first symbol. False when the text of a token
    // has been passed through already: replacing reads the capitals such a text may hold.
    bool startReplacing() {
        m_replacing = true;
        return !m_textPassed;
    }

    void write(char c) {
        if (!m_replacing) {
            m_out.put(c);
            return;
        }
        if (m_failed) {
            return;
        }
        if (m_capital != kNone) {
            const char capital = std::exchange(m_capital, kNone);
            if (isLower(c)) {
                writeWeight(capital, c);
                return;
            }
            writeWeight(capital, kNone);
        }
        if (isUpper(c)) {
            m_capital = c;
        } else {
            m_out.put(c);
        }
    }

    // A text without letters: it may only end the symbol of a capital that waits.
    void writeWithoutLetters(std::string_view text) {
        if (m_replacing) {
            if (m_failed) {
                return;
            }
            if (m_capital != kNone) {
                writeWeight(std::exchange(m_capital, kNone), kNone);
            }
        }
        m_out.put(text);
    }

    // A whole text at once where no character of it can be or end a symbol: nothing is being
    // replaced, or no capital waits and the text holds none.
    void write(std::string_view text) {
        if (!m_replacing) {
            m_textPassed = true;
            m_out.put(text);
            return;
        }
        if (m_capital == kNone && !m_failed &&
            findFirstOf<kCapitals>(text) == std::string_view::npos) {
            m_out.put(text);
            return;
        }
        for (const char c : text) {
            write(c);
        }
    }

    // The capital left at the end. Returns the symbol that is no element, if one was met.
    std::optional<std::string> finish() {
        if (m_capital != kNone && !m_failed) {
            writeWeight(std::exchange(m_capital, kNone), kNone);
        }
        return m_failed ? std::optional<std::string>(m_unknown) : std::nullopt;
    }

private:
    // The symbol of `capital` and `second` (kNone for a one-letter symbol).
    void writeWeight(char capital, char second) {
        if (capital == 'E' && second == kNone) {
            m_out.put('E');
            return;
        }
        const Element* element = lookUpElement(m_state, capital, second);
        if (element == nullptr) {
            m_failed = true;
            const char symbol[2] = {capital, second};
            m_unknown.assign(symbol, second == kNone ? 1 : 2);
            return;
        }
        const std::size_t at = m_out.size();
        m_out.put(element->weightText);
        m_written.add(at, element->weightText.size(), element->weight);
        if (m_state.DecimalSeparator != '.') {
            if (const auto point = element->weightText.find('.'); point != std::string::npos) {
                m_out[at + point] = m_state.DecimalSeparator;
            }
        }
    }

    EngineState& m_state;
    LineWriter& m_out;
    KnownNumbers& m_written;
    bool m_replacing;
    bool m_textPassed = false; // a token's text was passed through before replacing began
    char m_capital = kNone;
    bool m_failed = false;
    std::string m_unknown;
};

// One walk over the canonical text: counts become multiplications, neighbouring symbols and
// brackets are joined by "+", subtraction and negation take the evaluator's form, the named
// values become numbers and function tokens are copied through; what it writes goes through
// SymbolWeights. `firstLength` counts what it wrote before the symbols became weights.
// Symbols are replaced once the walk reads a capital on its own: in a line without one, the
// capitals in the texts of tokens (the last answer) stay as they are. A walk that passed the
// text of a token before its first symbol stops there, and is made again with `replacing` true
// from the start, as a capital in that text must then be replaced too.
class Expander {
public:
    Expander(EngineState& state, std::string_view text, LineWriter& out, KnownNumbers& weights,
             bool replacing)
        : m_state(state), m_text(text), m_upperSeen(replacing),
          m_weights(state, out, weights, replacing) {}

    // The symbol that is no element, if there is one.
    std::optional<std::string> run() {
        for (std::size_t i = 0; i < m_text.size();) {
            i = step(i);
        }
        return m_weights.finish();
    }

    bool upperSeen() const { return m_upperSeen; }
    bool mustReplaceFromStart() const { return m_replaceFromStart; }
    std::size_t firstLength() const { return m_written; }

private:
    void write(char c) {
        m_last = c;
        ++m_written;
        m_weights.write(c);
    }
    void write(std::string_view text) {
        if (!text.empty()) {
            m_last = text.back();
            m_written += text.size();
            m_weights.write(text);
        }
    }
    void writeWithoutLetters(std::string_view text) {
        m_last = text.back();
        m_written += text.size();
        m_weights.writeWithoutLetters(text);
    }

    // Handles the character at i, or the run of characters from i that the rules write as they
    // are, and returns the position of the next one to handle.
    std::size_t step(std::size_t i) {
        if (const std::size_t end = verbatimEnd(i); end > i) {
            m_afterToken = false;
            writeWithoutLetters(m_text.substr(i, end - i));
            return end;
        }
        const char c = roundBracket(m_text[i]);
        if (isUpper(c) && !m_upperSeen) {
            m_upperSeen = true;
            if (!m_weights.startReplacing()) {
                m_replaceFromStart = true;
                return m_text.size();
            }
        }
        const char p = m_last;
        trackModes(c);
        if (m_chemMode) {
            if (const char prefix = chemPrefix(c, p, i); prefix != kNone) {
                write(prefix);
            }
        }
        if (c == '-') {
            writeMinus(p, next(i));
            m_afterToken = false;
            return i + 1;
        }
        m_afterToken = false;
        if (c == ':') {
            return writeToken(i);
        }
        write(c);
        return i + 1;
    }

    // The end of the run from i that step() would copy one by one without a change: outside a
    // formula, digits, separators, "!", ")" and the operators other than "-" (which only keep the
    // formula mode off).
    std::size_t verbatimEnd(std::size_t i) const {
        std::size_t end = i;
        if (!m_chemMode) {
            while (end < m_text.size() && isOneOf<"0123456789.,!)^*/%+">(m_text[end])) {
                ++end;
            }
        }
        return end;
    }

    // The character after position i as the walk reads it; only a few rules look at it.
    char next(std::size_t i) const {
        return i + 1 < m_text.size() ? roundBracket(m_text[i + 1]) : kNone;
    }

    void trackModes(char c) {
        if (isUpper(c) || c == '(') {
            m_chemMode = true;
        } else if (isOneOf<"^*/%+-">(c)) {
            m_chemMode = false;
        }
    }

    // Inside a formula: "+" before a symbol or bracket that follows a symbol, count or bracket,
    // "*" before a count that follows a symbol or ")". Returns what goes in front of the c at
    // position i, or kNone.
    char chemPrefix(char c, char p, std::size_t i) const {
        if (isUpper(c)) {
            const bool exponent = c == 'E' && !isLower(next(i));
            return joins(p) && !exponent ? '+' : kNone;
        }
        if (isDigit(c)) {
            const bool continuesNumber = isDigit(p) || isOneOf<"E,.(">(p);
            return continuesNumber || m_afterToken ? kNone : '*';
        }
        if (c == '(') {
            return joins(p) && p != '>' && p != '<' ? '+' : kNone;
        }
        return kNone;
    }

    // True when a symbol or bracket after p is joined to what p ends by a "+".
    bool joins(char p) const { return !(p == kNone || isOneOf<"(^*/%+-">(p) || m_afterToken); }

    // A binary minus becomes the addition of a negative; "-1*" negates a bracket or a function.
    void writeMinus(char p, char n) {
        const bool negatesOperand = n == '(' || n == ':';
        const bool binary = !(p == kNone || isOneOf<"^/*%+-(E">(p)) && !m_afterToken;
        if (binary) {
            writeWithoutLetters(negatesOperand ? "+-1*" : "+-");
        } else {
            writeWithoutLetters(negatesOperand ? "-1*" : "-");
        }
    }

    std::size_t writeToken(std::size_t i) {
        const std::string_view rest = m_text.substr(i);
        const std::size_t end = tokenEnd(m_text, i);
        if (rest.starts_with(":ans")) {
            write(m_state.AnsText);
        } else if (rest.starts_with(":mem")) {
            write(numberText(m_state.MemoryValue, m_state.DecimalSeparator));
        } else if (rest.starts_with(":pi")) {
            writeWithoutLetters(kPiWhole);
            write(m_state.DecimalSeparator);
            writeWithoutLetters(kPiDecimals);
        } else {
            // A function name is copied up to its argument, which the following steps handle.
            m_afterToken = true;
            write(m_text.substr(i, end - i));
        }
        return end;
    }

    EngineState& m_state;
    std::string_view m_text;
    bool m_upperSeen; // a capital was read on its own: there are symbols to replace
    bool m_replaceFromStart = false;
    SymbolWeights m_weights;
    char m_last = kNone; // the last character written
    std::size_t m_written = 0;
    bool m_chemMode = false;
    bool m_afterToken = false;
};

// What a walk over the canonical text found, besides what it wrote.
struct Walk {
    std::optional<std::string> unknown; // the symbol that is no element
    bool upperSeen;
    std::size_t firstLength;
};

// Walks the text, and again with replacing from the start when the first walk asks for it.
Walk walkText(EngineState& state, std::string_view text, LineWriter& written,
              KnownNumbers& weights) {
    for (bool replacing = false;; replacing = true) {
        Expander expander(state, text, written, weights, replacing);
        std::optional<std::string> unknown = expander.run();
        if (!expander.mustReplaceFromStart()) {
            return {std::move(unknown), expander.upperSeen(), expander.firstLength()};
        }
        written.clear();
        weights.clear();
    }
}

// Tries to fix the letter case of state.UnknownSymbol where it first occurs in the text:
// a two-letter symbol (or one closing the text) that starts like a one-letter element is read
// as two symbols (Cn as CN); a one-letter symbol takes the next letter as its second (ZN as
// Zn). Returns the 0-based position, or nullopt (flag raised) when nothing can be done.
std::optional<std::size_t> correctCase(EngineState& state, std::string& text) {
    const std::string& symbol = state.UnknownSymbol;
    const std::size_t pos = text.find(symbol);
    state.UnknownSymbolFlag = true;
    if (pos == std::string::npos) {
        return std::nullopt; // the symbol came in with the last answer, not from the text
    }
    if (symbol.size() == 2 || pos + 1 >= text.size()) {
        if (!isOneOf<"BCFHIKNOPSUVWY">(symbol[0])) {
            return std::nullopt;
        }
        for (std::size_t k = 0; k < symbol.size() && pos + k < text.size(); ++k) {
            text[pos + k] = toUpper(symbol[k]);
        }
    } else {
        text[pos + 1] = toLower(text[pos + 1]);
    }
    state.UnknownSymbolFlag = false;
    return pos;
}

// Two corrections in a row at one position spend the bound; any failure after that is final.
class CorrectionBound {
public:
    bool allows(std::size_t pos) {
        const auto position = static_cast<std::int32_t>(pos) + 1; // counted from 1; 0 is unset
        if (m_lastFixPos == position) {
            m_lastFixPos = -1;
            return true;
        }
        if (m_lastFixPos == -1) {
            return false;
        }
        m_lastFixPos = position;
        return true;
    }

private:
    std::int32_t m_lastFixPos = 0;
};

// Writes the arithmetic text into `arithmetic` and the weights into `out`, or the fault that
// stopped the expansion (with an empty text), or an empty text when a symbol is no element.
void expand(EngineState& state, std::string& text, std::string& arithmetic, Expansion& out) {
    CorrectionBound bound;
    std::size_t walked = 0;
    for (;;) {
        state.ElementDecimals = 10;
        checkLength(text, fault::LineTooLong);
        arithmetic.clear();
        out.weights.clear();
        LineWriter written(text.size());
        const Walk walk = walkText(state, text, written, out.weights);
        const std::optional<std::string>& unknown = walk.unknown;
        if (walk.upperSeen && walk.firstLength >= kMaxLineLength) {
            state.ElementDecimals = 10; // the counters overflow before any symbol is read
            throw EngineFault{fault::OutOfRange};
        }
        if (!unknown) {
            arithmetic.append(written.view()); // into the cleared room: no general assign
            return;
        }
        state.UnknownSymbol = *unknown;
        const auto pos = correctCase(state, text);
        if (!pos) {
            return;
        }
        walked += text.size() + 1;
        if (!bound.allows(*pos) || walked > kCorrectionBudget) {
            state.UnknownSymbolFlag = true;
            return;
        }
        Canonical canonical = canonicalForm(state, text);
        if (canonical.fault) {
            state.NormalizedLine = std::string(*canonical.fault);
            text = state.NormalizedLine;
            out.fault = canonical.fault;
            return;
        }
        state.NormalizedLine = std::move(canonical.text);
        text = state.NormalizedLine;
    }
}

} // namespace

Expansion expandChemFormula(EngineState& state, std::string& text) {
    std::string arithmetic;
    Expansion expansion = expandChemFormula(state, text, arithmetic);
    expansion.arithmetic = std::move(arithmetic);
    return expansion;
}

Expansion expandChemFormula(EngineState& state, std::string& text, std::string& arithmetic) {
    Expansion expansion;
    try {
        expand(state, text, arithmetic, expansion);
    } catch (const EngineFault& f) {
        arithmetic.clear();
        expansion.weights.clear();
        expansion.fault = f.text;
    }
    return expansion;
}

} // namespace zolvan
