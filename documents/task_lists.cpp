#include "documents/task_lists.h"

#include "documents/task_text.h"
#include "workspace/text_lines.h"
#include "workspace/workspace.h"

#include <optional>

namespace zolvan {

namespace {

constexpr std::string_view kTaskFilter =
    "All Files (*.*)|*.*|Text Files(*.txt)|*.txt|Task Files (*.tsk)|*.tsk";
constexpr int kOpenPreselected = 3; // task files
constexpr int kSavePreselected = 2; // text files
constexpr std::string_view kExampleName = "Example.tsk";

} // namespace

TaskLists::TaskLists(Workspace& workspace) : m_ws(workspace) {
    lblWait[0].caption = "PLEASE WAIT";
    lblWait[1].caption = "Calculating in progress!";
    lblWait[2].caption = "Press ESC for cancel";
    m_ws.mnuNew.bind([this] { mnuNew_Click(); });
    m_ws.mnuOpen.bind([this] { mnuOpen_Click(); });
    m_ws.mnuSave.bind([this] { mnuSave_Click(); });
}

// Memory, statistics data and settings survive; ":ans" refers to nothing afterwards.
void TaskLists::mnuNew_Click() {
    m_ws.txtUnosFormule.setText("");
    for (Label* label : {&m_ws.lblRezultat[0], &m_ws.lblRezultat[1], &m_ws.lblUnosFormule[0],
                         &m_ws.lblUnosFormule[1]}) {
        label->caption.clear();
    }
    m_ws.engine.AnsText.clear();
    m_ws.engine.ResultText.clear();
    m_ws.engine.NormalizedLine.clear();
    m_ws.engine.PrevNormalizedLine.clear();
    m_ws.hints.clear();
    m_ws.cmbLista.clear();
    m_ws.lstRezultat.clear();
    m_ws.focus = FocusTarget::txtUnosFormule;
}

void TaskLists::mnuOpen_Click() {
    if (m_running) {
        return;
    }
    const std::optional<std::string> path =
        m_ws.services().showOpenDialog(kTaskFilter, kOpenPreselected);
    if (!path) {
        return;
    }
    const std::optional<std::string> bytes = m_ws.services().readFile(*path);
    if (!bytes) {
        return;
    }
    runBatch(splitLines(decodeText(*bytes)), Reading::Open);
}

// Newest row first, CR LF after every line; a failed write leaves an earlier file as it was.
void TaskLists::mnuSave_Click() {
    const std::optional<std::string> path =
        m_ws.services().showSaveDialog(kTaskFilter, kSavePreselected);
    if (!path) {
        return;
    }
    std::string text;
    const std::size_t rows = m_ws.cmbLista.items.size();
    for (std::size_t i = 0; i < rows; ++i) {
        const std::string empty;
        const std::string& result =
            i < m_ws.lstRezultat.items.size() ? m_ws.lstRezultat.items[i] : empty;
        text += taskLine(m_ws.cmbLista.items[i], result);
        text += "\r\n";
    }
    m_ws.services().writeFile(*path, text);
}

void TaskLists::mnuExample_Click() {
    if (m_running) {
        return;
    }
    const std::optional<std::string> bytes = readExample();
    if (!bytes) {
        return;
    }
    runBatch(splitLines(decodeText(*bytes)), Reading::Example);
}

// By its bare name in the current directory first, then where the program's files were
// installed, so that the command also works when the program was started from a desktop menu.
std::optional<std::string> TaskLists::readExample() {
    std::optional<std::string> bytes = m_ws.services().readFile(std::string(kExampleName));
    for (const std::string& folder : m_ws.services().dataFolders()) {
        if (bytes) {
            break;
        }
        bytes = m_ws.services().readFile(folder + "/" + std::string(kExampleName));
    }
    return bytes;
}

void TaskLists::runPastedLines(const std::vector<std::string>& lines) {
    if (!m_running) {
        runBatch(lines, Reading::Open);
    }
}

void TaskLists::runBatch(const std::vector<std::string>& lines, Reading reading) {
    m_running = true;
    m_ws.cancelRequested = false;
    showBusy(true, reading == Reading::Open);
    for (const std::string& line : lines) {
        m_ws.services().doEvents();
        if (m_ws.cancelRequested) {
            break;
        }
        std::string input = line;
        if (reading == Reading::Open) {
            if (line.empty()) {
                continue;
            }
        } else if (const std::size_t equals = line.find('='); equals != std::string::npos) {
            if (equals == 0) {
                continue;
            }
            input.resize(equals);
        }
        m_ws.txtUnosFormule.setText(std::move(input));
        m_ws.convertChem2Text();
    }
    showBusy(false, reading == Reading::Open);
    m_running = false;
}

void TaskLists::showBusy(bool busy, bool hideRows) {
    fraWait.visible = busy;
    if (hideRows) {
        for (Label* label : {&m_ws.lblUnosFormule[0], &m_ws.lblUnosFormule[1], &m_ws.lblRezultat[0],
                             &m_ws.lblRezultat[1]}) {
            label->visible = !busy;
        }
    }
}

} // namespace zolvan
