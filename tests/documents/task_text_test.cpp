#include "tests/panels/panel_test.h"
#include "workspace/text_lines.h"

namespace zolvan::testing {
namespace {

// Users' text files: valid UTF-8 is kept, anything else is read as Windows-1252.
struct DecodeCase {
    std::string name, bytes, utf8;
};

const DecodeCase kDecodes[] = {
    {"Utf8Kept", "5\xC2\xB0 \xE2\x82\xAC", "5\xC2\xB0 \xE2\x82\xAC"},
    {"Latin1Degree", "5\xB0", "5\xC2\xB0"},
    {"EuroOf1252", "\x80", "\xE2\x82\xAC"},
    {"OverlongIs1252", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
    {"CutSequenceIs1252", "a\xE2\x82", "a\xC3\xA2\xE2\x80\x9A"},
    {"SurrogateIs1252", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
};

class DecodeTaskText : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTaskText, GivesUtf8) {
    EXPECT_EQ(decodeText(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Texts, DecodeTaskText, ::testing::ValuesIn(kDecodes), rowName);

struct SplitCase {
    std::string name, text;
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
                                           SplitCase{"Mixed", "a\r\n\nb\rc", {"a", "", "b", "c"}},
                                           SplitCase{"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}}),
                         rowName);

} // namespace
} // namespace zolvan::testing
