#include "print/ui/PrintExtras.h"

#include "catalogue/core/PaperSizes.h"
#include "widgets/ui/TxtBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace plk {

namespace {

TxtBox* numberField(QWidget* parent, int high, int length)
{
    auto* box = new TxtBox(parent);
    box->setMin(1);
    box->setMax(high);
    box->setMaxLength(length);
    return box;
}

void showNumber(TxtBox* box, double value)
{
    box->setValue(int(std::lround(value)));
    box->setText(QString::number(box->Value()));
}

}  // namespace

PrintExtras::PrintExtras(QWidget* parent)
    : QWidget(parent),
      m_paper(new QComboBox(this)),
      m_orientation(new QComboBox(this)),
      m_width(numberField(this, int(kMaxPaperSide), 4)),
      m_height(numberField(this, int(kMaxPaperSide), 4)),
      m_copies(numberField(this, kMaxCopies, 3)),
      m_collate(new QCheckBox(QStringLiteral("Assembler les copies"), this)),
      m_outlines(new QCheckBox(QStringLiteral("Contours des étiquettes"), this)),
      m_cropMarks(new QCheckBox(QStringLiteral("Traits de coupe"), this)),
      m_mirror(new QCheckBox(QStringLiteral("Miroir (papier transfert)"), this)),
      m_product(new QPushButton(QStringLiteral("Choisir un produit..."), this))
{
    for (const PaperSize& p : standardPapers())
        m_paper->addItem(p.name);
    m_paper->addItem(QStringLiteral("Personnalisé"));
    m_orientation->addItems({QStringLiteral("Portrait"), QStringLiteral("Paysage")});
    m_product->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Papier :"), this), 0, 0);
    grid->addWidget(m_paper, 0, 1);
    grid->addWidget(m_orientation, 0, 2);
    auto* size = new QHBoxLayout;
    size->addWidget(m_width);
    size->addWidget(new QLabel(QStringLiteral("x"), this));
    size->addWidget(m_height);
    size->addWidget(new QLabel(QStringLiteral("mm"), this));
    grid->addLayout(size, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Copies :"), this), 1, 0);
    grid->addWidget(m_copies, 1, 1);
    grid->addWidget(m_collate, 1, 2, 1, 2);
    grid->addWidget(m_outlines, 2, 0, 1, 2);
    grid->addWidget(m_cropMarks, 2, 2);
    grid->addWidget(m_mirror, 2, 3);
    grid->addWidget(m_product, 3, 0, 1, 2);
    grid->setColumnStretch(4, 1);

    connect(m_paper, &QComboBox::currentIndexChanged, this, &PrintExtras::paperChosen);
    for (QComboBox* list : {m_paper, m_orientation})
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_loading)
                Q_EMIT edited();
        });
    for (TxtBox* box : {m_width, m_height, m_copies})
        connect(box, &TxtBox::Change, this, [this] {
            if (!m_loading)
                Q_EMIT edited();
        });
    for (QCheckBox* box : {m_collate, m_outlines, m_cropMarks, m_mirror})
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!m_loading)
                Q_EMIT edited();
        });
    load(PrintSettings());
}

int PrintExtras::customIndex() const { return m_paper->count() - 1; }

void PrintExtras::paperChosen()
{
    const int index = m_paper->currentIndex();
    const bool custom = index == customIndex();
    m_width->setEnabled(custom);
    m_height->setEnabled(custom);
    if (!custom && !m_loading) {
        const PaperSize& p = standardPapers()[std::size_t(index)];
        showNumber(m_width, p.size.width());
        showNumber(m_height, p.size.height());
        m_customName.clear();
    }
}

void PrintExtras::load(const PrintSettings& s)
{
    m_loading = true;
    const Paper paper = s.paper.value_or(Paper{QStringLiteral("A4")});
    const int named = m_paper->findText(paper.name);
    m_paper->setCurrentIndex(named >= 0 && named != customIndex() ? named : customIndex());
    m_customName = named >= 0 ? QString() : paper.name;
    showNumber(m_width, paper.width);
    showNumber(m_height, paper.height);
    m_orientation->setCurrentIndex(paper.landscape ? 1 : 0);
    const PrintOptions o = s.options.value_or(PrintOptions());
    showNumber(m_copies, o.copies);
    m_collate->setChecked(o.collate);
    m_outlines->setChecked(o.outlines);
    m_cropMarks->setChecked(o.cropMarks);
    m_mirror->setChecked(o.mirror);
    m_loading = false;
    paperChosen();
}

PrintSettings PrintExtras::stored(PrintSettings s) const
{
    const int index = m_paper->currentIndex();
    const bool landscape = m_orientation->currentIndex() == 1;
    if (index == customIndex()) {
        // A product's paper keeps its own size to the fraction while the fields show it.
        const bool same = s.paper && std::lround(s.paper->width) == m_width->Value() &&
                          std::lround(s.paper->height) == m_height->Value();
        Paper p = same ? *s.paper : Paper{m_customName, double(m_width->Value()), double(m_height->Value())};
        p.landscape = landscape;
        s.paper = p;
    } else if (index == 0 && !landscape) {
        s.paper.reset();  // A4 portrait: the sheets' default
    } else {
        const PaperSize& p = standardPapers()[std::size_t(index)];
        s.paper = Paper{p.name, p.size.width(), p.size.height(), landscape};
    }
    const PrintOptions o{std::int16_t(m_copies->Value()), m_collate->isChecked(), m_outlines->isChecked(),
                         m_cropMarks->isChecked(), m_mirror->isChecked()};
    s.options = o == PrintOptions() ? std::nullopt : std::optional<PrintOptions>(o);
    return s;
}

}  // namespace plk
