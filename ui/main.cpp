// Starts the splash window, which loads the main window behind it. With
// ZOLVAN_EXIT_AFTER_FIRST_PAINT set, the program ends right after the splash has been painted
// once, which is how its start-up time is measured.

#include "ui/document_windows.h"
#include "ui/vescal.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

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

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zolvan"));
    QApplication::setApplicationVersion(QStringLiteral("1.8"));
    zolvan::Vescal window;
    // The start-up window is the splash; it shows the main window after about a second.
    if (qEnvironmentVariableIsSet("ZOLVAN_EXIT_AFTER_FIRST_PAINT")) {
        window.splash().installEventFilter(new QuitAfterFirstPaint(&window));
    }
    window.startWithSplash();
    return QApplication::exec();
}
