#pragma once
// The function panel's keys cmdFunction and its note Label1 at the design's twip positions in the
// Classic side view. Clicks and the pointer's moves run the function panel's handlers.

#include "ui/unit_view.h"

#include <QObject>

#include <array>
#include <vector>

class QLabel;
class QWidget;

namespace zolvan {

class FunctionPanel;
class PanelButton;

class FunctionPanelView : public QObject, public UnitView {
public:
    // `function` is the Classic view picFunction.
    FunctionPanelView(QWidget& function, FunctionPanel& panel, RunHandler run);

    void sync() override;
    std::vector<QWidget*> keys() const;

private:
    FunctionPanel& m_panel;
    RunHandler m_run;
    std::array<PanelButton*, 36> m_cmdFunction{};
    QLabel* m_label1 = nullptr;
};

} // namespace zolvan
