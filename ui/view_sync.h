#pragma once
// Copies the plain model of the controls onto Qt widgets, and the user's own edits of text boxes
// back. Every function writes a property only when it differs, with the widget's signals blocked,
// so showing the model never raises a handler. Carets and selections count characters (code
// points) in the model and UTF-16 units in Qt; the conversion lives here.

#include "workspace/controls.h"

#include <QColor>
#include <QString>

#include <span>
#include <string_view>

class QAbstractButton;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace zolvan {

QColor toQColor(Rgb colour);
QString toQString(std::string_view text);
// The object name of element `index` of a control array: "cmdNum_7".
QString arrayName(const char* name, std::size_t index);

// The UTF-16 index of the character at `codePoints`, and back.
int utf16Index(const QString& text, int codePoints);
int codePointIndex(const QString& text, int utf16);

// Sets the colour of a widget's text for its enabled states; a disabled widget keeps the greyed
// look of its style. On a dark background a design colour too dark to read is lightened.
void setTextColour(QWidget& widget, QColor colour);

void syncLabel(QLabel& widget, const Label& model);
// A button's caption; a button that shows a picture keeps it.
void syncCaption(QAbstractButton& button, const std::string& caption);
void syncOptionButtons(std::span<QRadioButton* const> widgets, const OptionGroup& model);
void syncCheckBox(QCheckBox& widget, const CheckBox& model);
void syncScrollBar(QScrollBar& widget, const ScrollBar& model);
// A menu item's shortcut runs only while the item is enabled; `reachable` is false while the item's
// menu is hidden.
void syncMenuItem(QAction& action, const MenuItem& model, bool reachable);

// Text, caret and selection of a text box as the user left them, into the model. Raises nothing.
void pullTextBox(const QLineEdit& widget, TextBox& model);
// Only the caret and selection.
void pullSelection(const QLineEdit& widget, TextBox& model);
// A user's edit of a text box: the new text raises the box's change handler, as typing does. When
// the handler leaves the text as typed, the caret stays where the user left it.
void editTextBox(const QLineEdit& widget, TextBox& model);
// The model's text, caret and selection, each only when it differs from the widget's, and the
// enabled state.
void pushTextBox(QLineEdit& widget, const TextBox& model);

// Contrast ratio of two colours (1 to 21), as accessibility guidelines define it.
double contrastRatio(QColor a, QColor b);

} // namespace zolvan
