#pragma once
// The input row: the formula input line txtUnosFormule on its border box txtBlank, and the
// history drop-down cmbLista beside it, which shows only its arrow. Enter, a click on the border,
// a chosen history entry, the history keys (Up and Down step through earlier lines, Alt+Down
// opens the list) and the pointer's moves run the workspace's handlers; it edits nothing itself
// beyond what the line edit does.

#include "ui/unit_view.h"

#include <QWidget>

class QComboBox;
class QKeyEvent;
class QLineEdit;

namespace zolvan {

class ClickableFrame;
class HistoryModel;
class ListBox;
class Workspace;

class InputView : public QWidget, public UnitView {
public:
    // The drop-down shows the workspace's history as it grows, each entry with its result.
    InputView(QWidget* parent, int width, Workspace& model, RunHandler run);

    QLineEdit& line() { return *m_txtUnosFormule; }
    // Copies the user's typing (text, caret, selection) into the model.
    void pull() override;
    void sync() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rememberSelection();
    // Handles the line's own history keys; true when the key was one of them.
    bool historyKey(const QKeyEvent& key);

    Workspace& m_model;
    RunHandler m_run;
    ClickableFrame* m_txtBlank = nullptr;
    QLineEdit* m_txtUnosFormule = nullptr; // formula input line
    QComboBox* m_cmbLista = nullptr;       // history of input lines, newest first
    HistoryModel* m_history = nullptr;
    // The line's selection when the history list was opened: the list takes the focus and the
    // line may drop its selection, but a chosen entry replaces the selection the user had.
    int m_selectionStart = -1;
    int m_selectionLength = 0;
};

} // namespace zolvan
