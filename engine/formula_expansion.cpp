#include "engine/formula_expansion.h"

#include "engine/ascii.h"
#include "engine/element_table.h"
#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/normalizer.h"
#include "engine/number_text.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zolvan {

using namespace ascii;

namespace {

constexpr double kPi = 3.14159265358979;

// Every restart after a case correction walks the whole text again. Beside the position rule
// below, this budget of characters walked bounds the work on a line that needs very many
// corrections, and ends corrections that would chase each other between two positions. It
// allows thousands of corrections on a line of ordinary length.
constexpr std::size_t kCorrectionBudget = std::size_t{1} << 18;

constexpr char kNone = '\0'; // no previous or next character

char roundBracket(char c) {
    if (c == '{' || c == '[') {
        return '(';
    }
    if (c == '}' || c == ']') {
        return ')';
    }
    return c;
}

void checkLength(std::string_view text, std::string_view faultText) {
    if (text.size() >= kMaxLineLength) {
        throw EngineFault{faultText};
    }
}

// The first pass: counts become multiplications, neighbouring symbols and brackets are joined
// by "+", subtraction and negation take the evaluator's form, the named values become numbers
// and function tokens are copied through. Element symbols are still letters afterwards.
class FirstPass {
public:
    FirstPass(const EngineState& state, std::string_view text) : m_state(state), m_text(text) {}

    std::string run() {
        for (std::size_t i = 0; i < m_text.size();) {
            i = step(i);
        }
        return std::move(m_out);
    }

    bool upperSeen() const { return m_upperSeen; }

private:
    // Handles the character at i and returns the position of the next one to handle.
    std::size_t step(std::size_t i) {
        const char c = roundBracket(m_text[i]);
        const char p = m_out.empty() ? kNone : m_out.back();
        const char n = i + 1 < m_text.size() ? roundBracket(m_text[i + 1]) : kNone;
        trackModes(c);
        if (m_chemMode) {
            m_out += chemPrefix(c, p, n);
        }
        if (c == '-') {
            appendMinus(p, n);
            m_afterToken = false;
            return i + 1;
        }
        m_afterToken = false;
        if (c == ':') {
            return appendToken(i);
        }
        m_out += c;
        return i + 1;
    }

    void trackModes(char c) {
        if (isUpper(c)) {
            m_upperSeen = true;
        }
        if (isUpper(c) || c == '(') {
            m_chemMode = true;
        } else if (isOneOf(c, "^*/%+-")) {
            m_chemMode = false;
        }
    }

    // Inside a formula: "+" before a symbol or bracket that follows a symbol, count or bracket,
    // "*" before a count that follows a symbol or ")". Returns what goes in front of c.
    std::string_view chemPrefix(char c, char p, char n) const {
        const bool joined = !(p == kNone || isOneOf(p, "(^*/%+-") || m_afterToken);
        if (isUpper(c)) {
            const bool exponent = c == 'E' && !isLower(n);
            return joined && !exponent ? "+" : "";
        }
        if (isDigit(c)) {
            const bool continuesNumber = isDigit(p) || isOneOf(p, "E,.(");
            return continuesNumber || m_afterToken ? "" : "*";
        }
        if (c == '(') {
            return joined && p != '>' && p != '<' ? "+" : "";
        }
        return "";
    }

    // A binary minus becomes the addition of a negative; "-1*" negates a bracket or a function.
    void appendMinus(char p, char n) {
        const bool negatesOperand = n == '(' || n == ':';
        const bool binary = !(p == kNone || isOneOf(p, "^/*%+-(E")) && !m_afterToken;
        if (binary) {
            m_out += negatesOperand ? "+-1*" : "+-";
        } else {
            m_out += negatesOperand ? "-1*" : "-";
        }
    }

    std::size_t appendToken(std::size_t i) {
        const std::string_view rest = m_text.substr(i);
        if (rest.starts_with(":ans")) {
            m_out += m_state.AnsText;
            return i + 4;
        }
        if (rest.starts_with(":mem")) {
            m_out += numberText(m_state.MemoryValue, m_state.DecimalSeparator);
            return i + 4;
        }
        if (rest.starts_with(":pi")) {
            m_out += numberText(kPi, m_state.DecimalSeparator);
            return i + 3;
        }
        return appendFunctionName(i);
    }

    // Copies a function token up to its argument, which the following steps handle. Without an
    // argument the scan stops at the last character, which is then handled on its own.
    std::size_t appendFunctionName(std::size_t i) {
        m_afterToken = true;
        std::size_t end = findFirstOf(m_text, "-(0123456789[", i);
        if (end == std::string_view::npos) {
            end = m_text.size() - 1;
        }
        if (end == i) {
            // A lone ":" closing the text: copy it, or the scan would stand still.
            m_out += ':';
            return i + 1;
        }
        m_out.append(m_text.substr(i, end - i));
        return end;
    }

    const EngineState& m_state;
    std::string_view m_text;
    std::string m_out;
    bool m_upperSeen = false;
    bool m_chemMode = false;
    bool m_afterToken = false;
};

// The second pass: every element symbol becomes its atomic weight. An "E" without a lower-case
// letter after it is the exponent mark of a number and stays. Returns nullopt at the first
// symbol that is no element, which then is in state.UnknownSymbol.
std::optional<std::string> replaceSymbols(EngineState& state, std::string_view text) {
    checkLength(text, fault::OutOfRange);
    std::string out;
    out.reserve(text.size() * 4);
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (!isUpper(c)) {
            out += c;
            continue;
        }
        const bool twoLetters = k + 1 < text.size() && isLower(text[k + 1]);
        if (!twoLetters && c == 'E') {
            out += c;
            continue;
        }
        const std::string_view symbol = text.substr(k, twoLetters ? 2 : 1);
        k += symbol.size() - 1;
        state.UnknownSymbol = symbol;
        const Element* element = lookUpElement(state, symbol);
        if (element == nullptr) {
            return std::nullopt;
        }
        const std::size_t at = out.size();
        out += element->weightText;
        if (const auto point = out.find('.', at); point != std::string::npos) {
            out[point] = state.DecimalSeparator;
        }
    }
    return out;
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
        if (!isOneOf(symbol[0], "BCFHIKNOPSUVWY")) {
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

Expansion expand(EngineState& state, std::string& text) {
    CorrectionBound bound;
    std::size_t walked = 0;
    for (;;) {
        state.ElementDecimals = 10;
        checkLength(text, fault::LineTooLong);
        FirstPass first(state, text);
        std::string arithmetic = first.run();
        if (!first.upperSeen()) {
            return {std::move(arithmetic), std::nullopt};
        }
        if (auto done = replaceSymbols(state, arithmetic)) {
            return {std::move(*done), std::nullopt};
        }
        const auto pos = correctCase(state, text);
        if (!pos) {
            return {};
        }
        walked += text.size() + 1;
        if (!bound.allows(*pos) || walked > kCorrectionBudget) {
            state.UnknownSymbolFlag = true;
            return {};
        }
        // text is normally state.NormalizedLine itself: the normalizer gets its own copy.
        Canonical canonical = canonicalForm(state, std::string(text));
        if (canonical.fault) {
            state.NormalizedLine = std::string(*canonical.fault);
            text = state.NormalizedLine;
            return {{}, canonical.fault};
        }
        state.NormalizedLine = std::move(canonical.text);
        text = state.NormalizedLine;
    }
}

} // namespace

Expansion expandChemFormula(EngineState& state, std::string& text) {
    try {
        return expand(state, text);
    } catch (const EngineFault& f) {
        return {{}, f.text};
    }
}

} // namespace zolvan
