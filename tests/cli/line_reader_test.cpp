#include "cli/line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvan::cli {
namespace {

// A stream given in pieces (as reads return it), the lines it holds and which were cut.
struct SplitRow {
    const char* name;
    std::vector<std::string> pieces;
    std::vector<std::string> lines;
    std::vector<bool> cut = {};
};

const SplitRow kSplitRows[] = {
    {"LineFeeds", {"1+2\n3*4\n"}, {"1+2", "3*4"}},
    {"CarriageReturns", {"1+2\r3*4\r"}, {"1+2", "3*4"}},
    {"CrLf", {"1+2\r\n3*4\r\n"}, {"1+2", "3*4"}},
    {"CrLfSplitBetweenReads", {"1+2\r", "\n3*4"}, {"1+2", "3*4"}},
    {"LfCrIsTwoLineEnds", {"1\n\r2"}, {"1", "", "2"}},
    {"EmptyLinesKept", {"\n\r\r\n\n"}, {"", "", "", ""}},
    {"LastLineWithoutEnd", {"1", "+2"}, {"1+2"}},
    {"EmptyStream", {}, {}},
    {"LineCutAtBound", {"1234", "56\n7"}, {"12345", "7"}, {true, false}},
    {"CutDoesNotEatTheNextLine", {"123456789\r\n12\n"}, {"12345", "12"}, {true, false}},
};

class LineSplitterTest : public testing::TestWithParam<SplitRow> {};

TEST_P(LineSplitterTest, EveryLineEndEndsOneLine) {
    std::vector<std::string> lines;
    std::vector<bool> cut;
    LineSplitter splitter(
        [&](std::string& line, bool wasCut) {
            lines.push_back(line);
            cut.push_back(wasCut);
        },
        5);
    for (const auto& piece : GetParam().pieces) {
        splitter.feed(piece);
    }
    splitter.finish();
    EXPECT_EQ(lines, GetParam().lines);
    if (!GetParam().cut.empty()) {
        EXPECT_EQ(cut, GetParam().cut);
    }
}

INSTANTIATE_TEST_SUITE_P(Streams, LineSplitterTest, testing::ValuesIn(kSplitRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct ArgumentRow {
    const char* name;
    const char* argument;
    std::vector<std::string> lines;
};

const ArgumentRow kArgumentRows[] = {
    {"Plain", "1+1", {"1+1"}},
    {"Empty", "", {""}},
    {"EachLineItsOwn", "#mem\n7", {"#mem", "7"}},
    {"AllLineEnds", "1\r2\r\n3\n4", {"1", "2", "3", "4"}},
    {"TrailingEndAddsNoLine", "1\n", {"1"}},
};

class ArgumentLinesTest : public testing::TestWithParam<ArgumentRow> {};

TEST_P(ArgumentLinesTest, SplitLikeStandardInput) {
    EXPECT_EQ(argumentLines(GetParam().argument), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Arguments, ArgumentLinesTest, testing::ValuesIn(kArgumentRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArgumentLinesLength, ArgumentsAreNeverCut) {
    const std::string huge(kMaxLineBytes + 10, '1');
    EXPECT_EQ(argumentLines(huge), std::vector<std::string>{huge});
}

} // namespace
} // namespace zolvan::cli
