#pragma once
// The number settings as widgets: the frame frmNumber (display mode, decimal places, 1000
// separator, angle unit, Close) and, on the function panel, the angle buttons optRadiani with
// the power field txtPower. A click or an edit runs the number settings' handler; the handlers
// decide what it means.

#include "ui/unit_view.h"

#include <QGroupBox>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace zolvan {

class NumberSettings;

class NumberFormatFrame : public QGroupBox, public UnitView {
public:
    NumberFormatFrame(QWidget* parent, NumberSettings& model, RunHandler run);

    QPushButton& closeButton() { return *m_cmdHide; }

    void pull() override;
    void sync() override;
    QLineEdit& decimals() { return *m_txtDecimala; }

private:
    QWidget* buildDisplayModes();
    QWidget* buildAngleUnits();

    std::array<QRadioButton*, 3> m_optNumber{}; // &Automatic &Scientific &Fixed
    QLabel* m_lblDecimala = nullptr;
    QLineEdit* m_txtDecimala = nullptr;
    QScrollBar* m_vsbDecimala = nullptr;
    QCheckBox* m_chkTisuca = nullptr;           // 1000 separator
    std::array<QRadioButton*, 3> m_optRadDeg{}; // &Rad &Deg &Grad
    QPushButton* m_cmdHide = nullptr;
    NumberSettings& m_model;
    RunHandler m_run;
};

class AnglePowerPanel : public QWidget, public UnitView {
public:
    AnglePowerPanel(QWidget* parent, NumberSettings& model, RunHandler run);

    void pull() override;
    void sync() override;
    QLineEdit& power() { return *m_txtPower; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    NumberSettings& m_model;
    RunHandler m_run;
    std::array<QRadioButton*, 3> m_optRadiani{}; // Radians Degrees Grads
    QLineEdit* m_txtPower = nullptr;             // exponent of the power keys
    QScrollBar* m_vsbPower = nullptr;
};

} // namespace zolvan
