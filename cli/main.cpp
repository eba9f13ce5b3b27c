// zolvan-cli: runs lines through the same calculate command as the Enter key of the window.
#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "documents/window_model.h"
#include "workspace/headless_services.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace zolvan;

// Starting settings go through the same controls a user would click, so their handlers run.
void applySettings(WindowModel& model, const cli::Options& options) {
    Workspace& ws = model.workspace;
    ws.engine.ShowSeparators = options.showSeparators;
    ws.optNumber.select(options.mode);
    if (options.decimals) {
        ws.txtDecimala.setText(std::to_string(*options.decimals));
    }
    if (options.thousands) {
        model.numberSettings.chkTisuca.setChecked(true);
    }
    ws.optRadDeg.select(options.angle);
}

class LineRunner {
public:
    LineRunner(Workspace& ws, bool json, bool interactive)
        : m_ws(ws), m_json(json), m_interactive(interactive) {}

    void run(const std::string& line) {
        m_ws.txtUnosFormule.setText(line);
        const LineReport report = m_ws.convertChem2Text();
        if (m_json) {
            cli::appendJsonLine(m_out, report, m_ws);
        } else {
            cli::appendTaskLine(m_out, report);
        }
        m_out.push_back('\n');
        if (m_interactive || m_out.size() > (1u << 16)) {
            flush();
        }
    }

    void flush() {
        std::fwrite(m_out.data(), 1, m_out.size(), stdout);
        std::fflush(stdout);
        m_out.clear();
    }

private:
    Workspace& m_ws;
    bool m_json;
    bool m_interactive;
    std::string m_out;
};

int runLines(const cli::Options& options) {
    HeadlessServices services(options.decimalSeparator);
    WindowModel model(services);
    Workspace& ws = model.workspace;
    ws.Form_Load();
    applySettings(model, options);

    const bool interactive = options.expressions.empty() && isatty(STDIN_FILENO) != 0;
    LineRunner runner(ws, options.json, interactive);
    if (!options.expressions.empty()) {
        for (const auto& expression : options.expressions) {
            runner.run(expression);
        }
        runner.flush();
        return 0;
    }
    std::ios::sync_with_stdio(false);
    std::string line;
    while (true) {
        if (interactive) {
            std::fputs("> ", stdout);
            std::fflush(stdout);
        }
        if (!std::getline(std::cin, line)) {
            break;
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        runner.run(line);
    }
    runner.flush();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = zolvan::cli::parseOptions(args);
    if (const auto* error = std::get_if<zolvan::cli::UsageError>(&parsed)) {
        std::fprintf(stderr, "zolvan-cli: %s (try --help)\n", error->message.c_str());
        return 2;
    }
    const auto& options = std::get<zolvan::cli::Options>(parsed);
    if (options.help) {
        std::fputs(zolvan::cli::usageText().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("zolvan-cli %s\n", ZOLVAN_VERSION);
        return 0;
    }
    return runLines(options);
}
