#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zolvan {
namespace {

using testing::StartedWorkspace;

using Document = std::vector<std::string>;

struct PrintCase {
    const char* name;
    std::vector<std::string> typed;
    std::optional<int> copies; // nothing: the dialog is cancelled
    std::vector<Document> printed;
};

class PrintTaskList : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintTaskList, PrintsEachCopyAsItsOwnDocument) {
    StartedWorkspace s;
    for (const std::string& line : GetParam().typed) {
        s.enter(line);
    }
    s.services.copies = GetParam().copies;
    s.model.printing.mnuPrint_Click();
    EXPECT_EQ(s.services.printed, GetParam().printed);
    EXPECT_TRUE(s.services.pending.empty());
}

const Document kTwoRows{"2*3 = 6", "1+1 = 2"};

INSTANTIATE_TEST_SUITE_P(
    Lists, PrintTaskList,
    ::testing::Values(PrintCase{"Cancelled", {"1+1"}, std::nullopt, {}},
                      PrintCase{"ThreeCopies", {"1+1", "2*3"}, 3, {kTwoRows, kTwoRows, kTwoRows}},
                      PrintCase{"EmptyResultStillHasEquals", {"#auto"}, 1, {{"#auto = "}}},
                      PrintCase{"EmptyListEndsEmptyDocuments", {}, 2, {{}, {}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintTaskList, APrinterErrorEndsTheCommand) {
    StartedWorkspace s;
    s.enter("1");
    s.services.copies = 3;
    s.services.printerFails = true;
    s.model.printing.mnuPrint_Click();
    EXPECT_TRUE(s.services.printed.empty());
}

} // namespace
} // namespace zolvan
