// Starts the main window. With ZOLVAN_EXIT_AFTER_FIRST_PAINT set, the program ends right after
// the window has been painted once, which is how its start-up time is measured.

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
    if (qEnvironmentVariableIsSet("ZOLVAN_EXIT_AFTER_FIRST_PAINT")) {
        window.installEventFilter(new QuitAfterFirstPaint(&window));
    }
    window.show();
    return QApplication::exec();
}
