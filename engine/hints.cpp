#include "engine/hints.h"

#include "engine/ascii.h"
#include "engine/calculate.h"
#include "engine/engine_state.h"
#include "engine/normalizer.h"
#include "engine/number_text.h"
#include "engine/typed_characters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

namespace zolvan {

using namespace ascii;

namespace {

// Each place a hint tries walks the line to find its term and runs the engine on another reading;
// a long line may offer a place every few characters, so only the first few are tried.
constexpr int kReadingsPerLine = 8;
// A hint names this many ignored characters at most; a line of pasted symbols gets an ellipsis.
constexpr std::size_t kIgnoredNamed = 8;
// A term longer than this is no formula anyone meant as a hydrate, and too long to quote.
constexpr std::size_t kLongestTerm = 120;
// A hint quotes the line in lower case up to this length.
constexpr std::size_t kLineTold = 80;

// Lower-case lines of two letters that read as one element but also name a compound of the two
// one-letter elements, written in that order.
struct TwoLetterCompound {
    std::string_view typed;
    std::string_view element;
    std::string_view elementName;
    std::string_view compound;
    std::string_view compoundName;
};
constexpr TwoLetterCompound kTwoLetterCompounds[] = {
    {"co", "Co", "cobalt", "CO", "carbon monoxide"},
    {"no", "No", "nobelium", "NO", "nitric oxide"},
    {"hf", "Hf", "hafnium", "HF", "hydrogen fluoride"},
    {"cs", "Cs", "caesium", "CS", "carbon monosulfide"},
    {"sn", "Sn", "tin", "SN", "sulfur mononitride"},
    {"ho", "Ho", "holmium", "HO", "hydroxyl radical"},
};

// One typed character and what the reading makes of it.
struct Typed {
    std::string_view text; // the bytes as typed
    char32_t code;
    char read; // readCharacter(code): '\0' when dropped
};

bool isOpening(char c) {
    return c == '(' || c == '{' || c == '[';
}
bool isClosing(char c) {
    return c == ')' || c == '}' || c == ']';
}
bool isOperator(char c) {
    return c != '\0' && std::string_view("+-*/^%").find(c) != std::string_view::npos;
}
bool isLetter(char c) {
    return isUpper(c) || isLower(c);
}

// Characters that no one sees: a hint cannot name them usefully.
bool isInvisible(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || (code >= 0x200B && code <= 0x200F) ||
           (code >= 0x2028 && code <= 0x202E) || (code >= 0x2060 && code <= 0x2064) ||
           code == 0xFEFF;
}

// Rounds to `digits` significant digits, for values that are no molar mass.
double significant(double value, int digits) {
    if (value == 0.0) {
        return value;
    }
    const double scale = std::pow(10.0, digits - 1 - std::floor(std::log10(std::fabs(value))));
    const double rounded = std::round(value * scale) / scale;
    return std::isfinite(rounded) ? rounded : value;
}

class HintFinder {
public:
    HintFinder(const EngineState& state, std::string_view line) : m_state(state), m_line(line) {
        m_chars.reserve(line.size());
        for (std::size_t pos = 0; pos < line.size();) {
            const CodePoint code = decodeAt(line, pos);
            if (code.value == U'=') {
                break; // the first "=" ends every line
            }
            m_chars.push_back(
                {line.substr(pos, code.length), code.value, readCharacter(code.value)});
            pos += code.length;
        }
    }

    std::vector<std::string> find() {
        // A place is tried only while readings are left: finding a term walks the line, and a
        // long line may hold a place to try at every few characters.
        for (std::size_t i = 0; i < m_chars.size() && m_readingsLeft > 0; ++i) {
            multipliedMasses(i);
        }
        for (std::size_t i = 0; i < m_chars.size() && m_readingsLeft > 0; ++i) {
            joiningBlank(i);
            decimalPoint(i);
        }
        twoLetters();
        capitalFunctions();
        ignoredCharacters();
        return std::move(m_hints);
    }

private:
    char readAt(std::size_t i) const { return i < m_chars.size() ? m_chars[i].read : '\0'; }
    bool blankAt(std::size_t i) const {
        return i < m_chars.size() && isBlankCharacter(m_chars[i].code);
    }

    // First character of the term that ends before `at`: back to an operator or an opening
    // bracket that is not closed inside the term.
    std::size_t termStart(std::size_t at) const {
        int depth = 0;
        for (; at > 0; --at) {
            const char c = m_chars[at - 1].read;
            if (isClosing(c)) {
                ++depth;
            } else if (isOpening(c) && depth-- == 0) {
                break;
            } else if (depth == 0 && isOperator(c)) {
                break;
            }
        }
        return at;
    }

    // One past the last character of the term that starts at `at`.
    std::size_t termEnd(std::size_t at) const {
        int depth = 0;
        for (; at < m_chars.size(); ++at) {
            const char c = m_chars[at].read;
            if (isOpening(c)) {
                ++depth;
            } else if (isClosing(c) && depth-- == 0) {
                break;
            } else if (depth == 0 && isOperator(c)) {
                break;
            }
        }
        return at;
    }

    // The characters from..to as typed, without the blanks around them and without characters
    // the reading dropped, which a hint of their own names.
    std::string typedText(std::size_t from, std::size_t to) const {
        std::vector<std::size_t> shown;
        for (std::size_t k = from; k < to; ++k) {
            if (m_chars[k].read != '\0' || (blankAt(k) && !shown.empty())) {
                shown.push_back(k);
            }
        }
        while (!shown.empty() && blankAt(shown.back())) {
            shown.pop_back();
        }
        std::string text;
        for (const std::size_t k : shown) {
            text += m_chars[k].text;
        }
        return text;
    }

    // The characters from..to as the reading has them, dropped ones left out.
    std::string readText(std::size_t from, std::size_t to) const {
        std::string text;
        for (std::size_t k = from; k < to; ++k) {
            if (m_chars[k].read != '\0') {
                text += m_chars[k].read;
            }
        }
        return text;
    }

    std::size_t digitsBefore(std::size_t end) const {
        while (end > 0 && isDigit(m_chars[end - 1].read)) {
            --end;
        }
        return end;
    }

    std::size_t digitsAfter(std::size_t start) const {
        while (start < m_chars.size() && isDigit(m_chars[start].read)) {
            ++start;
        }
        return start;
    }

    // A count written after a symbol or a bracket that a dot or blank may have cut: never 1 and
    // never with a leading zero, which are written only as parts of a decimal count.
    bool isPlainCount(std::size_t from, std::size_t to) const {
        const std::string digits = readText(from, to);
        const char before = from > 0 ? m_chars[from - 1].read : '\0';
        return !digits.empty() && digits != "1" && digits.front() != '0' &&
               (isLetter(before) || isClosing(before));
    }

    bool spendReading() { return m_readingsLeft-- > 0; }

    bool holdsLetter(std::size_t from, std::size_t to) const {
        for (; from < to; ++from) {
            if (isLetter(m_chars[from].read)) {
                return true;
            }
        }
        return false;
    }

    // True when the text, read alone, joins its dotted parts into a formula unit.
    bool formsUnit(const std::string& text) const {
        EngineState scratch;
        scratch.DecimalSeparator = m_state.DecimalSeparator;
        scratch.ThousandsSeparator = m_state.ThousandsSeparator;
        return canonicalForm(scratch, text).formulaUnits > 0;
    }

    // The value of a line read on a copy of the state, as the engine would have shown it when
    // typed instead: a molar mass with two decimals (fewer when its elements have fewer), any
    // other number to six significant digits. Nothing for a message, an unknown symbol or a
    // table.
    std::optional<std::string> valueOf(std::string line) const {
        EngineState scratch = m_state;
        scratch.InputLine = std::move(line);
        scratch.CalcKind = 0;
        scratch.ResultText = m_state.AnsText; // the line's ":ans" stays what it was
        scratch.UnknownSymbolFlag = false;
        calculateExpression(scratch);
        const char separator = scratch.DecimalSeparator;
        const std::optional<double> value = readNumber(scratch.ResultText, separator);
        if (scratch.UnknownSymbolFlag || scratch.CalcKind != 0 || !value ||
            !std::isfinite(*value)) {
            return std::nullopt;
        }
        if (scratch.ElementPrecision && scratch.ElementDecimals < 10) {
            return fixedText(*value, std::min<int>(2, scratch.ElementDecimals), separator);
        }
        return numberText(significant(*value, 6), separator);
    }

    // The hydrate that the line may have meant, with its value: nothing unless the text with a
    // dot joins into a formula unit.
    std::optional<std::string> hydrate(const std::string& dotted) {
        if (!formsUnit(dotted)) {
            return std::nullopt;
        }
        const std::optional<std::string> value = valueOf(dotted);
        return value ? std::optional("the hydrate " + dotted + " is " + *value) : std::nullopt;
    }

    // CuSO4*5H2O: a "*" (or "×") between two formulas.
    void multipliedMasses(std::size_t i) {
        if (readAt(i) != '*' || (i > 0 && readAt(i - 1) == '*') || readAt(i + 1) == '*') {
            return; // "**" is a power
        }
        if (!spendReading()) {
            return;
        }
        const std::size_t from = termStart(i);
        const std::size_t to = termEnd(i + 1);
        if (to - from > kLongestTerm || !holdsLetter(from, i) || !holdsLetter(i + 1, to)) {
            return; // a number on either side: an ordinary product
        }
        const std::string left = typedText(from, i);
        const std::string right = typedText(i + 1, to);
        if (const auto meant = hydrate(left + "\u00B7" + right)) {
            m_hints.push_back(left + std::string(m_chars[i].text) + right +
                              " multiplies two molar masses; " + *meant);
        }
    }

    // CuSO4 5H2O: a blank between a formula and the count of the next one joins the digits.
    void joiningBlank(std::size_t i) {
        if (!blankAt(i) || i == 0 || blankAt(i - 1)) {
            return;
        }
        std::size_t after = i;
        while (blankAt(after)) {
            ++after;
        }
        const char before = m_chars[i - 1].read;
        if (!isDigit(readAt(after)) ||
            !(isLetter(before) || isClosing(before) ||
              (isDigit(before) && isPlainCount(digitsBefore(i), i))) ||
            !spendReading()) {
            return;
        }
        const std::size_t from = termStart(i);
        const std::size_t to = termEnd(after);
        if (to - from > kLongestTerm) {
            return;
        }
        if (const auto meant = hydrate(typedText(from, i) + "\u00B7" + typedText(after, to))) {
            m_hints.push_back(typedText(from, to) + " was read as " + readText(from, to) + "; " +
                              *meant);
        }
    }

    // CuSO4.5H2O: a decimal point between a count and the count of the next formula.
    void decimalPoint(std::size_t i) {
        const char c = readAt(i);
        if ((c != '.' && c != ',') || m_state.ThousandsSeparator) {
            return;
        }
        std::size_t end = i;
        while (end > 0 && blankAt(end - 1)) {
            --end;
        }
        const std::size_t start = digitsBefore(end);
        std::size_t next = i + 1;
        while (blankAt(next)) {
            ++next;
        }
        std::size_t afterDigits = digitsAfter(next);
        std::size_t formula = afterDigits;
        while (blankAt(formula)) {
            ++formula;
        }
        if (start == end || afterDigits == next || !isPlainCount(start, end) ||
            !(isLetter(readAt(formula)) || isOpening(readAt(formula))) || !spendReading()) {
            return;
        }
        const std::size_t from = termStart(i);
        const std::size_t to = termEnd(i + 1);
        if (to - from > kLongestTerm || holdsOtherDecimal(from, to, i)) {
            return; // a formula written with decimal counts throughout
        }
        const std::string count =
            readText(start, end) + m_state.DecimalSeparator + readText(next, afterDigits);
        if (const auto meant = hydrate(typedText(from, i) + "\u00B7" + typedText(i + 1, to))) {
            m_hints.push_back(typedText(from, to) + " was read with the count " + count + "; " +
                              *meant);
        }
    }

    bool holdsOtherDecimal(std::size_t from, std::size_t to, std::size_t except) const {
        for (std::size_t k = from + 1; k + 1 < to; ++k) {
            const char c = m_chars[k].read;
            if (k != except && (c == '.' || c == ',') && isDigit(m_chars[k - 1].read) &&
                isDigit(m_chars[k + 1].read)) {
                return true;
            }
        }
        return false;
    }

    // co: cobalt, where carbon monoxide may have been meant.
    void twoLetters() {
        for (const TwoLetterCompound& pair : kTwoLetterCompounds) {
            if (m_line != pair.typed || m_state.NormalizedLine != pair.element) {
                continue;
            }
            const auto element = valueOf(std::string(pair.element));
            const auto compound = valueOf(std::string(pair.compound));
            if (element && compound) {
                m_hints.push_back(std::string(pair.typed) + " was read as " +
                                  std::string(pair.element) + " (" + std::string(pair.elementName) +
                                  ", " + *element + "); " + std::string(pair.compoundName) + " " +
                                  std::string(pair.compound) + " is " + *compound);
            }
        }
    }

    // SIN(30): function names are read only in lower case; in capitals they are symbols.
    void capitalFunctions() {
        if (!holdsCapitalName()) {
            return;
        }
        std::vector<std::string> words;
        const std::string lowered = lowerFunctionNames(words);
        if (words.empty()) {
            return;
        }
        std::string said;
        for (const std::string& word : words) {
            said += (said.empty() ? "" : ", ") + word;
        }
        said += words.size() == 1 ? " was" : " were";
        said += " read as element symbols; ";
        // The line in lower case is told only while it is short enough to read in a sentence.
        const bool tellLine = lowered.size() <= kLineTold;
        const auto value = tellLine && spendReading() ? valueOf(lowered) : std::nullopt;
        if (value) {
            said += "in lower case, " + lowered + " is " + *value;
        } else {
            said += "functions are typed in lower case";
            said += tellLine ? ": " + lowered : "";
        }
        m_hints.push_back(std::move(said));
    }

    // A word of ASCII letters from..to, all capitals, that is a function name in lower case.
    bool isCapitalName(std::size_t from, std::size_t to) const {
        constexpr std::size_t kLongestName = 6;
        if (to - from < 2 || to - from > kLongestName) {
            return false;
        }
        char lower[kLongestName];
        for (std::size_t k = from; k < to; ++k) {
            if (!isUpper(m_chars[k].read)) {
                return false;
            }
            lower[k - from] = toLower(m_chars[k].read);
        }
        return isFunctionName(std::string_view(lower, to - from));
    }

    std::size_t wordEnd(std::size_t from) const {
        while (from < m_chars.size() && m_chars[from].code < 128 && isLetter(m_chars[from].read)) {
            ++from;
        }
        return from;
    }

    bool holdsCapitalName() const {
        for (std::size_t i = 0; i < m_chars.size();) {
            const std::size_t end = wordEnd(i);
            if (isCapitalName(i, end)) {
                return true;
            }
            i = end == i ? i + 1 : end;
        }
        return false;
    }

    // The typed line with every function name in capitals written in lower case, the dropped
    // characters left out; the names as typed go to `words`, each once.
    std::string lowerFunctionNames(std::vector<std::string>& words) const {
        std::string lowered;
        for (std::size_t i = 0; i < m_chars.size();) {
            const std::size_t end = wordEnd(i);
            if (end == i) {
                lowered += m_chars[i].read != '\0' || blankAt(i) ? m_chars[i].text : "";
                ++i;
                continue;
            }
            std::string word = readText(i, end);
            if (isCapitalName(i, end)) {
                if (std::find(words.begin(), words.end(), word) == words.end()) {
                    words.push_back(word);
                }
                std::transform(word.begin(), word.end(), word.begin(), toLower);
            }
            lowered += word;
            i = end;
        }
        return typedTextOf(lowered);
    }

    // Trims the blanks that the typed line keeps around its text.
    static std::string typedTextOf(std::string text) {
        const std::size_t first = text.find_first_not_of(" \t");
        if (first == std::string::npos) {
            return {};
        }
        return text.substr(first, text.find_last_not_of(" \t") - first + 1);
    }

    // ignored: ?, →: characters the reading dropped that no rule gives a meaning to.
    void ignoredCharacters() {
        std::vector<std::string> names;
        for (const Typed& c : m_chars) {
            const bool droppedByRule = c.code >= 33 && c.code <= 126;
            if (c.read != '\0' || droppedByRule || isBlankCharacter(c.code) ||
                isInvisible(c.code)) {
                continue;
            }
            std::string name = c.code == kInvalidByte ? "\uFFFD" : std::string(c.text);
            if (std::find(names.begin(), names.end(), name) == names.end()) {
                names.push_back(std::move(name));
            }
            if (names.size() > kIgnoredNamed) {
                break;
            }
        }
        if (names.empty()) {
            return;
        }
        std::string hint = "ignored: ";
        for (std::size_t k = 0; k < names.size() && k < kIgnoredNamed; ++k) {
            hint += (k > 0 ? ", " : "") + names[k];
        }
        if (names.size() > kIgnoredNamed) {
            hint += ", \u2026"; // and more
        }
        m_hints.push_back(std::move(hint));
    }

    const EngineState& m_state;
    std::string_view m_line;
    std::vector<Typed> m_chars;
    std::vector<std::string> m_hints;
    int m_readingsLeft = kReadingsPerLine;
};

// A word of capitals that spells a function name in lower case.
bool isCapitalName(std::string_view capitals) {
    constexpr std::size_t kLongestName = 6;
    if (capitals.size() < 2 || capitals.size() > kLongestName) {
        return false;
    }
    char lower[kLongestName];
    std::transform(capitals.begin(), capitals.end(), lower, toLower);
    return isFunctionName(std::string_view(lower, capitals.size()));
}

// True when `rest` begins with a name that the reading makes a ":" token: a function or a named
// value, spelled in lower-case letters.
bool startsWithTokenName(std::string_view rest) {
    constexpr std::size_t kLongestName = 6;
    std::size_t letters = 0;
    while (letters < rest.size() && letters < kLongestName && isLower(rest[letters])) {
        ++letters;
    }
    for (std::size_t length = 2; length <= letters; ++length) {
        const std::string_view name = rest.substr(0, length);
        if (name == "pi" || name == "ans" || name == "mem" || isFunctionName(name)) {
            return true;
        }
    }
    return false;
}

// A decimal point at `at` between the count after a symbol or bracket and digits that go on to a
// symbol or bracket (CuSO4.5H2O): the count a point may have cut.
bool cutsCount(std::string_view line, std::size_t at) {
    std::size_t start = at;
    while (start > 0 && isDigit(line[start - 1])) {
        --start;
    }
    std::size_t end = at + 1;
    while (end < line.size() && isDigit(line[end])) {
        ++end;
    }
    return start < at && start > 0 && (isLetter(line[start - 1]) || isClosing(line[start - 1])) &&
           end > at + 1 && end < line.size() && (isLetter(line[end]) || isOpening(line[end]));
}

// What the first pass over a line's bytes looks at.
enum ByteClass : std::uint8_t {
    kLetterByte = 1,
    kUpperByte = 2,
    kDecodedByte = 4, // a blank or a byte beyond ASCII: the line is decoded and its places tried
    kStarByte = 8,
    kPointByte = 16,
    kEqualsByte = 32, // the first "=" ends the line
};

constexpr auto kByteClasses = [] {
    std::array<std::uint8_t, 256> classes{};
    for (int c = 'a'; c <= 'z'; ++c) {
        classes[static_cast<std::size_t>(c)] = kLetterByte;
        classes[static_cast<std::size_t>(toUpper(static_cast<char>(c)))] = kLetterByte | kUpperByte;
    }
    for (std::size_t c = 0x80; c < classes.size(); ++c) {
        classes[c] = kDecodedByte;
    }
    classes[' '] = classes['\t'] = kDecodedByte;
    classes['*'] = kStarByte;
    classes['.'] = classes[','] = kPointByte;
    classes['='] = kEqualsByte;
    return classes;
}();

// A "*" after a letter with a letter somewhere after it, and no function or named value right
// behind it (no formula unit takes a token): possibly a product of two formulas.
bool multipliesLetters(std::string_view line) {
    bool letterSeen = false;
    for (std::size_t k = 0; k < line.size(); ++k) {
        const std::uint8_t byteClass = kByteClasses[static_cast<unsigned char>(line[k])];
        if (byteClass & kLetterByte) {
            letterSeen = true;
        } else if ((byteClass & kStarByte) && letterSeen &&
                   !startsWithTokenName(line.substr(k + 1))) {
            const std::string_view rest = line.substr(k + 1);
            return std::any_of(rest.begin(), rest.end(), isLetter);
        }
    }
    return false;
}

// A word of letters, all capitals, that is a function name in lower case.
bool holdsCapitalWord(std::string_view line) {
    std::size_t k = 0;
    while (k < line.size()) {
        const std::size_t start = k;
        bool capitals = true;
        for (; k < line.size() && isLetter(line[k]); ++k) {
            capitals = capitals && isUpper(line[k]);
        }
        if (capitals && isCapitalName(line.substr(start, k - start))) {
            return true;
        }
        k += k == start ? 1 : 0;
    }
    return false;
}

// A decimal point anywhere that may cut a count (see cutsCount).
bool cutsAnyCount(std::string_view line) {
    for (std::size_t k = 0; k < line.size(); ++k) {
        if ((kByteClasses[static_cast<unsigned char>(line[k])] & kPointByte) &&
            cutsCount(line, k)) {
            return true;
        }
    }
    return false;
}

// The classes of all bytes of a line together.
std::uint8_t classesIn(std::string_view line) {
    std::uint8_t present = 0;
    for (const char c : line) {
        present |= kByteClasses[static_cast<unsigned char>(c)];
    }
    return present;
}

// Two capitals side by side, as a function name in capitals has and most formulas do not.
bool holdsCapitalPair(std::string_view line) {
    for (std::size_t k = 1; k < line.size(); ++k) {
        if (isUpper(line[k]) && isUpper(line[k - 1])) {
            return true;
        }
    }
    return false;
}

// Most lines hold none of what any hint looks for; one pass over the bytes tells them apart
// before the line is decoded: a character beyond ASCII, a blank, a "*" with letters on both
// sides (a product of two formulas; not when a function or named value follows it, since no
// formula unit takes a token), a decimal point that may cut a count, two letters alone, or a
// function name in capitals. Only the signs the pass saw are looked for again.
bool mayHint(std::string_view line) {
    // Most lines hold nothing but lower-case letters, digits, operators and brackets.
    std::uint8_t present = classesIn(line);
    if (present & kEqualsByte) {
        line = line.substr(0, line.find('='));
        present = classesIn(line);
    }
    if (line.size() == 2 || (present & kDecodedByte)) {
        return true;
    }
    return ((present & kPointByte) && cutsAnyCount(line)) ||
           ((present & kStarByte) && (present & kLetterByte) && multipliesLetters(line)) ||
           ((present & kUpperByte) && holdsCapitalPair(line) && holdsCapitalWord(line));
}

} // namespace

std::vector<std::string> lineHints(const EngineState& state, std::string_view typedLine) {
    if (!mayHint(typedLine)) {
        return {};
    }
    return HintFinder(state, typedLine).find();
}

} // namespace zolvan
