#pragma once
// The main window's state and handlers, without a window: the engine state, the settings the
// window keeps, the input line, the display and the history, the calculate command, and the
// operations other units ask of them (store the result in memory, clear the session, light an
// indicator...). The other units of the window call those operations instead of writing these
// controls; the Qt view calls the handlers for widget events and shows the controls afterwards.

#include "engine/composition.h"
#include "engine/engine_state.h"
#include "engine/solution.h"
#include "workspace/controls.h"
#include "workspace/history_browser.h"
#include "workspace/number_settings.h"
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

// The indicator row of the display, in its order: display modes, memory, angle units.
enum class Indicator { Automatic, Scientific, Fixed, Memory, Radians, Degrees, Grads };
inline constexpr std::size_t kIndicators = 7;

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

    // Empties every field for the next line; the texts keep their memory.
    void clear();
    friend bool operator==(const LineReport&, const LineReport&) = default;
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
    // Whether anyone sees the display rows and the history (zolvan-cli shows neither). When off,
    // a line sets only the current result row, which gives its history result, and keeps no
    // previous-result row, no input echoes and no history entry; the line's report and the
    // engine state are the same either way.
    bool displayShown = true;
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

    // Menus and items that more than one unit shows, hides, checks or runs; the unit that owns
    // each command sets its onClick.
    MenuItem mnuFile, mnuEdit, mnuInsert, mnuView, mnuHelp; // top-level menus
    MenuItem mnuExpand;                                     // "Expand Zolvan"
    MenuItem mnuShort;                                      // "Show Display only"
    // File and Edit commands that the image menu bar repeats.
    MenuItem mnuNew, mnuOpen, mnuSave, mnuPrint, mnuCut, mnuCopy, mnuPaste, mnuDelete;
    std::array<ImageButton, 10> imgMenu; // image menu bar above the keypad

    // Controls that the calculate command, the display or the keys change.
    TextBox txtUnosFormule;                 // formula input line
    ListBox cmbLista;                       // history of input lines, newest first
    ListBox lstRezultat;                    // history of results, index-aligned with cmbLista
    std::array<Label, 4> lblOznaka;         // designation labels of display rows 1..4
    std::array<Label, 3> lblRezultat;       // value labels: 0 current, 1 previous, 2 third
    std::array<Label, 2> lblUnosFormule;    // echo labels: 0 current line, 1 previous line
    std::array<Label, kIndicators> lblInfo; // indicators AUTO SCI FIX MEM RAD DEG GRAD
    NumberSettings numberSettings;          // display mode, decimals, angle unit

    // The canonical text of the last calculated line when its value is the molar mass of
    // formula material (empty otherwise), and of the last line that was, whose mass the
    // solution commands use. Their compositions are worked out when first asked for.
    std::string compositionLine;
    std::string molarMassLine;
    unsigned linesCalculated = 0;
    const Composition* composition() const;
    const Composition* lastComposition() const;
    // The exact masses of composition(), also worked out when first asked for; nullptr when
    // there is no composition.
    const ExactMass* exactMass() const;
    // The JSON text that zolvan-cli writes from composition() and exactMass(), kept with them
    // since neither ever changes: empty until first written; nullptr when there is no
    // composition.
    std::string* compositionJson() const;

    // Start-up.
    void Form_Load();
    void txtBlank_Click();
    // Hides the image-menu hover mask when it is shown.
    void txtUnosFormule_MouseMove() { hoverReset(); }
    // Moves the image-menu hover mask out of sight when it is shown; the pointer-move handlers of
    // the input line, the keypad and the function panel run it.
    void hoverReset();
    // Puts the hover mask over image button `index`, `left` twips into the bar.
    void showHoverMask(int index, int left);

    // Calculate command (Enter, the "=" button). The report is the workspace's own and holds
    // this line until the next one: its texts keep their memory from line to line.
    const LineReport& convertChem2Text();
    // The same, written into `report`: a caller that keeps its own report.
    void convertChem2Text(LineReport& report);
    void cmdEnter_Click() { convertChem2Text(); }
    // Runs the calculate command for Enter (keys::Enter).
    void txtUnosFormule_KeyPress(int keyAscii);
    // Puts `line` into the input line and runs the calculate command on it, as typing it and
    // pressing Enter does.
    const LineReport& calculateLine(std::string line);

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

    // What the other units ask of the display, the memory and the session.
    // Lights an indicator in the colour of a setting in force, or greys it.
    void setIndicator(Indicator indicator, bool on);
    // The result as a number into the memory; an empty result empties it, another text leaves it.
    void storeResultInMemory();
    // The memory into the input line at the caret, when it holds a value.
    void recallMemory();
    // Adds the result to the memory, or subtracts it; a sum that leaves the doubles is not kept.
    void addResultToMemory(bool subtract);
    // Empties the memory and the data series and greys the memory indicator.
    void clearMemoryAndData();
    // A message of another unit in the current result row.
    void showMessage(std::string_view message);
    // Hides the input echoes and the two value rows while a batch runs, and shows them again.
    void showResultRows(bool shown);
    // Empties the display's echo, designation and value labels and the hints; the input line,
    // the history, the result texts and the memory stay.
    void clearDisplay();
    // A new list: the input line, the display's lines and values, the last answer and the
    // history go; the memory, the data series and the settings stay.
    void clearSession();
    // Whether function names are written with their leading ":" when inserted.
    void showFunctionSeparators(bool on) { engine.ShowSeparators = on; }
    void focusInput() { focus = FocusTarget::txtUnosFormule; }
    // Widens the window to show the side panels when it is narrow, as Expand does.
    void showSidePanels();

    // Helpers shared by the handlers.
    // A text read in the user's number format; nullopt unless it reads as a finite number.
    std::optional<double> readUserNumber(std::string_view text) const;
    // A double written as text in the user's number format.
    std::string userNumberText(double value) const;
    // The display formatting of one value with the current settings, written into `shown`.
    void formatForDisplay(std::string_view value, std::string& shown);
    // Inserts one history pair at the top of cmbLista and lstRezultat, when the display is shown.
    void recordHistory(std::string_view input, std::string_view result);
    // The result recorded with history entry `index`; empty when there is none.
    const std::string& historyResult(std::size_t index) const;
    WindowServices& services() { return m_services; }

private:
    // ResultRows[index], or an empty text when the solver left fewer rows.
    const std::string& resultRow(std::size_t index) const {
        static const std::string kNone;
        return index < engine.ResultRows.size() ? engine.ResultRows[index] : kNone;
    }
    void runCommandLine(LineReport& report);
    void runCalculation(LineReport& report);
    void reportCalculation(LineReport& report, const std::string& resultBefore);
    void runSolutionLine(LineReport& report, const SolutionAnswer& answer);
    void echoInputs();
    void decimalsFromCommand(std::string_view lowerLine, std::string_view word);
    void insertPowerOperator(int digit, int shift);

    WindowServices& m_services;
    HistoryBrowser m_historyBrowser;
    // The result text before a line that follows a solver's table ran (after an ordinary line
    // the engine keeps it as AnsText), kept in one buffer from line to line.
    std::string m_resultBefore;
    LineReport m_report; // of the last line calculated by Enter
    // The settings a display text depends on (the element decimals count only in the
    // molecular-weight mode, which no display setting selects).
    struct DisplaySettings {
        std::int16_t mode = -1;
        std::size_t decimals = 0;
        bool thousands = false;
        char separator = '\0';
        friend bool operator==(const DisplaySettings&, const DisplaySettings&) = default;
    };
    DisplaySettings displaySettings() const;
    // The two values formatted last and their display texts: the previous-result row shows the
    // value that the current row showed one line before, so a line formats at most its own.
    struct ShownValue {
        std::string value;
        std::string shown;
        bool asWritten = false; // shown is the value itself (and not written)
        DisplaySettings settings;
    };
    std::array<ShownValue, 2> m_shown;
    std::size_t m_newerShown = 0; // the slot written last; the other is replaced next
    ShownValue& shownSlot(std::string_view value, const DisplaySettings& settings);
    // Texts the engine writes as values (an ordinary line's result without element precision,
    // the solvers' rows) are in the General Number form, or messages: the automatic mode shows
    // them as they are. The first writes such a text into `shown`; the second remembers one as
    // the value formatted last and gives its slot (nullptr outside the automatic mode).
    void showGeneralText(std::string_view text, std::string& shown);
    const ShownValue* noteGeneralText(std::string_view text);
    // The ordinary rows: the last answer and the result. `notedResult` is the slot in which
    // noteGeneralText has just put ResultText, or nullptr.
    void showOrdinaryResult(const ShownValue* notedResult);
    // Sets the display rows for the kind of result and gives the history pair to record.
    void arrangeDisplay(std::string& historyInput, std::string& historyResult,
                        const ShownValue* notedResult = nullptr);
    // The formula material calculated last, with the canonical texts (and separator) it belongs
    // to: a task file names the same few formulas again and again, and a formula's composition,
    // its exact masses and what is written from them never change. The oldest gives way to a new
    // one.
    struct ComposedLine {
        std::string line;
        char separator = '\0';
        std::optional<Composition> composition;
        std::optional<ExactMass> exactMass; // worked out when first asked for
        std::string json;                   // see compositionJson()
    };
    // The entry of a canonical text, or nullptr when none is kept.
    ComposedLine* knownLine(std::string_view line) const;
    // A new entry for a canonical text with its composition, in place of the oldest.
    ComposedLine& addLine(std::string_view line) const;
    // The entry of a canonical text, added when it is not kept; nullptr for an empty text.
    ComposedLine* composedFor(const std::string& line) const;
    mutable std::array<ComposedLine, 8> m_composed;
    mutable std::size_t m_oldestComposed = 0;
};

} // namespace zolvan
