#include "engine/typed_characters.h"

namespace zolvan {

CodePoint decodeAt(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t value = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0Fu;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07u;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {kInvalidByte, 1};
    }
    if (pos + length > text.size()) {
        return {kInvalidByte, 1};
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[pos + k]);
        if (byte < low || byte > high) {
            return {kInvalidByte, 1};
        }
        low = 0x80;
        high = 0xBF;
        value = (value << 6) | (byte & 0x3Fu);
    }
    return {value, length};
}

char readCharacter(char32_t code) {
    if (code >= 33 && code <= 126) {
        const auto c = static_cast<char>(code);
        return std::string_view(":;@$<>_`").find(c) == std::string_view::npos ? c : '\0';
    }
    switch (code) {
    case U'\u00D7': // multiplication sign
        return '*';
    case U'\u00F7': // division sign
        return '/';
    case U'\u00B7': // middle dot, as books write a hydrate
    case U'\u2022': // bullet
    case U'\u2219': // bullet operator
    case U'\u22C5': // dot operator
        return kUnitJoin;
    default:
        break;
    }
    if (code >= U'\u2080' && code <= U'\u2089') { // subscript digits
        return static_cast<char>('0' + (code - U'\u2080'));
    }
    if (code >= U'\uFF10' && code <= U'\uFF19') { // full-width digits
        return static_cast<char>('0' + (code - U'\uFF10'));
    }
    return '\0';
}

bool isBlankCharacter(char32_t code) {
    return code == U' ' || code == U'\t' || code == U'\u00A0' ||
           (code >= U'\u2000' && code <= U'\u200A') || code == U'\u202F' || code == U'\u205F' ||
           code == U'\u3000';
}

} // namespace zolvan
