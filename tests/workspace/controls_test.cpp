#include "workspace/controls.h"

#include <gtest/gtest.h>

namespace zolvan {
namespace {

// One insertion into a text box that holds `text` with the selection (selStart, selLength), and
// how many change events it raises. Ordinary insertions at the caret and over a selection run
// through the keyboard and click tests of the workspace.
struct InsertCase {
    const char* name;
    const char* text;
    int selStart, selLength;
    const char* inserted;
    const char* expected;
    int changes;
};

const InsertCase kInserts[] = {
    {"SelectionPastEndIsClamped", "ab", 1, 50, "X", "aX", 1},
    {"NegativeStartGoesToStart", "ab", -4, 0, "c", "cab", 1},
    {"CaretCountsCharactersNotBytes", "5µm", 2, 0, "2", "5µ2m", 1},
    {"SelectionOfMultibyteCharacter", "1°C", 1, 1, "deg", "1degC", 1},
    {"EmptyInsertDeletesSelection", "123", 1, 1, "", "13", 1},
    {"EmptyInsertWithoutSelectionChangesNothing", "12", 1, 0, "", "12", 0},
    {"SameTextOverSelectionRaisesNothing", "abc", 1, 1, "b", "abc", 0},
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
    EXPECT_EQ(box.text(), c.expected);
    EXPECT_EQ(changes, c.changes);
}

INSTANTIATE_TEST_SUITE_P(Editing, TextBoxInsert, ::testing::ValuesIn(kInserts),
                         [](const auto& info) { return std::string(info.param.name); });

// Emptying a text box behaves as setting an empty text: the same text, selection and events.
struct ClearCase {
    const char* name;
    const char* text;
    int selStart, selLength;
};

const ClearCase kClears[] = {
    {"TextWithSelection", "abc", 1, 2},
    {"MultibyteTextWithCaretAtEnd", "5µm", 3, 0},
    {"AlreadyEmpty", "", 0, 0},
};

class TextBoxClear : public ::testing::TestWithParam<ClearCase> {};

TEST_P(TextBoxClear, ActsAsSettingAnEmptyText) {
    const ClearCase& c = GetParam();
    TextBox cleared, set;
    int clearedChanges = 0, setChanges = 0;
    for (TextBox* box : {&cleared, &set}) {
        box->setText(c.text);
        box->select(c.selStart, c.selLength);
    }
    cleared.onChange = [&] { ++clearedChanges; };
    set.onChange = [&] { ++setChanges; };
    cleared.clear();
    set.setText("");
    EXPECT_EQ(cleared.text(), set.text());
    EXPECT_EQ(cleared.selStart(), set.selStart());
    EXPECT_EQ(cleared.selLength(), set.selLength());
    EXPECT_EQ(clearedChanges, setChanges);
}

INSTANTIATE_TEST_SUITE_P(Emptying, TextBoxClear, ::testing::ValuesIn(kClears),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScrollBarAndOptionGroup, KeepToTheirRange) {
    ScrollBar bar(0, 12, 2);
    OptionGroup group({{"a"}, {"b"}});
    bar.setValue(40);
    group.select(5);
    EXPECT_EQ(bar.value(), 12);
    EXPECT_EQ(group.selected(), 0);
}

} // namespace
} // namespace zolvan
