#pragma once
// What the handlers need from a window system and cannot model themselves. The Qt window
// implements it; tests and the command-line tool use fakes.

#include <optional>
#include <string>
#include <string_view>

namespace zolvan {

struct MenuItem;

class WindowServices {
public:
    virtual ~WindowServices() = default;
    // The decimal separator of the user's number format: '.' or ','.
    virtual char localeDecimalSeparator() = 0;
    // A seed taken from the clock for the random-number generator.
    virtual unsigned clockSeed() = 0;
    // Lets pending window events run once and returns.
    virtual void doEvents() = 0;
    virtual void setTopmost(bool on) = 0;
    // Opens a top-level menu as a pop-up menu at the mouse pointer; a chosen item runs its own
    // command.
    virtual void showPopupMenu(const MenuItem& menu) = 0;

    // File dialogs. `filter` holds description and pattern pairs joined by "|"
    // ("Task (*.tsk)|*.tsk|All files (*.*)|*.*"); `preselected` counts the pairs from 1. The
    // chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> showOpenDialog(std::string_view filter, int preselected) = 0;
    virtual std::optional<std::string> showSaveDialog(std::string_view filter, int preselected) = 0;
    // The whole file, or nothing when it cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
    // Replaces the file as a whole or not at all: false leaves an earlier file as it was.
    virtual bool writeFile(const std::string& path, std::string_view bytes) = 0;
};

} // namespace zolvan
