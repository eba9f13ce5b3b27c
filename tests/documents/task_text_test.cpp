#include "documents/task_text.h"
#include "workspace/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvan {
namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string utf8;
};

class DecodeTaskText : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTaskText, GivesUtf8) {
    EXPECT_EQ(decodeText(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecodeTaskText,
    ::testing::Values(DecodeCase{"Ascii", "H2O = 18.0153", "H2O = 18.0153"},
                      DecodeCase{"Utf8Kept", "5\xC2\xB0 \xE2\x82\xAC", "5\xC2\xB0 \xE2\x82\xAC"},
                      DecodeCase{"Latin1Degree", "5\xB0", "5\xC2\xB0"},
                      DecodeCase{"EuroOf1252", "\x80", "\xE2\x82\xAC"},
                      DecodeCase{"OverlongIs1252", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
                      DecodeCase{"CutSequenceIs1252", "a\xE2\x82", "a\xC3\xA2\xE2\x80\x9A"},
                      DecodeCase{"SurrogateIs1252", "\xED\xA0\x80",
                                 "\xC3\xAD\xC2\xA0\xE2\x82\xAC"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SplitCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

class SplitTaskLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTaskLines, EndsLinesAtCrCrLfAndLf) {
    EXPECT_EQ(splitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, SplitTaskLines,
                         ::testing::Values(SplitCase{"Empty", "", {}},
                                           SplitCase{"NoLineEnd", "1+1", {"1+1"}},
                                           SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                                           SplitCase{"Lf", "a\nb", {"a", "b"}},
                                           SplitCase{"Cr", "a\rb\r", {"a", "b"}},
                                           SplitCase{"Mixed", "a\r\n\nb\rc", {"a", "", "b", "c"}},
                                           SplitCase{"EmptyLinesKept", "\r\n\r\nx", {"", "", "x"}},
                                           SplitCase{"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zolvan
