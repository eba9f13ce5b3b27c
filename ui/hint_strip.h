#pragma once
// The hint strip: the hints about the last line, drawn over the previous-line rows of the display
// while there are any. It shows and reports a click; it never takes the focus, and what the
// hints say is the engine's business. A screen reader finds it by its description "Hint".

#include "ui/click_widgets.h"

#include <string>
#include <vector>

namespace zolvan {

class HintStrip : public ClickableLabel {
    Q_OBJECT
public:
    // `place` is where it normally lies; a text that does not fit even in a smaller font may
    // take `roomAbove` more pixels above it. Both are at the window's design size: the strip
    // follows the window's zoom.
    HintStrip(QWidget* parent, QRect place, int roomAbove);

    // One hint a line; hidden when there is none. The tooltip always holds the whole text. The
    // text is fitted again when it or the window's zoom changed.
    void showHints(const std::vector<std::string>& hints);

private:
    void fit(const QString& text);

    QRect m_place;
    int m_roomAbove;
    double m_fittedZoom = 1.0; // the window's zoom when the text was last fitted
};

} // namespace zolvan
