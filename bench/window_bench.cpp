// The real window on Qt's offscreen platform: a task file of 100,000 lines (the batch feeds every
// line to the calculate command, pumps the window's events once per line and keeps the history
// drop-down in step), the time from an Escape key to the end of a running batch, the history
// drop-down opened over 100,000 entries, and what one keystroke and one pointer move over a key
// cost while a constants file of 32,767 lines is loaded.
#include "bench/mixed_lines.h"
#include "ui/vescal.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <memory>

namespace {

constexpr int kLines = 100000;

// Example.tsk of `lines` mixed lines in a fresh current directory.
std::unique_ptr<QTemporaryDir> exampleFile(int lines) {
    auto dir = std::make_unique<QTemporaryDir>();
    QFile file(dir->filePath(QStringLiteral("Example.tsk")));
    if (!file.open(QIODevice::WriteOnly)) {
        return nullptr;
    }
    for (int i = 0; i < lines; ++i) {
        const std::string_view line = zolvan::bench::kMixedLines[static_cast<std::size_t>(i) %
                                                                 zolvan::bench::kMixedLines.size()];
        file.write(line.data(), static_cast<qint64>(line.size()));
        file.write("\r\n");
    }
    QDir::setCurrent(dir->path());
    return dir;
}

// A constants file of the loader's own limit, 32,767 lines: names and values in pairs.
QString constantsFile(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("big.con"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    for (int i = 0; i < 32767; ++i) {
        file.write(i % 2 == 0 ? QByteArray("Constant number ") + QByteArray::number(i / 2) + "\n"
                              : QByteArray(" ") + QByteArray::number(i * 1.5) + " E-3\n");
    }
    return path;
}

// View > New Custom Constant..., the file dialog answered with `path` once it is open.
void loadConstants(zolvan::Vescal& window, const QString& path) {
    auto* poll = new QTimer(&window);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        }
    });
    poll->start();
    window.findChild<QAction*>(QStringLiteral("mnuConstants_4"))->trigger();
}

// A window with the big constants file loaded and its list on show.
bool withBigConstants(zolvan::Vescal& window, const QTemporaryDir& dir) {
    window.show();
    loadConstants(window, constantsFile(dir));
    const auto* list = window.findChild<QListWidget*>(QStringLiteral("lstConstants_3"));
    return list != nullptr && list->count() == 32767 && list->isVisible();
}

// A digit typed into the input line, which holds a line of up to 20 characters: the key preview
// runs the window's key handler for it, and the line edit lays the line out again.
void keystrokeWithBigConstants(benchmark::State& state) {
    QTemporaryDir dir;
    zolvan::Vescal window{QLocale::c()};
    if (!withBigConstants(window, dir)) {
        state.SkipWithError("the constants file did not load");
        return;
    }
    auto* line = window.findChild<QLineEdit*>(QStringLiteral("txtUnosFormule"));
    line->setFocus();
    int typed = 0;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
        QCoreApplication::sendEvent(line, &press);
        QCoreApplication::sendEvent(line, &release);
        if (++typed == 20) {
            state.PauseTiming();
            line->clear();
            typed = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(keystrokeWithBigConstants)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// The pointer moving over a keypad key: the key's own move and the calculator frame's.
void hoverWithBigConstants(benchmark::State& state) {
    QTemporaryDir dir;
    zolvan::Vescal window{QLocale::c()};
    if (!withBigConstants(window, dir)) {
        state.SkipWithError("the constants file did not load");
        return;
    }
    auto* key = window.findChild<QPushButton*>(QStringLiteral("cmdNum_5"));
    int x = 0;
    for (auto _ : state) {
        const QPointF at(5 + x++ % 20, 8);
        QMouseEvent move(QEvent::MouseMove, at, key->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(key, &move);
    }
}
BENCHMARK(hoverWithBigConstants)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// The 100,000-line task file run with the big constants list loaded and on show.
void openTaskFileWithBigConstants(benchmark::State& state) {
    const auto dir = exampleFile(kLines);
    for (auto _ : state) {
        zolvan::Vescal window{QLocale::c()};
        if (!withBigConstants(window, *dir)) {
            state.SkipWithError("the constants file did not load");
            return;
        }
        QElapsedTimer run;
        run.start();
        window.findChild<QAction*>(QStringLiteral("mnuExample"))->trigger();
        state.SetIterationTime(static_cast<double>(run.nsecsElapsed()) / 1e9);
        if (window.findChild<QComboBox*>(QStringLiteral("cmbLista"))->count() != kLines) {
            state.SkipWithError("the history does not hold every line");
        }
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(openTaskFileWithBigConstants)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseManualTime();

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

// Escape arrives 50 ms into the batch (which takes about 170 ms on the project machine); the
// time until the batch has returned.
void escapeStopsTheBatch(benchmark::State& state) {
    const auto dir = exampleFile(kLines);
    for (auto _ : state) {
        zolvan::Vescal window{QLocale::c()};
        window.show();
        QElapsedTimer sinceEscape;
        QTimer::singleShot(50, &window, [&] {
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
