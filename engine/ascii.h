#pragma once
// ASCII character classes and case changes. The standard <cctype> versions depend on the
// process locale; the engine's texts must not.

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

// A set of ASCII characters built at compile time, so that a membership test is one bit test
// (a search of a string literal calls memchr for every character tested).
class CharSet {
public:
    consteval CharSet(const char* members) {
        for (; *members != '\0'; ++members) {
            const auto code = static_cast<unsigned char>(*members);
            m_bits[code / 64] |= std::uint64_t{1} << (code % 64);
        }
    }
    constexpr bool contains(char c) const {
        const auto code = static_cast<unsigned char>(c);
        return code < 128 && ((m_bits[code / 64] >> (code % 64)) & 1u) != 0;
    }

private:
    std::uint64_t m_bits[2]{};
};

// '\0' stands for "no character" (before the first or after the last one) in the engine's
// walks; no text it reads holds it, so it is in no set.
constexpr bool isOneOf(char c, CharSet set) {
    return set.contains(c);
}

// The first position at or after `from` whose character is in `set`, or npos. (The standard
// find_first_of searches its set once for every character of the text.)
constexpr std::size_t findFirstOf(std::string_view text, CharSet set, std::size_t from = 0) {
    for (; from < text.size(); ++from) {
        if (set.contains(text[from])) {
            return from;
        }
    }
    return std::string_view::npos;
}

} // namespace zolvan::ascii
