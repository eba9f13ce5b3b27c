#pragma once
// What the handlers need from a window system and cannot model themselves. The Qt window
// implements it; tests and the command-line tool use fakes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zolvan {

struct MenuItem;

// Files are read up to this size; a larger one is refused, so that no file can make the window
// hold more than a bounded amount of text. 64 MiB holds a task file of a million ordinary lines.
inline constexpr std::uint64_t kMaxReadFileBytes = std::uint64_t{64} << 20;

// What a file or printer operation gave: done, or the system's reason for failing in its own
// words ("No space left on device").
struct ServiceOutcome {
    bool ok = true;
    std::string reason;
    static ServiceOutcome failed(std::string why) { return {false, std::move(why)}; }
};

// A file opened for reading: its bytes, a piece at a time.
class InputFile {
public:
    virtual ~InputFile() = default;
    // Fills the front of `buffer` with the next bytes and tells how many; 0 at the end of the
    // file. Nothing when reading failed, and failure() then tells why.
    virtual std::optional<std::size_t> read(std::span<char> buffer) = 0;
    virtual const std::string& failure() const = 0;
};

// An opened file, or the reason it could not be opened.
struct OpenedFile {
    std::unique_ptr<InputFile> file;
    std::string reason;
};

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
    // Opens a regular file of at most kMaxReadFileBytes for reading. It never blocks: a FIFO, a
    // device or a directory is refused with a reason, as is a larger file.
    virtual OpenedFile openFile(const std::string& path) = 0;
    // Replaces the file as a whole or not at all: a failure leaves an earlier file byte for byte
    // as it was.
    virtual ServiceOutcome writeFile(const std::string& path, std::string_view bytes) = 0;
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
    // go to the printer as one document. A failure's reason starts with the name of the printer or
    // file printed to ("list.pdf: Permission denied").
    virtual void printLine(std::string_view line) = 0;
    virtual ServiceOutcome endDocument() = 0;

    // Tells the user that a command failed, as desktop programs do (a warning message box);
    // `title` names the command, `text` says what failed and why.
    virtual void reportError(std::string_view title, std::string_view text) = 0;
    // The same for a file: "Could not save task.tsk: No space left on device". The file is named
    // without its folders, which the user has just seen in the file dialog.
    void reportFileError(std::string_view title, std::string_view action, std::string_view path,
                         std::string_view reason) {
        const std::size_t slash = path.rfind('/');
        const std::string_view name =
            slash == std::string_view::npos ? path : path.substr(slash + 1);
        std::string text = "Could not ";
        text.append(action).append(" ").append(name).append(": ").append(reason);
        reportError(title, text);
    }

    // The help at its contents page; a web address in the user's browser; the end of the program.
    virtual void showHelpContents() = 0;
    virtual void openUrl(std::string_view url) = 0;
    virtual void exitProgram() = 0;
    // The name of the system the program runs on, for the start-up window.
    virtual std::string platformName() = 0;
};

} // namespace zolvan
