#pragma once
// Prints the task list: one line per row, "input = result" even for an empty result, newest row
// first, each copy its own document. A cancelled dialog ends the command silently; a printer
// error ends it with a message that names the printer or file and the reason.

namespace zolvan {

class Workspace;

class Printing {
public:
    explicit Printing(Workspace& workspace);
    Printing(const Printing&) = delete;
    Printing& operator=(const Printing&) = delete;

    void mnuPrint_Click();

private:
    Workspace& m_ws;
};

} // namespace zolvan
