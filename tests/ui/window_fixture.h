#pragma once
// A shown, active main window and the user's ways of working it: keys through the window system
// (as the desktop delivers them, menu shortcuts included), clicks on widgets found by name.

#include "ui/vescal.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include <ostream>

// Readable failure messages for Qt values.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QColor& colour, std::ostream* out) {
    *out << "RGB(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ')';
}

namespace zolvan::testing {

inline QString q(const char* text) {
    return QString::fromUtf8(text);
}

struct Keystroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

class ShownWindow {
public:
    explicit ShownWindow(const QLocale& locale = QLocale::c()) : vescal(locale) {
        vescal.show();
        active = QTest::qWaitForWindowActive(&vescal);
    }

    template <typename T> T* find(const QString& name) {
        T* widget = vescal.findChild<T*>(name);
        if (widget == nullptr) {
            ADD_FAILURE() << "no " << name.toStdString();
        }
        return widget;
    }
    QLabel* label(const QString& name) { return find<QLabel>(name); }
    QLineEdit* line(const char* name = "txtUnosFormule") { return find<QLineEdit>(q(name)); }
    QAction* action(const char* name) { return find<QAction>(q(name)); }

    // A key pressed and released on the keyboard, delivered to the focused control.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(vescal.windowHandle(), key, modifiers);
    }
    void type(const QString& text) {
        for (QChar c : text) {
            QTest::keyClick(vescal.windowHandle(), c.toLatin1());
        }
    }
    // Types a line into the input line and presses Enter.
    void enter(const QString& text) {
        line()->setFocus();
        type(text);
        key(Qt::Key_Return);
    }
    // A click where a user aims: the middle of a widget, or the round or square mark of an option
    // button or check box, whose label may end well before the widget does.
    void click(QWidget* widget) {
        ASSERT_NE(widget, nullptr);
        QPoint point = widget->rect().center();
        if (qobject_cast<QRadioButton*>(widget) != nullptr ||
            qobject_cast<QCheckBox*>(widget) != nullptr) {
            point.setX(8);
        }
        QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    }
    void click(const QString& name) { click(find<QWidget>(name)); }

    static QColor colour(const QWidget* widget) {
        return widget->palette().color(QPalette::Active, widget->foregroundRole());
    }

    Vescal vescal;
    bool active = false;
};

} // namespace zolvan::testing
