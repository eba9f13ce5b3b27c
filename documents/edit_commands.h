#pragma once
// The Edit menu over the input line and the clipboard, and Clear Display. Copy with nothing
// selected copies the displayed result, which is how a result leaves the program. Pasting several
// lines calculates them in turn. Every command gives the focus back to the input line.

#include "workspace/controls.h"

namespace zolvan {

class TaskLists;
class Workspace;

class EditCommands {
public:
    EditCommands(Workspace& workspace, TaskLists& taskLists);
    EditCommands(const EditCommands&) = delete;
    EditCommands& operator=(const EditCommands&) = delete;

    MenuItem mnuSelect; // "Select &All"
    MenuItem mnuClear;  // "Clear Displa&y"

    void mnuCut_Click();
    void mnuCopy_Click();
    // One line is inserted at the caret. Several lines are calculated in turn as a batch: the
    // first joins the text around the caret, so that nothing typed is lost, and empty lines are
    // skipped.
    void mnuPaste_Click();
    void mnuDelete_Click();
    void mnuSelect_Click();
    // Clears the display's echo, designation and value labels; the input line, the history, the
    // result texts and the memory stay.
    void mnuClear_Click();

private:
    Workspace& m_ws;
    TaskLists& m_taskLists;
};

} // namespace zolvan
