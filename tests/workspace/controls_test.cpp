#include "workspace/controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvan {
namespace {

// One editing step on a text box that starts with `text` and the selection (start, length).
struct InsertCase {
    const char* name;
    std::string text;
    int selStart;
    int selLength;
    std::string inserted;
    std::string expectedText;
    int expectedCaret;
    int expectedChanges;
};

class TextBoxInsert : public ::testing::TestWithParam<InsertCase> {};

TEST_P(TextBoxInsert, ReplacesSelectionOrInsertsAtCaret) {
    const InsertCase& c = GetParam();
    TextBox box;
    box.setText(c.text);
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.select(c.selStart, c.selLength);
    box.insertAtCaret(c.inserted);
    EXPECT_EQ(box.text(), c.expectedText);
    EXPECT_EQ(box.selStart(), c.expectedCaret);
    EXPECT_EQ(box.selLength(), 0);
    EXPECT_EQ(changes, c.expectedChanges);
}

INSTANTIATE_TEST_SUITE_P(
    Editing, TextBoxInsert,
    ::testing::Values(
        InsertCase{"AtCaretInMiddle", "2+3", 1, 0, "*4", "2*4+3", 3, 1},
        InsertCase{"ReplacesSelection", "3+4*2", 0, 3, "(3+4)^2", "(3+4)^2*2", 7, 1},
        InsertCase{"AtEnd", "27", 2, 0, "^(1/3)", "27^(1/3)", 8, 1},
        InsertCase{"IntoEmptyLine", "", 0, 0, "H2O", "H2O", 3, 1},
        InsertCase{"SelectionPastEndIsClamped", "ab", 1, 50, "X", "aX", 2, 1},
        InsertCase{"StartPastEndGoesToEnd", "ab", 9, 0, "c", "abc", 3, 1},
        InsertCase{"NegativeStartGoesToStart", "ab", -4, 0, "c", "cab", 1, 1},
        InsertCase{"CaretCountsCharactersNotBytes", "5µm", 2, 0, "2", "5µ2m", 3, 1},
        InsertCase{"SelectionOfMultibyteCharacter", "1°C", 1, 1, "deg", "1degC", 4, 1},
        InsertCase{"EmptyInsertWithoutSelectionChangesNothing", "12", 1, 0, "", "12", 1, 0},
        InsertCase{"EmptyInsertDeletesSelection", "123", 1, 1, "", "13", 1, 1},
        InsertCase{"SameTextOverSelectionRaisesNothing", "abc", 1, 1, "b", "abc", 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextBox, NewTextRaisesChangeOnceAndPutsCaretAtStart) {
    TextBox box;
    box.setText("12345");
    box.select(2, 2);
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.setText("12345");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(box.selStart(), 2) << "an unchanged text keeps the caret";
    box.setText("9");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.selLength(), 0);
}

TEST(TextBox, SelectedTextFollowsCharacters) {
    TextBox box;
    box.setText("α+β*γ");
    box.select(2, 3);
    EXPECT_EQ(box.selectedText(), "β*γ");
    box.select(0, 0);
    EXPECT_EQ(box.selectedText(), "");
}

TEST(OptionGroup, RunsClickOnlyWhenTheSelectionChanges) {
    OptionGroup group({{"a"}, {"b"}, {"c"}});
    std::vector<int> clicks;
    group.onClick = [&](int index) { clicks.push_back(index); };
    const std::vector<int> requests{0, 2, 2, 1, -1, 3, 1, 0};
    for (int index : requests) {
        group.select(index);
    }
    EXPECT_EQ(clicks, (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(group.selected(), 0);
}

TEST(CheckBox, RunsClickOnEachNewState) {
    CheckBox box;
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    for (bool state : {false, true, true, false}) {
        box.setChecked(state);
    }
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box.checked());
}

TEST(ScrollBar, StaysInItsRangeAndRaisesOnlyOnChange) {
    ScrollBar bar(0, 12, 2);
    std::vector<int> seen;
    bar.onChange = [&] { seen.push_back(bar.value()); };
    for (int value : {2, 5, 40, 12, -3}) {
        bar.setValue(value);
    }
    EXPECT_EQ(seen, (std::vector<int>{5, 12, 0}));
}

} // namespace
} // namespace zolvan
