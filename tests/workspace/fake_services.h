#pragma once
// A window-services fake for workspace tests: a chosen decimal separator and clock seed, and a
// record of what the handlers asked of the window system.

#include "ui/window_model.h"
#include "workspace/window_services.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
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
    // Paths that cannot be opened or written, or that fail after their content was read, with
    // the system's reason.
    std::map<std::string, std::string> openFailures, writeFailures, readFailures;
    std::size_t readPiece = 7; // the most bytes one read gives, so lines straddle the pieces
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
    std::vector<std::string> errors; // reported to the user, as "title | text"

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
    OpenedFile openFile(const std::string& path) override {
        const auto found = files.find(path);
        if (openFailures.contains(path) || found == files.end()) {
            return {nullptr,
                    openFailures.contains(path) ? openFailures[path] : "No such file or directory"};
        }
        const auto failure = readFailures.find(path);
        return {std::make_unique<StringFile>(found->second, readPiece,
                                             failure == readFailures.end() ? "" : failure->second),
                {}};
    }
    ServiceOutcome writeFile(const std::string& path, std::string_view bytes) override {
        if (writeFailures.contains(path)) {
            return ServiceOutcome::failed(writeFailures[path]);
        }
        files[path] = std::string(bytes);
        return {};
    }
    std::vector<std::string> dataFolders() override { return folders; }
    void clipboardClear() override { clipboard.reset(); }
    void clipboardSetText(std::string_view text) override { clipboard = std::string(text); }
    std::string clipboardText() override { return clipboard.value_or(""); }
    std::optional<int> showPrintDialog() override { return copies; }
    void printLine(std::string_view line) override { pending.emplace_back(line); }
    ServiceOutcome endDocument() override {
        if (!printerFails) {
            printed.push_back(pending);
        }
        pending.clear();
        return printerFails ? ServiceOutcome::failed("Lab printer: Out of paper")
                            : ServiceOutcome{};
    }
    void reportError(std::string_view title, std::string_view text) override {
        errors.push_back(std::string(title) + " | " + std::string(text));
    }
    void showHelpContents() override { ++helpShown; }
    void openUrl(std::string_view url) override { urlsOpened.emplace_back(url); }
    void exitProgram() override { ++exits; }
    std::string platformName() override { return "Test system"; }

private:
    // A file's bytes in pieces; with a failure, reading fails where the end would be.
    class StringFile final : public InputFile {
    public:
        StringFile(std::string bytes, std::size_t piece, std::string failure)
            : m_bytes(std::move(bytes)), m_piece(piece), m_failure(std::move(failure)) {}
        std::optional<std::size_t> read(std::span<char> buffer) override {
            const std::size_t count = std::min({buffer.size(), m_piece, m_bytes.size() - m_at});
            if (count == 0 && !m_failure.empty()) {
                return std::nullopt;
            }
            std::copy_n(m_bytes.data() + m_at, count, buffer.data());
            m_at += count;
            return count;
        }
        const std::string& failure() const override { return m_failure; }

    private:
        std::string m_bytes;
        std::size_t m_piece;
        std::size_t m_at = 0;
        std::string m_failure;
    };

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

// Names a parameterised case after its row, so that a failure says which row broke.
inline constexpr auto rowName = [](const auto& info) { return std::string(info.param.name); };

// The entries of a history list, newest first.
inline std::vector<std::string> entries(const ListBox& list) {
    return {list.items().begin(), list.items().end()};
}

// The captions of a row of labels, each followed by "|".
template <std::size_t N> std::string captions(const std::array<Label, N>& labels) {
    return std::accumulate(labels.begin(), labels.end(), std::string(),
                           [](std::string row, const Label& l) { return row + l.caption + "|"; });
}

} // namespace zolvan::testing
