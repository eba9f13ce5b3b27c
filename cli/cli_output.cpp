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

// A JSON string: every control character (and U+2028, U+2029, which end lines in some readers)
// is escaped, so the line stays one line; an ill-formed UTF-8 piece becomes U+FFFD.
void appendJsonString(std::string& out, std::string_view s) {
    // The usual text, printable ASCII without a quote or backslash, needs no decoding.
    const bool plain = std::all_of(s.begin(), s.end(), [](char ch) {
        const auto byte = static_cast<unsigned char>(ch);
        return byte >= 0x20 && byte < 0x7F && ch != '"' && ch != '\\';
    });
    if (plain) {
        out += '"';
        out += s;
        out += '"';
        return;
    }
    out.push_back('"');
    while (!s.empty()) {
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
// that needs no escaping.
void appendKey(std::string& out, std::string_view key) {
    out += out.back() == '{' ? "\"" : ",\"";
    out += key;
    out += "\":";
}

void appendOptionalString(std::string& out, std::string_view key,
                          const std::optional<std::string>& value) {
    appendKey(out, key);
    if (value) {
        appendJsonString(out, *value);
    } else {
        out += "null";
    }
}

void appendElements(std::string& out, const Composition& composition) {
    appendKey(out, "elements");
    out.push_back('[');
    for (const ElementShare& share : composition.elements) {
        out += out.back() == '[' ? "{" : ",{";
        appendKey(out, "symbol");
        appendJsonString(out, share.symbol);
        appendKey(out, "count");
        appendJsonNumber(out, std::round(share.count * 1e9) / 1e9);
        appendKey(out, "mass");
        appendJsonNumber(out, share.atomicWeight);
        appendKey(out, "contribution");
        appendMass(out, share.contribution);
        appendKey(out, "percent");
        appendJsonNumber(out, std::round(share.percent * 100.0) / 100.0);
        out.push_back('}');
    }
    out.push_back(']');
}

// The members "monoisotopic", "nominal" and "ions", comma-separated, without braces; null when
// there is no composition or no natural isotope.
std::string exactMassMembers(const ExactMass& exact) {
    std::string out = "{";
    appendKey(out, "monoisotopic");
    exact.monoisotopic ? appendMass(out, *exact.monoisotopic) : void(out += "null");
    appendKey(out, "nominal");
    exact.nominal ? appendJsonNumber(out, *exact.nominal) : void(out += "null");
    appendKey(out, "ions");
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
    return out.substr(1);
}

void appendComposition(std::string& out, const Composition* composition, const ExactMass& exact,
                       std::string_view exactMembers) {
    appendKey(out, "composition");
    if (!composition) {
        out += "null";
        return;
    }
    out.push_back('{');
    appendKey(out, "formula");
    appendJsonString(out, composition->formula);
    appendKey(out, "empirical");
    appendJsonString(out, composition->empirical);
    appendKey(out, "mass");
    appendMass(out, composition->mass);
    appendElements(out, *composition);
    out.push_back(',');
    out += exactMembers;
    appendOptionalString(out, "monoisotopic_reason",
                         exact.monoisotopic ? std::nullopt : std::optional(exact.missing));
    out.push_back('}');
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
    appendKey(out, "canonical");
    appendJsonString(out, report.canonical);
    appendKey(out, "arithmetic");
    appendJsonString(out, report.arithmetic);
    appendKey(out, "result");
    appendJsonString(out, report.result);
    appendKey(out, "kind");
    out += std::to_string(report.kind);
    appendKey(out, "rows");
    out.push_back('[');
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

void appendJsonLine(std::string& out, const LineReport& report, const Workspace& workspace) {
    out.push_back('{');
    appendKey(out, "input");
    appendJsonString(out, workspace.engine.InputLine);
    appendEngineFields(out, report);
    appendOptionalString(out, "unknown", report.unknown);
    appendKey(out, "ok");
    out += report.error ? "false" : "true";
    appendOptionalString(out, "error", report.error);
    const Composition* composition = report.composed ? workspace.composition() : nullptr;
    const ExactMass exact = composition ? exactMassOf(*composition) : ExactMass{};
    const std::string exactMembers = exactMassMembers(exact);
    appendComposition(out, composition, exact, exactMembers);
    out.push_back(',');
    out += exactMembers;
    appendKey(out, "history");
    out.push_back('[');
    appendJsonString(out, report.historyInput);
    out.push_back(',');
    appendJsonString(out, report.historyResult);
    out.push_back(']');
    appendKey(out, "memory");
    appendJsonNumber(out, workspace.engine.MemoryValue);
    appendKey(out, "data_count");
    out += std::to_string(workspace.engine.DataCount);
    appendKey(out, "hints");
    out.push_back('[');
    for (std::size_t i = 0; i < report.hints.size(); ++i) {
        if (i > 0) {
            out.push_back(',');
        }
        appendJsonString(out, report.hints[i]);
    }
    out.push_back(']');
    out.push_back('}');
}

} // namespace zolvan::cli
