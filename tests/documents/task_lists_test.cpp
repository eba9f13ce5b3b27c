#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvan {
namespace {

using testing::entries;
using testing::StartedWorkspace;

using Lines = std::vector<std::string>;

// Typed lines, then Save: the file's text.
struct SaveCase {
    const char* name;
    Lines typed;
    std::string file;
};

class SaveTaskList : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveTaskList, WritesNewestRowFirstWithCrLf) {
    StartedWorkspace s;
    for (const std::string& line : GetParam().typed) {
        s.enter(line);
    }
    s.services.dialogAnswers = {"list.txt"};
    s.model.taskLists.mnuSave_Click();
    ASSERT_EQ(s.services.dialogCalls.size(), 1u);
    EXPECT_TRUE(s.services.dialogCalls[0].save);
    EXPECT_EQ(s.services.dialogCalls[0].filter,
              "All Files (*.*)|*.*|Text Files(*.txt)|*.txt|Task Files (*.tsk)|*.tsk");
    EXPECT_EQ(s.services.dialogCalls[0].preselected, 2);
    EXPECT_EQ(s.services.files["list.txt"], GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SaveTaskList,
    ::testing::Values(SaveCase{"EmptyListEmptyFile", {}, ""},
                      SaveCase{"NewestFirst", {"1+1", "2*3"}, "2*3 = 6\r\n1+1 = 2\r\n"},
                      SaveCase{"EmptyResultWithoutEquals",
                               {"2+2", "#auto", "3+3"},
                               "3+3 = 6\r\n#auto\r\n2+2 = 4\r\n"},
                      SaveCase{"MessageIsAResult", {"1/0"}, "1/0 = Cannot divide by zero!\r\n"},
                      SaveCase{"CanonicalTextSaved", {"2h2o"}, "2*(H2O) = 36.0306\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SaveTaskList, CancelledOrRefusedWritesNothing) {
    StartedWorkspace s;
    s.enter("1+1");
    s.services.files["old.tsk"] = "kept";
    s.model.taskLists.mnuSave_Click(); // cancelled: no answer queued
    s.services.unwritable = {"old.tsk"};
    s.services.dialogAnswers = {"old.tsk"};
    s.model.taskLists.mnuSave_Click();
    EXPECT_EQ(s.services.files.size(), 1u);
    EXPECT_EQ(s.services.files["old.tsk"], "kept");
}

// A file's bytes run by Open or by Example: the history afterwards, newest first, as
// "input | result".
struct BatchCase {
    const char* name;
    bool example;
    std::string file;
    Lines history;
};

class RunTaskFile : public ::testing::TestWithParam<BatchCase> {};

Lines pairs(const Workspace& w) {
    Lines out;
    for (std::size_t i = 0; i < w.cmbLista.items.size(); ++i) {
        out.push_back(w.cmbLista.items[i] + " | " + w.lstRezultat.items[i]);
    }
    return out;
}

TEST_P(RunTaskFile, FeedsTheLinesToTheCalculateCommand) {
    const BatchCase& c = GetParam();
    StartedWorkspace s;
    if (c.example) {
        s.services.files["Example.tsk"] = c.file;
        s.model.taskLists.mnuExample_Click();
    } else {
        s.services.files["in.tsk"] = c.file;
        s.services.dialogAnswers = {"in.tsk"};
        s.model.taskLists.mnuOpen_Click();
        EXPECT_EQ(s.services.dialogCalls.at(0).preselected, 3);
    }
    EXPECT_EQ(pairs(s.w), c.history);
    EXPECT_FALSE(s.model.taskLists.fraWait.visible);
    EXPECT_TRUE(s.w.lblRezultat[0].visible);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RunTaskFile,
    ::testing::Values(
        // Open hands the whole line on; the normalizer drops everything from "=".
        BatchCase{
            "OpenRecomputesSavedRows", false, "2*3 = 7\r\n1+1 = 2\r\n", {"1+1 | 2", "2*3 | 6"}},
        BatchCase{"OpenSkipsEmptyLines", false, "1+1\n\n\n2+2\n", {"2+2 | 4", "1+1 | 2"}},
        BatchCase{"ExampleKeepsEmptyLines", true, "1+1\n\n2+2", {"2+2 | 4", " | ", "1+1 | 2"}},
        BatchCase{"ExampleSkipsLeadingEquals", true, "=5\r\n3+3 = 6", {"3+3 | 6"}},
        BatchCase{"ExampleTakesTextBeforeEquals", true, "2^3=x", {"2^3 | 8"}},
        BatchCase{"OpenRunsCommandLines", false, "5\r#mem\r", {"#mem | 5", "5 | 5"}},
        BatchCase{"Windows1252Read", false, "4\xB2\r\n", {"4 | 4"}},
        BatchCase{"EmptyFile", false, "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunTaskFile, OpenAppendsToTheListAndPumpsEventsOncePerLine) {
    StartedWorkspace s;
    s.enter("7");
    s.services.files["in.tsk"] = "1\r\n2\r\n3\r\n";
    s.services.dialogAnswers = {"in.tsk"};
    const int before = s.services.eventPumps;
    s.model.taskLists.mnuOpen_Click();
    EXPECT_EQ(entries(s.w.cmbLista), (Lines{"3", "2", "1", "7"}));
    EXPECT_EQ(s.services.eventPumps - before, 3);
}

// The busy panel and the hidden rows as a line of the batch sees them.
TEST(RunTaskFile, OpenShowsTheBusyPanelAndHidesTheRowsWhileItRuns) {
    for (const bool example : {false, true}) {
        StartedWorkspace s;
        s.services.files["Example.tsk"] = "1";
        s.services.dialogAnswers = {"Example.tsk"};
        bool busy = false;
        bool rowsShown = true;
        s.services.onEvents = [&](int) {
            busy = s.model.taskLists.fraWait.visible;
            rowsShown = s.w.lblRezultat[0].visible && s.w.lblUnosFormule[1].visible;
        };
        example ? s.model.taskLists.mnuExample_Click() : s.model.taskLists.mnuOpen_Click();
        EXPECT_TRUE(busy) << example;
        EXPECT_EQ(rowsShown, example);
    }
}

struct FailureCase {
    const char* name;
    bool example;
    bool answer; // the open dialog picks a file
};

class TaskFileFailure : public ::testing::TestWithParam<FailureCase> {};

// A cancelled dialog or a file that cannot be read changes nothing.
TEST_P(TaskFileFailure, EndsTheCommandQuietly) {
    StartedWorkspace s;
    s.enter("1+1");
    if (GetParam().answer) {
        s.services.dialogAnswers = {"missing.tsk"};
    }
    GetParam().example ? s.model.taskLists.mnuExample_Click() : s.model.taskLists.mnuOpen_Click();
    EXPECT_EQ(entries(s.w.cmbLista), Lines{"1+1"});
    EXPECT_FALSE(s.model.taskLists.fraWait.visible);
    EXPECT_TRUE(s.w.lblRezultat[0].visible);
}

INSTANTIATE_TEST_SUITE_P(Failures, TaskFileFailure,
                         ::testing::Values(FailureCase{"OpenCancelled", false, false},
                                           FailureCase{"OpenUnreadable", false, true},
                                           FailureCase{"ExampleMissing", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunTaskFile, ExampleIsFoundInTheDataFoldersAfterTheCurrentDirectory) {
    StartedWorkspace s;
    s.services.folders = {"/usr/share/zolvan", "/opt/zolvan/bin"};
    s.services.files["/opt/zolvan/bin/Example.tsk"] = "2";
    s.services.files["/usr/share/zolvan/Example.tsk"] = "1";
    s.model.taskLists.mnuExample_Click();
    EXPECT_EQ(entries(s.w.cmbLista), Lines{"1"});
    s.services.files["Example.tsk"] = "3";
    s.model.taskLists.mnuExample_Click();
    EXPECT_EQ(entries(s.w.cmbLista), (Lines{"3", "1"}));
}

// Escape pressed during the pump before line `escapeAt` (1-based): the lines before it stay.
struct EscapeCase {
    const char* name;
    int escapeAt;
    Lines history;
};

class EscapeBatch : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeBatch, StopsBeforeTheNextLine) {
    StartedWorkspace s;
    s.services.files["Example.tsk"] = "1\n2\n3\n4";
    s.services.onEvents = [&](int pump) {
        if (pump == GetParam().escapeAt) {
            s.w.Form_KeyDown(27, 0);
        }
    };
    s.w.cancelRequested = true; // left over from an earlier Escape: cleared by the batch
    s.model.taskLists.mnuExample_Click();
    EXPECT_EQ(entries(s.w.cmbLista), GetParam().history);
    EXPECT_FALSE(s.model.taskLists.fraWait.visible);
}

INSTANTIATE_TEST_SUITE_P(Keys, EscapeBatch,
                         ::testing::Values(EscapeCase{"BeforeFirst", 1, {}},
                                           EscapeCase{"AfterTwo", 3, {"2", "1"}},
                                           EscapeCase{"Never", 0, {"4", "3", "2", "1"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NewTaskList, EmptiesListAndDisplayButKeepsMemoryAndSettings) {
    StartedWorkspace s;
    s.enter("12");
    s.enter("#mem");
    s.enter("#fix 3");
    s.enter("2+2");
    s.w.txtUnosFormule.setText("typed");
    s.model.taskLists.mnuNew_Click();
    EXPECT_TRUE(s.w.cmbLista.items.empty());
    EXPECT_TRUE(s.w.lstRezultat.items.empty());
    EXPECT_EQ(s.w.txtUnosFormule.text(), "");
    EXPECT_EQ(s.w.lblRezultat[0].caption + s.w.lblRezultat[1].caption +
                  s.w.lblUnosFormule[0].caption + s.w.lblUnosFormule[1].caption,
              "");
    EXPECT_EQ(s.w.engine.MemoryValue, 12.0);
    EXPECT_EQ(s.w.DisplayMode, 2);
    EXPECT_EQ(s.w.engine.AnsText + s.w.engine.ResultText + s.w.engine.NormalizedLine +
                  s.w.engine.PrevNormalizedLine,
              "");
}

} // namespace
} // namespace zolvan
