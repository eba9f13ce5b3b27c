#pragma once
// What the handlers need from a window system and cannot model themselves. The Qt window
// implements it; tests and the command-line tool use fakes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    // Folders, best first, where files delivered with the program may lie after the current
    // directory: the installed data folder, then the program's own folder.
    virtual std::vector<std::string> dataFolders() = 0;

    // Plain-text clipboard, in UTF-8.
    virtual void clipboardClear() = 0;
    virtual void clipboardSetText(std::string_view text) = 0;
    virtual std::string clipboardText() = 0;

    // The print dialog: the number of copies chosen, or nothing when the user cancelled.
    virtual std::optional<int> showPrintDialog() = 0;
    // One line of the current print document, and its end: the lines printed since the last end
    // go to the printer as one document. False when the printer failed.
    virtual void printLine(std::string_view line) = 0;
    virtual bool endDocument() = 0;

    // The help at its contents page; a web address in the user's browser; the end of the program.
    virtual void showHelpContents() = 0;
    virtual void openUrl(std::string_view url) = 0;
    virtual void exitProgram() = 0;
    // The name of the system the program runs on, for the start-up window.
    virtual std::string platformName() = 0;
};

} // namespace zolvan
