// The design's fixed colours under the desktop's light and dark themes: every text the window
// shows keeps the contrast of body text against what it is drawn on.

#include "window_fixture.h"

#include "ui/view_sync.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPalette>

namespace zolvan::testing {
namespace {

QPalette darkPalette() {
    QPalette dark;
    const QColor window(45, 45, 48);
    const QColor text(230, 230, 230);
    for (auto [role, colour] : {std::pair{QPalette::Window, window},
                                {QPalette::WindowText, text},
                                {QPalette::Base, QColor(30, 30, 30)},
                                {QPalette::Text, text},
                                {QPalette::Button, QColor(60, 60, 64)},
                                {QPalette::ButtonText, text}}) {
        dark.setColor(role, colour);
    }
    return dark;
}

QString textOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        return line->text();
    }
    return {};
}

struct ThemeCase {
    const char* name;
    bool darkAtStart;
    bool darkWhenChecked; // differs when the desktop changes its theme while the window is open
};

class Theme : public ::testing::TestWithParam<ThemeCase> {
protected:
    void SetUp() override {
        m_saved = QApplication::palette();
        if (GetParam().darkAtStart) {
            QApplication::setPalette(darkPalette());
        }
    }
    void TearDown() override { QApplication::setPalette(m_saved); }

    QPalette m_saved;
};

TEST_P(Theme, EveryShownTextReadsAgainstItsBackground) {
    ShownWindow w;
    w.enter("5/2");
    w.key(Qt::Key_F8);                  // the angle options change colour
    w.key(QKeyCombination(Qt::Key_F9)); // the side panels
    w.key(Qt::CTRL | Qt::Key_F);        // the number-format frame
    if (GetParam().darkWhenChecked != GetParam().darkAtStart) {
        QApplication::setPalette(GetParam().darkWhenChecked ? darkPalette() : m_saved);
        // The change reaches the widgets as posted events, and the window fits its colours after.
        QApplication::processEvents();
        QApplication::processEvents();
    }
    int checked = 0;
    for (QWidget* widget : w.vescal.findChildren<QWidget*>()) {
        const QString text = textOf(widget);
        if (text.isEmpty() || !widget->isVisible() || !widget->isEnabled()) {
            continue;
        }
        const QPalette& palette = widget->palette();
        const QColor fore = palette.color(QPalette::Active, widget->foregroundRole());
        // An indicator whose setting is not in force is meant to fade into the paper.
        if (widget->objectName().startsWith(QStringLiteral("lblInfo")) && fore == kGrey) {
            continue;
        }
        const QColor back = palette.color(QPalette::Active, widget->backgroundRole());
        EXPECT_GE(contrastRatio(fore, back), 4.5)
            << widget->objectName().toStdString() << " \"" << text.toStdString() << "\" "
            << fore.name().toStdString() << " on " << back.name().toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 10); // the display, the "=" key and the settings were all seen
}

INSTANTIATE_TEST_SUITE_P(Desktop, Theme,
                         ::testing::Values(ThemeCase{"Light", false, false},
                                           ThemeCase{"Dark", true, true},
                                           ThemeCase{"SwitchedToDark", false, true},
                                           ThemeCase{"SwitchedToLight", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zolvan::testing
