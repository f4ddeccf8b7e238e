#pragma once
// "Modèles et verso...": which positions of the tab's sheet show other tabs of the
// project (of the same label size), and which tab is printed on the back of its labels,
// turned about the long or the short edge of the paper. "OK" stores them in the tab.
//
// Modal without a nested event loop: opening returns at once.

#include "base/core/Records.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace plk {

class Etiquette;
class Project;
class SheetLayout;

class frmSheetDesigns : public QDialog {
    Q_OBJECT

public:
    explicit frmSheetDesigns(QWidget* parent = nullptr);

    /// Loads tab `index` of the project, whose sheet has the labels of `layout`, and
    /// shows the dialog modally. The project must outlive the dialog's use.
    void showFor(Project& project, int index, const SheetLayout& layout);

    /// One row a range: first position, last position, tab.
    QTableWidget* ranges() const { return m_ranges; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* removeButton() const { return m_remove; }
    /// "(aucun)", then the tabs of the same size.
    QComboBox* backTab() const { return m_back; }
    /// "Bord long", "Bord court".
    QComboBox* flip() const { return m_flip; }
    QPushButton* okButton() const { return m_ok; }

    /// Adds a range row.
    void addRange(const DesignRange& range);
    /// Stores the ranges and the back in the tab.
    void accept() override;

private:
    QComboBox* tabChoice(int selected) const;

    Project* m_project = nullptr;
    int m_index = 0;
    int m_positions = 1;
    std::vector<int> m_choices;  // the tab number of each entry of a tab list
    QTableWidget* m_ranges;
    QPushButton* m_add;
    QPushButton* m_remove;
    QComboBox* m_back;
    QComboBox* m_flip;
    QLabel* m_intro;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace plk
