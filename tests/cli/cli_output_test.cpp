#include "cli/cli_output.h"
#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>

namespace zolvan::cli {
namespace {

// An echoed line as both writers show it: the task line, and the JSON string of the history
// input. Neither lets a control character or an ill-formed byte reach the terminal raw.
struct EchoRow {
    const char* name;
    std::string input;
    std::string taskLine;
    std::string jsonString;
};

const EchoRow kEchoRows[] = {
    {"Plain", "#mem", "#mem", R"("#mem")"},
    {"Escape", "#\x1B]0;x\x07", "#\xE2\x90\x9B]0;x\xE2\x90\x87", R"("#\u001b]0;x\u0007")"},
    {"ShortEscapes", "\b\f\n\r\t", "\xE2\x90\x88\xE2\x90\x8C\xE2\x90\x8A\xE2\x90\x8D\xE2\x90\x89",
     R"("\b\f\n\r\t")"},
    {"Nul", std::string("a\0b", 3),
     "a\xE2\x90\x80"
     "b",
     R"("a\u0000b")"},
    {"Delete", "a\x7F", "a\xE2\x90\xA1", R"("a\u007f")"},
    {"C1Control", "a\xC2\x9B", "a\xEF\xBF\xBD", R"("a\u009b")"},
    {"QuoteAndBackslash", "\"\\", "\"\\", R"("\"\\")"},
    {"LineSeparators", "\xE2\x80\xA8\xE2\x80\xA9", "\xE2\x80\xA8\xE2\x80\xA9", R"("\u2028\u2029")"},
    {"WellFormedStays", "\xC3\xA9\xF0\x9F\x98\x80", "\xC3\xA9\xF0\x9F\x98\x80",
     "\"\xC3\xA9\xF0\x9F\x98\x80\""},
    {"OverlongReplaced", "\xE0\x80\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD",
     "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
    {"SurrogateReplaced", "\xED\xB0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD",
     "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
};

class EchoTest : public ::testing::TestWithParam<EchoRow> {};

TEST_P(EchoTest, ControlsAndBadBytesNeverPassRaw) {
    LineReport report;
    report.commandLine = true;
    report.historyInput = GetParam().input;
    std::string task;
    appendTaskLine(task, report);
    EXPECT_EQ(task, GetParam().taskLine);

    zolvan::testing::StartedWorkspace s;
    std::string json;
    appendJsonLine(json, report, s.w);
    const std::string history = R"("history":[)" + GetParam().jsonString + R"(,""])";
    EXPECT_NE(json.find(history), std::string::npos) << json;
}

INSTANTIATE_TEST_SUITE_P(Texts, EchoTest, ::testing::ValuesIn(kEchoRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zolvan::cli
