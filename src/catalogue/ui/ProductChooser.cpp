#include "catalogue/ui/ProductChooser.h"

#include <QHBoxLayout>
#include <QLocale>
#include <cmath>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace plk {

namespace {

const char* const kColumns[] = {"Marque", "Référence", "Description", "Taille (mm)", "Forme", "Papier", "Étiquettes"};

QString millimetres(double mm) { return QLocale().toString(std::round(mm * 10) / 10, 'g', 6); }

QStringList row(const Product& p)
{
    return {p.brand,
            p.part,
            p.description,
            millimetres(p.label.size.width()) + QStringLiteral(" x ") + millimetres(p.label.size.height()),
            shapeName(p.label.shape),
            p.roll() ? millimetres(p.paperSize.width()) + QStringLiteral(" x ") + millimetres(p.paperSize.height())
                     : p.paper,
            QString::number(p.labelCount())};
}

}  // namespace

ProductChooser::ProductChooser(QStringList folders, QWidget* parent)
    : QDialog(parent),
      m_folders(std::move(folders)),
      m_search(new QLineEdit(this)),
      m_list(new QTreeWidget(this)),
      m_count(new QLabel(this)),
      m_choose(new QPushButton(QStringLiteral("Choisir"), this)),
      m_cancel(new QPushButton(QStringLiteral("Annuler"), this))
{
    setWindowTitle(QStringLiteral("Choisir un produit"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("Rechercher :"), this));
    searchRow->addWidget(m_search, 1);
    layout->addLayout(searchRow);
    m_search->setPlaceholderText(QStringLiteral("marque, référence, taille (85x55), forme, papier"));
    m_search->setClearButtonEnabled(true);

    QStringList headers;
    for (const char* c : kColumns)
        headers << QString::fromUtf8(c);
    m_list->setHeaderLabels(headers);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    layout->addWidget(m_list, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_count, 1);
    buttons->addWidget(m_choose);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    m_choose->setDefault(true);
    resize(760, 480);

    connect(m_search, &QLineEdit::textChanged, this, &ProductChooser::fill);
    connect(m_list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { m_choose->setEnabled(item != nullptr); });
    connect(m_list, &QTreeWidget::itemActivated, this, &ProductChooser::choose);
    connect(m_choose, &QPushButton::clicked, this, &ProductChooser::choose);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ProductChooser::~ProductChooser() = default;

const Catalogue& ProductChooser::catalogue()
{
    if (!m_catalogue)
        m_catalogue = std::make_unique<Catalogue>(m_folders);
    return *m_catalogue;
}

void ProductChooser::showEvent(QShowEvent* event)
{
    fill();
    m_search->setFocus();
    m_search->selectAll();
    QDialog::showEvent(event);
}

void ProductChooser::fill()
{
    const Catalogue& c = catalogue();
    m_shown = c.search(m_search->text());
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(m_shown.size()));
    for (const Product* p : m_shown)
        items << new QTreeWidgetItem(row(*p));
    m_list->addTopLevelItems(items);
    if (!items.isEmpty())
        m_list->setCurrentItem(items.first());
    m_choose->setEnabled(!items.isEmpty());

    QString count = c.products().empty()
                        ? QStringLiteral("Aucun produit : installez le paquet glabels-data, ou placez des fichiers "
                                         "de produits (.xml) dans le dossier « %1 ».")
                              .arg(m_folders.value(m_folders.size() - 1))
                        : QStringLiteral("%1 produit(s) sur %2").arg(m_shown.size()).arg(c.products().size());
    if (!c.problems().isEmpty())
        count += QStringLiteral(" ; %1 erreur(s) de lecture du catalogue").arg(c.problems().size());
    m_count->setText(count);
    m_count->setToolTip(c.problems().join(QLatin1Char('\n')));
}

void ProductChooser::choose()
{
    const int index = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (index < 0 || index >= int(m_shown.size()))
        return;
    const Product product = *m_shown[std::size_t(index)];
    accept();
    Q_EMIT productChosen(product);
}

}  // namespace plk
