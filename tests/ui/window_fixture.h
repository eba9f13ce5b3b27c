#pragma once
// A shown, active main window and the user's ways of working it: keys through the window system
// (as the desktop delivers them, menu shortcuts included), clicks on widgets found by name.

#include "ui/vescal.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include <ostream>
#include <stdexcept>

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace zolvan::testing {

inline QString q(const char* text) {
    return QString::fromUtf8(text);
}

const QColor kActive(0, 92, 64);
const QColor kGrey(192, 192, 192);

class ShownWindow {
public:
    explicit ShownWindow(const QLocale& locale = QLocale::c()) : vescal(locale) {
        vescal.show();
        if (!QTest::qWaitForWindowActive(&vescal)) {
            ADD_FAILURE() << "the window did not become active";
        }
    }

    // A missing widget ends the test with its name rather than with a null pointer.
    template <typename T = QWidget> T* find(const char* name) {
        T* widget = vescal.findChild<T*>(q(name));
        if (widget == nullptr) {
            throw std::invalid_argument(std::string("no widget ") + name);
        }
        return widget;
    }
    QLineEdit* line(const char* name = "txtUnosFormule") { return find<QLineEdit>(name); }
    QString text(const char* label) { return find<QLabel>(label)->text(); }
    QColor colour(const char* name) {
        const QWidget* widget = find(name);
        return widget->palette().color(QPalette::Active, widget->foregroundRole());
    }

    // A key pressed and released on the keyboard, delivered to the focused control.
    void key(QKeyCombination stroke) {
        QTest::keyClick(vescal.windowHandle(), stroke.key(), stroke.keyboardModifiers());
    }
    void type(const char* text) {
        for (const char* c = text; *c != '\0'; ++c) {
            QTest::keyClick(vescal.windowHandle(), *c);
        }
    }
    // Types a line into the input line and presses Enter.
    void enter(const char* text) {
        line()->setFocus();
        type(text);
        key(Qt::Key_Return);
    }
    // A click where a user aims: the middle of a widget, or the round or square mark of an option
    // button or check box, whose label may end well before the widget does.
    void click(const char* name) {
        QWidget* widget = find(name);
        QPoint point = widget->rect().center();
        if (qobject_cast<QRadioButton*>(widget) != nullptr ||
            qobject_cast<QCheckBox*>(widget) != nullptr) {
            point.setX(8);
        }
        QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    }

    Vescal vescal;
};

} // namespace zolvan::testing
