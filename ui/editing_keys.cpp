#include "ui/editing_keys.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace zolvan {

namespace {

bool isTextField(const QObject* object) {
    if (const auto* combo = qobject_cast<const QComboBox*>(object)) {
        return combo->isEditable();
    }
    return qobject_cast<const QLineEdit*>(object) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(object) != nullptr ||
           qobject_cast<const QTextEdit*>(object) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(object) != nullptr;
}

} // namespace

bool isEditingKey(QKeyCombination key) {
    const Qt::KeyboardModifiers modifiers = key.keyboardModifiers() & ~Qt::KeypadModifier;
    switch (key.key()) {
    case Qt::Key_A:
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_X:
        return modifiers == Qt::ControlModifier;
    case Qt::Key_Delete:
        return modifiers == Qt::ShiftModifier;
    default:
        return false;
    }
}

bool fieldOwnsEditingKey(const QObject* focused, const QWidget& formulaLine, QKeyCombination key) {
    return focused != &formulaLine && isTextField(focused) && isEditingKey(key);
}

} // namespace zolvan
