#pragma once
// Tooltips that fit on the screen. Qt draws a plain-text tooltip on one line however long it is:
// the expanded form of a long formula would run off the screen. The tooltips of one window are
// shown wrapped to the width of the screen they appear on, at blanks where they can and inside a
// long term where they must, and cut with "…" below the last line the screen can hold. The
// widgets keep their full tooltips; only what is shown is wrapped.

#include <QObject>
#include <QString>

class QFont;
class QWidget;

namespace zolvan {

// `text` in lines of at most `width` pixels in `font`, joined by line feeds; its own line feeds
// stay. With more than `maxLines` lines, the last kept line ends in "…".
QString wrapToWidth(const QString& text, const QFont& font, int width, int maxLines);

class WrappedToolTips : public QObject {
public:
    // Watches the application's tooltip events for the widgets of `window`.
    explicit WrappedToolTips(QWidget& window);
    ~WrappedToolTips() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
};

} // namespace zolvan
