// The loop of mixedLinesCalculateCommand as a plain program, for profilers that count
// instructions: `calculate_lines N` runs N lines of the mix through the window's calculate
// command (hints on, history emptied now and then) and prints the last result.
#include "bench/mixed_lines.h"
#include "workspace/headless_services.h"
#include "workspace/workspace.h"

#include <cstdio>
#include <string>
#include <string_view>

int main(int argc, char** argv) {
    using zolvan::bench::kMixedLines;
    const std::size_t lines = zolvan::bench::lineCount(argc, argv);
    zolvan::HeadlessServices services;
    zolvan::Workspace ws(services);
    ws.Form_Load();
    for (std::size_t i = 0; i < lines; ++i) {
        ws.txtUnosFormule.setText(std::string(kMixedLines[i % kMixedLines.size()]));
        ws.convertChem2Text();
        if (ws.cmbLista.size() > 100000) {
            ws.cmbLista.clear();
            ws.lstRezultat.clear();
        }
    }
    std::printf("%s\n", ws.lblRezultat[0].caption.c_str());
}
