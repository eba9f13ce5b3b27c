// zolvan-cli: runs lines through the same calculate command as the Enter key of the window.
#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/line_reader.h"
#include "cli/utf8.h"
#include "workspace/headless_services.h"
#include "workspace/workspace.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

using namespace zolvan;

// Starting settings go through the number settings, as the window's controls do.
void applySettings(Workspace& ws, const cli::Options& options) {
    ws.showFunctionSeparators(options.showSeparators);
    ws.hintsEnabled = options.hints;
    NumberSettings& settings = ws.numberSettings;
    settings.selectDisplayMode(options.mode);
    if (options.decimals) {
        settings.typeDecimals(std::to_string(*options.decimals));
    }
    if (options.thousands) {
        settings.setThousandsSeparator(true);
    }
    settings.selectAngleUnit(options.angle);
}

// One line on standard error, as the standard tools report a fault.
void complain(std::string_view what, int error) {
    std::fprintf(stderr, "zolvan-cli: %.*s: %s\n", static_cast<int>(what.size()), what.data(),
                 std::strerror(error));
}

// Writes all of `text` to standard output at once. False, with errno set, when the write failed
// (a full disk, a closed descriptor, a reader that went away).
bool writeOut(std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

class LineRunner {
public:
    LineRunner(Workspace& ws, const cli::Options& options) : m_ws(ws), m_options(options) {}

    // A line's result was a fault message.
    bool anyFault() const { return m_anyFault; }

    // Runs one input line and writes its output line. False when the write failed.
    bool run(std::string_view line) {
        m_ws.txtUnosFormule.setText(cli::wellFormedUtf8(line));
        const LineReport report = m_ws.convertChem2Text();
        // The tool shows no history, so it keeps none: its memory stays flat however many lines
        // it runs. What carries from line to line (the last answer, the memory, the data series,
        // the settings) lives in the engine state and the settings, not in the history.
        m_ws.cmbLista.clear();
        m_ws.lstRezultat.clear();
        m_anyFault = m_anyFault || report.error.has_value();
        m_out.clear();
        if (m_options.json) {
            cli::appendJsonLine(m_out, report, m_ws);
        } else {
            cli::appendTaskLine(m_out, report);
            if (m_options.composition) {
                cli::appendCompositionBlock(m_out, report, m_ws);
            }
        }
        m_out.push_back('\n');
        if (!writeOut(m_out)) {
            return false;
        }
        if (!m_options.json) {
            // Standard output keeps one line per input line; hints go beside it.
            m_hintText.clear();
            cli::appendHintLines(m_hintText, report);
            std::fwrite(m_hintText.data(), 1, m_hintText.size(), stderr);
        }
        return true;
    }

private:
    Workspace& m_ws;
    const cli::Options& m_options;
    std::string m_out;
    std::string m_hintText;
    bool m_anyFault = false;
};

int runArguments(LineRunner& runner, const std::vector<std::string>& expressions) {
    for (const auto& expression : expressions) {
        for (const auto& line : cli::argumentLines(expression)) {
            if (!runner.run(line)) {
                complain("write error", errno);
                return 1;
            }
        }
    }
    return 0;
}

int runStandardInput(LineRunner& runner) {
    const bool interactive = isatty(STDIN_FILENO) != 0;
    cli::LineReader reader(STDIN_FILENO);
    std::string line;
    for (std::size_t number = 1;; ++number) {
        if (interactive && !writeOut("> ")) {
            complain("write error", errno);
            return 1;
        }
        const auto status = reader.next(line);
        if (status == cli::LineReader::Status::End) {
            return 0;
        }
        if (status == cli::LineReader::Status::Error) {
            complain("read error", reader.errorNumber());
            return 1;
        }
        if (reader.lastLineCut()) {
            std::fprintf(stderr,
                         "zolvan-cli: line %zu is longer than %zu bytes: the rest is left out\n",
                         number, cli::kMaxLineBytes);
        }
        if (!runner.run(line)) {
            complain("write error", errno);
            return 1;
        }
    }
}

int runLines(const cli::Options& options) {
    HeadlessServices services(options.decimalSeparator);
    Workspace ws(services);
    ws.Form_Load();
    applySettings(ws, options);

    LineRunner runner(ws, options);
    const int status = options.expressions.empty() ? runStandardInput(runner)
                                                   : runArguments(runner, options.expressions);
    constexpr int kFaultStatus = 3;
    return status == 0 && options.strict && runner.anyFault() ? kFaultStatus : status;
}

int writeOrComplain(std::string_view text) {
    if (!writeOut(text)) {
        complain("write error", errno);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Output past a file-size limit becomes a write error that is reported, not a killing signal.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = zolvan::cli::parseOptions(args);
    if (const auto* error = std::get_if<zolvan::cli::UsageError>(&parsed)) {
        std::fprintf(stderr, "zolvan-cli: %s (try --help)\n", error->message.c_str());
        return 2;
    }
    const auto& options = std::get<zolvan::cli::Options>(parsed);
    if (options.help) {
        return writeOrComplain(zolvan::cli::usageText());
    }
    if (options.version) {
        return writeOrComplain(std::string("zolvan-cli ") + ZOLVAN_VERSION + "\n");
    }
    return runLines(options);
}
