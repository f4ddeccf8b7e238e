#include "windows/ui/FormParts.h"

#include "widgets/ui/TxtBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QPushButton>
#include <QVBoxLayout>

namespace plk {

QPushButton* addButton(QLayout* row, const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption, row->parentWidget());
    button->setToolTip(tip);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

std::optional<int> number(const TxtBox* field)
{
    bool ok = false;
    const int value = field->Text().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void MillimetreField::setEnabled(bool enabled) const
{
    caption->setEnabled(enabled);
    box->setEnabled(enabled);
    unit->setEnabled(enabled);
}

MillimetreField addMillimetreField(QGridLayout* grid, int row, const QString& caption, int initial)
{
    QWidget* parent = grid->parentWidget();
    MillimetreField field{new QLabel(caption, parent), new TxtBox(parent), new QLabel(QStringLiteral("Millimètres"), parent)};
    field.box->setMin(kFieldLowest);
    field.box->setMax(kFieldHighest);
    field.box->setMaxLength(3);
    field.box->setValue(initial);
    field.box->setText(QString::number(initial));
    field.caption->setBuddy(field.box->Text1());
    grid->addWidget(field.caption, row, 0);
    grid->addWidget(field.box, row, 1);
    grid->addWidget(field.unit, row, 2);
    return field;
}

QVBoxLayout* pageLayout(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    return layout;
}

QGroupBox* addGroup(QLayout* layout, const QString& title)
{
    auto* group = new QGroupBox(title, layout->parentWidget());
    auto* inner = new QVBoxLayout(group);
    inner->setContentsMargins(6, 4, 6, 6);
    inner->setSpacing(4);
    layout->addWidget(group);
    return group;
}

QVBoxLayout* contents(QGroupBox* group) { return static_cast<QVBoxLayout*>(group->layout()); }

QGridLayout* addGrid(QGroupBox* group)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    contents(group)->addLayout(grid);
    return grid;
}

QListWidget* addList(QLayout* layout, const QStringList& entries)
{
    auto* list = new QListWidget(layout->parentWidget());
    list->addItems(entries);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFixedHeight(list->sizeHintForRow(0) * int(entries.size()) + 2 * list->frameWidth());
    layout->addWidget(list);
    return list;
}

QList<QRect> screenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

}  // namespace plk
