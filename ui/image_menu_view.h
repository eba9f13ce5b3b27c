#pragma once
// The image menu bar picMenu above the keypad: ten picture buttons that repeat menu commands, and
// the hover frame imgButonMask over the button under the pointer. Clicks, presses, releases and
// the pointer's moves run the insert menu's handlers; a button is enabled while its menu item is.

#include "ui/unit_view.h"

#include <QObject>

#include <array>
#include <vector>

class QFrame;
class QPushButton;
class QWidget;

namespace zolvan {

class InsertMenu;
class Workspace;

class ImageMenuView : public QObject, public UnitView {
public:
    ImageMenuView(QWidget& calculator, InsertMenu& insertMenu, const Workspace& workspace,
                  RunHandler run);

    void sync() override;
    const QWidget& bar() const { return *m_bar; }
    std::vector<QWidget*> keys() const { return {m_imgMenu.begin(), m_imgMenu.end()}; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InsertMenu& m_insertMenu;
    const Workspace& m_ws;
    RunHandler m_run;
    QWidget* m_bar = nullptr;
    std::array<QPushButton*, 10> m_imgMenu{};
    QFrame* m_imgButonMask = nullptr; // hover frame over the image button under the pointer
};

} // namespace zolvan
