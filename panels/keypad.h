#pragma once
// The calculator keypad: the button array cmdNum (0 to 38) with the one-shot modifier chkInverse.
// A key click never evaluates: it inserts text at the caret of the input line, rewrites the line
// (enclose, backspace, clear), or works on the memory and the data series. The "=" key is the
// workspace's calculate command and is not handled here.

#include "panels/button_design.h"
#include "workspace/controls.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zolvan {

class Workspace;

enum class KeyAction {
    Insert,   // the key's text (with Inv: its inverse text, when it has one)
    Function, // the function name, with a leading ":" while separators are shown
    Enclose,
    MemoryStore,
    MemoryRecall,
    MemoryPlus,
    Backspace,
    Clear
};

struct KeypadKey {
    std::string_view caption;        // empty for a picture key
    std::string_view inverseCaption; // caption while Inv is ticked; empty when it stays
    std::string_view toolTip;
    KeyAction action;
    std::string_view text;        // inserted text or function name
    std::string_view inverseText; // with Inv ticked; empty when it is the same
    ButtonLook look;
};

inline constexpr int kKeypadKeys = 39;
extern const std::array<KeypadKey, kKeypadKeys> kKeypad;

// The grid in twips: six columns 600 wide, seven rows. Row and column numbers count from 1.
inline constexpr std::array<int, 6> kKeypadColumnLeft{50, 630, 1210, 1800, 2380, 2970};
inline constexpr std::array<int, 7> kKeypadRowTop{2075, 2430, 2910, 3300, 3775, 4260, 4740};
inline constexpr std::array<int, 7> kKeypadRowHeight{375, 375, 400, 500, 500, 500, 500};
inline constexpr int kKeypadKeyWidth = 600;
inline constexpr ButtonLook kInverseLook{{}, 3, 1, ButtonColour::Default, ButtonFont::Small};
inline constexpr ButtonLook kEnterLook{{}, 7, 5, ButtonColour::LightGreen, ButtonFont::Large};
inline constexpr int kEnterWidth = 1190;

class Keypad {
public:
    explicit Keypad(Workspace& workspace);
    Keypad(const Keypad&) = delete;
    Keypad& operator=(const Keypad&) = delete;

    std::array<CommandButton, kKeypadKeys> cmdNum; // keypad keys
    CheckBox chkInverse;                           // "Inv", a modifier for the next key only
    std::int16_t savedCaret = 0;                   // caret position at the last backspace

    void cmdNum_Click(int index);
    void chkInverse_Click();
    void cmdNum_MouseMove(int index);
    // button: 1 left, 2 right, 4 middle. The right button opens the Insert menu at the pointer.
    void cmdNum_MouseUp(int index, int button);
    void fraCalculator_MouseMove();

private:
    std::string insertionText(const KeypadKey& key, bool inverse) const;
    void enclose();
    void backspace();
    void clear(bool all);

    Workspace& m_ws;
};

} // namespace zolvan
