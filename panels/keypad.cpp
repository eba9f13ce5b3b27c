#include "panels/keypad.h"

#include "workspace/workspace.h"

#include <array>

namespace zolvan {

namespace {

using A = KeyAction;
using C = ButtonColour;
using F = ButtonFont;

constexpr int kPowerKey = 16;
constexpr int kRightButton = 2;

constexpr KeypadKey digit(std::string_view d, int row, int column) {
    return {d, {}, {}, A::Insert, d, {}, {{}, row, column, C::LightGrey, F::Large}};
}

constexpr KeypadKey function(std::string_view name, std::string_view inverse,
                             std::string_view toolTip, int row, int column) {
    return {name, inverse, toolTip, A::Function, name, inverse, {{}, row, column, C::LightGrey}};
}

} // namespace

const std::array<KeypadKey, kKeypadKeys> kKeypad{{
    digit("0", 7, 2),
    digit("1", 6, 2),
    digit("2", 6, 3),
    digit("3", 6, 4),
    digit("4", 5, 2),
    digit("5", 5, 3),
    digit("6", 5, 4),
    digit("7", 4, 2),
    digit("8", 4, 3),
    digit("9", 4, 4),
    {".", {}, " Decimal point ", A::Insert, ".", {}, {{}, 7, 3, C::LightGrey, F::Large}},
    {"exp", {}, " Exponent ", A::Insert, "E", {}, {{}, 7, 4, C::LightGrey}},
    {"-",
     {},
     " Subtraction / Minus sign ",
     A::Insert,
     "-",
     {},
     {{}, 6, 6, C::ToolTip, F::LargeBold}},
    {"+", {}, " Addition ", A::Insert, "+", {}, {{}, 6, 5, C::ToolTip, F::Large}},
    {{}, {}, " Division ", A::Insert, "/", {}, {"division", 5, 6, C::ToolTip, F::LargeBold}},
    {"×", {}, " Multiplication ", A::Insert, "*", {}, {{}, 5, 5, C::ToolTip, F::Large}},
    {{}, {}, " Power ", A::Insert, "^", "^(1/)", {"power", 4, 5, C::ToolTip, F::Large}},
    {"(", {}, " Left parenthesis ", A::Insert, "(", {}, {{}, 3, 2, C::Grey}},
    {"( ... )", {}, " Enclose expression ", A::Enclose, {}, {}, {{}, 3, 3, C::Grey}},
    {")", {}, " Right parenthesis ", A::Insert, ")", {}, {{}, 3, 4, C::Grey}},
    {"%", {}, " Percent ", A::Insert, "%", {}, {{}, 4, 6, C::ToolTip}},
    {{},
     {},
     " Square equation ",
     A::Insert,
     "x^2 + x",
     {},
     {"square_equation", 1, 1, C::LightGrey}},
    function("sum", {}, " Statistical calculations ", 1, 2),
    function("ran", {}, " Random number ", 1, 3),
    function("abs", {}, " Absolute value ", 1, 4),
    function("int", {}, " Integer number ", 1, 5),
    function("ppm", {}, " Parts per milion ", 1, 6),
    function("sin", "asin", " Sine ", 2, 1),
    function("cos", "acos", " Cosine ", 2, 2),
    function("tan", "atan", " Tangent ", 2, 3),
    function("cot", "acot", " Cotangent ", 2, 4),
    function("ln", "aln", " Natural logarithm ", 2, 5),
    function("log", "alog", " Common logarithm ", 2, 6),
    {{}, {}, " pi number ", A::Insert, ":pi", {}, {"pi", 7, 1, C::Grey}},
    {"MS", {}, " Memory store (F6) ", A::MemoryStore, {}, {}, {{}, 4, 1, C::Grey}},
    {"MR", {}, " Memory recall (F7) ", A::MemoryRecall, {}, {}, {{}, 5, 1, C::Grey}},
    {"M+", "M -", " Memory plus ", A::MemoryPlus, {}, {}, {{}, 6, 1, C::Grey}},
    {"←", {}, " Backspace ", A::Backspace, {}, {}, {{}, 3, 6, C::LightRed, F::Symbol}},
    {"C", "AC", " Clear ", A::Clear, {}, {}, {{}, 3, 5, C::LightRed}},
}};

std::string_view spokenName(std::string_view caption, std::string_view toolTip) {
    // A digit is read as a word, so that every button is announced by one.
    static constexpr std::array<std::string_view, 10> kDigitNames{
        "Zero", "One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine"};
    const std::size_t first = toolTip.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        if (caption.size() == 1 && caption[0] >= '0' && caption[0] <= '9') {
            return kDigitNames[static_cast<std::size_t>(caption[0] - '0')];
        }
        return caption;
    }
    return toolTip.substr(first, toolTip.find_last_not_of(' ') - first + 1);
}

Keypad::Keypad(Workspace& workspace) : m_ws(workspace) {
    for (std::size_t i = 0; i < cmdNum.size(); ++i) {
        cmdNum[i].caption = kKeypad[i].caption;
        cmdNum[i].toolTip = kKeypad[i].toolTip;
    }
    chkInverse.caption = "Inv";
    chkInverse.toolTip = " Inverse Function ";
    chkInverse.onClick = [this] { chkInverse_Click(); };
}

std::string Keypad::insertionText(const KeypadKey& key, bool inverse) const {
    const std::string_view text = inverse && !key.inverseText.empty() ? key.inverseText : key.text;
    if (key.action == KeyAction::Function) {
        return (m_ws.engine.ShowSeparators ? ":" : "") + std::string(text);
    }
    return std::string(text);
}

void Keypad::cmdNum_Click(int index) {
    if (index < 0 || index >= kKeypadKeys) {
        return;
    }
    const KeypadKey& key = kKeypad[static_cast<std::size_t>(index)];
    const bool inverse = chkInverse.checked();
    std::string text;
    switch (key.action) {
    case KeyAction::Insert:
    case KeyAction::Function:
        text = insertionText(key, inverse);
        break;
    case KeyAction::Enclose:
        enclose();
        break;
    case KeyAction::MemoryStore:
        m_ws.storeResultInMemory();
        break;
    case KeyAction::MemoryRecall:
        m_ws.recallMemory();
        m_ws.applyMemoryIndicator();
        break;
    case KeyAction::MemoryPlus:
        m_ws.addResultToMemory(inverse); // "M -" subtracts, as its caption says
        break;
    case KeyAction::Backspace:
        backspace();
        break;
    case KeyAction::Clear:
        clear(inverse);
        break;
    }
    // An empty text would delete a selection that the memory and clear keys must leave alone.
    TextBox& line = m_ws.txtUnosFormule;
    if (!text.empty()) {
        line.insertAtCaret(text);
    }
    if (inverse && index == kPowerKey) {
        line.select(codePointCount(line.text()) - 1, 0);
    }
    chkInverse.setChecked(false);
    m_ws.focusInput();
}

void Keypad::enclose() {
    TextBox& line = m_ws.txtUnosFormule;
    if (line.selLength() > 0) {
        line.insertAtCaret("(" + line.selectedText() + ")");
        return;
    }
    line.setText("(" + line.text() + ")");
    line.select(codePointCount(line.text()), 0);
}

void Keypad::backspace() {
    TextBox& line = m_ws.txtUnosFormule;
    savedCaret = static_cast<std::int16_t>(line.selStart());
    if (line.selLength() > 0) {
        line.insertAtCaret("");
    } else if (savedCaret > 0) {
        line.select(savedCaret - 1, 1);
        line.insertAtCaret("");
    }
}

void Keypad::clear(bool all) {
    if (!all) {
        m_ws.txtUnosFormule.setText("");
        return;
    }
    m_ws.clearMemoryAndData();
}

void Keypad::chkInverse_Click() {
    const bool inverse = chkInverse.checked();
    for (std::size_t i = 0; i < cmdNum.size(); ++i) {
        if (!kKeypad[i].inverseCaption.empty()) {
            cmdNum[i].caption = inverse ? kKeypad[i].inverseCaption : kKeypad[i].caption;
        }
    }
    m_ws.focusInput();
}

void Keypad::cmdNum_MouseMove(int /*index*/) {
    m_ws.hoverReset();
}

void Keypad::cmdNum_MouseUp(int /*index*/, int button) {
    if (button == kRightButton) {
        m_ws.services().showPopupMenu(m_ws.mnuInsert);
    }
}

void Keypad::fraCalculator_MouseMove() {
    m_ws.hoverReset();
}

} // namespace zolvan
