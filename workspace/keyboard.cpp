// The window's key preview: function keys, Escape, and Ctrl/Alt with a digit for powers and
// roots. It only adds its effect; the focused control still receives the key afterwards.

#include "workspace/workspace.h"

namespace zolvan {

namespace {

enum KeyCode : int {
    kEscape = 27,
    kDigit1 = 49,
    kDigit9 = 57,
    kF2 = 113,
    kF3 = 114,
    kF4 = 115,
    kF5 = 116,
    kF6 = 117,
    kF7 = 118,
    kF8 = 119,
    kF12 = 123,
};

constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// Moves a three-way option group to its next button, the last one back to the first.
void cycle(OptionGroup& group) {
    const int count = static_cast<int>(group.buttons.size());
    if (count > 0) {
        group.select((group.selected() + 1) % count);
    }
}

// An operand holding an operator is bracketed before a power or root is applied to it. The
// minus sign is left out, so a negative number stays as it is.
bool needsBrackets(std::string_view operand) {
    return operand.find_first_of(":+*%/^") != std::string_view::npos;
}

} // namespace

void Workspace::Form_KeyDown(int keyCode, int shift) {
    // An empty row inserts nothing, and so never deletes a selection either.
    const auto insertCaption = [this](const Label& label) {
        if (!label.caption.empty()) {
            txtUnosFormule.insertAtCaret(label.caption);
        }
    };
    switch (keyCode) {
    case kF2:
        insertCaption(lblUnosFormule[0]);
        break;
    case kF3:
        insertCaption(lblRezultat[1]);
        break;
    case kF4:
        insertCaption(lblUnosFormule[1]);
        break;
    case kF5:
        cycle(optNumber);
        break;
    case kF6:
        if (std::optional<double> result = readUserNumber(engine.ResultText)) {
            engine.MemoryValue = *result;
        } else if (engine.ResultText.empty()) {
            engine.MemoryValue = 0.0;
        }
        applyMemoryIndicator();
        break;
    case kF7:
        if (engine.MemoryValue != 0.0) {
            txtUnosFormule.insertAtCaret(userNumberText(engine.MemoryValue));
        }
        break;
    case kF8:
        cycle(optRadDeg);
        break;
    case kF12:
        toggleDisplayOnly();
        break;
    case kEscape:
        cancelRequested = true;
        txtUnosFormule.setText("");
        break;
    default:
        if (keyCode >= kDigit1 && keyCode <= kDigit9) {
            insertPowerOperator(keyCode - kDigit1 + 1, shift);
        }
        break;
    }
}

void Workspace::insertPowerOperator(int digit, int shift) {
    const bool ctrl = (shift & kCtrlMask) != 0;
    const bool root = (ctrl && (shift & kShiftMask) != 0) || (shift & kAltMask) != 0;
    if (!root && !ctrl) {
        return; // the digit reaches the input line as typed
    }
    std::string operand = txtUnosFormule.selectedText();
    if (needsBrackets(operand)) {
        operand = "(" + operand + ")";
    }
    const std::string d = std::to_string(digit);
    operand += root ? "^(1/" + d + ")" : "^" + d;
    txtUnosFormule.insertAtCaret(operand);
}

} // namespace zolvan
