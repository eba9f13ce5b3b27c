// Starts the splash window, which loads the main window behind it. With
// ZOLVAN_EXIT_AFTER_FIRST_PAINT set, the program ends right after the splash has been painted
// once, which is how its start-up time is measured.

#include "ui/document_windows.h"
#include "ui/vescal.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <QIcon>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <optional>

namespace {

// Quits the application once the watched window has painted itself; the rest of that paint
// (the children) finishes before the queued quit runs.
class QuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

// --help and --version are answered before the window system is reached, so that they work
// without a display. Options of Qt itself (-platform, -style) are left to QApplication.
std::optional<int> answerInformationOptions(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Scientific and molecular-weight calculator. Type a line such as H2SO4,\n"
                       "2h2o+nacl or sin(30)^2 and press Enter. See also zolvan-cli(1)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.parse(arguments);
    const auto print = [](const QString& text) {
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    };
    if (parser.isSet(help)) {
        // Without an application object the parser cannot know the program's name.
        return print(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                               QStringLiteral("zolvan")));
    }
    if (parser.isSet(version)) {
        return print(QStringLiteral("zolvan %1\n").arg(QCoreApplication::applicationVersion()));
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("zolvan"));
    QApplication::setApplicationVersion(QStringLiteral(ZOLVAN_VERSION));
    if (const std::optional<int> status = answerInformationOptions(argc, argv)) {
        return *status;
    }
    // A save past a file-size limit fails with a message instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvid.Zolvan"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.korvid.Zolvan.svg")));
    zolvan::Vescal window;
    // The start-up window is the splash; it shows the main window after about a second.
    if (qEnvironmentVariableIsSet("ZOLVAN_EXIT_AFTER_FIRST_PAINT")) {
        window.splash().installEventFilter(new QuitAfterFirstPaint(&window));
    }
    window.startWithSplash();
    return QApplication::exec();
}
