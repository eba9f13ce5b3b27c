#include "tests/panels/panel_test.h"

#include <optional>

namespace zolvan::testing {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

// Typed lines, then Save and Print: the file's text, and each copy printed as its own document
// (copies: nothing when the print dialog is cancelled).
struct OutputCase {
    std::string name;
    Lines typed;
    std::string file;
    std::optional<int> copies;
    bool printerFails;
    std::vector<Lines> printed;
};

const Lines kRows{"2*3 = 6", "1+1 = 2"};

const OutputCase kOutputs[] = {
    {"EmptyList", {}, "", 2, false, {{}, {}}},
    {"NewestFirstTwoCopies", {"1+1", "2*3"}, "2*3 = 6\r\n1+1 = 2\r\n", 2, false, {kRows, kRows}},
    {"EmptyResultSavedWithoutEquals", {"#auto"}, "#auto\r\n", 1, false, {{"#auto = "}}},
    {"PrintCancelled", {"1"}, "1 = 1\r\n", std::nullopt, false, {}},
    {"PrinterErrorEndsPrinting", {"1"}, "1 = 1\r\n", 3, true, {}},
};

class SaveAndPrint : public ::testing::TestWithParam<OutputCase> {};

TEST_P(SaveAndPrint, WriteNewestRowFirst) {
    const OutputCase& c = GetParam();
    StartedWorkspace s;
    for (const std::string& line : c.typed) {
        s.enter(line);
    }
    s.services.dialogAnswers = {"list.txt"};
    s.model.taskLists.mnuSave_Click();
    EXPECT_EQ(s.services.files["list.txt"], c.file);
    s.services.copies = c.copies;
    s.services.printerFails = c.printerFails;
    s.model.printing.mnuPrint_Click();
    EXPECT_EQ(s.services.printed, c.printed);
    EXPECT_TRUE(s.services.pending.empty());
    EXPECT_EQ(s.services.errors, c.printerFails
                                     ? Lines{"Print | Could not print to Lab printer: Out of paper"}
                                     : Lines{});
}

INSTANTIATE_TEST_SUITE_P(Lists, SaveAndPrint, ::testing::ValuesIn(kOutputs), rowName);

TEST(SaveTaskList, CancelledWritesNothingAndRefusedIsReported) {
    StartedWorkspace s;
    s.enter("1+1");
    s.services.files["/home/ana/old.tsk"] = "kept";
    s.model.taskLists.mnuSave_Click(); // cancelled: no answer queued
    EXPECT_EQ(s.services.errors, Lines{});
    s.services.writeFailures["/home/ana/old.tsk"] = "No space left on device";
    s.services.dialogAnswers = {"/home/ana/old.tsk"};
    s.model.taskLists.mnuSave_Click();
    EXPECT_EQ(s.services.files.size(), 1u);
    EXPECT_EQ(s.services.files["/home/ana/old.tsk"], "kept");
    EXPECT_EQ(s.services.errors, Lines{"Save | Could not save old.tsk: No space left on device"});
    EXPECT_EQ(entries(s.w.cmbLista), Lines{"1+1"});
}

// Files saved ("S path") or opened ("O path") in turn, then Open: the filter it starts with lists
// the last of them. Save always starts with the text files; a failed save or open changes nothing.
struct FilterCase {
    std::string name;
    Lines commands;
    int openFilter; // 1 all files, 2 text files, 3 task files
};

const FilterCase kFilters[] = {
    {"FirstOpenShowsTaskFiles", {}, 3},
    {"SavedText", {"S /home/ana/day.txt"}, 2},
    {"SavedTaskInCapitals", {"S /home/ana/DAY.TSK"}, 3},
    {"SavedWithoutExtension", {"S /home/ana.v2/day"}, 1},
    {"SavedOtherExtension", {"S day.dat"}, 1},
    {"OpenedAfterSaved", {"S day.tsk", "O day.txt"}, 2},
    {"FailedSaveKeepsTheLast", {"S day.txt", "S /full/day.tsk"}, 2},
    {"FailedOpenKeepsTheLast", {"S day.txt", "O missing.tsk"}, 2},
};

class OpenFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(OpenFilter, ListsTheFileLastSavedOrOpened) {
    const FilterCase& c = GetParam();
    StartedWorkspace s;
    s.enter("1+1");
    s.services.writeFailures["/full/day.tsk"] = "No space left on device";
    s.services.files["day.txt"] = "2+2\n";
    for (const std::string& command : c.commands) {
        s.services.dialogAnswers = {command.substr(2)};
        if (command[0] == 'S') {
            s.model.taskLists.mnuSave_Click();
        } else {
            s.model.taskLists.mnuOpen_Click();
        }
    }
    s.model.taskLists.mnuSave_Click(); // cancelled
    s.model.taskLists.mnuOpen_Click(); // cancelled
    const auto& calls = s.services.dialogCalls;
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2].preselected, 2);
    EXPECT_EQ(calls.back().preselected, c.openFilter);
}

INSTANTIATE_TEST_SUITE_P(Files, OpenFilter, ::testing::ValuesIn(kFilters), rowName);

// A file's bytes run by Open or by Example after "1+1" was entered: the events pumped (one
// before each line), the rows added to the history, newest first, as "input | result" joined by
// ", ", and what the user was told. A file that cannot be opened changes nothing; a read error
// keeps the rows run before.
struct BatchCase {
    std::string name;
    bool example;
    std::optional<std::string> file;
    int pumps;
    std::string added;
    std::string failure = ""; // "open: reason" or "read: reason", as the system gives them
    std::string error = "";
};

const BatchCase kBatches[] = {
    // Open hands the whole line on; the normalizer drops everything from "=".
    {"OpenRecomputesSavedRows", false, "2*3 = 7\r\n5 = 2\r\n", 2, "5 | 5, 2*3 | 6"},
    // A saved hydrate unit reads back to the value it was saved with.
    {"OpenHydrateUnit", false, "(CuSO4(H2O)5)2 = 499.372\r\n", 1, "(CuSO4(H2O)5)2 | 499.372"},
    {"OpenSkipsEmptyLines", false, "3\n\n\n2+2\n", 4, "2+2 | 4, 3 | 3"},
    {"ExampleKeepsEmptyLines", true, "3\n\n2+2", 3, "2+2 | 4,  | , 3 | 3"},
    {"ExampleTakesTextBeforeEquals", true, "=5\r\n3+3 = 6", 2, "3+3 | 6"},
    {"Windows1252Read", false, "4\xB2\r\n", 1, "4 | 4"},
    {"Utf16Read", false, "\377\3762\0*\0003\0"s, 1, "2*3 | 6"}, // FF FE, then "2*3"
    {"OpenRefused", false, "3", 0, "", "open: Not a regular file",
     "Open | Could not open in.tsk: Not a regular file"},
    {"ExampleMissing", true, std::nullopt, 0, "", "",
     "Example | Could not open Example.tsk: No such file or directory"},
    {"ReadErrorKeepsRowsRun", false, "3\n4\n5", 2, "4 | 4, 3 | 3", "read: Input/output error",
     "Open | Could not read in.tsk: Input/output error"},
};

class RunTaskFile : public ::testing::TestWithParam<BatchCase> {};

TEST_P(RunTaskFile, FeedsTheLinesToTheCalculateCommand) {
    const BatchCase& c = GetParam();
    StartedWorkspace s;
    s.enter("1+1");
    const std::string path = c.example ? "Example.tsk" : "/home/ana/in.tsk";
    if (c.file) {
        s.services.files[path] = *c.file;
    }
    if (!c.failure.empty()) {
        (c.failure[0] == 'o' ? s.services.openFailures : s.services.readFailures)[path] =
            c.failure.substr(6);
    }
    s.services.dialogAnswers = {path};
    // While a line runs the busy panel shows, and Open hides the rows as well.
    int pumps = 0;
    s.services.onEvents = [&](int) {
        ++pumps;
        EXPECT_TRUE(s.model.taskLists.fraWait.visible);
        EXPECT_EQ(s.w.lblRezultat[0].visible && s.w.lblUnosFormule[1].visible, c.example);
    };
    c.example ? s.model.taskLists.mnuExample_Click() : s.model.taskLists.mnuOpen_Click();
    EXPECT_EQ(pumps, c.pumps);
    EXPECT_EQ(rows(s.w), c.added + (c.added.empty() ? "" : ", ") + "1+1 | 2");
    EXPECT_EQ(s.services.errors, c.error.empty() ? Lines{} : Lines{c.error});
    EXPECT_EQ(s.services.dialogCalls.size(), c.example ? 0u : 1u);
    EXPECT_FALSE(s.model.taskLists.fraWait.visible);
    EXPECT_TRUE(s.w.lblRezultat[0].visible);
}

INSTANTIATE_TEST_SUITE_P(Files, RunTaskFile, ::testing::ValuesIn(kBatches), rowName);

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
// Exit stops a batch the same way, and so does Escape a paste of several lines.
struct EscapeCase {
    std::string name;
    int escapeAt;
    bool exit, paste;
    Lines history;
};

const EscapeCase kEscapes[] = {
    {"BeforeFirst", 1, false, false, {}},
    {"AfterTwo", 3, false, false, {"2", "1"}},
    {"ExitAfterOne", 2, true, false, {"1"}},
    {"PasteAfterOne", 2, false, true, {"1"}},
};

class StopBatch : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(StopBatch, StopsBeforeTheNextLine) {
    const EscapeCase& c = GetParam();
    StartedWorkspace s;
    s.services.files["Example.tsk"] = "1\n2\n3\n4";
    s.services.clipboard = "1\n2\n3\n4";
    s.services.onEvents = [&](int pump) {
        if (pump == c.escapeAt) {
            c.exit ? s.model.splashAboutHelp.mnuExit_Click() : s.w.Form_KeyDown(27, 0);
        }
    };
    s.w.cancelRequested = true; // left over from an earlier Escape: cleared by the batch
    c.paste ? s.model.editCommands.mnuPaste_Click() : s.model.taskLists.mnuExample_Click();
    EXPECT_EQ(entries(s.w.cmbLista), c.history);
    EXPECT_FALSE(s.model.taskLists.fraWait.visible);
    EXPECT_EQ(s.services.exits, c.exit ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, StopBatch, ::testing::ValuesIn(kEscapes), rowName);

TEST(NewTaskList, EmptiesListAndDisplayButKeepsMemoryAndSettings) {
    StartedWorkspace s;
    for (const char* line : {"12", "#mem", "#fix 3", "2+2"}) {
        s.enter(line);
    }
    s.w.txtUnosFormule.setText("typed");
    s.model.taskLists.mnuNew_Click();
    EXPECT_TRUE(s.w.cmbLista.items().empty());
    EXPECT_TRUE(s.w.lstRezultat.items().empty());
    EXPECT_EQ(s.w.txtUnosFormule.text(), "");
    EXPECT_EQ(captions(s.w.lblRezultat) + captions(s.w.lblUnosFormule), "|||||");
    EXPECT_EQ(s.w.engine.MemoryValue, 12.0);
    EXPECT_EQ(s.w.DisplayMode, 2);
    EXPECT_EQ(s.w.engine.AnsText + s.w.engine.ResultText + s.w.engine.NormalizedLine +
                  s.w.engine.PrevNormalizedLine,
              "");
}

} // namespace
} // namespace zolvan::testing
