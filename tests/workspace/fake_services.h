#pragma once
// A window-services fake for workspace tests: a chosen decimal separator and clock seed, and a
// record of what the handlers asked of the window system.

#include "documents/window_model.h"
#include "workspace/window_services.h"

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
    void doEvents() override { ++eventPumps; }
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
