#pragma once
// A window-services fake for workspace tests: a chosen decimal separator and clock seed, and a
// record of what the handlers asked of the window system.

#include "documents/window_model.h"
#include "workspace/window_services.h"

#include <algorithm>
#include <functional>
#include <map>
#include <numeric>
#include <string>
#include <vector>

namespace zolvan::testing {

class FakeServices : public WindowServices {
public:
    // What the system answers: the decimal separator, the clock seed, the paths the file dialogs
    // return in turn (none left: cancelled), the files, the data folders, the clipboard (nothing
    // after it was cleared), and the copies of the print dialog (nothing: cancelled).
    char separator = '.';
    unsigned seed = 12345u;
    std::vector<std::string> dialogAnswers, folders;
    std::map<std::string, std::string> files;
    std::vector<std::string> unwritable; // paths that refuse to be written
    std::optional<std::string> clipboard;
    std::optional<int> copies;
    bool printerFails = false;
    std::function<void(int pump)> onEvents = [](int) {}; // runs as a key pressed mid-batch would

    // What the handlers asked for. Each ended print document is one entry of `printed`; a failing
    // printer drops it.
    struct DialogCall {
        bool save;
        std::string filter;
        int preselected;
    };
    std::vector<DialogCall> dialogCalls;
    int eventPumps = 0, helpShown = 0, exits = 0;
    std::vector<bool> topmostCalls;
    std::vector<std::string> popupMenus, urlsOpened, pending; // pending: lines not yet ended
    std::vector<std::vector<std::string>> printed;

    char localeDecimalSeparator() override { return separator; }
    unsigned clockSeed() override { return seed; }
    void doEvents() override { onEvents(++eventPumps); }
    void setTopmost(bool on) override { topmostCalls.push_back(on); }
    void showPopupMenu(const MenuItem& menu) override { popupMenus.push_back(menu.caption); }
    std::optional<std::string> showOpenDialog(std::string_view filter, int preselected) override {
        return answerDialog(false, filter, preselected);
    }
    std::optional<std::string> showSaveDialog(std::string_view filter, int preselected) override {
        return answerDialog(true, filter, preselected);
    }
    std::optional<std::string> readFile(const std::string& path) override {
        const auto found = files.find(path);
        return found == files.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    bool writeFile(const std::string& path, std::string_view bytes) override {
        const bool refused = std::ranges::count(unwritable, path) > 0;
        if (!refused) {
            files[path] = std::string(bytes);
        }
        return !refused;
    }
    std::vector<std::string> dataFolders() override { return folders; }
    void clipboardClear() override { clipboard.reset(); }
    void clipboardSetText(std::string_view text) override { clipboard = std::string(text); }
    std::string clipboardText() override { return clipboard.value_or(""); }
    std::optional<int> showPrintDialog() override { return copies; }
    void printLine(std::string_view line) override { pending.emplace_back(line); }
    bool endDocument() override {
        if (!printerFails) {
            printed.push_back(pending);
        }
        pending.clear();
        return !printerFails;
    }
    void showHelpContents() override { ++helpShown; }
    void openUrl(std::string_view url) override { urlsOpened.emplace_back(url); }
    void exitProgram() override { ++exits; }
    std::string platformName() override { return "Test system"; }

private:
    std::optional<std::string> answerDialog(bool save, std::string_view filter, int preselected) {
        dialogCalls.push_back({save, std::string(filter), preselected});
        if (dialogAnswers.empty()) {
            return std::nullopt;
        }
        const std::string answer = dialogAnswers.front();
        dialogAnswers.erase(dialogAnswers.begin());
        return answer;
    }
};

// A window model after start-up, on a system with the given decimal separator. `w` is its
// workspace.
struct StartedWorkspace {
    FakeServices services;
    WindowModel model{services};
    Workspace& w = model.workspace;

    explicit StartedWorkspace(char separator = '.') {
        services.separator = separator;
        w.Form_Load();
    }

    // Types a line into the input line and presses Enter.
    LineReport enter(std::string line) {
        w.txtUnosFormule.setText(std::move(line));
        return w.convertChem2Text();
    }
};

// The entries of a history list, newest first.
inline std::vector<std::string> entries(const ListBox& list) {
    return {list.items.begin(), list.items.end()};
}

// The captions of a row of labels, each followed by "|".
template <std::size_t N> std::string captions(const std::array<Label, N>& labels) {
    return std::accumulate(labels.begin(), labels.end(), std::string(),
                           [](std::string row, const Label& l) { return row + l.caption + "|"; });
}

} // namespace zolvan::testing
