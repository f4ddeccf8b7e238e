#include "widgets/ui/FontChooser.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace plk {

namespace {

constexpr int kLargestSize = 999;
const QSize kSwatch(32, 14);

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

FontChooser::FontChooser(const QFont& initial, std::optional<QColor> colour, QWidget* parent)
    : QDialog(parent),
      m_initial(initial),
      m_withEffects(colour.has_value()),
      m_colour(colour.value_or(QColor(Qt::black))),
      m_family(new QComboBox(this)),
      m_style(new QComboBox(this)),
      m_size(new QSpinBox(this)),
      m_effects(new QGroupBox(QStringLiteral("Effets"), this)),
      m_strikeOut(new QCheckBox(QStringLiteral("Barré"), m_effects)),
      m_underline(new QCheckBox(QStringLiteral("Souligné"), m_effects)),
      m_colourButton(new QPushButton(m_effects)),
      m_preview(new QLabel(QStringLiteral("AaBbYyZz"), this))
{
    setWindowTitle(QStringLiteral("Police"));

    // A family that is not installed stays as it is, typed in the box.
    m_family->setEditable(true);
    m_family->setInsertPolicy(QComboBox::NoInsert);
    m_family->addItems(QFontDatabase::families());
    m_family->setCurrentText(initial.family());
    m_style->addItems({QStringLiteral("Normal"), QStringLiteral("Italique"), QStringLiteral("Gras"),
                       QStringLiteral("Gras italique")});
    m_style->setCurrentIndex((initial.bold() ? Gras : Normal) + (initial.italic() ? 1 : 0));
    m_size->setRange(1, kLargestSize);
    m_size->setValue(std::max(1, int(std::lround(initial.pointSizeF()))));
    m_strikeOut->setChecked(initial.strikeOut());
    m_underline->setChecked(initial.underline());

    auto* choice = new QGridLayout;
    choice->addWidget(caption(QStringLiteral("&Police :"), m_family, this), 0, 0);
    choice->addWidget(caption(QStringLiteral("St&yle :"), m_style, this), 0, 1);
    choice->addWidget(caption(QStringLiteral("&Taille :"), m_size, this), 0, 2);
    choice->addWidget(m_family, 1, 0);
    choice->addWidget(m_style, 1, 1);
    choice->addWidget(m_size, 1, 2);
    choice->setColumnStretch(0, 1);

    auto* effects = new QHBoxLayout(m_effects);
    effects->addWidget(m_strikeOut);
    effects->addWidget(m_underline);
    effects->addStretch(1);
    effects->addWidget(caption(QStringLiteral("&Couleur :"), m_colourButton, m_effects));
    effects->addWidget(m_colourButton);
    m_effects->setVisible(m_withEffects);

    auto* sample = new QGroupBox(QStringLiteral("Aperçu"), this);
    auto* sampleLayout = new QVBoxLayout(sample);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setMinimumHeight(60);
    sampleLayout->addWidget(m_preview);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(m_effects);
    layout->addWidget(sample, 1);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_family, &QComboBox::currentTextChanged, this, &FontChooser::updatePreview);
    connect(m_style, &QComboBox::currentIndexChanged, this, &FontChooser::updatePreview);
    connect(m_size, &QSpinBox::valueChanged, this, &FontChooser::updatePreview);
    connect(m_strikeOut, &QCheckBox::toggled, this, &FontChooser::updatePreview);
    connect(m_underline, &QCheckBox::toggled, this, &FontChooser::updatePreview);
    connect(m_colourButton, &QPushButton::clicked, this, [this] {
        QColorDialog dialog(m_colour, this);
        if (dialog.exec() == QDialog::Accepted)
            setColour(dialog.selectedColor());
    });
    setColour(m_colour);
}

QFont FontChooser::selectedFont() const
{
    QFont font(m_family->currentText().trimmed());
    font.setPointSize(m_size->value());
    const int style = m_style->currentIndex();
    font.setBold(style == Gras || style == GrasItalique);
    font.setItalic(style == Italique || style == GrasItalique);
    // Without the effects, underline and strikethrough stay as they came.
    font.setUnderline(m_withEffects ? m_underline->isChecked() : m_initial.underline());
    font.setStrikeOut(m_withEffects ? m_strikeOut->isChecked() : m_initial.strikeOut());
    return font;
}

void FontChooser::setColour(const QColor& colour)
{
    m_colour = colour;
    QPixmap swatch(kSwatch);
    swatch.fill(colour);
    m_colourButton->setIcon(QIcon(swatch));
    m_colourButton->setIconSize(kSwatch);
    m_colourButton->setToolTip(colour.name().toUpper());
    updatePreview();
}

void FontChooser::updatePreview()
{
    m_preview->setFont(selectedFont());
    QPalette pal = m_preview->palette();
    pal.setColor(QPalette::WindowText, m_withEffects ? m_colour : palette().color(QPalette::WindowText));
    m_preview->setPalette(pal);
}

}  // namespace plk
