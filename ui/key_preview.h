#pragma once
// Key preview for one window: every key press meant for the window reaches a handler before the
// focused control sees it, and then goes on to that control. A key that runs a menu shortcut is
// consumed by the shortcut before any key press is delivered, so the handler never sees keys
// that an enabled menu item claims.

#include <QObject>

#include <functional>
#include <optional>

class QKeyEvent;
class QWidget;

namespace zolvan {

// A key as the handlers know it: a virtual key code (F1 112 .. F12 123, Escape 27, the digits of
// the main keyboard 48 .. 57) and the modifier mask 1 Shift, 2 Ctrl, 4 Alt.
struct VirtualKey {
    int code = 0;
    int shift = 0;
    friend bool operator==(VirtualKey, VirtualKey) = default;
};

// Nothing for keys the handlers have no code for, the digits of the numeric keypad among them.
std::optional<VirtualKey> virtualKey(const QKeyEvent& event);

class KeyPreview : public QObject {
public:
    using Handler = std::function<void(VirtualKey)>;

    // Watches the application's events for `window`; the handler runs for each key press once.
    KeyPreview(QWidget& window, Handler handler);
    ~KeyPreview() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToWindow(QObject* watched) const;
    bool preview(QObject* receiver, QKeyEvent& event);

    QWidget& m_window;
    Handler m_handler;
    // The key press last previewed, while it travels from the window to the focused control
    // and its parents; cleared by the next key release.
    const QEvent* m_inFlight = nullptr;
    bool m_resending = false;
};

} // namespace zolvan
