#pragma once
// The number-format and angle-unit controls: the frame frmNumber (display mode, decimal places,
// 1000 separator, angle unit, Close) and, on the function panel, the angle buttons optRadiani
// with the power field txtPower. They report what the user did, by index or text; the model's
// handlers decide what it means.

#include <QGroupBox>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace zolvan {

struct WindowModel;

class NumberFormatFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit NumberFormatFrame(QWidget* parent);

    QPushButton& closeButton() { return *m_cmdHide; }

    void pull(WindowModel& model) const;
    void sync(const WindowModel& model);
    // The user's edit of the decimal places, into the model (raises its change handler).
    void takeDecimals(WindowModel& model) const;
    QLineEdit& decimals() { return *m_txtDecimala; }

signals:
    void displayModeClicked(int index);
    void separatorClicked(bool checked);
    void decimalsEdited();
    void decimalsScrolled(int value);
    void angleClicked(int index);
    void closeClicked();

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
};

class AnglePowerPanel : public QWidget {
    Q_OBJECT
public:
    explicit AnglePowerPanel(QWidget* parent);

    void pull(WindowModel& model) const;
    void sync(const WindowModel& model);
    // The user's edit of the power field, into the model (raises its change handler).
    void takePower(WindowModel& model) const;
    QLineEdit& power() { return *m_txtPower; }

signals:
    void angleClicked(int index);
    void powerEdited();
    void powerScrolled(int value);
    void powerFocused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QRadioButton*, 3> m_optRadiani{}; // Radians Degrees Grads
    QLineEdit* m_txtPower = nullptr;             // exponent of the power keys
    QScrollBar* m_vsbPower = nullptr;
};

} // namespace zolvan
