#include "print/ui/frmSheetDesigns.h"

#include "canvas/core/Etiquette.h"
#include "document/core/Project.h"
#include "print/core/SheetLayout.h"
#include "widgets/ui/ReadingOrder.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace plk {

namespace {

enum Column { First, Last, Tab };

QSpinBox* positionField(int positions, int value)
{
    auto* box = new QSpinBox;
    box->setRange(1, positions);
    box->setValue(value);
    return box;
}

}  // namespace

frmSheetDesigns::frmSheetDesigns(QWidget* parent)
    : QDialog(parent),
      m_ranges(new QTableWidget(0, 3, this)),
      m_add(new QPushButton(QStringLiteral("Ajouter"), this)),
      m_remove(new QPushButton(QStringLiteral("Supprimer"), this)),
      m_back(new QComboBox(this)),
      m_flip(new QComboBox(this)),
      m_intro(new QLabel(this)),
      m_ok(new QPushButton(QStringLiteral("OK"), this)),
      m_cancel(new QPushButton(QStringLiteral("Annuler"), this))
{
    setWindowTitle(QStringLiteral("Modèles et verso"));
    m_ranges->setHorizontalHeaderLabels(
        {QStringLiteral("Première position"), QStringLiteral("Dernière position"), QStringLiteral("Onglet")});
    m_ranges->horizontalHeader()->setSectionResizeMode(Tab, QHeaderView::Stretch);
    m_ranges->verticalHeader()->hide();
    m_ranges->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_flip->addItems({QStringLiteral("Bord long"), QStringLiteral("Bord court")});
    connect(m_add, &QPushButton::clicked, this, [this] { addRange({1, m_positions, m_index}); });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        if (m_ranges->currentRow() >= 0)
            m_ranges->removeRow(m_ranges->currentRow());
    });
    connect(m_ok, &QPushButton::clicked, this, &frmSheetDesigns::accept);
    connect(m_cancel, &QPushButton::clicked, this, &frmSheetDesigns::reject);

    m_intro->setWordWrap(true);
    auto* rangeButtons = new QHBoxLayout;
    rangeButtons->addWidget(m_add);
    rangeButtons->addWidget(m_remove);
    rangeButtons->addStretch(1);
    auto* back = new QFormLayout;
    back->addRow(QStringLiteral("Verso :"), m_back);
    back->addRow(QStringLiteral("Retournement de la feuille :"), m_flip);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_intro);
    layout->addWidget(m_ranges);
    layout->addLayout(rangeButtons);
    layout->addLayout(back);
    layout->addLayout(buttons);
    resize(480, 380);
    ReadingOrder::follow(this);
}

QComboBox* frmSheetDesigns::tabChoice(int selected) const
{
    auto* list = new QComboBox;
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        list->addItem(m_project->tabCaption(m_choices[i]));
        if (m_choices[i] == selected)
            list->setCurrentIndex(int(i));
    }
    return list;
}

void frmSheetDesigns::addRange(const DesignRange& range)
{
    const int row = m_ranges->rowCount();
    m_ranges->insertRow(row);
    m_ranges->setCellWidget(row, First, positionField(m_positions, range.first));
    m_ranges->setCellWidget(row, Last, positionField(m_positions, range.last));
    m_ranges->setCellWidget(row, Tab, tabChoice(range.tab));
}

void frmSheetDesigns::showFor(Project& project, int index, const SheetLayout& layout)
{
    m_project = &project;
    m_index = index;
    // Numbered as the job fills them: a maker's sheet of several grids, grid after grid.
    m_positions = int(layout.labels().size());
    m_intro->setText(QStringLiteral("Les %1 positions de la planche (comptées de 1, de gauche à droite puis de haut en "
                                    "bas%2) peuvent montrer d'autres onglets de même taille ; chacun prend les lignes "
                                    "de son propre fichier de données.")
                         .arg(m_positions)
                         .arg(layout.gridCount() > 1 ? QStringLiteral(", grille après grille") : QString()));
    // Only tabs of the same label size can share a sheet or make a back.
    const Etiquette& tab = project.tab(index);
    m_choices.clear();
    for (int i = 1; i <= project.tabCount(); ++i)
        if (project.tab(i).prjWidth() == tab.prjWidth() && project.tab(i).prjHeight() == tab.prjHeight())
            m_choices.push_back(i);
    m_ranges->setRowCount(0);
    for (const DesignRange& range : tab.print().designs)
        addRange(range);
    m_back->clear();
    m_back->addItem(QStringLiteral("(aucun)"));
    for (const int i : m_choices) {
        m_back->addItem(project.tabCaption(i));
        if (tab.print().back && tab.print().back->tab == i)
            m_back->setCurrentIndex(m_back->count() - 1);
    }
    m_flip->setCurrentIndex(tab.print().back && tab.print().back->flip == SheetFlip::ShortEdge ? 1 : 0);
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void frmSheetDesigns::accept()
{
    if (m_project && m_index >= 1 && m_index <= m_project->tabCount()) {
        Etiquette& tab = m_project->tab(m_index);
        PrintSettings s = tab.print();
        s.designs.clear();
        for (int row = 0; row < m_ranges->rowCount(); ++row) {
            const int first = static_cast<QSpinBox*>(m_ranges->cellWidget(row, First))->value();
            const int last = static_cast<QSpinBox*>(m_ranges->cellWidget(row, Last))->value();
            const int choice = static_cast<QComboBox*>(m_ranges->cellWidget(row, Tab))->currentIndex();
            if (choice >= 0 && choice < int(m_choices.size()))
                s.designs.push_back({std::min(first, last), std::max(first, last), m_choices[std::size_t(choice)]});
        }
        s.back.reset();
        if (m_back->currentIndex() > 0)
            s.back = BackSide{m_choices[std::size_t(m_back->currentIndex() - 1)],
                              m_flip->currentIndex() == 1 ? SheetFlip::ShortEdge : SheetFlip::LongEdge};
        tab.setPrint(s);
    }
    QDialog::accept();
}

}  // namespace plk
