#include "engine/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace zolvan {
namespace {

// Bytes in, the well-formed text out ("\xEF\xBF\xBD" is U+FFFD): one U+FFFD for each longest
// ill-formed piece, as the Unicode standard recommends.
struct Utf8Row {
    const char* name;
    std::string bytes;
    std::string wellFormed;
};

const std::string kFffd = "\xEF\xBF\xBD";

const Utf8Row kUtf8Rows[] = {
    {"Ascii", "1+2", "1+2"},
    {"TwoBytes", "\xC3\xA9", "\xC3\xA9"},
    {"ThreeBytes", "\xE2\x82\xAC", "\xE2\x82\xAC"},
    {"FourBytes", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
    {"LargestCodePoint", "\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
    {"LastBeforeSurrogates", "\xED\x9F\xBF", "\xED\x9F\xBF"},
    {"FirstAfterSurrogates", "\xEE\x80\x80", "\xEE\x80\x80"},
    {"OverlongTwoBytes", "\xC0\xAF", kFffd + kFffd},
    {"OverlongC1", "\xC1\xBF", kFffd + kFffd},
    {"OverlongThreeBytes",
     "\xE0\x80\xAF"
     "1",
     kFffd + kFffd + kFffd + "1"},
    {"OverlongFourBytes", "\xF0\x8F\xBF\xBF", kFffd + kFffd + kFffd + kFffd},
    {"Surrogate", "\xED\xA0\x80", kFffd + kFffd + kFffd},
    {"AboveLargestCodePoint", "\xF4\x90\x80\x80", kFffd + kFffd + kFffd + kFffd},
    {"LeadF5", "\xF5\x80", kFffd + kFffd},
    {"LeadFF", "\xFF", kFffd},
    {"LoneContinuation",
     "a\x80"
     "b",
     "a" + kFffd + "b"},
    {"TruncatedAtEnd", "1\xE2\x82", "1" + kFffd},
    {"TruncatedBeforeAscii",
     "\xF0\x9F\x98"
     "2",
     kFffd + "2"},
    {"TruncatedBeforeLead", "\xC3\xC3\xA9", kFffd + "\xC3\xA9"},
    {"NulStays", std::string("a\0b", 3), std::string("a\0b", 3)},
};

class Utf8Test : public testing::TestWithParam<Utf8Row> {};

TEST_P(Utf8Test, IllFormedPiecesBecomeReplacementCharacters) {
    EXPECT_EQ(wellFormedUtf8(GetParam().bytes), GetParam().wellFormed);
    EXPECT_EQ(wellFormedUtf8(GetParam().wellFormed), GetParam().wellFormed)
        << "well-formed text comes back as it was";
}

INSTANTIATE_TEST_SUITE_P(Bytes, Utf8Test, testing::ValuesIn(kUtf8Rows),
                         [](const auto& info) { return std::string(info.param.name); });

// Every code point written out decodes to itself in one step.
TEST(Utf8RoundTrip, EveryScalarValue) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            continue;
        }
        std::string bytes;
        appendUtf8(bytes, c);
        const Utf8Step step = decodeUtf8(bytes);
        ASSERT_TRUE(step.valid && step.codePoint == c && step.length == bytes.size())
            << static_cast<unsigned>(c);
    }
}

} // namespace
} // namespace zolvan
