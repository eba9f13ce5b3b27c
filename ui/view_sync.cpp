#include "ui/view_sync.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace zolvan {

QColor toQColor(Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString arrayName(const char* name, std::size_t index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

int utf16Index(const QString& text, int codePoints) {
    int index = 0;
    for (int seen = 0; seen < codePoints && index < text.size(); ++seen) {
        index += text.at(index).isHighSurrogate() && index + 1 < text.size() ? 2 : 1;
    }
    return index;
}

int codePointIndex(const QString& text, int utf16) {
    int count = 0;
    for (int index = 0; index < utf16 && index < text.size(); ++count) {
        index += text.at(index).isHighSurrogate() && index + 1 < text.size() ? 2 : 1;
    }
    return count;
}

// Relative luminance and contrast ratio as accessibility guidelines define them.
static double luminance(QColor colour) {
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrastRatio(QColor a, QColor b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

// The design's text colours were chosen for a light window. On a dark background (a dark
// desktop theme) a colour too dark to read is mixed with white, step by step, until its text
// reaches the contrast of body text; on a light background it stays as designed.
QColor readableOn(QColor text, QColor background) {
    constexpr double kBodyTextContrast = 4.5;
    if (background.lightnessF() >= 0.5) {
        return text;
    }
    QColor mixed = text;
    for (int step = 1; step <= 10 && contrastRatio(mixed, background) < kBodyTextContrast; ++step) {
        const double w = step / 10.0;
        mixed = QColor::fromRgbF(static_cast<float>(text.redF() * (1 - w) + w),
                                 static_cast<float>(text.greenF() * (1 - w) + w),
                                 static_cast<float>(text.blueF() * (1 - w) + w));
    }
    return mixed;
}

} // namespace

void setTextColour(QWidget& widget, QColor design) {
    const QPalette::ColorRole role = widget.foregroundRole();
    const QColor colour = readableOn(design, widget.palette().color(widget.backgroundRole()));
    if (widget.palette().color(QPalette::Active, role) == colour) {
        return;
    }
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    widget.setPalette(palette);
}

namespace {

void syncText(QLabel& widget, const QString& text) {
    if (widget.text() != text) {
        widget.setText(text);
    }
}

void syncToolTip(QWidget& widget, const std::string& toolTip) {
    const QString text = toQString(toolTip);
    if (widget.toolTip() != text) {
        widget.setToolTip(text);
    }
}

} // namespace

void syncLabel(QLabel& widget, const Label& model) {
    syncText(widget, toQString(model.caption));
    syncToolTip(widget, model.toolTip);
    setTextColour(widget, toQColor(model.foreColour));
    widget.setEnabled(model.enabled);
    widget.setVisible(model.visible);
}

void syncCaption(QAbstractButton& button, const std::string& caption) {
    const QString wanted = toQString(caption);
    if (button.icon().isNull() && button.text() != wanted) {
        button.setText(wanted);
    }
}

void syncOptionButtons(std::span<QRadioButton* const> widgets, const OptionGroup& model) {
    for (std::size_t i = 0; i < widgets.size() && i < model.buttons.size(); ++i) {
        QRadioButton& button = *widgets[i];
        const QSignalBlocker blocker(button);
        const bool selected = model.isSelected(static_cast<int>(i));
        if (button.isChecked() != selected) {
            button.setChecked(selected);
        }
        setTextColour(button, toQColor(model.buttons[i].foreColour));
        button.setEnabled(model.buttons[i].enabled);
    }
}

void syncCheckBox(QCheckBox& widget, const CheckBox& model) {
    const QSignalBlocker blocker(widget);
    if (widget.isChecked() != model.checked()) {
        widget.setChecked(model.checked());
    }
    widget.setEnabled(model.enabled);
}

void syncScrollBar(QScrollBar& widget, const ScrollBar& model) {
    const QSignalBlocker blocker(widget);
    if (widget.minimum() != model.min || widget.maximum() != model.max) {
        widget.setRange(model.min, model.max);
    }
    if (widget.value() != model.value()) {
        widget.setValue(model.value());
    }
    widget.setEnabled(model.enabled);
}

void syncMenuItem(QAction& action, const MenuItem& model, bool reachable) {
    const QSignalBlocker blocker(action);
    action.setChecked(model.checked);
    action.setVisible(model.visible);
    action.setEnabled(model.enabled && reachable);
}

namespace {

struct Selection {
    int start = 0;
    int length = 0;
    friend bool operator==(Selection, Selection) = default;
};

// The widget's selection in characters; with nothing selected, the caret and length 0.
Selection widgetSelection(const QLineEdit& widget) {
    const QString text = widget.text();
    if (!widget.hasSelectedText()) {
        return {codePointIndex(text, widget.cursorPosition()), 0};
    }
    const int start = widget.selectionStart();
    const int end = start + widget.selectedText().size();
    const int first = codePointIndex(text, start);
    return {first, codePointIndex(text, end) - first};
}

} // namespace

void pullTextBox(const QLineEdit& widget, TextBox& model) {
    const std::string text = widget.text().toStdString();
    if (text != model.text()) {
        // The user's typing is copied, not replayed: no change handler runs for it here.
        std::function<void()> onChange = std::move(model.onChange);
        model.onChange = nullptr;
        model.setText(text);
        model.onChange = std::move(onChange);
    }
    pullSelection(widget, model);
}

void pullSelection(const QLineEdit& widget, TextBox& model) {
    const Selection selection = widgetSelection(widget);
    model.select(selection.start, selection.length);
}

void editTextBox(const QLineEdit& widget, TextBox& model) {
    const std::string typed = widget.text().toStdString();
    model.setText(typed);
    if (model.text() == typed) {
        pullSelection(widget, model);
    }
}

void pushTextBox(QLineEdit& widget, const TextBox& model) {
    const QSignalBlocker blocker(widget);
    const QString text = toQString(model.text());
    if (widget.text() != text) {
        widget.setText(text);
    }
    const Selection wanted{model.selStart(), model.selLength()};
    if (widgetSelection(widget) != wanted) {
        const int start = utf16Index(text, wanted.start);
        if (wanted.length > 0) {
            widget.setSelection(start, utf16Index(text, wanted.start + wanted.length) - start);
        } else {
            widget.setCursorPosition(start);
        }
    }
    widget.setEnabled(model.enabled);
    widget.setVisible(model.visible);
}

} // namespace zolvan
