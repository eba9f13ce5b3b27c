#include "ui/function_panel_view.h"

#include "panels/function_panel.h"
#include "ui/geometry.h"
#include "ui/panel_buttons.h"
#include "ui/view_sync.h"

#include <QLabel>

namespace zolvan {

namespace {

constexpr int kPanelTop = 330;   // the function panel's rows count from just below the tabs
constexpr int kLabel1Top = 1800; // the note above the statistics rows

} // namespace

FunctionPanelView::FunctionPanelView(QWidget& function, FunctionPanel& panel, RunHandler run)
    : QObject(&function), m_panel(panel), m_run(std::move(run)) {
    for (std::size_t i = 0; i < m_cmdFunction.size(); ++i) {
        const FunctionKey& key = kFunctionPanel[i];
        auto* button = new PanelButton(&function);
        button->setObjectName(arrayName("cmdFunction", i));
        dressButton(*button, key.caption, key.toolTip, key.look);
        const auto row = static_cast<std::size_t>(key.look.row - 1);
        button->setGeometry(twipRect(
            kFunctionColumnLeft[static_cast<std::size_t>(key.look.column - 1)],
            kFunctionRowTop[row] + kPanelTop, kFunctionKeyWidth - 15, kFunctionRowHeight[row]));
        const int index = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this,
                [this, index] { m_run([&] { m_panel.cmdFunction_Click(index); }); });
        connect(button, &PanelButton::pointerMoved, this,
                [this, index] { m_run([&] { m_panel.cmdFunction_MouseMove(index); }); });
        m_cmdFunction[i] = button;
    }
    m_label1 = new QLabel(&function);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setGeometry(0, px(kLabel1Top), function.width(), px(240));
}

std::vector<QWidget*> FunctionPanelView::keys() const {
    return {m_cmdFunction.begin(), m_cmdFunction.end()};
}

void FunctionPanelView::sync() {
    syncLabel(*m_label1, m_panel.Label1);
}

} // namespace zolvan
