#pragma once
// The keypad as widgets: the keys cmdNum with the one-shot Inv box chkInverse at the design's
// twip positions, and the "=" key cmdEnter, which runs the calculate command. A click, the right
// button's release and the pointer's moves over a key or over the calculator frame run the
// keypad's handlers; the keys' captions follow Inv.

#include "ui/unit_view.h"

#include <QObject>

#include <array>
#include <vector>

class QCheckBox;
class QPushButton;
class QWidget;

namespace zolvan {

class Keypad;
class PanelButton;
class Workspace;

class KeypadView : public QObject, public UnitView {
public:
    // `calculator` is the frame the keys stand in; the pointer's moves over it outside the image
    // menu bar `imageBar` run the keypad's frame handler.
    KeypadView(QWidget& calculator, const QWidget& imageBar, Keypad& keypad, Workspace& workspace,
               RunHandler run);

    void sync() override;
    // The keys, Inv and "=", for the keyboard walk.
    std::vector<QWidget*> keys() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildKeys(QWidget& calculator, Workspace& workspace);

    Keypad& m_keypad;
    RunHandler m_run;
    QWidget& m_calculator;
    const QWidget& m_imageBar;
    std::array<PanelButton*, 39> m_cmdNum{};
    QCheckBox* m_chkInverse = nullptr;
    QPushButton* m_cmdEnter = nullptr;
};

} // namespace zolvan
