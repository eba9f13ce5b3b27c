#pragma once
// The window services as far as a run without a window has them: a chosen decimal separator,
// the clock, plain files, and dialogs that are always cancelled, since nobody could answer them.

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
    std::optional<std::string> readFile(const std::string& path) override;
    // Writes a temporary file beside the target and renames it over the target.
    bool writeFile(const std::string& path, std::string_view bytes) override;

private:
    char m_separator;
};

} // namespace zolvan
