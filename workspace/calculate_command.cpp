// The calculate command: a "#" command line changes the memory, the display mode or the angle
// unit; any other line goes through the engine and its result onto the display and the history.

#include "engine/ascii.h"
#include "engine/calculate.h"
#include "engine/fault.h"
#include "engine/fault_text.h"
#include "engine/hints.h"
#include "engine/number_text.h"
#include "workspace/key_codes.h"
#include "workspace/workspace.h"

#include <algorithm>
#include <cmath>

namespace zolvan {

using namespace ascii;

namespace {

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string asciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = toLower(c);
    }
    return lower;
}

bool contains(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

// The number a text starts with, after blanks: sign, digits with one decimal separator, and an
// exponent only when digits follow its letter. Empty when no digit starts it.
std::string_view leadingNumber(std::string_view text, char decimalSeparator) {
    const std::size_t start = std::min(text.find_first_not_of(" \t"), text.size());
    return text.substr(start, scanNumber(text.substr(start), decimalSeparator).length);
}

// The solver a line asked for, read from its canonical text as the normalizer decides it: a
// square ("X^2", or the "x^2" of a solved equation) before statistics (":sum", or "sum" when the
// colons are removed). No other canonical text holds these lower-case letters.
std::int16_t requestKind(std::string_view canonical) {
    // Powers are rare: look for the caret alone instead of each spelling of "x^2".
    for (std::size_t at = canonical.find('^', 1); at < canonical.size() - 1;
         at = canonical.find('^', at + 1)) {
        const char base = canonical[at - 1];
        if ((base == 'X' || base == 'x') && canonical[at + 1] == '2') {
            return 2;
        }
    }
    return contains(canonical, "sum") ? 1 : 0;
}

} // namespace

void Workspace::txtUnosFormule_KeyPress(int keyAscii) {
    if (keyAscii == keys::Enter) {
        convertChem2Text();
    }
}

const LineReport& Workspace::calculateLine(std::string line) {
    txtUnosFormule.setText(std::move(line));
    return convertChem2Text();
}

void LineReport::clear() {
    commandLine = false;
    answered = false;
    canonical.clear();
    arithmetic.clear();
    result.clear();
    kind = 0;
    rows.clear();
    unknown.reset();
    error.reset();
    composed = false;
    historyInput.clear();
    historyResult.clear();
    hints.clear();
}

const LineReport& Workspace::convertChem2Text() {
    convertChem2Text(m_report);
    return m_report;
}

void Workspace::convertChem2Text(LineReport& report) {
    engine.InputLine.assign(trimBlanks(txtUnosFormule.text()));
    hints.clear();
    report.clear();
    if (!engine.InputLine.empty() && engine.InputLine.front() == '#') {
        runCommandLine(report);
    } else {
        runCalculation(report);
    }
}

void Workspace::runCommandLine(LineReport& report) {
    report.commandLine = true;
    report.historyInput = engine.InputLine;
    // The solution words come first: their units ("mM", "mL") must not be read as other words.
    const Composition* last = lastComposition();
    const std::optional<double> molarMass = last ? std::optional(last->mass) : std::nullopt;
    if (const auto answer = solutionCommand(engine.InputLine, molarMass, engine.DecimalSeparator)) {
        runSolutionLine(report, *answer);
        return;
    }
    const std::string line = asciiLower(engine.InputLine);
    if (contains(line, "mem")) {
        const std::optional<double> result = readUserNumber(engine.ResultText);
        if (contains(line, "mem+")) {
            engine.MemoryValue += result.value_or(0.0);
        } else if (contains(line, "mem-")) {
            engine.MemoryValue -= result.value_or(0.0);
        } else if (result) {
            engine.MemoryValue = *result;
        } else if (engine.ResultText.empty()) {
            engine.MemoryValue = 0.0;
        }
        report.historyResult = userNumberText(engine.MemoryValue);
        recordHistory(report.historyInput, report.historyResult);
        applyMemoryIndicator();
    } else {
        if (contains(line, "auto")) {
            numberSettings.selectDisplayMode(0);
        } else if (contains(line, "sci")) {
            numberSettings.selectDisplayMode(1);
            decimalsFromCommand(line, "sci");
        } else if (contains(line, "fix")) {
            numberSettings.selectDisplayMode(2);
            decimalsFromCommand(line, "fix");
        }
        if (contains(line, "grad")) {
            numberSettings.selectAngleUnit(2);
        } else if (contains(line, "deg")) {
            numberSettings.selectAngleUnit(1);
        } else if (contains(line, "rad")) {
            numberSettings.selectAngleUnit(0);
        }
        recordHistory(report.historyInput, report.historyResult);
    }
    txtUnosFormule.clear();
    focusInput();
}

// Hands the number after the word to the decimal places, whose handler checks and limits it.
// `lowerLine` is InputLine in lower case, so positions agree with InputLine.
void Workspace::decimalsFromCommand(std::string_view lowerLine, std::string_view word) {
    const std::size_t after = lowerLine.find(word) + word.size();
    const std::string_view rest = std::string_view(engine.InputLine).substr(after);
    const std::string_view number = leadingNumber(rest, engine.DecimalSeparator);
    double places = 0.0;
    if (!number.empty()) {
        places = readNumber(number, engine.DecimalSeparator).value_or(0.0);
    }
    if (!std::isfinite(places)) {
        // Too large for a double: as large as a double goes, which the handler limits to 12.
        places = std::copysign(1e308, places);
    }
    numberSettings.typeDecimals(userNumberText(places));
}

// A solution command's answer is shown and recorded as the line's result, like a calculation's:
// the line before it moves to the previous row.
void Workspace::runSolutionLine(LineReport& report, const SolutionAnswer& answer) {
    report.answered = true;
    report.result = answer.text;
    if (answer.fault) {
        report.error = answer.text;
    }
    if (engine.CalcKind == 0) {
        engine.PrevNormalizedLine = engine.NormalizedLine;
        engine.PrevExpandedLine = engine.ExpandedLine;
        engine.AnsText = engine.ResultText;
    }
    engine.NormalizedLine = engine.InputLine;
    engine.ExpandedLine.clear();
    engine.ResultText = answer.text;
    std::string historyInput;
    arrangeDisplay(historyInput, report.historyResult);
    echoInputs();
    txtUnosFormule.clear();
    recordHistory(report.historyInput, report.historyResult);
    focusInput();
}

namespace {

// " text ": written into the tooltip's own memory, which a concatenation would replace, with
// one change of size and one copy.
void setPaddedToolTip(Label& label, std::string_view text) {
    std::string& tip = label.toolTip;
    tip.resize(text.size() + 2);
    tip.front() = ' ';
    text.copy(tip.data() + 1, text.size());
    tip.back() = ' ';
}

// Writes the parts one after the other into `text`'s own memory.
void joinInto(std::string& text, std::initializer_list<std::string_view> parts) {
    text.clear();
    for (std::string_view part : parts) {
        text.append(part);
    }
}

} // namespace

// The echo rows are written from the engine's texts: four short copies cost less than trading
// the rows' texts and comparing the previous row with what it should show.
void Workspace::echoInputs() {
    if (!displayShown) {
        return;
    }
    Label& previous = lblUnosFormule[1];
    Label& current = lblUnosFormule[0];
    previous.caption.assign(engine.PrevNormalizedLine);
    setPaddedToolTip(previous, engine.PrevExpandedLine);
    current.caption.assign(engine.NormalizedLine);
    setPaddedToolTip(current, engine.ExpandedLine);
}

// The engine's texts of this line only: a solver's rows and kind, an ordinary line's result and
// its composition. A solver that ends without writing a message leaves the last line's result in
// ResultText; that is not this line's.
void Workspace::reportCalculation(LineReport& report, const std::string& resultBefore) {
    report.canonical = engine.NormalizedLine;
    report.kind = requestKind(engine.NormalizedLine);
    const bool solved = engine.CalcKind == 1 || engine.CalcKind == 2;
    // The solvers evaluate no arithmetic (the expanded text may still be the last line's), and
    // their values are the rows.
    if (report.kind != 0) {
        report.rows = engine.ResultRows;
        if (!solved && engine.ResultText != resultBefore) {
            report.result = engine.ResultText;
        }
    } else {
        report.arithmetic = engine.ExpandedLine;
        report.result = engine.ResultText;
    }
    if (engine.UnknownSymbolFlag) {
        report.unknown = engine.UnknownSymbol;
        report.result = engine.UnknownSymbol + std::string(msg::NotElementSymbol);
    }
    if (isFaultText(report.result)) {
        report.error = report.result;
    }
    // Formula material evaluates to a number, or to an overflow fault.
    report.composed = report.kind == 0 && !report.error && !engine.ResultText.empty() &&
                      isFormulaMaterial(engine.NormalizedLine, engine.DecimalSeparator);
    if (report.composed) {
        compositionLine.assign(engine.NormalizedLine);
        molarMassLine.assign(engine.NormalizedLine);
    } else {
        compositionLine.clear();
    }
    ++linesCalculated;
}

Workspace::ComposedLine* Workspace::knownLine(std::string_view line) const {
    for (ComposedLine& known : m_composed) {
        if (known.line == line && known.separator == engine.DecimalSeparator) {
            return &known;
        }
    }
    return nullptr;
}

Workspace::ComposedLine& Workspace::addLine(std::string_view line) const {
    ComposedLine& entry = m_composed[m_oldestComposed];
    m_oldestComposed = (m_oldestComposed + 1) % m_composed.size();
    entry.line.assign(line);
    entry.separator = engine.DecimalSeparator;
    entry.composition = compositionOf(line, engine.DecimalSeparator);
    entry.exactMass.reset();
    entry.json.clear();
    return entry;
}

Workspace::ComposedLine* Workspace::composedFor(const std::string& line) const {
    if (line.empty()) {
        return nullptr;
    }
    ComposedLine* entry = knownLine(line);
    return entry != nullptr ? entry : &addLine(line);
}

const Composition* Workspace::composition() const {
    const ComposedLine* entry = composedFor(compositionLine);
    return entry && entry->composition ? &*entry->composition : nullptr;
}

const Composition* Workspace::lastComposition() const {
    const ComposedLine* entry = composedFor(molarMassLine);
    return entry && entry->composition ? &*entry->composition : nullptr;
}

const ExactMass* Workspace::exactMass() const {
    ComposedLine* entry = composedFor(compositionLine);
    if (!entry || !entry->composition) {
        return nullptr;
    }
    if (!entry->exactMass) {
        entry->exactMass = exactMassOf(*entry->composition);
    }
    return &*entry->exactMass;
}

std::string* Workspace::compositionJson() const {
    ComposedLine* entry = composedFor(compositionLine);
    return entry && entry->composition ? &entry->json : nullptr;
}

void Workspace::runCalculation(LineReport& report) {
    engine.UnknownSymbolFlag = false;
    // After an ordinary line the engine keeps the result before this line as the last answer;
    // after a solver's table it is kept here.
    const bool answerKept = engine.CalcKind == 0;
    if (!answerKept) {
        m_resultBefore.assign(engine.ResultText);
    }
    calculateExpression(engine);
    if (hintsEnabled) {
        hints = lineHints(engine, engine.InputLine);
        if (!hints.empty()) {
            report.hints = hints;
        }
    }
    reportCalculation(report, answerKept ? engine.AnsText : m_resultBefore);
    // The engine wrote this line's value (a solver without data leaves the last line's result).
    const bool ordinary = report.kind == 0 && engine.CalcKind != 1 && engine.CalcKind != 2;
    const ShownValue* notedResult = nullptr;
    if (ordinary && !engine.ElementPrecision) {
        notedResult = noteGeneralText(engine.ResultText);
    }

    arrangeDisplay(report.historyInput, report.historyResult, notedResult);
    echoInputs();

    if (engine.UnknownSymbolFlag) {
        engine.UnknownSymbolFlag = false;
        engine.ResultText = engine.UnknownSymbol + std::string(msg::NotElementSymbol);
        report.historyResult = engine.ResultText;
        lblRezultat[0].caption = engine.ResultText;
        // Give the canonical line back with the symbol selected, ready to be corrected.
        txtUnosFormule.setText(engine.NormalizedLine);
        const std::string& line = engine.NormalizedLine;
        const std::size_t at =
            engine.UnknownSymbol.empty() ? std::string::npos : line.find(engine.UnknownSymbol);
        if (at == std::string::npos) {
            txtUnosFormule.select(codePointCount(line), 0);
        } else {
            txtUnosFormule.select(codePointCount(std::string_view(line).substr(0, at)),
                                  codePointCount(engine.UnknownSymbol));
        }
    } else {
        txtUnosFormule.clear();
    }
    recordHistory(report.historyInput, report.historyResult);
    focusInput();
}

void Workspace::arrangeDisplay(std::string& historyInput, std::string& historyResult,
                               const ShownValue* notedResult) {
    const std::int16_t kind = engine.CalcKind;
    if (kind == 1 || kind == 2) {
        const bool statistics = kind == 1;
        engine.CalcKind = statistics ? -1 : -2;
        const std::string count = std::to_string(engine.DataCount);
        if (statistics) {
            joinInto(lblOznaka[1].caption, {"n = ", count});
        } else {
            lblOznaka[1].caption.assign("x1 =");
        }
        lblOznaka[2].caption.assign(statistics ? "s =" : "");
        lblOznaka[3].caption.assign(statistics ? "Mean =" : "x2 =");
        engine.AnsText.assign(resultRow(0));
        noteGeneralText(engine.AnsText); // shown in the previous-result row by the next line
        std::swap(engine.PrevNormalizedLine, engine.NormalizedLine);
        engine.NormalizedLine.clear();
        engine.ResultText.assign(resultRow(1));
        // The display below writes a table's deviation row; roots leave it empty.
        if (!statistics) {
            lblRezultat[2].caption.clear();
        }
        PokaziRezultat();
        historyInput.assign(engine.PrevNormalizedLine);
        if (statistics) {
            joinInto(historyResult, {lblRezultat[1].caption, "; n = ", count, "; s = ",
                                     lblRezultat[2].caption, "; Mean = ", lblRezultat[0].caption});
        } else {
            joinInto(historyResult,
                     {"x1 = ", lblRezultat[1].caption, "; x2 = ", lblRezultat[0].caption});
        }
        engine.PrevExpandedLine.clear();
        engine.ExpandedLine.clear();
        return;
    }
    if (kind < 0) {
        // The display still showed a table, or a solver ended with a message.
        engine.CalcKind = 0;
        for (int row = 1; row <= 3; ++row) {
            lblOznaka[row].caption.clear();
        }
        lblRezultat[2].caption.clear();
    }
    showOrdinaryResult(notedResult);
    historyInput = engine.NormalizedLine;
    historyResult = lblRezultat[0].caption;
}

} // namespace zolvan
