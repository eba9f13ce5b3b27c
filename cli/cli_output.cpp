#include "cli/cli_output.h"

#include "cli/utf8.h"

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
    std::array<char, 32> buf{};
    const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    (void)ec; // 32 characters hold the shortest form of any double
    out.append(buf.data(), end);
}

void appendKey(std::string& out, std::string_view key) {
    if (out.back() != '{') {
        out.push_back(',');
    }
    appendJsonString(out, key);
    out.push_back(':');
}

void appendEngineFields(std::string& out, const LineReport& report) {
    if (report.commandLine) {
        for (const auto* key : {"canonical", "arithmetic", "result", "kind", "rows"}) {
            appendKey(out, key);
            out += "null";
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

void appendJsonLine(std::string& out, const LineReport& report, const Workspace& workspace) {
    out.push_back('{');
    appendKey(out, "input");
    appendJsonString(out, workspace.engine.InputLine);
    appendEngineFields(out, report);
    appendKey(out, "unknown");
    if (report.unknown) {
        appendJsonString(out, *report.unknown);
    } else {
        out += "null";
    }
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
