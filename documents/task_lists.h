#pragma once
// Task lists: New empties the history, Save writes it to a task file, Open and Example feed a
// file's lines through the calculate command again as a batch. A batch lets pending window events
// run once per line, which is where Escape sets cancelRequested and stops it before its next
// line. File errors and cancelled dialogs end a command without a message.

#include "workspace/controls.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zolvan {

class Workspace;

class TaskLists {
public:
    explicit TaskLists(Workspace& workspace);
    TaskLists(const TaskLists&) = delete;
    TaskLists& operator=(const TaskLists&) = delete;

    Frame fraWait{"", false};     // busy panel shown while a batch runs
    std::array<Label, 3> lblWait; // its three lines

    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuExample_Click();

    bool batchRunning() const { return m_running; }
    // Calculates lines that were pasted together, each in turn as Open does: the busy panel
    // shows, Escape stops before the next line, empty lines are skipped. Does nothing while a
    // batch runs.
    void runPastedLines(const std::vector<std::string>& lines);

private:
    enum class Reading { Open, Example };
    // Runs the lines; the event pump may start other commands between lines, but not a batch.
    void runBatch(const std::vector<std::string>& lines, Reading reading);
    std::optional<std::string> readExample();
    void showBusy(bool busy, bool hideRows);

    Workspace& m_ws;
    bool m_running = false;
};

} // namespace zolvan
