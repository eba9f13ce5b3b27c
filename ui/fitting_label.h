#pragma once
// A display row (a value, or an echoed line) that always shows legible: a text wider than the
// label is drawn in a smaller font, down to a readable minimum, and past that elided in its middle
// with "…", so that a value's sign and exponent, and a line's start and end, stay in sight.
// text() keeps the full text for clicks, function keys and screen readers; the tooltip shows it
// in full whenever the label cannot.

#include "ui/click_widgets.h"

namespace zolvan {

struct FittedText {
    QFont font;
    QString shown;
    bool shrunk = false; // drawn smaller than the label's font
    bool elided = false; // even the smallest font was too wide
};

// How text fits into width pixels, starting from font and never below minimumPoints.
FittedText fitText(const QString& text, const QFont& font, int width, double minimumPoints);

class FittingLabel : public ClickableLabel {
    Q_OBJECT
public:
    // `minimumPoints` at the window's design size; it grows with the window's zoom.
    explicit FittingLabel(QWidget* parent, double minimumPoints);

    FittedText fitted() const;
    // Sets the tooltip to the model's, led by the full text when the label cannot show it at its
    // own size.
    void updateToolTip(const QString& modelToolTip);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_minimumPoints;
};

} // namespace zolvan
