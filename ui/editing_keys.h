#pragma once
// Which control the editing keys belong to. Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X and Shift+Del are the
// Edit menu's shortcuts, and those work on the formula input line. While another text field has
// the focus (decimal places, a coefficient box, the power field, or any field added later) the
// keys edit that field instead, as in every desktop program. The decision is by the kind of the
// focused widget, so a new text field needs no entry anywhere.

#include <QKeyCombination>

class QObject;
class QWidget;

namespace zolvan {

// True for the five editing keys, with or without the numeric keypad's modifier.
bool isEditingKey(QKeyCombination key);

// True when `focused` is a text field other than `formulaLine` and `key` is an editing key: the
// field edits itself, and the Edit menu's command does not run.
bool fieldOwnsEditingKey(const QObject* focused, const QWidget& formulaLine, QKeyCombination key);

} // namespace zolvan
