// A task file of 100,000 lines run through the real window (offscreen platform): the batch feeds
// every line to the calculate command, pumps the window's events once per line and keeps the
// history drop-down in step. Also the time from an Escape key to the end of a running batch.
#include "ui/vescal.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <memory>

namespace {

constexpr int kLines = 100000;

constexpr std::array<const char*, 20> kMixedLines{
    "H2SO4",       "2h2o+nacl", "3*Ca(OH)2",   "sin(30)^2",  "5%200",
    "CuSO4+5H2O",  "(2+3)*4/7", "sqrt(2)*pi",  "sum(2+4+6)", "x^2-3x+2",
    "log1000+ln5", "12.5*8-3",  "K4[Fe(CN)6]", "2^10-1",     "cos(pi/3)",
    "C6H12O6",     "ans*2",     "2x^2+3x-5",   "170!/3",     "sum(1.5+2.5-3+4E-2)",
};

// Example.tsk of `lines` mixed lines in a fresh current directory.
std::unique_ptr<QTemporaryDir> exampleFile(int lines) {
    auto dir = std::make_unique<QTemporaryDir>();
    QFile file(dir->filePath(QStringLiteral("Example.tsk")));
    if (!file.open(QIODevice::WriteOnly)) {
        return nullptr;
    }
    for (int i = 0; i < lines; ++i) {
        file.write(kMixedLines[static_cast<std::size_t>(i) % kMixedLines.size()]);
        file.write("\r\n");
    }
    QDir::setCurrent(dir->path());
    return dir;
}

void openTaskFileInWindow(benchmark::State& state) {
    const auto dir = exampleFile(kLines);
    for (auto _ : state) {
        zolvan::Vescal window{QLocale::c()};
        window.show();
        window.findChild<QAction*>(QStringLiteral("mnuExample"))->trigger();
        const int rows = window.findChild<QComboBox*>(QStringLiteral("cmbLista"))->count();
        if (rows != kLines) {
            state.SkipWithError("the history does not hold every line");
        }
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(openTaskFileInWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

// The history drop-down opened and closed over 100,000 entries, each drawn with its result: the
// list measures one row and draws the rows in sight.
void openHistoryList(benchmark::State& state) {
    const auto dir = exampleFile(kLines);
    zolvan::Vescal window{QLocale::c()};
    window.show();
    window.findChild<QAction*>(QStringLiteral("mnuExample"))->trigger();
    auto* history = window.findChild<QComboBox*>(QStringLiteral("cmbLista"));
    for (auto _ : state) {
        history->showPopup();
        history->view()->viewport()->repaint();
        history->hidePopup();
    }
    if (history->count() != kLines) {
        state.SkipWithError("the history does not hold every line");
    }
}
BENCHMARK(openHistoryList)->Unit(benchmark::kMillisecond)->Iterations(5);

// Escape arrives 300 ms into the batch; the time until the batch has returned.
void escapeStopsTheBatch(benchmark::State& state) {
    const auto dir = exampleFile(kLines);
    for (auto _ : state) {
        zolvan::Vescal window{QLocale::c()};
        window.show();
        QElapsedTimer sinceEscape;
        QTimer::singleShot(300, &window, [&] {
            auto* line = window.findChild<QLineEdit*>(QStringLiteral("txtUnosFormule"));
            sinceEscape.start();
            QCoreApplication::postEvent(
                line, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        });
        window.findChild<QAction*>(QStringLiteral("mnuExample"))->trigger();
        const double ms = static_cast<double>(sinceEscape.nsecsElapsed()) / 1e6;
        const int rows = window.findChild<QComboBox*>(QStringLiteral("cmbLista"))->count();
        if (!sinceEscape.isValid() || rows >= kLines) {
            state.SkipWithError("Escape did not stop the batch");
        }
        state.counters["escape_ms"] = ms;
        state.counters["rows_done"] = rows;
    }
}
BENCHMARK(escapeStopsTheBatch)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
