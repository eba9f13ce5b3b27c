// Key preview through the real key path: function keys and digit combinations reach the handler
// whichever control has the focus, and the key still goes on to that control.

#include "window_fixture.h"

#include <QPushButton>

#include <vector>

namespace zolvan::testing {
namespace {

const QColor kActive(0, 92, 64);
const QColor kGrey(192, 192, 192);

struct FunctionKeyCase {
    const char* name;
    std::vector<Keystroke> keys;
    const char* line;      // the input line afterwards
    const char* indicator; // and one indicator that must be lit, or nullptr
    bool focusToLine;      // the handler gives the input line the focus
};

const FunctionKeyCase kFunctionKeys[] = {
    {"F2CurrentLine", {{Qt::Key_F2}}, "abc1/4", nullptr, false},
    {"F3PreviousResult", {{Qt::Key_F3}}, "abc5", nullptr, false},
    {"F4PreviousLine", {{Qt::Key_F4}}, "abc2+3", nullptr, false},
    {"F5Scientific", {{Qt::Key_F5}}, "abc", "lblInfo_1", false},
    {"F5TwiceFixed", {{Qt::Key_F5}, {Qt::Key_F5}}, "abc", "lblInfo_2", false},
    {"F6Store", {{Qt::Key_F6}}, "abc", "lblInfo_3", false},
    {"F6ThenF7Recall", {{Qt::Key_F6}, {Qt::Key_F7}}, "abc0.25", "lblInfo_3", false},
    {"F7EmptyMemory", {{Qt::Key_F7}}, "abc", nullptr, false},
    {"F8Degrees", {{Qt::Key_F8}}, "abc", "lblInfo_5", true},
    {"F8ThriceRadians", {{Qt::Key_F8}, {Qt::Key_F8}, {Qt::Key_F8}}, "abc", "lblInfo_4", true},
    {"EscapeEmptiesTheLine", {{Qt::Key_Escape}}, "", nullptr, false},
};

// The control that holds the focus while the keys are pressed.
const char* const kFocusTargets[] = {"txtUnosFormule", "txtPower", "cmdHide"};

class FunctionKey : public ::testing::TestWithParam<std::tuple<FunctionKeyCase, const char*>> {};

TEST_P(FunctionKey, WorksInWhicheverControlHasTheFocus) {
    const auto& [c, focus] = GetParam();
    ShownWindow w;
    w.key(Qt::Key_F, Qt::ControlModifier); // the number-format frame, for its Close button
    w.key(Qt::Key_F9);                     // the right-hand panels, for the power field
    w.enter(q("2+3"));
    w.enter(q("1/4"));
    w.type(q("abc"));
    QWidget* target = w.find<QWidget>(q(focus));
    target->setFocus();
    ASSERT_TRUE(target->hasFocus());
    for (const Keystroke& stroke : c.keys) {
        w.key(stroke.key, stroke.modifiers);
    }
    EXPECT_EQ(w.line()->text(), q(c.line));
    if (c.indicator != nullptr) {
        EXPECT_EQ(ShownWindow::colour(w.label(q(c.indicator))), kActive);
    }
    // The angle handlers end with the focus in the input line; the other keys leave it alone.
    EXPECT_TRUE((c.focusToLine ? static_cast<QWidget*>(w.line()) : target)->hasFocus());
    EXPECT_EQ(w.line("txtPower")->text(), q("3")); // the keys typed nothing into the power field
}

INSTANTIATE_TEST_SUITE_P(Rows, FunctionKey,
                         ::testing::Combine(::testing::ValuesIn(kFunctionKeys),
                                            ::testing::ValuesIn(kFocusTargets)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param);
                         });

TEST(FunctionKeys, F6WithAMessageKeepsTheMemory) {
    ShownWindow w;
    w.enter(q("2*4"));
    w.key(Qt::Key_F6);
    w.enter(q("1/0"));
    w.key(Qt::Key_F6);
    EXPECT_EQ(w.label(q("lblInfo_3"))->toolTip(), q(" 8 "));
    w.enter(q(""));
    w.key(Qt::Key_F6); // an empty result empties the memory
    EXPECT_EQ(ShownWindow::colour(w.label(q("lblInfo_3"))), kGrey);
    EXPECT_EQ(w.label(q("lblInfo_3"))->toolTip(), q(" Memory (F6-store / F7-recall) "));
}

struct DigitCase {
    const char* name;
    const char* text;
    int selectFrom; // -1: nothing selected, caret at the end
    int selectLength;
    Keystroke stroke;
    const char* expected;
};

const DigitCase kDigits[] = {
    {"CtrlSquaresSelectedSum", "3+4", 0, 3, {Qt::Key_2, Qt::ControlModifier}, "(3+4)^2"},
    {"ShiftCtrlRootAtCaret",
     "27",
     -1,
     0,
     {Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier},
     "27^(1/3)"},
    {"AltRootTypesNoDigit", "27", -1, 0, {Qt::Key_3, Qt::AltModifier}, "27^(1/3)"},
    {"FunctionTokenIsEnclosed", ":sin(30)", 0, 8, {Qt::Key_2, Qt::ControlModifier}, "(:sin(30))^2"},
    {"MinusIsNotEnclosed", "-5", 0, 2, {Qt::Key_2, Qt::AltModifier}, "-5^(1/2)"},
    {"DifferenceIsNotEnclosed", "2-1", 0, 3, {Qt::Key_9, Qt::ControlModifier}, "2-1^9"},
    {"PartOfTheLine", "1+2*3", 2, 3, {Qt::Key_4, Qt::ControlModifier}, "1+(2*3)^4"},
    {"CtrlZeroDoesNothing", "7", -1, 0, {Qt::Key_0, Qt::ControlModifier}, "7"},
    // The handler leaves keypad digits alone; the line edit types them as it does.
    {"KeypadDigitIsNoPower",
     "7",
     -1,
     0,
     {Qt::Key_5, Qt::ControlModifier | Qt::KeypadModifier},
     "75"},
    {"PlainDigitIsTyped", "7", -1, 0, {Qt::Key_5}, "75"},
    {"ShiftDigitIsTyped", "7", -1, 0, {Qt::Key_5, Qt::ShiftModifier}, "75"},
};

class DigitKey : public ::testing::TestWithParam<std::tuple<DigitCase, const char*>> {};

TEST_P(DigitKey, PowersAndRoots) {
    const auto& [c, locale] = GetParam();
    ShownWindow w{QLocale(q(locale))};
    w.line()->setFocus();
    w.type(q(c.text));
    if (c.selectFrom >= 0) {
        w.line()->setSelection(c.selectFrom, c.selectLength);
    }
    w.key(c.stroke.key, c.stroke.modifiers);
    EXPECT_EQ(w.line()->text(), q(c.expected));
    // Every selection of the table runs to the end of the line, so the caret ends there.
    EXPECT_EQ(w.line()->cursorPosition(), w.line()->text().size());
}

INSTANTIATE_TEST_SUITE_P(Rows, DigitKey,
                         ::testing::Combine(::testing::ValuesIn(kDigits),
                                            ::testing::Values("en_US", "de_DE")),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param);
                         });

struct RecallCase {
    const char* locale;
    const char* line;
    const char* recalled;
};

class MemoryRecall : public ::testing::TestWithParam<RecallCase> {};

TEST_P(MemoryRecall, WritesTheUserNumberFormat) {
    const RecallCase& c = GetParam();
    ShownWindow w{QLocale(q(c.locale))};
    w.enter(q(c.line));
    w.key(Qt::Key_F6);
    w.key(Qt::Key_F7);
    EXPECT_EQ(w.line()->text(), q(c.recalled));
    EXPECT_EQ(w.label(q("lblInfo_3"))->toolTip(), q(" ") + q(c.recalled) + q(" "));
}

INSTANTIATE_TEST_SUITE_P(Rows, MemoryRecall,
                         ::testing::Values(RecallCase{"en_US", "5/2", "2.5"},
                                           RecallCase{"de_DE", "5/2", "2,5"},
                                           RecallCase{"fr_FR", "1/8", "0,125"}),
                         [](const auto& info) {
                             return std::string(info.param.locale).substr(0, 2);
                         });

} // namespace
} // namespace zolvan::testing
