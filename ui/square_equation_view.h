#pragma once
// The square-equation row on the function panel: the coefficient boxes txtKvadratna (a, b, c from
// the left) between their labels, and the button cmdKvadratna. The button, Enter in a box and a
// box taking the focus run the panel's handlers; the boxes' texts go to the panel before each.

#include "ui/unit_view.h"

#include <QObject>

#include <array>

class QLineEdit;
class QPushButton;
class QWidget;

namespace zolvan {

class SquareEquationPanel;

class SquareEquationView : public QObject, public UnitView {
public:
    SquareEquationView(QWidget& function, SquareEquationPanel& panel, RunHandler run);

    void pull() override;
    void sync() override;
    QPushButton& button() const { return *m_cmdKvadratna; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SquareEquationPanel& m_panel;
    RunHandler m_run;
    std::array<QLineEdit*, 3> m_txtKvadratna{}; // 0 c, 1 b, 2 a
    QPushButton* m_cmdKvadratna = nullptr;
};

} // namespace zolvan
