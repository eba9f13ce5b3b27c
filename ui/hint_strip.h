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
    explicit HintStrip(QWidget* parent);

    // One hint a line; hidden when there is none. The font steps down once when the text would
    // not fit, and the tooltip always holds the whole text.
    void showHints(const std::vector<std::string>& hints);
};

} // namespace zolvan
