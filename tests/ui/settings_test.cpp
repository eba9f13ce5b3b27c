// Display settings changed through the widgets of the number-format frame, the angle panel and
// the indicators: the current result is shown again in the new format and the indicators follow.

#include "window_fixture.h"

#include <QImage>

namespace zolvan::testing {
namespace {

struct SettingStep {
    const char* widget; // clicked, or typed over when `typed` is set
    const char* typed;
    const char* result; // of 1/3
    const char* lit;    // an indicator lit afterwards
    const char* dark;   // and one of its group put out
};

// One window, changed step by step.
TEST(Settings, ResultAndIndicatorsFollowEachChange) {
    const SettingStep steps[] = {
        {"optNumber_2", nullptr, "0.33", "lblInfo_2", "lblInfo_0"},
        {"txtDecimala", "4", "0.3333", "lblInfo_2", "lblInfo_1"},
        {"lblInfo_1", nullptr, "3.3333 E-01", "lblInfo_1", "lblInfo_2"},
        {"optRadDeg_2", nullptr, "3.3333 E-01", "lblInfo_6", "lblInfo_4"},
        {"optRadiani_1", nullptr, "3.3333 E-01", "lblInfo_5", "lblInfo_6"},
    };
    ShownWindow w;
    w.key(Qt::ControlModifier | Qt::Key_F); // the number-format frame
    w.key(Qt::Key_F9);                      // the right-hand panels
    w.enter("1/3");
    for (const SettingStep& step : steps) {
        SCOPED_TRACE(step.widget);
        if (step.typed != nullptr) {
            w.line(step.widget)->setFocus();
            w.line(step.widget)->selectAll();
            w.type(step.typed);
        } else {
            w.click(step.widget);
        }
        EXPECT_EQ(w.text("lblRezultat_0"), q(step.result));
        EXPECT_EQ(w.colour(step.lit), kActive);
        EXPECT_EQ(w.colour(step.dark), kGrey);
    }
}

// The number-format frame opens over the keypad: the keys under it must not show through.
TEST(Settings, NumberFormatFrameHidesTheKeysUnderIt) {
    ShownWindow w;
    w.key(Qt::CTRL | Qt::Key_F);
    const QWidget* frame = w.find("frmNumber");
    QWidget* key = w.find("cmdNum_7");
    const QRect place(key->mapTo(&w.vescal, QPoint(0, 0)), key->size());
    ASSERT_TRUE(QRect(frame->mapTo(&w.vescal, QPoint(0, 0)), frame->size()).contains(place));
    const QImage withKey = w.vescal.grab(place).toImage();
    key->hide();
    EXPECT_EQ(w.vescal.grab(place).toImage(), withKey);
}

} // namespace
} // namespace zolvan::testing
