#include "engine/typed_characters.h"

namespace zolvan {

char readCharacter(char32_t code) {
    if (code < 128) {
        return readAsciiCharacter(static_cast<unsigned char>(code));
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
