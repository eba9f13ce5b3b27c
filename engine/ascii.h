#pragma once
// ASCII character classes and case changes. The standard <cctype> versions depend on the
// process locale; the engine's texts must not.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zolvan::ascii {

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
constexpr bool isLower(char c) {
    return c >= 'a' && c <= 'z';
}
constexpr char toUpper(char c) {
    return isLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}
constexpr char toLower(char c) {
    return isUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

// The members of a character set, written as a string literal: isOneOf<"+-">(c).
template <std::size_t N> struct CharList {
    consteval CharList(const char (&members)[N]) {
        for (std::size_t k = 0; k < N; ++k) {
            chars[k] = members[k];
        }
    }
    char chars[N];
};

// One table per set, made at compile time: a membership test is one load, with no shift or
// branch (a search of a string literal calls memchr for every character tested). The literal's
// closing '\0' is no member: '\0' stands for "no character" (before the first or after the last
// one) in the engine's walks, and no text it reads holds it.
template <CharList Members>
inline constexpr auto kMembership = [] {
    std::array<bool, 256> table{};
    for (const char c : Members.chars) {
        table[static_cast<unsigned char>(c)] = c != '\0';
    }
    return table;
}();

template <CharList Members> constexpr bool isOneOf(char c) {
    return kMembership<Members>[static_cast<unsigned char>(c)];
}

// The first position at or after `from` whose character is in the set, or npos. (The standard
// find_first_of searches its set once for every character of the text.)
template <CharList Members>
constexpr std::size_t findFirstOf(std::string_view text, std::size_t from = 0) {
    for (; from < text.size(); ++from) {
        if (isOneOf<Members>(text[from])) {
            return from;
        }
    }
    return std::string_view::npos;
}

} // namespace zolvan::ascii
