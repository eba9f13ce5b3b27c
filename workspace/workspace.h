#pragma once
// The main window's state and handlers, without a window: the engine state, the settings the
// window keeps, the model of its controls, and the handlers that work on them. The Qt view
// calls these handlers for widget events and shows the controls again afterwards.

#include "engine/composition.h"
#include "engine/engine_state.h"
#include "engine/solution.h"
#include "workspace/controls.h"
#include "workspace/history_browser.h"
#include "workspace/window_services.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zolvan {

// Controls that can hold the keyboard focus, as far as the handlers move it.
enum class FocusTarget { None, txtUnosFormule, txtDecimala, txtPower };

// What one run of the calculate command did, for the command-line tool and tests. Every field
// describes this line only.
struct LineReport {
    bool commandLine = false; // the line began with "#" and never reached the engine
    bool answered = false;    // a command line with an answer (#weigh, #molar, #dilute)
    // Engine texts of this line (empty for a command line).
    std::string canonical;
    std::string arithmetic;
    // The line's result: the engine's text, the unknown-symbol message, a command's answer;
    // empty for statistics and roots, whose values are the rows.
    std::string result;
    std::int16_t kind = 0;              // 0 ordinary, 1 statistics, 2 square equation
    std::vector<std::string> rows;      // the solvers' values; empty for an ordinary line
    std::optional<std::string> unknown; // the symbol, when this line raised the flag
    std::optional<std::string> error;   // the result, when it reports a fault
    bool composed = false;              // the value is the molar mass of formula material
    std::string historyInput;
    std::string historyResult;
    std::vector<std::string> hints; // sentences for a line that was probably not what was meant
};

class Workspace {
public:
    explicit Workspace(WindowServices& services);
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    EngineState engine;

    // Settings the window keeps.
    std::int16_t DisplayMode = 0; // 0 automatic, 1 scientific, 2 fixed
    std::string DecimalDigits = "00";
    bool cancelRequested = false;
    // Hints about the last line (see engine/hints.h); the next line, New and Clear Display
    // remove them. They never change a result, the display rows or the history.
    std::vector<std::string> hints;
    bool hintsEnabled = true;
    bool isExpanded = false; // the window shows its right-hand panels
    bool maskShown = false;
    std::int16_t hoverIndex = -1;
    FocusTarget focus = FocusTarget::None;

    // The window itself; sizes in twips (15 to a screen pixel).
    std::string caption = "Korvid. Zolvan";
    int windowWidth = 0;
    int windowHeight = 0;
    bool keyPreview = false;
    int imgButonMaskLeft = 0; // left position of the image-menu hover mask

    // Menus shown, hidden or checked by more than one unit; each command's owner sets onClick.
    MenuItem mnuFile, mnuEdit, mnuInsert, mnuView, mnuHelp; // top-level menus
    MenuItem mnuExpand;                                     // "Expand Zolvan"
    MenuItem mnuShort;                                      // "Show Display only"
    MenuItem mnuTop;                                        // "Always On &Top"
    MenuItem mnuNumber;                                     // "Number &Format..."
    // File and Edit commands that the image menu bar repeats; disabled until they are built.
    MenuItem mnuNew, mnuOpen, mnuSave, mnuPrint, mnuCut, mnuCopy, mnuPaste, mnuDelete;
    std::array<ImageButton, 10> imgMenu; // image menu bar above the keypad

    // Controls that the calculate command, the display or the keys change. The panels own the
    // handlers of their events.
    TextBox txtUnosFormule;              // formula input line
    ListBox cmbLista;                    // history of input lines, newest first
    ListBox lstRezultat;                 // history of results, index-aligned with cmbLista
    std::array<Label, 4> lblOznaka;      // designation labels of display rows 1..4
    std::array<Label, 3> lblRezultat;    // value labels: 0 current, 1 previous, 2 third value
    std::array<Label, 2> lblUnosFormule; // echo labels: 0 current line, 1 previous line
    std::array<Label, 7> lblInfo;        // indicators AUTO SCI FIX MEM RAD DEG GRAD
    OptionGroup optNumber;               // display mode
    TextBox txtDecimala;                 // decimal places
    OptionGroup optRadDeg;               // angle unit in the number-format frame
    OptionGroup optRadiani;              // angle unit on the function panel

    // The canonical text of the last calculated line when its value is the molar mass of
    // formula material (empty otherwise), and of the last line that was, whose mass the
    // solution commands use. Their compositions are worked out when first asked for.
    std::string compositionLine;
    std::string molarMassLine;
    unsigned linesCalculated = 0;
    const Composition* composition() const { return composedFor(compositionLine); }
    const Composition* lastComposition() const { return composedFor(molarMassLine); }

    // Start-up.
    void Form_Load();
    void txtBlank_Click();
    // Hides the image-menu hover mask when it is shown.
    void txtUnosFormule_MouseMove() { hoverReset(); }
    // Moves the image-menu hover mask out of sight when it is shown; the pointer-move handlers of
    // the input line, the keypad and the function panel run it.
    void hoverReset();

    // Calculate command (Enter, the "=" button).
    LineReport convertChem2Text();
    void cmdEnter_Click() { convertChem2Text(); }
    // Runs the calculate command for a carriage return (13).
    void txtUnosFormule_KeyPress(int keyAscii);

    // Result display and history.
    void PokaziRezultat();
    void applyMemoryIndicator();
    void lblRezultat_Click(int index);
    void lblUnosFormule_Click(int index);
    void lblInfo_Click(int index);
    void cmbLista_Click(int index);
    // A click on the hints puts them away before the next line does.
    void dismissHints();
    // Up (Older) and Down (Newer) in the input line.
    void browseHistory(HistoryBrowser::Step direction);

    // Keyboard: key preview sees every key first and never swallows it. shift: 1 Shift, 2 Ctrl,
    // 4 Alt.
    void Form_KeyDown(int keyCode, int shift);

    // Helpers shared by the handlers.
    // A text read in the user's number format; nullopt unless it reads as a finite number.
    std::optional<double> readUserNumber(std::string_view text) const;
    // A double written as text in the user's number format.
    std::string userNumberText(double value) const;
    // The display formatting of one value with the current settings.
    std::string formatForDisplay(std::string_view value) const;
    // Inserts one history pair at the top of cmbLista and lstRezultat.
    void recordHistory(std::string input, std::string result);
    WindowServices& services() { return m_services; }

private:
    // ResultRows[index], or an empty text when the solver left fewer rows.
    const std::string& resultRow(std::size_t index) const;
    void runCommandLine(LineReport& report);
    void runCalculation(LineReport& report);
    void reportCalculation(LineReport& report, const std::string& resultBefore);
    void runSolutionLine(LineReport& report, const SolutionAnswer& answer);
    void echoInputs();
    void arrangeDisplay(std::string& historyInput, std::string& historyResult);
    void decimalsFromCommand(std::string_view lowerLine, std::string_view word);
    void insertPowerOperator(int digit, int shift);

    WindowServices& m_services;
    HistoryBrowser m_historyBrowser;
    const Composition* composedFor(const std::string& line) const;
    // The compositions worked out last, with the canonical texts (and separator) they belong
    // to: a task file names the same few formulas again and again, and a formula's composition
    // never changes. The oldest gives way to a new one.
    struct ComposedLine {
        std::string line;
        char separator = '\0';
        std::optional<Composition> composition;
    };
    mutable std::array<ComposedLine, 8> m_composed;
    mutable std::size_t m_oldestComposed = 0;
};

} // namespace zolvan
