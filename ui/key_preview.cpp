#include "ui/key_preview.h"

#include "workspace/key_codes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace zolvan {

namespace {

// X keyboard codes of the digit row 1 .. 9, 0 (evdev scan code + 8). With Shift held the key
// names the shifted symbol ("#" for 3 on many layouts); the code still names the digit key.
constexpr quint32 kScanDigit1 = 10;
constexpr quint32 kScanDigit0 = 19;

std::optional<int> digitOfMainKeyboard(const QKeyEvent& event) {
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        return std::nullopt;
    }
    if (event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9) {
        return event.key() - Qt::Key_0;
    }
    const quint32 scan = event.nativeScanCode();
    if (scan >= kScanDigit1 && scan <= kScanDigit0) {
        return scan == kScanDigit0 ? 0 : static_cast<int>(scan - kScanDigit1) + 1;
    }
    return std::nullopt;
}

int shiftMask(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? keys::ShiftMask : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? keys::CtrlMask : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? keys::AltMask : 0);
}

} // namespace

std::optional<VirtualKey> virtualKey(const QKeyEvent& event) {
    const int shift = shiftMask(event.modifiers());
    const int key = event.key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        return VirtualKey{keys::F1 + (key - Qt::Key_F1), shift};
    }
    if (key == Qt::Key_Escape) {
        return VirtualKey{keys::Escape, shift};
    }
    if (std::optional<int> digit = digitOfMainKeyboard(event)) {
        return VirtualKey{keys::Digit0 + *digit, shift};
    }
    return std::nullopt;
}

KeyPreview::KeyPreview(QWidget& window, Handler handler)
    : QObject(&window), m_window(window), m_handler(std::move(handler)) {
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
    qApp->removeEventFilter(this);
}

bool KeyPreview::belongsToWindow(QObject* watched) const {
    if (watched->isWidgetType()) {
        return static_cast<QWidget*>(watched)->window() == &m_window;
    }
    return m_window.windowHandle() != nullptr && watched == m_window.windowHandle();
}

// A key press from the window system goes to the window first and is then passed on, as the same
// event, to the focused control and up its parents; a key sent to a control directly starts
// there. Either way it is previewed once, where it first arrives.
bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        m_inFlight = nullptr;
        return false;
    }
    if (event->type() != QEvent::KeyPress || m_resending || !belongsToWindow(watched)) {
        return false;
    }
    const bool passedOn = event == m_inFlight && watched->isWidgetType();
    if (passedOn) {
        return false;
    }
    m_inFlight = event;
    return preview(watched, *static_cast<QKeyEvent*>(event));
}

bool KeyPreview::preview(QObject* receiver, QKeyEvent& event) {
    const std::optional<VirtualKey> key = virtualKey(event);
    if (!key) {
        return false;
    }
    m_handler(*key);
    // Alt with a digit types no character into a text box on the desktop the handlers were made
    // for; Qt's line edits would insert the digit after the root the handler wrote. The key still
    // goes on, without its text.
    const bool altDigit = key->code > keys::Digit0 && key->code <= keys::Digit0 + 9 &&
                          (key->shift & keys::AltMask) != 0 && !event.text().isEmpty();
    if (!altDigit) {
        return false;
    }
    QKeyEvent silent(event.type(), event.key(), event.modifiers(), event.nativeScanCode(),
                     event.nativeVirtualKey(), event.nativeModifiers(), QString(),
                     event.isAutoRepeat(), static_cast<quint16>(event.count()));
    m_resending = true;
    QCoreApplication::sendEvent(receiver, &silent);
    m_resending = false;
    event.setAccepted(silent.isAccepted());
    return true;
}

} // namespace zolvan
