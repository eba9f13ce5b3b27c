#include "documents/printing.h"

#include "workspace/workspace.h"

#include <optional>
#include <string>

namespace zolvan {

Printing::Printing(Workspace& workspace) : m_ws(workspace) {
    m_ws.mnuPrint.onClick = [this] { mnuPrint_Click(); };
}

void Printing::mnuPrint_Click() {
    WindowServices& services = m_ws.services();
    const std::optional<int> copies = services.showPrintDialog();
    if (!copies) {
        return;
    }
    for (int copy = 0; copy < *copies; ++copy) {
        for (std::size_t i = 0; i < m_ws.cmbLista.size(); ++i) {
            services.printLine(m_ws.cmbLista.items()[i] + " = " + m_ws.historyResult(i));
        }
        if (const ServiceOutcome printed = services.endDocument(); !printed.ok) {
            services.reportError("Print", "Could not print to " + printed.reason);
            return;
        }
    }
}

} // namespace zolvan
