#include "documents/task_lists.h"

#include "documents/task_text.h"
#include "workspace/text_lines.h"
#include "workspace/workspace.h"

#include <algorithm>
#include <optional>

namespace zolvan {

namespace {

constexpr std::string_view kTaskFilter =
    "All Files (*.*)|*.*|Text Files(*.txt)|*.txt|Task Files (*.tsk)|*.tsk";
constexpr int kSavePreselected = 2; // text files
constexpr std::string_view kExampleName = "Example.tsk";
// Titles of the messages that report a failed file command.
constexpr std::string_view kOpenTitle = "Open";
constexpr std::string_view kSaveTitle = "Save";
constexpr std::string_view kExampleTitle = "Example";

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

// The extension of the file named last in `path`, without its dot; empty when it has none.
std::string_view extensionOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? std::string_view{} : name.substr(dot + 1);
}

} // namespace

std::optional<int> filterListing(std::string_view filter, std::string_view path) {
    const std::string_view extension = extensionOf(path);
    std::optional<int> everything;
    int pair = 0;
    for (std::size_t at = 0; at <= filter.size(); ++pair) {
        const std::size_t bar = filter.find('|', at); // after the description
        if (bar == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(filter.find('|', bar + 1), filter.size());
        std::string_view patterns = filter.substr(bar + 1, end - bar - 1);
        at = end + 1;
        while (!patterns.empty()) {
            const std::size_t semicolon = std::min(patterns.find(';'), patterns.size());
            const std::string_view pattern = patterns.substr(0, semicolon);
            patterns.remove_prefix(std::min(semicolon + 1, patterns.size()));
            if (pattern == "*.*" || pattern == "*") {
                everything = everything.value_or(pair + 1);
            } else if (pattern.starts_with("*.") && !extension.empty() &&
                       equalIgnoringCase(pattern.substr(2), extension)) {
                return pair + 1;
            }
        }
    }
    return everything;
}

TaskLists::TaskLists(Workspace& workspace) : m_ws(workspace) {
    lblWait[0].caption = "PLEASE WAIT";
    lblWait[1].caption = "Calculating in progress!";
    lblWait[2].caption = "Press ESC for cancel";
    mnuExample = menuItem("&Example");
    m_ws.mnuNew.onClick = [this] { mnuNew_Click(); };
    m_ws.mnuOpen.onClick = [this] { mnuOpen_Click(); };
    m_ws.mnuSave.onClick = [this] { mnuSave_Click(); };
    mnuExample.onClick = [this] { mnuExample_Click(); };
}

// Memory, statistics data and settings survive.
void TaskLists::mnuNew_Click() {
    m_ws.clearSession();
}

void TaskLists::mnuOpen_Click() {
    if (m_running) {
        return;
    }
    const std::optional<std::string> path =
        m_ws.services().showOpenDialog(kTaskFilter, m_openFilter);
    if (!path) {
        return;
    }
    const OpenedFile opened = m_ws.services().openFile(*path);
    if (!opened.file) {
        m_ws.services().reportFileError(kOpenTitle, "open", *path, opened.reason);
        return;
    }
    m_openFilter = filterListing(kTaskFilter, *path).value_or(m_openFilter);
    runFile(*opened.file, kOpenTitle, *path, Reading::Open);
}

// Newest row first, CR LF after every line; a failed write leaves an earlier file as it was.
void TaskLists::mnuSave_Click() {
    const std::optional<std::string> path =
        m_ws.services().showSaveDialog(kTaskFilter, kSavePreselected);
    if (!path) {
        return;
    }
    std::string text;
    for (std::size_t i = 0; i < m_ws.cmbLista.size(); ++i) {
        text += taskLine(m_ws.cmbLista.items()[i], m_ws.historyResult(i));
        text += "\r\n";
    }
    const ServiceOutcome saved = m_ws.services().writeFile(*path, text);
    if (!saved.ok) {
        m_ws.services().reportFileError(kSaveTitle, "save", *path, saved.reason);
        return;
    }
    m_openFilter = filterListing(kTaskFilter, *path).value_or(m_openFilter);
}

void TaskLists::mnuExample_Click() {
    if (m_running) {
        return;
    }
    std::string path;
    const OpenedFile opened = openExample(path);
    if (!opened.file) {
        m_ws.services().reportFileError(kExampleTitle, "open", path, opened.reason);
        return;
    }
    runFile(*opened.file, kExampleTitle, path, Reading::Example);
}

// By its bare name in the current directory first, then where the program's files were
// installed, so that the command also works when the program was started from a desktop menu.
// When no place has it, the reason given is the one for the bare name.
OpenedFile TaskLists::openExample(std::string& path) {
    path = kExampleName;
    OpenedFile opened = m_ws.services().openFile(path);
    for (const std::string& folder : m_ws.services().dataFolders()) {
        if (opened.file) {
            break;
        }
        const std::string installed = folder + "/" + std::string(kExampleName);
        if (OpenedFile found = m_ws.services().openFile(installed); found.file) {
            path = installed;
            opened = std::move(found);
        }
    }
    return opened;
}

void TaskLists::runFile(InputFile& file, std::string_view title, const std::string& path,
                        Reading reading) {
    TextFileLines lines(file);
    runBatch([&lines] { return lines.next(); }, reading);
    if (!lines.failure().empty()) {
        m_ws.services().reportFileError(title, "read", path, lines.failure());
    }
}

void TaskLists::runPastedLines(const std::vector<std::string>& lines) {
    if (!m_running) {
        runBatch(lines, Reading::Open);
    }
}

void TaskLists::runBatch(const std::vector<std::string>& lines, Reading reading) {
    std::size_t next = 0;
    runBatch(
        [&]() -> std::optional<std::string> {
            return next < lines.size() ? std::optional<std::string>(lines[next++]) : std::nullopt;
        },
        reading);
}

void TaskLists::runBatch(const LineSource& nextLine, Reading reading) {
    m_running = true;
    m_ws.cancelRequested = false;
    showBusy(true, reading == Reading::Open);
    while (std::optional<std::string> line = nextLine()) {
        m_ws.services().doEvents();
        if (m_ws.cancelRequested) {
            break;
        }
        if (reading == Reading::Open) {
            if (line->empty()) {
                continue;
            }
        } else if (const std::size_t equals = line->find('='); equals != std::string::npos) {
            if (equals == 0) {
                continue;
            }
            line->resize(equals);
        }
        m_ws.calculateLine(std::move(*line));
    }
    showBusy(false, reading == Reading::Open);
    m_running = false;
}

void TaskLists::showBusy(bool busy, bool hideRows) {
    fraWait.visible = busy;
    if (hideRows) {
        m_ws.showResultRows(!busy);
    }
}

} // namespace zolvan
