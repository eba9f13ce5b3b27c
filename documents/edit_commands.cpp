#include "documents/edit_commands.h"

#include "documents/task_lists.h"
#include "workspace/text_lines.h"
#include "workspace/workspace.h"

#include <algorithm>

namespace zolvan {

EditCommands::EditCommands(Workspace& workspace, TaskLists& taskLists)
    : m_ws(workspace), m_taskLists(taskLists) {
    mnuSelect = menuItem("Select &All", "Ctrl+A");
    mnuClear = menuItem("Clear Displa&y", "Ctrl+Y");
    m_ws.mnuCut.onClick = [this] { mnuCut_Click(); };
    m_ws.mnuCopy.onClick = [this] { mnuCopy_Click(); };
    m_ws.mnuPaste.onClick = [this] { mnuPaste_Click(); };
    m_ws.mnuDelete.onClick = [this] { mnuDelete_Click(); };
    mnuSelect.onClick = [this] { mnuSelect_Click(); };
    mnuClear.onClick = [this] { mnuClear_Click(); };
}

void EditCommands::mnuCut_Click() {
    TextBox& line = m_ws.txtUnosFormule;
    m_ws.services().clipboardClear();
    if (line.selLength() == 0) {
        m_ws.services().clipboardSetText(line.text());
        line.setText("");
    } else {
        m_ws.services().clipboardSetText(line.selectedText());
        line.insertAtCaret("");
    }
    m_ws.focusInput();
}

void EditCommands::mnuCopy_Click() {
    const TextBox& line = m_ws.txtUnosFormule;
    m_ws.services().clipboardClear();
    m_ws.services().clipboardSetText(line.selLength() == 0 ? m_ws.lblRezultat[0].caption
                                                           : line.selectedText());
    m_ws.focusInput();
}

void EditCommands::mnuPaste_Click() {
    const std::string text = m_ws.services().clipboardText();
    std::vector<std::string> lines = splitLines(text);
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    if (lines.size() < 2 || m_taskLists.batchRunning()) {
        // A line copied with its line end pastes as the line alone.
        m_ws.txtUnosFormule.insertAtCaret(lines.size() == 1 ? lines.front() : text);
    } else {
        m_ws.txtUnosFormule.insertAtCaret(lines.front());
        lines.front() = m_ws.txtUnosFormule.text();
        m_taskLists.runPastedLines(lines);
    }
    m_ws.focusInput();
}

void EditCommands::mnuDelete_Click() {
    TextBox& line = m_ws.txtUnosFormule;
    if (line.selLength() == 0) {
        line.setText("");
    } else {
        line.insertAtCaret("");
    }
    m_ws.focusInput();
}

void EditCommands::mnuSelect_Click() {
    TextBox& line = m_ws.txtUnosFormule;
    line.select(0, codePointCount(line.text()));
    m_ws.focusInput();
}

void EditCommands::mnuClear_Click() {
    m_ws.clearDisplay();
}

} // namespace zolvan
