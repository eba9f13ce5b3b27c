#pragma once
// The input panels as widgets: the keypad with Inv, the image menu bar with its hover frame, the
// function panel with the square-equation boxes, and the side panel's tabs, indicator and lists.
// They stand at the design's twip positions. The view reports what the user did by index; the
// model's handlers decide what it means, and sync() shows the model again.

#include <QFrame>
#include <QObject>
#include <QPushButton>

#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace zolvan {

struct WindowModel;

// A push button that reports the pointer moving over it and the release of the right button, as
// the keypad and the function panel need.
class PanelButton : public QPushButton {
    Q_OBJECT
public:
    explicit PanelButton(QWidget* parent);

signals:
    void pointerMoved();
    void rightReleased();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A flat picture button of the image bar. Flat buttons draw no focus mark of their own, so it
// draws one while it has the keyboard focus.
class PictureButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class PanelsView : public QObject {
    Q_OBJECT
public:
    // `calculator` holds the keypad and the image menu bar, `function` the function panel,
    // `side` the tabs and lists.
    PanelsView(QWidget& calculator, QWidget& function, QWidget& side);

    // The user's edits (coefficient boxes, list selections) into the model. Raises nothing.
    void pull(WindowModel& model) const;
    void sync(const WindowModel& model);

    // The keys of the calculator (image bar, keypad, Inverse box) and of the side panel.
    std::vector<QWidget*> calculatorKeys() const;
    std::vector<QWidget*> sideKeys() const;

signals:
    void keyClicked(int index);
    void keyRightReleased(int index);
    void keyHovered(int index);
    void inverseClicked(bool checked);
    void imageClicked(int index);
    void imagePressed(int index);
    void imageReleased(int index);
    void imageHovered(int index);
    void functionClicked(int index);
    void functionHovered(int index);
    void squareClicked();
    void squareEnter(int index);
    void squareFocused(int index);
    void tabClicked(int index);
    void listActivated(int index); // double-click or Enter on an entry

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildKeypad(QWidget& calculator);
    void buildImageMenu(QWidget& calculator);
    void buildFunctionPanel(QWidget& function);
    void buildSquarePanel(QWidget& function);
    void buildSide(QWidget& side);

    std::array<PanelButton*, 39> m_cmdNum{};
    QCheckBox* m_chkInverse = nullptr;
    std::array<PictureButton*, 10> m_imgMenu{};
    QFrame* m_imgButonMask = nullptr; // hover frame over the image button under the pointer
    std::array<PanelButton*, 36> m_cmdFunction{};
    QLabel* m_label1 = nullptr;
    std::array<QLineEdit*, 3> m_txtKvadratna{}; // 0 c, 1 b, 2 a
    QPushButton* m_cmdKvadratna = nullptr;
    QWidget* m_picFunction = nullptr;
    std::array<QPushButton*, 4> m_cmdConstant{};
    QFrame* m_fraOptMaska = nullptr;
    std::array<QListWidget*, 4> m_lstConstants{};
};

} // namespace zolvan
