#pragma once
// A plain model of the window's controls: what the handlers read and write (captions, tooltips,
// colours, checked/selected/enabled/visible, list items, the input line's text, caret and
// selection). Events raised by code are modelled here once: selecting an option button runs its
// click handler only when the selection changes, a different text runs a text box's change
// handler, a new value runs a scroll bar's change handler, a new check state runs a check box's
// click handler. The Qt view mirrors these controls; it holds no logic of its own.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zolvan {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kActiveColour{0, 92, 64};
inline constexpr Rgb kGreyColour{192, 192, 192};
inline constexpr Rgb kDesignColour{64, 64, 0};
inline constexpr Rgb kBlueColour{0, 0, 255};
inline constexpr Rgb kBlackColour{0, 0, 0};

// Characters (code points) of a UTF-8 text: the unit of carets and selections.
int codePointCount(std::string_view text);

struct Label {
    std::string caption;
    std::string toolTip;
    Rgb foreColour{};
    bool enabled = true;
    bool visible = true;
};

struct Frame {
    std::string caption;
    bool visible = true;
};

// Caret and selection count characters (code points), as a user sees them.
class TextBox {
public:
    std::function<void()> onChange;
    bool enabled = true;
    bool visible = true;
    std::string toolTip;

    const std::string& text() const { return m_text; }
    // Raises onChange when the text differs. The caret goes to the start, as a new text leaves it.
    void setText(std::string text);
    // setText("") without making a text.
    void clear();
    int selStart() const { return m_selStart; }
    int selLength() const { return m_selLength; }
    // Clamped to the text.
    void select(int start, int length);
    std::string selectedText() const;
    // Replaces the selection, or inserts at the caret when nothing is selected; the caret ends
    // after the inserted text. Raises onChange when the text changes.
    void insertAtCaret(std::string_view text);

private:
    // A new text: the caret goes to the start and onChange is raised.
    void textReplaced();

    std::string m_text;
    int m_selStart = 0;
    int m_selLength = 0;
};

struct OptionButton {
    std::string caption;
    Rgb foreColour{};
    bool enabled = true;
};

class OptionGroup {
public:
    std::function<void(int)> onClick;
    std::vector<OptionButton> buttons;

    int selected() const { return m_selected; }
    bool isSelected(int index) const { return m_selected == index; }
    // Runs onClick(index) only when the selection changes.
    void select(int index);

    explicit OptionGroup(std::vector<OptionButton> options = {}, int selected = 0)
        : buttons(std::move(options)), m_selected(selected) {}

private:
    int m_selected = 0;
};

class CheckBox {
public:
    std::function<void()> onClick;
    std::string caption;
    std::string toolTip;
    bool enabled = true;

    bool checked() const { return m_checked; }
    // Runs onClick when the state changes.
    void setChecked(bool checked);

private:
    bool m_checked = false;
};

class ScrollBar {
public:
    std::function<void()> onChange;
    int min = 0;
    int max = 0;
    bool enabled = true;

    int value() const { return m_value; }
    // Runs onChange when the value changes.
    void setValue(int value);

    ScrollBar(int minimum = 0, int maximum = 0, int value = 0)
        : min(minimum), max(maximum), m_value(value) {}

private:
    int m_value = 0;
};

// A menu item or top-level menu, as the window shows it: caption with its access key, shortcut,
// check mark, shown or hidden. Choosing it runs onClick, which the unit that owns the command
// sets, so that a key handler or a picture button can run the same command.
struct MenuItem {
    std::string caption;
    std::string shortcut; // keys in portable text ("Ctrl+N"); "; " between alternatives
    bool checkable = false;
    bool checked = false;
    bool visible = true;
    bool enabled = true;
    std::function<void()> onClick;

    void click() const {
        if (onClick) {
            onClick();
        }
    }
};

// An item with its caption ("&New"), shortcut ("Ctrl+N") and whether it takes a check mark.
inline MenuItem menuItem(std::string_view caption, std::string_view shortcut = {},
                         bool checkable = false) {
    MenuItem item;
    item.caption = caption;
    item.shortcut = shortcut;
    item.checkable = checkable;
    return item;
}

// A picture button: `picture` names the image it shows.
struct ImageButton {
    std::string picture;
    std::string toolTip;
};

// A push button whose caption or tooltip a handler may change.
struct CommandButton {
    std::string caption;
    std::string toolTip;
    bool enabled = true;
};

// The entries of a list kept oldest first, seen from the top: the newest at index 0.
class TopFirst {
public:
    explicit TopFirst(const std::vector<std::string>& oldestFirst) : m_items(oldestFirst) {}
    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    const std::string& operator[](std::size_t index) const {
        return m_items[m_items.size() - 1 - index];
    }
    const std::string& front() const { return m_items.back(); }
    auto begin() const { return m_items.rbegin(); }
    auto end() const { return m_items.rend(); }

private:
    const std::vector<std::string>& m_items;
};

// A list or drop-down list: entries, newest first where the handlers insert at the top.
// The entries are kept oldest first in one vector, so that the history lists, which take every
// new entry at the top and grow without limit, add it at the end of contiguous memory; `items()`
// shows them the other way round. Every change of the entries moves `revision`, so that a view
// compares one number instead of every entry; emptying the list also moves `resets`, so that a
// view following the list's new entries at the top knows when it must start again.
class ListBox {
public:
    bool visible = true;
    int listIndex = -1; // the selected entry, -1 for none

    TopFirst items() const { return TopFirst(m_items); }
    std::size_t size() const { return m_items.size(); }
    unsigned revision() const { return m_revision; }
    unsigned resets() const { return m_resets; }

    void insertAtTop(std::string_view item) {
        m_items.emplace_back(item);
        ++m_revision;
    }
    // Empties the list; its memory stays for the entries that follow.
    void clear() {
        m_items.clear();
        ++m_revision;
        ++m_resets;
    }
    // Replaces every entry, the first of `lines` at the top; the selection goes.
    void assign(std::vector<std::string> lines) {
        std::reverse(lines.begin(), lines.end());
        m_items = std::move(lines);
        listIndex = -1;
        ++m_revision;
        ++m_resets;
    }

private:
    std::vector<std::string> m_items; // the oldest first
    unsigned m_revision = 0;
    unsigned m_resets = 0;
};

} // namespace zolvan
