#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>

namespace zolvan {
namespace {

using testing::StartedWorkspace;
using Step = HistoryBrowser::Step;

// Presses Up ('U') and Down ('D') in the input line.
void press(Workspace& w, std::string_view keys) {
    for (char key : keys) {
        w.browseHistory(key == 'U' ? Step::Older : Step::Newer);
    }
}

struct BrowseCase {
    const char* keys;
    const char* line; // the input line afterwards
};

class HistoryKeys : public ::testing::TestWithParam<BrowseCase> {};

// History, newest first: 33, 22, 11; the user has typed "4+" before pressing any key.
TEST_P(HistoryKeys, StepThroughEarlierLinesAndBackToTheDraft) {
    StartedWorkspace s;
    for (const char* line : {"11", "22", "33"}) {
        s.enter(line);
    }
    s.w.txtUnosFormule.setText("4+");
    s.w.txtUnosFormule.select(2, 0);
    press(s.w, GetParam().keys);
    EXPECT_EQ(s.w.txtUnosFormule.text(), GetParam().line);
    EXPECT_EQ(s.w.txtUnosFormule.selStart(), static_cast<int>(s.w.txtUnosFormule.text().size()))
        << "the caret ends after the line, ready to go on typing";
}

INSTANTIATE_TEST_SUITE_P(
    Table, HistoryKeys,
    ::testing::Values(BrowseCase{"U", "33"}, BrowseCase{"UU", "22"}, BrowseCase{"UUU", "11"},
                      BrowseCase{"UUUUU", "11"},                       // stops at the oldest
                      BrowseCase{"UUD", "33"}, BrowseCase{"UD", "4+"}, // back to what was typed
                      BrowseCase{"UUUDDDD", "4+"}, BrowseCase{"D", "4+"}, BrowseCase{"DDU", "33"}));

TEST(HistoryKeys, ANewLineStartsTheNextUpFromTheNewest) {
    StartedWorkspace s;
    s.enter("11");
    s.enter("22");
    press(s.w, "UU");
    s.w.convertChem2Text(); // 11 again
    press(s.w, "U");
    EXPECT_EQ(s.w.txtUnosFormule.text(), "11");
    press(s.w, "U");
    EXPECT_EQ(s.w.txtUnosFormule.text(), "22");
}

TEST(HistoryKeys, AnEmptiedHistoryLeavesTheLineAlone) {
    StartedWorkspace s;
    s.enter("11");
    press(s.w, "U");
    s.w.cmbLista.items.clear();
    s.w.lstRezultat.items.clear();
    s.w.txtUnosFormule.setText("5");
    press(s.w, "UD");
    EXPECT_EQ(s.w.txtUnosFormule.text(), "5");
}

} // namespace
} // namespace zolvan
