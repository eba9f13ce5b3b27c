#pragma once
// A window-services fake for workspace tests: a chosen decimal separator and clock seed, and a
// record of what the handlers asked of the window system.

#include "documents/window_model.h"
#include "workspace/window_services.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zolvan::testing {

class FakeServices : public WindowServices {
public:
    char separator = '.';
    unsigned seed = 12345u;
    int eventPumps = 0;
    std::vector<bool> topmostCalls;
    std::vector<std::string> popupMenus; // captions of the menus opened as pop-ups

    char localeDecimalSeparator() override { return separator; }
    unsigned clockSeed() override { return seed; }
    void doEvents() override {
        ++eventPumps;
        if (onEvents) {
            onEvents(eventPumps);
        }
    }
    void setTopmost(bool on) override { topmostCalls.push_back(on); }
    void showPopupMenu(const MenuItem& menu) override { popupMenus.push_back(menu.caption); }

    // The dialogs answer with the next queued path; an empty queue means the user cancelled.
    // Files live in `files`; a path in `unwritable` refuses to be written.
    struct DialogCall {
        bool save;
        std::string filter;
        int preselected;
    };
    std::vector<DialogCall> dialogCalls;
    std::vector<std::string> dialogAnswers;
    std::map<std::string, std::string> files;
    std::vector<std::string> unwritable;
    std::vector<std::string> folders;
    std::vector<std::string> dataFolders() override { return folders; }

    // The clipboard holds a text, or nothing after it was cleared.
    std::optional<std::string> clipboard;
    void clipboardClear() override { clipboard.reset(); }
    void clipboardSetText(std::string_view text) override { clipboard = std::string(text); }
    std::string clipboardText() override { return clipboard.value_or(""); }

    // The print dialog answers with `copies`, or cancels when it holds nothing. Each ended
    // document is one entry of `printed`.
    std::optional<int> copies;
    bool printerFails = false;
    std::vector<std::string> pending;
    std::vector<std::vector<std::string>> printed;
    std::optional<int> showPrintDialog() override { return copies; }
    void printLine(std::string_view line) override { pending.emplace_back(line); }
    bool endDocument() override {
        if (printerFails) {
            pending.clear();
            return false;
        }
        printed.push_back(std::move(pending));
        pending.clear();
        return true;
    }

    int helpShown = 0;
    std::vector<std::string> urlsOpened;
    int exits = 0;
    void showHelpContents() override { ++helpShown; }
    void openUrl(std::string_view url) override { urlsOpened.emplace_back(url); }
    void exitProgram() override { ++exits; }
    std::string platformName() override { return "Test system"; }

    // Runs between the lines of a batch, as a key pressed then would.
    std::function<void(int pump)> onEvents;

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
        for (const std::string& refused : unwritable) {
            if (refused == path) {
                return false;
            }
        }
        files[path] = std::string(bytes);
        return true;
    }

private:
    std::optional<std::string> answerDialog(bool save, std::string_view filter, int preselected) {
        dialogCalls.push_back({save, std::string(filter), preselected});
        if (dialogAnswers.empty()) {
            return std::nullopt;
        }
        std::string answer = dialogAnswers.front();
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

} // namespace zolvan::testing
