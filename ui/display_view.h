#pragma once
// The paper-tape display picRezultat: the indicator row, the previous and current input lines
// and the value rows. It shows what the workspace's labels hold and runs the workspace's click
// handlers by row index; it formats and decides nothing. For assistive technology every label
// carries a description of what its row means for the kind of result shown, and every indicator
// says whether it is on.

#include "ui/unit_view.h"

#include <QFrame>

#include <array>

namespace zolvan {

class ClickableLabel;
class FittingLabel;
class HintStrip;
class Workspace;

class DisplayView : public QFrame, public UnitView {
public:
    DisplayView(QWidget* parent, Workspace& model, RunHandler run);

    void sync() override;

    // What the display now tells, as a screen reader says it after a calculation: the result of
    // a line, or the rows of a table with their values ("x1 = 2, x2 = 1").
    static QString spokenResult(const Workspace& model);

private:
    void buildIndicators();
    void buildRows();
    static QString indicatorDescription(const Workspace& model, std::size_t index);

    Workspace& m_model;
    RunHandler m_run;

    std::array<ClickableLabel*, 7> m_lblInfo{};      // AUTO SCI FIX MEM RAD DEG GRAD
    std::array<ClickableLabel*, 4> m_lblOznaka{};    // row designations
    std::array<FittingLabel*, 2> m_lblUnosFormule{}; // 0 current line, 1 previous line
    std::array<FittingLabel*, 3> m_lblRezultat{};    // 0 current, 1 previous, 2 third value
    HintStrip* m_hint = nullptr;                     // over rows 1 and 2 while there are hints
};

} // namespace zolvan
