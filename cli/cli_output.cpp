#include "cli/cli_output.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace zolvan::cli {

namespace {

// Length of the valid UTF-8 sequence at the start of `s`, or 0 when it is not valid.
std::size_t utf8SequenceLength(std::string_view s) {
    const auto lead = static_cast<unsigned char>(s[0]);
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    }
    if (length == 0 || s.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

void appendJsonString(std::string& out, std::string_view s) {
    static constexpr char hex[] = "0123456789abcdef";
    out.push_back('"');
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c < 0x20) {
            out += "\\u00";
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 0xF]);
        } else if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (const auto length = utf8SequenceLength(s.substr(i)); length > 0) {
            out.append(s.substr(i, length));
            i += length - 1;
        } else {
            out += "\\ufffd"; // a byte that is no UTF-8 cannot stand in JSON text
        }
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
    (void)ec;
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

void appendTaskLine(std::string& out, const LineReport& report) {
    out += report.historyInput;
    if (!report.historyResult.empty()) {
        out += " = ";
        out += report.historyResult;
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
    out.push_back('}');
}

} // namespace zolvan::cli
