// zolvan-cli: runs lines through the same calculate command as the Enter key of the window.
#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/line_reader.h"
#include "cli/output_stream.h"
#include "engine/utf8.h"
#include "workspace/headless_services.h"
#include "workspace/local_files.h"
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
using cli::OutputStream;
using cli::sameFile;

// Starting settings go through the number settings, as the window's controls do.
void applySettings(Workspace& ws, const cli::Options& options) {
    // The tool shows no display and no history, so it keeps neither: its memory stays flat
    // however many lines it runs. What carries from line to line (the last answer, the memory,
    // the data series, the settings) lives in the engine state and the settings.
    ws.displayShown = false;
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

// Standard output and the stream the hints and notes go to. When standard error is the same file
// as standard output ("2>&1", a terminal), hints are written with the output lines, so that each
// stays right after its line however the output is blocked.
class Streams {
public:
    Streams()
        : m_out(STDOUT_FILENO, isatty(STDOUT_FILENO) != 0),
          m_err(STDERR_FILENO, isatty(STDERR_FILENO) != 0),
          m_notes(sameFile(STDOUT_FILENO, STDERR_FILENO) ? m_out : m_err) {}

    OutputStream& out() { return m_out; }
    // Hints and notes about the input, which go to standard error.
    OutputStream& notes() { return m_notes; }

    // Everything pending goes out. False, with errno set, when writing failed.
    bool flush() {
        if (!m_out.flush()) {
            m_err.flush(); // the hints that are left still go out; errno stays standard output's
            return false;
        }
        return m_err.flush();
    }

    // A fault is reported after everything written before it; a write that fails on the way
    // does not hide it.
    void reportFault(std::string_view what, int error) {
        m_out.flush();
        m_err.flush();
        complain(what, error);
    }

private:
    OutputStream m_out;
    OutputStream m_err;
    OutputStream& m_notes;
};

class LineRunner {
public:
    LineRunner(Workspace& ws, const cli::Options& options, Streams& streams)
        : m_ws(ws), m_options(options), m_streams(streams) {}

    // A line's result was a fault message.
    bool anyFault() const { return m_anyFault; }

    // Runs one input line and writes its output line. False when the write failed.
    bool run(std::string_view line) {
        if (isWellFormedUtf8(line)) {
            m_ws.txtUnosFormule.setText(std::string(line));
        } else {
            m_ws.txtUnosFormule.setText(wellFormedUtf8(line));
        }
        m_ws.convertChem2Text(m_report);
        const LineReport& report = m_report;
        m_anyFault = m_anyFault || report.error.has_value();
        std::string& out = m_streams.out().pending();
        if (m_options.json) {
            cli::appendJsonLine(out, report, m_ws);
        } else {
            cli::appendTaskLine(out, report);
            if (m_options.composition) {
                cli::appendCompositionBlock(out, report, m_ws);
            }
        }
        out.push_back('\n');
        if (!m_options.json) {
            // Standard output keeps one line per input line; hints go beside it.
            cli::appendHintLines(m_streams.notes().pending(), report);
        }
        return m_streams.out().linesEnded() && m_streams.notes().linesEnded();
    }

private:
    Workspace& m_ws;
    const cli::Options& m_options;
    Streams& m_streams;
    LineReport m_report;
    bool m_anyFault = false;
};

int runArguments(LineRunner& runner, Streams& streams,
                 const std::vector<std::string>& expressions) {
    for (const auto& expression : expressions) {
        for (const auto& line : cli::argumentLines(expression)) {
            if (!runner.run(line)) {
                streams.reportFault("write error", errno);
                return 1;
            }
        }
    }
    return 0;
}

int runStandardInput(LineRunner& runner, Streams& streams) {
    const bool interactive = isatty(STDIN_FILENO) != 0;
    cli::LineReader reader(STDIN_FILENO);
    std::string line;
    for (std::size_t number = 1;; ++number) {
        if (interactive) {
            streams.out().pending() += "> ";
        }
        // Whoever writes the input may be waiting for the answers so far, or for the prompt.
        if ((interactive || !reader.lineReady()) && !streams.flush()) {
            streams.reportFault("write error", errno);
            return 1;
        }
        const auto status = reader.next(line);
        if (status == cli::LineReader::Status::End) {
            return 0;
        }
        if (status == cli::LineReader::Status::Error) {
            streams.reportFault("read error", reader.errorNumber());
            return 1;
        }
        if (reader.lastLineCut()) {
            streams.notes().pending() += "zolvan-cli: line " + std::to_string(number) +
                                         " is longer than " + std::to_string(cli::kMaxLineBytes) +
                                         " bytes: the rest is left out\n";
        }
        if (!runner.run(line)) {
            streams.reportFault("write error", errno);
            return 1;
        }
    }
}

int runLines(const cli::Options& options) {
    HeadlessServices services(options.decimalSeparator);
    Workspace ws(services);
    ws.Form_Load();
    applySettings(ws, options);

    Streams streams;
    LineRunner runner(ws, options, streams);
    int status = options.expressions.empty() ? runStandardInput(runner, streams)
                                             : runArguments(runner, streams, options.expressions);
    if (status == 0 && !streams.flush()) {
        streams.reportFault("write error", errno);
        status = 1;
    }
    constexpr int kFaultStatus = 3;
    return status == 0 && options.strict && runner.anyFault() ? kFaultStatus : status;
}

int writeOrComplain(std::string_view text) {
    if (!writeAll(STDOUT_FILENO, text)) {
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
