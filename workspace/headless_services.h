#pragma once
// The window services as far as a run without a window has them: a chosen decimal separator,
// the clock, plain files, a clipboard of its own, and dialogs that are always cancelled, since
// nobody could answer them. Errors go to standard error. There is no printer, help viewer or
// browser.

#include "workspace/window_services.h"

namespace zolvan {

class HeadlessServices final : public WindowServices {
public:
    explicit HeadlessServices(char decimalSeparator = '.') : m_separator(decimalSeparator) {}

    char localeDecimalSeparator() override { return m_separator; }
    unsigned clockSeed() override;
    void doEvents() override {}
    void setTopmost(bool) override {}
    void showPopupMenu(const MenuItem&) override {}
    std::optional<std::string> showOpenDialog(std::string_view, int) override {
        return std::nullopt;
    }
    std::optional<std::string> showSaveDialog(std::string_view, int) override {
        return std::nullopt;
    }
    OpenedFile openFile(const std::string& path) override;
    ServiceOutcome writeFile(const std::string& path, std::string_view bytes) override;
    std::vector<std::string> dataFolders() override { return {}; }
    void clipboardClear() override { m_clipboard.clear(); }
    void clipboardSetText(std::string_view text) override { m_clipboard = text; }
    std::string clipboardText() override { return m_clipboard; }
    std::optional<int> showPrintDialog() override { return std::nullopt; }
    void printLine(std::string_view) override {}
    ServiceOutcome endDocument() override { return ServiceOutcome::failed("no printer"); }
    // One line on standard error.
    void reportError(std::string_view title, std::string_view text) override;
    void showHelpContents() override {}
    void openUrl(std::string_view) override {}
    void exitProgram() override {}
    std::string platformName() override { return "Linux"; }

private:
    char m_separator;
    std::string m_clipboard;
};

} // namespace zolvan
