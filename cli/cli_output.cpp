#include "cli/cli_output.h"

#include "engine/number_text.h"
#include "engine/utf8.h"
#include "workspace/composition_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace zolvan::cli {

namespace {

constexpr char kHex[] = "0123456789abcdef";

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// A control character as the terminal must never see it raw: C0 controls and DEL become their
// control pictures (U+2400 to U+2421); C1 controls, which have none, become U+FFFD.
char32_t visibleControl(char32_t c) {
    if (c < 0x20) {
        return U'\u2400' + c;
    }
    if (c == 0x7F) {
        return U'\u2421';
    }
    return kReplacementCharacter;
}

void appendVisible(std::string& out, std::string_view s) {
    // The usual text, printable ASCII, is shown as it is without decoding.
    if (std::all_of(s.begin(), s.end(), [](char ch) { return ch >= 0x20 && ch < 0x7F; })) {
        out += s;
        return;
    }
    while (!s.empty()) {
        const Utf8Step step = decodeUtf8(s);
        if (!step.valid) {
            appendUtf8(out, kReplacementCharacter);
        } else if (isControl(step.codePoint)) {
            appendUtf8(out, visibleControl(step.codePoint));
        } else {
            out.append(s.substr(0, step.length));
        }
        s.remove_prefix(step.length);
    }
}

void appendJsonEscape(std::string& out, char32_t c) {
    switch (c) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\b':
        out += "\\b";
        return;
    case '\f':
        out += "\\f";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) {
        out.push_back(kHex[(c >> shift) & 0xF]);
    }
}

// Bytes that a JSON string holds as they are: printable ASCII but the quote and the backslash.
constexpr auto kPlainInJson = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x7F; ++c) {
        plain[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
    }
    return plain;
}();

std::size_t plainPrefix(std::string_view s) {
    std::size_t length = 0;
    while (length < s.size() && kPlainInJson[static_cast<unsigned char>(s[length])]) {
        ++length;
    }
    return length;
}

// A JSON string: every control character (and U+2028, U+2029, which end lines in some readers)
// is escaped, so the line stays one line; an ill-formed UTF-8 piece becomes U+FFFD. Runs of
// bytes that need nothing go out in one append; a text that is all plain goes out with its quotes
// in one growth of `out` (a call per quote costs as much as the copy of a short text).
void appendJsonString(std::string& out, std::string_view s) {
    std::size_t plain = plainPrefix(s);
    if (plain == s.size()) {
        const std::size_t at = out.size();
        out.append(s.size() + 2, '"');
        s.copy(out.data() + at + 1, s.size());
        return;
    }
    out.push_back('"');
    for (;; plain = plainPrefix(s)) {
        out.append(s.data(), plain);
        s.remove_prefix(plain);
        if (s.empty()) {
            break;
        }
        const Utf8Step step = decodeUtf8(s);
        const char32_t c = step.codePoint;
        if (!step.valid) {
            appendUtf8(out, kReplacementCharacter);
        } else if (isControl(c) || c == '"' || c == '\\' || c == 0x2028 || c == 0x2029) {
            appendJsonEscape(out, c);
        } else {
            out.append(s.substr(0, step.length));
        }
        s.remove_prefix(step.length);
    }
    out.push_back('"');
}

void appendInteger(std::string& out, int value) {
    if (value >= 0 && value <= 9) { // a line's kind, a short data list
        out.push_back(static_cast<char>('0' + value));
        return;
    }
    char digits[12];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void appendJsonNumber(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    appendShortestText(out, value);
}

// A mass rounded to 0.00001 u, the precision of the isotope masses and more than a mass
// spectrum resolves; the shortest text of the rounded value.
void appendMass(std::string& out, double value) {
    appendJsonNumber(out, std::round(value * 1e5) / 1e5);
}

// A key is one of the writer's own names (or an ion's, from the isotope table): plain ASCII
// that needs no escaping. `"key":` after a "{", `,"key":` after a member.
void appendKey(std::string& out, std::string_view key) {
    out += out.back() == '{' ? std::string_view("\"") : std::string_view(",\"");
    out += key;
    out += std::string_view("\":");
}

// The text `,"key":` of a key the writer names, made when it is compiled: a key costs one append.
template <std::size_t N> struct MemberStart {
    consteval MemberStart(const char (&key)[N]) {
        text[0] = ',';
        text[1] = '"';
        std::copy(key, key + N - 1, text + 2);
        text[N + 1] = '"';
        text[N + 2] = ':';
    }
    char text[N + 3];
};

template <MemberStart Key> void appendKey(std::string& out) {
    constexpr std::string_view member(Key.text, sizeof(Key.text));
    out += out.back() == '{' ? member.substr(1) : member;
}

// `,"key":"text"` after another member; a text that needs no escape goes out with its key and
// quotes in one growth of the line.
template <MemberStart Key> void appendStringMember(std::string& out, std::string_view s) {
    constexpr std::string_view member(Key.text, sizeof(Key.text));
    if (plainPrefix(s) != s.size()) {
        out += member;
        appendJsonString(out, s);
        return;
    }
    const std::size_t at = out.size();
    out.append(member.size() + s.size() + 2, '"');
    member.copy(out.data() + at, member.size());
    s.copy(out.data() + at + member.size() + 1, s.size());
}

template <MemberStart Key>
void appendOptionalString(std::string& out, const std::optional<std::string>& value) {
    appendKey<Key>(out);
    if (value) {
        appendJsonString(out, *value);
    } else {
        out += "null";
    }
}

void appendElements(std::string& out, const Composition& composition) {
    appendKey<"elements">(out);
    out.push_back('[');
    for (const ElementShare& share : composition.elements) {
        out += out.back() == '[' ? "{" : ",{";
        appendKey<"symbol">(out);
        appendJsonString(out, share.symbol);
        appendKey<"count">(out);
        appendJsonNumber(out, std::round(share.count * 1e9) / 1e9);
        appendKey<"mass">(out);
        appendJsonNumber(out, share.atomicWeight);
        appendKey<"contribution">(out);
        appendMass(out, share.contribution);
        appendKey<"percent">(out);
        appendJsonNumber(out, std::round(share.percent * 100.0) / 100.0);
        out.push_back('}');
    }
    out.push_back(']');
}

// The members "monoisotopic", "nominal" and "ions"; null when there is no composition or no
// natural isotope.
void appendExactMass(std::string& out, const ExactMass& exact) {
    appendKey<"monoisotopic">(out);
    exact.monoisotopic ? appendMass(out, *exact.monoisotopic) : void(out += "null");
    appendKey<"nominal">(out);
    exact.nominal ? appendJsonNumber(out, *exact.nominal) : void(out += "null");
    appendKey<"ions">(out);
    if (!exact.monoisotopic) {
        out += "null";
    } else {
        out.push_back('{');
        for (const IonMass& ion : exact.ions) {
            appendKey(out, ion.name);
            appendMass(out, ion.mz);
        }
        out.push_back('}');
    }
}

// Where a piece of text was written in the output.
struct Written {
    std::size_t start = 0;
    std::size_t length = 0;
};

// The member "composition", whose object holds the exact masses too. Returns where they were
// written (without the comma before them), so that the line can repeat them.
Written appendComposition(std::string& out, const Composition& composition,
                          const ExactMass& exact) {
    out += R"(,"composition":{)";
    appendKey<"formula">(out);
    appendJsonString(out, composition.formula);
    appendKey<"empirical">(out);
    appendJsonString(out, composition.empirical);
    appendKey<"mass">(out);
    appendMass(out, composition.mass);
    appendElements(out, composition);
    const std::size_t start = out.size() + 1; // after the comma
    appendExactMass(out, exact);
    const Written members{start, out.size() - start};
    appendOptionalString<"monoisotopic_reason">(
        out, exact.monoisotopic ? std::nullopt : std::optional(exact.missing));
    out.push_back('}');
    return members;
}

// The members "composition", "monoisotopic", "nominal" and "ions" (twice: inside the composition
// and beside it). A formula's are written once and kept with its composition in `known`.
void appendCompositionMembers(std::string& out, std::string* known, const Workspace& workspace) {
    if (known == nullptr) { // no formula: the same members every time
        out += R"(,"composition":null,"monoisotopic":null,"nominal":null,"ions":null)";
        return;
    }
    if (known->empty()) {
        const std::size_t start = out.size();
        const Written members =
            appendComposition(out, *workspace.composition(), *workspace.exactMass());
        out.push_back(',');
        out.append(out, members.start, members.length); // the same members once more
        known->assign(out, start);
        return;
    }
    out += *known;
}

void appendEngineFields(std::string& out, const LineReport& report) {
    if (report.commandLine) {
        for (const auto* key : {"canonical", "arithmetic", "result", "kind", "rows"}) {
            appendKey(out, key);
            if (std::string_view(key) == "result" && report.answered) {
                appendJsonString(out, report.result);
            } else {
                out += "null";
            }
        }
        return;
    }
    appendStringMember<"canonical">(out, report.canonical);
    appendStringMember<"arithmetic">(out, report.arithmetic);
    appendStringMember<"result">(out, report.result);
    appendKey<"kind">(out);
    appendInteger(out, report.kind);
    out += ",\"rows\":[";
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        if (i > 0) {
            out.push_back(',');
        }
        appendJsonString(out, report.rows[i]);
    }
    out.push_back(']');
}

} // namespace

void appendHintLines(std::string& out, const LineReport& report) {
    for (const std::string& hint : report.hints) {
        out += "hint: ";
        appendVisible(out, hint);
        out.push_back('\n');
    }
}

void appendTaskLine(std::string& out, const LineReport& report) {
    appendVisible(out, report.historyInput);
    if (!report.historyResult.empty()) {
        out += " = ";
        appendVisible(out, report.historyResult);
    }
}

void appendCompositionBlock(std::string& out, const LineReport& report,
                            const Workspace& workspace) {
    const Composition* composition = report.composed ? workspace.composition() : nullptr;
    if (composition == nullptr) {
        return;
    }
    const std::string block = compositionBlock(*composition, workspace.engine.DecimalSeparator);
    std::string_view rest = block;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        out.push_back('\n');
        appendVisible(out, rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
}

// Where a bracket goes beside a key, both go out in one append of a literal.
void appendJsonLine(std::string& out, const LineReport& report, const Workspace& workspace) {
    out += "{\"input\":";
    appendJsonString(out, workspace.engine.InputLine);
    appendEngineFields(out, report);
    appendOptionalString<"unknown">(out, report.unknown);
    appendKey<"ok">(out);
    out += report.error ? "false" : "true";
    appendOptionalString<"error">(out, report.error);
    appendCompositionMembers(out, report.composed ? workspace.compositionJson() : nullptr,
                             workspace);
    out += ",\"history\":[";
    appendJsonString(out, report.historyInput);
    out.push_back(',');
    appendJsonString(out, report.historyResult);
    out += "],\"memory\":";
    appendJsonNumber(out, workspace.engine.MemoryValue);
    appendKey<"data_count">(out);
    appendInteger(out, workspace.engine.DataCount);
    out += ",\"hints\":[";
    for (std::size_t i = 0; i < report.hints.size(); ++i) {
        if (i > 0) {
            out.push_back(',');
        }
        appendJsonString(out, report.hints[i]);
    }
    out += "]}";
}

} // namespace zolvan::cli
