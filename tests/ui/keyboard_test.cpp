// Key preview through the real key path: the function keys and a digit combination reach the
// handler whichever control has the focus, and type nothing into that control.

#include "window_fixture.h"

#include <vector>

namespace zolvan::testing {
namespace {

struct KeyCase {
    const char* name;
    std::vector<QKeyCombination> keys;
    const char* line; // the input line afterwards
    const char* lit;  // an indicator that must be lit, or nullptr
    bool focusToLine; // the handler gives the input line the focus
};

const KeyCase kKeys[] = {
    {"F2", {Qt::Key_F2}, "abc1/4", nullptr, false},
    {"F3", {Qt::Key_F3}, "abc5", nullptr, false},
    {"F4", {Qt::Key_F4}, "abc2+3", nullptr, false},
    {"F5", {Qt::Key_F5}, "abc", "lblInfo_1", false},
    {"F6F7", {Qt::Key_F6, Qt::Key_F7}, "abc0.25", "lblInfo_3", false},
    {"F8", {Qt::Key_F8}, "abc", "lblInfo_5", true},
    {"Escape", {Qt::Key_Escape}, "", nullptr, false},
    {"CtrlDigit", {Qt::ControlModifier | Qt::Key_2}, "abc^2", nullptr, false},
};

class KeyPreviewTest : public ::testing::TestWithParam<std::tuple<KeyCase, const char*>> {};

TEST_P(KeyPreviewTest, ReachesTheHandlerFromTheFocusedControl) {
    const auto& [c, focus] = GetParam();
    ShownWindow w;
    w.key(Qt::Key_F9); // the right-hand panels, for the power field
    w.enter("2+3");
    w.enter("1/4");
    w.type("abc");
    QWidget* target = w.find(focus);
    target->setFocus();
    for (QKeyCombination stroke : c.keys) {
        w.key(stroke);
    }
    EXPECT_EQ(w.line()->text(), q(c.line));
    if (c.lit != nullptr) {
        EXPECT_EQ(w.colour(c.lit), kActive);
    }
    EXPECT_TRUE((c.focusToLine ? w.line() : target)->hasFocus());
    EXPECT_EQ(w.line("txtPower")->text(), q("3")); // nothing was typed into the power field
}

INSTANTIATE_TEST_SUITE_P(Rows, KeyPreviewTest,
                         ::testing::Combine(::testing::ValuesIn(kKeys),
                                            ::testing::Values("txtUnosFormule", "txtPower")),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param);
                         });

} // namespace
} // namespace zolvan::testing
