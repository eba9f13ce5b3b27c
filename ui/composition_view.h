#pragma once
// The side panel's Composition view as widgets: its tab below the constants tabs, the table of
// the last result's composition (one list row per element, each read as a sentence by a screen
// reader), its exact masses, and the form for the mass to weigh. The tab, Copy and the form's
// edits run the composition panel's handlers; the panel decides, and sync() shows it again.

#include "ui/unit_view.h"

#include <QObject>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace zolvan {

class CompositionPanel;

class CompositionView : public QObject, public UnitView {
public:
    // Builds the tab and the view inside the side panel `side`, below its first row of tabs.
    CompositionView(QWidget& side, CompositionPanel& model, RunHandler run);

    // The form's fields as the user left them, into the model. Raises nothing.
    void pull() override;
    void sync() override;

    QPushButton& tab() const { return *m_tab; }

protected:
    // Ctrl+C on either list copies the whole table, as the Copy button does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTable(QWidget& view);
    void buildForm(QWidget& view);

    CompositionPanel& m_model;
    RunHandler m_run;
    QPushButton* m_tab = nullptr;
    QFrame* m_indicator = nullptr; // the bar under the tab while the view is on show
    QWidget* m_view = nullptr;
    QLabel* m_heading = nullptr;
    QPushButton* m_copy = nullptr;
    QLabel* m_columns = nullptr;
    QListWidget* m_table = nullptr;
    QListWidget* m_masses = nullptr;
    QLabel* m_molarMass = nullptr;
    QLineEdit* m_concentration = nullptr;
    QLineEdit* m_volume = nullptr;
    QLineEdit* m_purity = nullptr;
    QLabel* m_mass = nullptr;
};

} // namespace zolvan
