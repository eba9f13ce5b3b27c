#include "engine/normalizer.h"

#include "engine/ascii.h"
#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/formula_units.h"
#include "engine/line_writer.h"
#include "engine/number_text.h"
#include "engine/typed_characters.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zolvan {

using namespace ascii;
namespace {

// The flags of one call besides ElementPrecision, which lives in the engine state.
struct Marks {
    bool bracketSeen = false; // a "(", "{" or "[" was typed
    bool elementSeen = false; // an upper-case letter other than an exponent "E" was written
    bool termStart = false; // an operator or a token was written, or the line begins with a number
    bool unitJoinSeen = false;     // a hydrate dot was read or brought in: formula units to join
    bool capitalXSeen = false;     // an "X" was written: the line may be a square equation
    bool digitBracketSeen = false; // "(", "{" or "[" may have been written after a digit
};

// The names typed in lower case that become ":" tokens. The longest name at a position wins.
constexpr std::array<std::string_view, 33> kNames{
    "ln",   "pi",   "tg",   "abs",  "aln",  "ans",  "atg",  "dat",    "cos",    "cot",    "ctg",
    "exp",  "log",  "int",  "mem",  "ppm",  "ran",  "sgn",  "sin",    "sqr",    "sum",    "tan",
    "acos", "acot", "actg", "alog", "asin", "atan", "sqrt", "arccos", "arccot", "arcsin", "arctan"};

static_assert(std::is_sorted(kNames.begin(), kNames.end(),
                             [](auto a, auto b) { return a.size() < b.size(); }));

// The names that start with each pair of lower-case letters, longest first: a name is looked
// for at every letter of the gate, and most pairs begin no name at all.
class NameIndex {
public:
    consteval NameIndex() {
        std::size_t next = 0;
        for (std::size_t pair = 0; pair < kPairs; ++pair) {
            m_first[pair] = static_cast<std::uint8_t>(next);
            for (auto name = kNames.rbegin(); name != kNames.rend(); ++name) {
                if (pairOf((*name)[0], (*name)[1]) == pair) {
                    m_order[next++] = static_cast<std::uint8_t>(kNames.rend() - name - 1);
                }
            }
        }
        m_first[kPairs] = static_cast<std::uint8_t>(next);
    }

    // The longest name at the start of `rest`, which holds two lower-case letters at least.
    std::string_view longestAt(std::string_view rest) const {
        const std::size_t pair = pairOf(rest[0], rest[1]);
        for (std::size_t k = m_first[pair]; k < m_first[pair + 1]; ++k) {
            if (rest.starts_with(kNames[m_order[k]])) {
                return kNames[m_order[k]];
            }
        }
        return {};
    }

    // True when `word` is one of the names, spelled in lower-case letters.
    bool contains(std::string_view word) const {
        if (word.size() < 2 || !isLower(word[0]) || !isLower(word[1])) {
            return false;
        }
        const std::size_t pair = pairOf(word[0], word[1]);
        for (std::size_t k = m_first[pair]; k < m_first[pair + 1]; ++k) {
            if (word == kNames[m_order[k]]) {
                return true;
            }
        }
        return false;
    }

private:
    static constexpr std::size_t kPairs = 26 * 26;
    static constexpr std::size_t pairOf(char first, char second) {
        return static_cast<std::size_t>(first - 'a') * 26 + static_cast<std::size_t>(second - 'a');
    }
    std::array<std::uint8_t, kPairs + 1> m_first{};
    std::array<std::uint8_t, kNames.size()> m_order{};
};

constexpr NameIndex kNameIndex;

// Named values take no argument, so they never receive the last answer.
bool isValueToken(std::string_view name) {
    return name == "ans" || name == "mem" || name == "pi";
}

// Positions are 16-bit counters: a line of kMaxLineLength characters or more cannot be walked.
bool isTooLong(std::string_view text) {
    if (text.size() < kMaxLineLength) {
        return false; // never more characters than bytes
    }
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += decodeAt(text, pos).length) {
        if (++characters >= kMaxLineLength) {
            return true;
        }
    }
    return false;
}

// What the filter notes of an ASCII byte that reads as itself (0 for one it drops, for "=",
// which ends the line, and for the bytes beyond ASCII).
enum PlainByte : std::uint8_t { kKept = 1, kOperator = 2, kBracket = 4 };

constexpr auto kPlainBytes = [] {
    std::array<std::uint8_t, 256> plain{};
    for (std::size_t c = 0; c < kAsciiReadings.size(); ++c) {
        const char read = kAsciiReadings[c];
        if (read != '\0' && read != '=') {
            plain[c] = kKept | (isOneOf<"*/^%">(read) ? kOperator : 0) |
                       (isOneOf<"({[">(read) ? kBracket : 0);
        }
    }
    return plain;
}();

// Notes what the plain bytes at the start of `typed` say; returns the first that is not plain.
std::size_t plainPrefix(std::string_view typed, std::uint8_t& seen) {
    const auto note = [typed](std::size_t pos) {
        return kPlainBytes[static_cast<unsigned char>(typed[pos])];
    };
    std::size_t pos = 0;
    // Four bytes a step: every plain byte's note has kKept, so one test covers the four.
    for (; pos + 4 <= typed.size(); pos += 4) {
        const std::uint8_t a = note(pos), b = note(pos + 1), c = note(pos + 2), d = note(pos + 3);
        if ((a & b & c & d & kKept) == 0) {
            break;
        }
        seen |= a | b | c | d;
    }
    while (pos < typed.size()) {
        const std::uint8_t plain = kPlainBytes[static_cast<unsigned char>(typed[pos])];
        if (plain == 0) {
            break;
        }
        seen |= plain;
        ++pos;
    }
    return pos;
}

// The rest of the line from pos, which is not plain: dropped bytes, "=" and UTF-8 sequences.
void filterRest(std::string_view typed, std::size_t pos, LineWriter& out, std::uint8_t& seen,
                Marks& marks) {
    while (pos < typed.size()) {
        const auto byte = static_cast<unsigned char>(typed[pos]);
        char c = '\0';
        if (byte < 0x80) {
            ++pos;
            c = readAsciiCharacter(byte);
            seen |= kPlainBytes[byte];
        } else {
            const CodePoint code = decodeAt(typed, pos);
            pos += code.length;
            c = readCharacter(code.value);
            marks.unitJoinSeen = marks.unitJoinSeen || c == kUnitJoin;
        }
        if (c == '=') {
            break; // the first "=" ends the line
        }
        if (c != '\0') {
            out.put(c);
        }
    }
}

// Returns what the typed characters read as: never more characters than bytes typed. A line of
// bytes that each read as themselves (nearly every line) is its own reading and is not copied;
// otherwise the reading is written to `out`. A typed "*", "/", "^" or "%" ends element
// precision; the multiplication and division signs and the dots that join a formula unit, which
// read as some of these, do not.
std::string_view filterLine(std::string_view typed, LineWriter& out, EngineState& state,
                            Marks& marks) {
    std::uint8_t seen = 0;
    const std::size_t plain = plainPrefix(typed, seen);
    std::string_view filtered = typed;
    if (plain < typed.size()) {
        out.put(typed.substr(0, plain));
        filterRest(typed, plain, out, seen, marks);
        filtered = out.view();
    }
    marks.bracketSeen = (seen & kBracket) != 0;
    if ((seen & kOperator) != 0) {
        state.ElementPrecision = false;
    }
    return filtered;
}

// What writePlain makes of a character: one look-up instead of a chain of tests.
enum class PlainKind : std::uint8_t {
    Other,
    Digit,
    Capital,
    Operator,
    Minus,
    Separator,
    Opening,
    Closing
};

constexpr auto kPlainKinds = [] {
    std::array<PlainKind, 256> kinds{};
    const auto set = [&kinds](std::string_view members, PlainKind kind) {
        for (const char c : members) {
            kinds[static_cast<unsigned char>(c)] = kind;
        }
    };
    set("0123456789", PlainKind::Digit);
    set("ABCDFGHIJKLMNOPQRSTUVWXYZ", PlainKind::Capital); // "E" may be an exponent
    set("%/*^+", PlainKind::Operator);
    set("-", PlainKind::Minus);
    set(".,", PlainKind::Separator);
    set("([{", PlainKind::Opening);
    set(")]}!", PlainKind::Closing);
    return kinds;
}();

// A filtered character makes at most this many of the rewritten line ("-" after "-" writes
// "1*-"); only the last answer, which a token brings in, makes more.
constexpr std::size_t kMostPerCharacter = 3;

// Walks the filtered line once: tokens, letter case, operator pairs and the flags.
struct Rewriter {
    std::string_view line;
    EngineState& state;
    Marks& marks;
    LineWriter& out;

    char at(std::size_t pos) const { return pos < line.size() ? line[pos] : '\0'; }

    void run() {
        std::size_t i = 0;
        while (i < line.size()) {
            const char c = line[i];
            const char n = at(i + 1);
            if (writePlain(c, n, i)) {
                ++i;
                continue;
            }
            const char p = out.back();
            const std::size_t start = out.size();
            std::size_t next = i + 1;
            if (const auto taken = letterRule(i, c, n, p)) {
                next = *taken;
            } else {
                next = pairRule(i, c, n, p);
            }
            settle(start, i, n, p);
            i = next;
        }
    }

    // The common characters that no letter or pair rule takes, settled at once: digits, capitals
    // other than "E", brackets and operators that start no pair. Each is written as typed; false
    // leaves c to the rules.
    bool writePlain(char c, char n, std::size_t i) {
        switch (kPlainKinds[static_cast<unsigned char>(c)]) {
        case PlainKind::Digit:
            marks.termStart = marks.termStart || i == 0; // a line that begins with a number
            break;
        case PlainKind::Capital:
            marks.elementSeen = true;
            marks.capitalXSeen = marks.capitalXSeen || c == 'X';
            break;
        case PlainKind::Operator:
            if (isOneOf<"+-*">(n)) {
                return false;
            }
            marks.termStart = true;
            break;
        case PlainKind::Minus:
            if (n == '+' || out.back() == '-') {
                return false;
            }
            marks.termStart = true;
            break;
        case PlainKind::Separator:
            if (state.ThousandsSeparator || !isDigit(out.back())) {
                return false;
            }
            out.put(state.DecimalSeparator); // within a number: no leading zero to write
            return true;
        case PlainKind::Opening:
            if (isOneOf<"+)]}">(n)) {
                return false; // these may make a pair with the bracket
            }
            marks.digitBracketSeen = marks.digitBracketSeen || isDigit(out.back());
            break;
        case PlainKind::Closing:
            break;
        case PlainKind::Other:
            return false;
        }
        out.put(c);
        return true;
    }

    // The rules for letters (and the decimal separator); nullopt when none takes c.
    // On success returns the position of the first character not consumed.
    std::optional<std::size_t> letterRule(std::size_t i, char c, char n, char p) {
        const bool longLine = line.size() >= 3;
        switch (c) {
        case 'x':
            marks.capitalXSeen = true;
            out.put('X');
            return i + 1;
        case 'v':
        case 'w':
            out.put(toUpper(c));
            return i + 1;
        case 'z':
            out.put(n == 'n' ? std::string_view("Zn") : std::string_view("Z"));
            return n == 'n' ? i + 2 : i + 1;
        case 'h':
            if (longLine && isOneOf<"fos">(n)) {
                return writePair('H', toUpper(n), i);
            }
            break;
        case 'm':
            if (n == 'n') {
                out.put("Mn");
                return i + 2;
            }
            break;
        case 'n':
            if (longLine && n == 'o') {
                return writePair('N', 'O', i);
            }
            break;
        default:
            break;
        }
        if (isOneOf<"acdelmprsti">(c) && isOneOf<"abcegilonpqrstux">(n)) {
            if (const std::string_view name = kNameIndex.longestAt(line.substr(i)); !name.empty()) {
                return writeToken(i, name, p);
            }
            if (isOneOf<"cps">(c) && n == 'o' && longLine) {
                return writePair(toUpper(c), 'O', i);
            }
        }
        if ((c == '.' || c == ',') && !state.ThousandsSeparator) {
            if (!isDigit(p)) {
                out.put('0');
            }
            out.put(state.DecimalSeparator);
            return i + 1;
        }
        return std::nullopt;
    }

    std::size_t writePair(char first, char second, std::size_t i) {
        out.put(first);
        out.put(second);
        return i + 2;
    }

    // A bare function applies to the last answer; a named value before a digit multiplies it.
    std::size_t writeToken(std::size_t i, std::string_view name, char p) {
        const std::size_t next = i + name.size();
        const char after = at(next);
        if (isDigit(p) || isOneOf<")}]">(p)) {
            out.put('*');
        }
        out.put(':');
        out.put(name);
        if (next == line.size()) {
            if (!isValueToken(name) && name != "sum") {
                putAnswer();
            }
        } else if (isOneOf<"%/*^+">(after)) {
            if (!isValueToken(name)) {
                putAnswer();
            }
        } else if (isDigit(after) && isValueToken(name)) {
            out.put('*');
        }
        if (name == "sum") {
            state.CalcKind = 1;
        }
        return next;
    }

    // The last answer, which may bring in what no typed character did.
    void putAnswer() {
        const std::string_view answer = state.AnsText;
        out.put(answer);
        marks.capitalXSeen = marks.capitalXSeen || answer.find('X') != std::string_view::npos;
        marks.digitBracketSeen =
            marks.digitBracketSeen || findFirstOf<"({[">(answer) != std::string_view::npos;
        marks.unitJoinSeen = marks.unitJoinSeen || answer.find(kUnitJoin) != std::string_view::npos;
    }

    // Operator and bracket pairs; everything else is written as typed.
    std::size_t pairRule(std::size_t i, char c, char n, char p) {
        marks.digitBracketSeen = marks.digitBracketSeen || (isOneOf<"({[">(c) && isDigit(p));
        if (n == '+' && isOneOf<"{(/*^+-[">(c)) {
            out.put(c); // a "+" after an opening bracket or an operator says nothing
            return i + 2;
        }
        if (c == '*' && n == '*') {
            out.put('^');
            return i + 2;
        }
        if (c == '+' && n == '-') {
            out.put('-');
            return i + 2;
        }
        if ((c == '(' && n == ')') || (c == '[' && n == ']') || (c == '{' && n == '}')) {
            return i + 2; // an empty pair of brackets vanishes
        }
        if ((c == 'e' || c == 'E') && isDigit(p) && n == '+') {
            out.put('E');
            return i + 2;
        }
        if (c == '-' && p == '-') {
            out.put("1*-");
            return i + 1;
        }
        out.put(c);
        return i + 1;
    }

    // Letter case of what was just written at out[start..], and the flags it raises.
    // A lower-case letter right after a capital is the second letter of that symbol.
    void settle(std::size_t start, std::size_t i, char n, char p) {
        const std::size_t length = out.size() - start;
        const char first = length == 0 ? '\0' : out[start];
        if (i == 0 && length == 1 && (isDigit(first) || first == ',' || first == '.')) {
            marks.termStart = true;
        } else if (length == 1 && !isUpper(p)) {
            out[start] = toUpper(first);
        }
        if (length == 0) {
            return;
        }
        if (isUpper(out[start])) {
            if (length == 1 && out[start] == 'E' && (isDigit(n) || n == '-')) {
                state.ElementPrecision = false; // an exponent
            } else {
                marks.elementSeen = true;
            }
        } else if (length == 1 && isOneOf<"%/*^+-">(first)) {
            marks.termStart = true;
        } else if (first == ':') {
            marks.termStart = true;
            state.ElementPrecision = false;
        }
    }
};

// An upper-case letter that starts a term: any capital except an exponent "E".
bool startsTerm(std::string_view w, std::size_t pos) {
    if (pos >= w.size() || !isUpper(w[pos])) {
        return false;
    }
    const char after = pos + 1 < w.size() ? w[pos + 1] : '\0';
    return !(w[pos] == 'E' && (isDigit(after) || after == '-'));
}

bool startsNumber(char c) {
    return isDigit(c) || c == ',' || c == '.';
}

// End of the number that starts at from. After a symbol or a closing bracket (c) the digits are
// a count and run on to the next operator; elsewhere a bracket or a symbol ends them.
std::size_t numberEnd(std::string_view w, std::size_t from, char c) {
    const bool countFollows = isUpper(c) || isOneOf<")}]">(c);
    std::size_t end = from;
    while (end < w.size() && !isOneOf<":%/*^+-">(w[end])) {
        if (!countFollows && (isOneOf<"({[">(w[end]) || startsTerm(w, end))) {
            break;
        }
        ++end;
    }
    return end;
}

std::size_t termEnd(std::string_view w, std::size_t from) {
    std::size_t end = from;
    while (end < w.size() && !isOneOf<"%/*^+-">(w[end])) {
        ++end;
    }
    return end;
}

void appendTerm(LineWriter& out, std::string_view term, bool bracketed) {
    if (!bracketed) {
        out.put('(');
    }
    out.put(term);
    if (!bracketed) {
        out.put(')');
    }
}

// What follows the character c written last, from position `from`: a number with the "*" it
// multiplies by, a formula term in brackets. Returns where the next character to copy is.
std::size_t writeAfter(std::string_view w, std::size_t from, char c, LineWriter& out) {
    if (from < w.size() && startsNumber(w[from])) {
        const std::size_t end = numberEnd(w, from, c);
        out.put(w.substr(from, end - from));
        if (end < w.size() && (isOneOf<"({[">(w[end]) || startsTerm(w, end))) {
            out.put('*');
        }
        if (startsTerm(w, end)) {
            const std::size_t next = termEnd(w, end);
            appendTerm(out, w.substr(end, next - end), false);
            return next;
        }
        return end;
    }
    if (startsTerm(w, from)) {
        const std::size_t end = termEnd(w, from);
        appendTerm(out, w.substr(from, end - from), isOneOf<"({[">(c));
        return end;
    }
    return from;
}

// Writes the coefficient of a leading number out ("2" before "H2O" gives "2*") and puts every
// formula term in brackets, so that 2H2O+NaCl becomes 2*(H2O)+(NaCl). The start of the line
// is read as if a "*" came before it, which makes a term there look like every other term.
void writeCoefficients(std::string_view w, LineWriter& out) {
    std::size_t k = writeAfter(w, 0, '*', out);
    while (k < w.size()) {
        const char c = w[k];
        out.put(c);
        k = writeAfter(w, k + 1, c, out);
    }
}

// Without elements, a bracket right after a digit multiplies: 3(4+5) gives 3*(4+5).
void writeBracketProducts(std::string_view text, LineWriter& out) {
    for (const char c : text) {
        if (isOneOf<"({[">(c) && isDigit(out.back())) {
            out.put('*');
        }
        out.put(c);
    }
}

bool needsBracketProducts(std::string_view text) {
    for (std::size_t k = 1; k < text.size(); ++k) {
        if (isOneOf<"({[">(text[k]) && isDigit(text[k - 1])) {
            return true;
        }
    }
    return false;
}

// Writes the canonical text into `out`; a line that begins with an operator continues the last
// answer.
void continueLastAnswer(std::string_view text, const EngineState& state, std::string& out) {
    if (text.empty() || !isOneOf<"^*/%+">(text.front())) {
        replaceText(out, text);
        return;
    }
    const bool numeric = readsAsNumber(state.AnsText, state.DecimalSeparator);
    replaceText(out, numeric ? std::string_view(state.AnsText) : std::string_view("???"));
    out += text;
}

} // namespace

Canonical canonicalForm(EngineState& state, std::string_view typed, std::string& out) {
    state.ElementPrecision = true;
    if (isTooLong(typed)) {
        return {{}, fault::LineTooLong};
    }
    Marks marks;
    LineWriter filtered(typed.size());
    const std::string_view reading = filterLine(typed, filtered, state, marks);
    LineWriter writer(reading.size() * kMostPerCharacter);
    Rewriter{reading, state, marks, writer}.run();
    std::string_view rewritten = writer.view();
    std::string joined;
    std::size_t units = 0;
    if (marks.unitJoinSeen) {
        joined = rewritten;
        units = joinFormulaUnits(joined);
        marks.digitBracketSeen = true; // the joined text is another one
        if (units > 0 && joined.size() >= kMaxLineLength) {
            return {{}, fault::LineTooLong}; // brackets written around units made it too long
        }
        rewritten = joined;
    }

    LineWriter multiplied(rewritten.size());
    if (marks.capitalXSeen && rewritten.find("X^2") != std::string_view::npos) {
        state.ExpandedLine.clear();
        state.CalcKind = 2;
    } else if (marks.elementSeen && marks.termStart) {
        if (rewritten.size() + 2 >= kMaxLineLength) {
            return {{}, fault::LineTooLong};
        }
        writeCoefficients(rewritten, multiplied);
        rewritten = multiplied.view();
    } else if (marks.bracketSeen && !marks.elementSeen && marks.digitBracketSeen &&
               needsBracketProducts(rewritten)) {
        writeBracketProducts(rewritten, multiplied);
        rewritten = multiplied.view();
    }
    continueLastAnswer(rewritten, state, out);
    return {{}, std::nullopt, units};
}

Canonical canonicalForm(EngineState& state, std::string_view typed) {
    std::string text;
    Canonical canonical = canonicalForm(state, typed, text);
    canonical.text = std::move(text);
    return canonical;
}

bool isFunctionName(std::string_view name) {
    return kNameIndex.contains(name) && !isValueToken(name);
}

std::string normalizeInput(EngineState& state, std::string text) {
    Canonical canonical = canonicalForm(state, text);
    return canonical.fault ? std::string(*canonical.fault) : std::move(canonical.text);
}

} // namespace zolvan
