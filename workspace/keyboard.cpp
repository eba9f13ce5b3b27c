// The window's key preview: function keys, Escape, and Ctrl/Alt with a digit for powers and
// roots. It only adds its effect; the focused control still receives the key afterwards.

#include "workspace/key_codes.h"
#include "workspace/workspace.h"

namespace zolvan {

namespace {

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
    case keys::F2:
        insertCaption(lblUnosFormule[0]);
        break;
    case keys::F3:
        insertCaption(lblRezultat[1]);
        break;
    case keys::F4:
        insertCaption(lblUnosFormule[1]);
        break;
    case keys::F5:
        numberSettings.nextDisplayMode();
        break;
    case keys::F6:
        storeResultInMemory();
        break;
    case keys::F7:
        recallMemory();
        break;
    case keys::F8:
        numberSettings.nextAngleUnit();
        break;
    case keys::F12:
        mnuShort.click(); // works while the menus, and so their shortcuts, are hidden
        break;
    case keys::Escape:
        cancelRequested = true;
        txtUnosFormule.setText("");
        break;
    default:
        if (keyCode >= keys::Digit1 && keyCode <= keys::Digit9) {
            insertPowerOperator(keyCode - keys::Digit1 + 1, shift);
        }
        break;
    }
}

void Workspace::insertPowerOperator(int digit, int shift) {
    const bool ctrl = (shift & keys::CtrlMask) != 0;
    const bool root = (ctrl && (shift & keys::ShiftMask) != 0) || (shift & keys::AltMask) != 0;
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
