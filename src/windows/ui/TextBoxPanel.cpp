#include "windows/ui/TextBoxPanel.h"

#include "base/core/Rounding.h"
#include "widgets/ui/TxtBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QVBoxLayout>

namespace plk {

namespace {

QComboBox* addChoice(QGridLayout* grid, int row, const QString& caption, const QStringList& entries)
{
    auto* list = new QComboBox(grid->parentWidget());
    list->addItems(entries);
    auto* label = new QLabel(caption, grid->parentWidget());
    label->setBuddy(list);
    grid->addWidget(label, row, 0);
    grid->addWidget(list, row, 1, 1, 2);
    return list;
}

}  // namespace

TextBoxPanel::TextBoxPanel(QWidget* parent) : QGroupBox(QStringLiteral("Zone de texte :"), parent)
{
    setCheckable(true);
    setChecked(false);
    auto* inner = new QVBoxLayout(this);
    inner->setContentsMargins(6, 4, 6, 6);
    QGridLayout* grid = addGrid(this);
    m_width = addMillimetreField(grid, 0, QStringLiteral("Largeur :"), 40);
    m_height = addMillimetreField(grid, 1, QStringLiteral("Hauteur :"), 10);
    m_align = addChoice(grid, 2, QStringLiteral("Alignement :"),
                        {QStringLiteral("À gauche"), QStringLiteral("Centré"), QStringLiteral("À droite"),
                         QStringLiteral("Justifié")});
    m_valign = addChoice(grid, 3, QStringLiteral("Vertical :"),
                         {QStringLiteral("En haut"), QStringLiteral("Au milieu"), QStringLiteral("En bas")});
    m_spacing = new QDoubleSpinBox(this);
    m_spacing->setRange(TextBox::kMinSpacing, TextBox::kMaxSpacing);
    m_spacing->setSingleStep(0.1);
    m_spacing->setDecimals(1);
    auto* spacing = new QLabel(QStringLiteral("Interligne :"), this);
    spacing->setBuddy(m_spacing);
    grid->addWidget(spacing, 4, 0);
    grid->addWidget(m_spacing, 4, 1);
    // The smallest size beside the box that asks for it, so that the page keeps its height.
    m_fit = new QCheckBox(QStringLiteral("Ajuster à la zone"), this);
    grid->addWidget(m_fit, 5, 0, 1, 2);
    m_minSize = new QSpinBox(this);
    m_minSize->setRange(int(TextBox::kMinFontSize), int(TextBox::kMaxFontSize));
    m_minSize->setSuffix(QStringLiteral(" pt min."));
    m_minSize->setToolTip(QStringLiteral("Taille minimale"));
    grid->addWidget(m_minSize, 5, 2);

    connect(this, &QGroupBox::clicked, this, &TextBoxPanel::changed);
    for (TxtBox* field : {m_width.box, m_height.box})
        connect(field, &TxtBox::Change, this, &TextBoxPanel::changed);
    for (QComboBox* list : {m_align, m_valign})
        connect(list, &QComboBox::activated, this, &TextBoxPanel::changed);
    connect(m_spacing, &QDoubleSpinBox::valueChanged, this, &TextBoxPanel::changed);
    connect(m_fit, &QCheckBox::clicked, this, &TextBoxPanel::changed);
    connect(m_minSize, &QSpinBox::valueChanged, this, &TextBoxPanel::changed);
    showBox(std::nullopt);
}

void TextBoxPanel::showBox(const std::optional<TextBox>& box)
{
    const QScopedValueRollback filling(m_filling, true);
    setChecked(box.has_value());
    m_shown = box.value_or(TextBox());
    m_width.box->setText(QString::number(roundClamped<int>(m_shown.width)));
    m_height.box->setText(QString::number(roundClamped<int>(m_shown.height)));
    m_align->setCurrentIndex(int(m_shown.align));
    m_valign->setCurrentIndex(int(m_shown.valign));
    m_spacing->setValue(m_shown.spacing);
    m_fit->setChecked(m_shown.fit);
    m_minSize->setValue(roundClamped<int>(m_shown.minSize));
    m_minSize->setEnabled(m_shown.fit);
}

std::optional<TextBox> TextBoxPanel::box() const
{
    if (!isChecked())
        return std::nullopt;
    TextBox box = m_shown;
    // A size the user did not touch keeps its fraction of a millimetre.
    if (const auto width = number(m_width.box); width && *width != roundClamped<int>(box.width))
        box.width = *width;
    if (const auto height = number(m_height.box); height && *height != roundClamped<int>(box.height))
        box.height = *height;
    box.align = BoxAlign(m_align->currentIndex());
    box.valign = BoxVAlign(m_valign->currentIndex());
    if (std::abs(m_spacing->value() - box.spacing) >= 0.05)
        box.spacing = m_spacing->value();
    box.fit = m_fit->isChecked();
    if (m_minSize->value() != roundClamped<int>(box.minSize))
        box.minSize = m_minSize->value();
    return box;
}

void TextBoxPanel::changed()
{
    m_minSize->setEnabled(m_fit->isChecked());
    if (!m_filling)
        Q_EMIT edited();
}

}  // namespace plk
