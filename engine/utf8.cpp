#include "engine/utf8.h"

namespace zolvan {

namespace {

// The range the second byte of a sequence must lie in, which depends on its first byte: this is
// what rules out overlong forms (E0, F0), surrogates (ED) and code points past U+10FFFF (F4).
struct LeadByte {
    std::size_t length;
    unsigned char secondLow;
    unsigned char secondHigh;
};

LeadByte leadByte(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF) {
        return {2, 0x80, 0xBF};
    }
    if (b == 0xE0) {
        return {3, 0xA0, 0xBF};
    }
    if (b == 0xED) {
        return {3, 0x80, 0x9F};
    }
    if (b >= 0xE1 && b <= 0xEF) {
        return {3, 0x80, 0xBF};
    }
    if (b == 0xF0) {
        return {4, 0x90, 0xBF};
    }
    if (b == 0xF4) {
        return {4, 0x80, 0x8F};
    }
    if (b >= 0xF1 && b <= 0xF3) {
        return {4, 0x80, 0xBF};
    }
    return {0, 0, 0};
}

} // namespace

Utf8Step decodeMultiByteUtf8(std::string_view text) {
    const auto first = static_cast<unsigned char>(text[0]);
    const LeadByte lead = leadByte(first);
    if (lead.length == 0) {
        return {kReplacementCharacter, 1, false};
    }
    char32_t codePoint = first & (0x7F >> lead.length);
    for (std::size_t i = 1; i < lead.length; ++i) {
        if (i >= text.size()) {
            return {kReplacementCharacter, i, false};
        }
        const auto b = static_cast<unsigned char>(text[i]);
        const unsigned char low = i == 1 ? lead.secondLow : 0x80;
        const unsigned char high = i == 1 ? lead.secondHigh : 0xBF;
        if (b < low || b > high) {
            return {kReplacementCharacter, i, false};
        }
        codePoint = (codePoint << 6) | (b & 0x3F);
    }
    return {codePoint, lead.length, true};
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string wellFormedUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const Utf8Step step = decodeUtf8(text);
        if (step.valid) {
            out.append(text.substr(0, step.length));
        } else {
            appendUtf8(out, kReplacementCharacter);
        }
        text.remove_prefix(step.length);
    }
    return out;
}

bool isWellFormedUtf8(std::string_view text) {
    while (!text.empty()) {
        const Utf8Step step = decodeUtf8(text);
        if (!step.valid) {
            return false;
        }
        text.remove_prefix(step.length);
    }
    return true;
}

} // namespace zolvan
