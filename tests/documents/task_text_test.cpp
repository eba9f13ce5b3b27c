#include "tests/panels/panel_test.h"
#include "workspace/text_lines.h"

namespace zolvan::testing {
namespace {

// Users' text files, decoded into lines: whole, and read through the services one byte at a time
// (so that every mark, character, surrogate pair and CR LF pair is split between two reads).
struct DecodeCase {
    std::string name, bytes;
    std::vector<std::string> lines;
    std::size_t maxLine = kMaxTextLineBytes;
};

using namespace std::string_literals;

const DecodeCase kDecodes[] = {
    {"Empty", "", {}},
    {"NoLineEnd", "1+1", {"1+1"}},
    {"CrLf", "a\r\nb\r\n", {"a", "b"}},
    {"MixedEnds", "a\r\n\nb\rc", {"a", "", "b", "c"}},
    {"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
    {"Utf8Kept", "5\xC2\xB0 \xE2\x82\xAC", {"5\xC2\xB0 \xE2\x82\xAC"}},
    {"Latin1Degree", "5\xB0", {"5\xC2\xB0"}},
    {"EuroOf1252", "\x80", {"\xE2\x82\xAC"}},
    {"OverlongIs1252", "\xC0\xAF", {"\xC3\x80\xC2\xAF"}},
    {"CutSequenceIs1252", "a\xE2\x82", {"a\xC3\xA2\xE2\x80\x9A"}},
    {"SurrogateIs1252", "\xED\xA0\x80", {"\xC3\xAD\xC2\xA0\xE2\x82\xAC"}},
    {"EachLineDecodedOnItsOwn", "\xC2\xB0\n\xB0", {"\xC2\xB0", "\xC2\xB0"}},
    {"Utf8MarkDropped",
     "\xEF\xBB\xBF"
     "1.5\r\n2",
     {"1.5", "2"}},
    {"Utf16LittleEndian",
     "\xFF\xFE"
     "1\0.\0"
     "5\0\r\0\n\0\xB0\0"s,
     {"1.5", "\xC2\xB0"}},
    {"Utf16BigEndianPair",
     "\xFE\xFF"
     "\xD8\x3D\xDE\x00\0\n\0x"s,
     {"\xF0\x9F\x98\x80", "x"}},
    {"Utf16LoneHalvesAndOddByte",
     "\xFF\xFE"
     "\x00\xD8"
     "a\0"
     "\x00\xDC"
     "b"s,
     {"\xEF\xBF\xBD"
      "a\xEF\xBF\xBD\xEF\xBF\xBD"}},
    {"Utf16MarkOnly", "\xFF\xFE", {}},
    {"LongLineCutAtCharacter", "ab\xC2\xB0\xC2\xB0x\nyz", {"ab\xC2\xB0", "yz"}, 4},
    {"Long1252LineCutAfterDecoding", "\xB0\xB0\xB0\n", {"\xC2\xB0"}, 3},
    {"LongUtf16LineCut",
     "\xFF\xFE"
     "a\0b\0c\0\n\0d\0"s,
     {"ab", "d"},
     2},
};

class DecodeTextFile : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTextFile, GivesUtf8Lines) {
    const DecodeCase& c = GetParam();
    EXPECT_EQ(decodeLines(c.bytes, c.maxLine), c.lines);

    FakeServices services;
    services.files["f"] = c.bytes;
    services.readPiece = 1;
    const OpenedFile opened = services.openFile("f");
    TextFileLines reader(*opened.file, c.maxLine);
    std::vector<std::string> streamed;
    while (std::optional<std::string> line = reader.next()) {
        streamed.push_back(*line);
    }
    EXPECT_EQ(streamed, c.lines);
    EXPECT_EQ(reader.failure(), "");
}

INSTANTIATE_TEST_SUITE_P(Texts, DecodeTextFile, ::testing::ValuesIn(kDecodes), rowName);

TEST(SplitLines, PastedTextEndsLinesAtCrCrLfAndLf) {
    EXPECT_EQ(splitLines("a\r\n\nb\rc\n"), (std::vector<std::string>{"a", "", "b", "c"}));
}

} // namespace
} // namespace zolvan::testing
