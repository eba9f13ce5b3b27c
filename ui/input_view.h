#pragma once
// The input row: the formula input line txtUnosFormule on its border box txtBlank, and the
// history drop-down cmbLista beside it, which shows only its arrow. Reports Enter, a click on the
// border, a chosen history entry and the history keys (Up and Down step through earlier lines,
// Alt+Down opens the list); edits nothing itself beyond what the line edit does.

#include <QWidget>

class QComboBox;
class QKeyEvent;
class QLineEdit;

namespace zolvan {

class ClickableFrame;
class HistoryModel;
struct ListBox;
class Workspace;

class InputView : public QWidget {
    Q_OBJECT
public:
    // The drop-down shows `history` as it grows, each entry with its result from `results`.
    InputView(QWidget* parent, int width, const ListBox& history, const ListBox& results);

    QLineEdit& line() { return *m_txtUnosFormule; }
    // Copies the user's typing (text, caret, selection) into the model.
    void pull(Workspace& model) const;
    void sync(const Workspace& model);

signals:
    void enterPressed();
    void borderClicked();
    void historyChosen(int index);
    // Up (older = true) or Down in the input line.
    void historyStep(bool older);
    void pointerMoved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rememberSelection();
    // Handles the line's own history keys; true when the key was one of them.
    bool historyKey(const QKeyEvent& key);

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
