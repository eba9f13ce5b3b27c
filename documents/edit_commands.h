#pragma once
// The Edit menu over the input line and the clipboard, and Clear Display. Copy with nothing
// selected copies the displayed result, which is how a result leaves the program. Every command
// gives the focus back to the input line.

namespace zolvan {

class Workspace;

class EditCommands {
public:
    explicit EditCommands(Workspace& workspace);
    EditCommands(const EditCommands&) = delete;
    EditCommands& operator=(const EditCommands&) = delete;

    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuDelete_Click();
    void mnuSelect_Click();
    // Clears the display's echo, designation and value labels; the input line, the history, the
    // result texts and the memory stay.
    void mnuClear_Click();

private:
    Workspace& m_ws;
};

} // namespace zolvan
