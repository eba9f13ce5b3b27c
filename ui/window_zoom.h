#pragma once
// Zoom of the main window as a whole, from 100% to 300% in steps: the geometry of every placed
// widget, every fixed size, every font (the menus' and tooltips' too), the pictures and the
// layouts' margins and spacing are recorded at 100%, the window's design, and set again scaled
// from those records, so that rounding never accumulates and every mode (expanded, compact, the
// number-format frame) keeps its proportions. Widgets that the window places again itself after
// a change of the model (the hover frame, the tab marker, the hint strip) ask zoomed() for their
// place. The window's size is the window's own business: it asks scaled() for it.
//
// Zoom In, Zoom Out and Actual Size are the model's menu items, whose keys work in every mode,
// the compact one included, whose menus are hidden: the zoom gives them their command and enables
// each while it can do something. Zoom In stops at the largest step at which the widest and
// tallest window still fits on its screen.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <array>
#include <map>
#include <optional>
#include <vector>

class QLayout;
class QMainWindow;
class QWidget;

namespace zolvan {

struct MenuItem;

// Name of the property that holds the SVG file of a label's picture, drawn again at each zoom.
inline constexpr char kPictureProperty[] = "pictureFile";

class WindowZoom : public QObject {
    Q_OBJECT
public:
    static constexpr std::array<int, 7> kSteps{100, 125, 150, 175, 200, 250, 300};

    // `largest` is the window's biggest size at 100%, which must fit on the screen at any step.
    // The three items are the model's Zoom In, Zoom Out and Actual Size.
    WindowZoom(QMainWindow& window, QSize largest, MenuItem& zoomIn, MenuItem& zoomOut,
               MenuItem& actualSize);
    // Tooltips are drawn in one font for the whole program: it is given back.
    ~WindowZoom() override;

    int percent() const { return kSteps[m_step]; }
    double factor() const { return percent() / 100.0; }
    QSize scaled(QSize design) const;
    QRect scaled(QRect design) const;

    void zoomIn();
    void zoomOut();
    void actualSize();

    // The zoom of the window `widget` lies in; 1 in a window without one.
    static double factorOf(const QWidget& widget);

signals:
    // Every widget has its new size: the window shows the model again and sizes itself.
    void changed();

private:
    struct Design {
        QPointer<QWidget> widget;
        bool placed = false; // its geometry is set by code, not by a layout or a window system
        QRect geometry;
        QSize minimum, maximum;
        std::optional<QFont> font;
        std::optional<QSize> iconSize;
        QSize picture; // of a label's picture
    };
    struct LayoutDesign {
        QPointer<QLayout> layout;
        QMargins margins;
        int spacing = -1;
    };

    void setStep(std::size_t step);
    std::size_t largestStepOnScreen() const;
    void apply();
    Design& designOf(QWidget& widget);
    void applyTo(QWidget& widget, const Design& design) const;
    void applyToLayouts();
    void keepOnScreen();
    void enableItems();

    QMainWindow& m_window;
    QSize m_largest;
    std::size_t m_step = 0;
    MenuItem& m_zoomIn;
    MenuItem& m_zoomOut;
    MenuItem& m_actualSize;
    std::map<const QObject*, Design> m_designs;
    std::map<const QObject*, LayoutDesign> m_layouts;
    std::optional<QFont> m_toolTipFont;
};

// A place given in pixels at 100%, in the zoom of the window `widget` lies in.
QRect zoomed(const QWidget& widget, QRect design);

} // namespace zolvan
