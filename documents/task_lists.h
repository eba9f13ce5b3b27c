#pragma once
// Task lists: New empties the history, Save writes it to a task file, Open and Example feed a
// file's lines through the calculate command again as a batch, reading the file a line at a time.
// A batch lets pending window events run once per line, which is where Escape sets
// cancelRequested and stops it before its next line. A cancelled dialog ends a command silently;
// a file that cannot be written, opened or read is reported to the user, naming the file and the
// system's reason, and changes nothing else (a batch keeps the rows it ran before a read error).

#include "workspace/controls.h"
#include "workspace/window_services.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zolvan {

class Workspace;

// The pair of a dialog's filter text ("Text (*.txt)|*.txt|All (*.*)|*.*"), counted from 1, that
// lists the file `path`: the first pair with a pattern of the file's extension, in any case, else
// the first that lists every file; nothing when no pair lists it.
std::optional<int> filterListing(std::string_view filter, std::string_view path);

// Open starts with the task files' filter, then with the filter that lists the file last saved or
// opened, so that a file just saved is in the list.
class TaskLists {
public:
    explicit TaskLists(Workspace& workspace);
    TaskLists(const TaskLists&) = delete;
    TaskLists& operator=(const TaskLists&) = delete;

    Frame fraWait{"", false};     // busy panel shown while a batch runs
    std::array<Label, 3> lblWait; // its three lines
    MenuItem mnuExample;          // Help menu: "&Example"

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
    // The next line of a batch, or nothing at its end.
    using LineSource = std::function<std::optional<std::string>()>;
    // Runs the lines; the event pump may start other commands between lines, but not a batch.
    void runBatch(const LineSource& nextLine, Reading reading);
    void runBatch(const std::vector<std::string>& lines, Reading reading);
    // Runs an opened file as a batch and reports a read error that stopped it.
    void runFile(InputFile& file, std::string_view title, const std::string& path, Reading reading);
    // Example.tsk from the first place that has it; `path` becomes the one opened.
    OpenedFile openExample(std::string& path);
    void showBusy(bool busy, bool hideRows);

    Workspace& m_ws;
    bool m_running = false;
    int m_openFilter = 3; // the filter pair Open starts with: at first the task files
};

} // namespace zolvan
