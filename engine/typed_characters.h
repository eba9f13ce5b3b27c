#pragma once
// How the engine reads single typed characters, before any rule looks at their order: UTF-8
// decoding and what each character stands for in an expression. It reads no sequence itself.

#include "engine/utf8.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace zolvan {

inline constexpr char32_t kInvalidByte = 0xFFFFFFFF;

struct CodePoint {
    char32_t value;
    std::size_t length;
};

// Decodes the code point at pos; a byte that starts no well-formed sequence is one invalid unit,
// so that an ill-formed piece weighs in the length of a line as the bytes it takes.
inline CodePoint decodeAt(std::string_view text, std::size_t pos) {
    const Utf8Step step = decodeUtf8(text.substr(pos));
    return step.valid ? CodePoint{step.codePoint, step.length} : CodePoint{kInvalidByte, 1};
}

// Stands for a dot that joins the parts of one formula unit (CuSO4·5H2O). No typed character
// reads as it, so it marks the dots in the filtered line.
inline constexpr char kUnitJoin = '\x01';

// What one typed character is read as: a character of an expression (ASCII), kUnitJoin for a
// hydrate dot, or '\0' when the reading drops it. Subscript and full-width digits read as digits,
// "×" and "÷" as "*" and "/". Blanks, controls, ":;@$<>_`" and all other characters are dropped.
char readCharacter(char32_t code);

// What each ASCII character reads as: itself, or '\0' when the reading drops it (blanks,
// controls and ":;@$<>_`").
inline constexpr auto kAsciiReadings = [] {
    std::array<char, 128> readings{};
    for (int c = 33; c <= 126; ++c) {
        readings[static_cast<std::size_t>(c)] = static_cast<char>(c);
    }
    for (const char dropped : std::string_view(":;@$<>_`")) {
        readings[static_cast<std::size_t>(dropped)] = '\0';
    }
    return readings;
}();

// readCharacter for the ASCII range, which nearly every typed character is in: one look-up.
inline char readAsciiCharacter(unsigned char code) {
    return kAsciiReadings[code & 0x7F];
}

// True for the characters that separate words as a blank does, which a reading drops silently.
bool isBlankCharacter(char32_t code);

} // namespace zolvan
