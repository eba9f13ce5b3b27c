#include "documents/printing.h"

#include "workspace/workspace.h"

#include <optional>
#include <string>

namespace zolvan {

Printing::Printing(Workspace& workspace) : m_ws(workspace) {
    m_ws.mnuPrint.bind([this] { mnuPrint_Click(); });
}

void Printing::mnuPrint_Click() {
    WindowServices& services = m_ws.services();
    const std::optional<int> copies = services.showPrintDialog();
    if (!copies) {
        return;
    }
    const std::size_t rows = m_ws.cmbLista.items.size();
    for (int copy = 0; copy < *copies; ++copy) {
        for (std::size_t i = 0; i < rows; ++i) {
            const std::string result =
                i < m_ws.lstRezultat.items.size() ? m_ws.lstRezultat.items[i] : std::string();
            services.printLine(m_ws.cmbLista.items[i] + " = " + result);
        }
        if (const ServiceOutcome printed = services.endDocument(); !printed.ok) {
            services.reportError("Print", "Could not print to " + printed.reason);
            return;
        }
    }
}

} // namespace zolvan
