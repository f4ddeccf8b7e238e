#include "gradient/ui/ucDegrade.h"

#include "base/core/Twips.h"

#include <QButtonGroup>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace plk {

// --- colour well -----------------------------------------------------------------------

ColorWell::ColorWell(QWidget* parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ColorWell::setColour(OleColor colour)
{
    m_colour = colour;
    update();
}

void ColorWell::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& p = palette();
    QColor fill = toQColor(m_colour);
    if (!isEnabled()) {
        // Greyed: the colour's lightness, washed towards the window colour.
        const int grey = qGray(fill.rgb());
        const QColor window = p.color(QPalette::Window);
        fill = QColor((grey + 2 * window.red()) / 3, (grey + 2 * window.green()) / 3, (grey + 2 * window.blue()) / 3);
    }
    const QRect r = rect();
    painter.fillRect(r, fill);
    // A sunken frame: shadow above and left, light below and right.
    const QColor shadow = isEnabled() ? p.color(QPalette::Dark) : p.color(QPalette::Mid);
    painter.setPen(shadow);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(p.color(QPalette::Light));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    if (hasFocus()) {
        painter.setPen(QPen(p.color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(r.adjusted(2, 2, -3, -3));
    }
}

// --- gradient editor -------------------------------------------------------------------

namespace {

constexpr int kWellWidth = 735;
constexpr int kWellHeight = 495;
constexpr int kWellLefts[] = {0, 840, 1680};
constexpr int kWellTop = 120;
constexpr int kOptionSize = 200;
constexpr int kOptionColumns[] = {2550, 2790, 3030};
constexpr int kOptionRows[] = {0, 240, 480};

// An option button whose round indicator fits its small cell whatever the style's
// own indicator size.
class DirectionOption : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.rect = rect();
        painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
    }
};

struct OptionPlace {
    int column;
    int row;
    const char* tip;
};

// The 3 × 3 grid without its centre, in option order.
constexpr OptionPlace kOptions[ucDegrade::kDirections] = {
    {0, 0, "En haut à gauche"},      {1, 0, "En haut au milieu"}, {2, 0, "En haut à droite"},
    {0, 1, "Centrer sur la gauche"}, {2, 1, "Centrer sur la droite"}, {0, 2, "En bas à gauche"},
    {1, 2, "En bas au milieu"},      {2, 2, "En bas à droite"},
};

}  // namespace

ucDegrade::ucDegrade(QWidget* parent) : QWidget(parent), m_group(new QButtonGroup(this))
{
    setFixedSize(twipsToPixels(QSize(kWidthTwips, kHeightTwips)));
    for (int i = 0; i < 3; ++i) {
        auto* well = new ColorWell(this);
        well->setObjectName(QStringLiteral("pctColor%1").arg(i + 1));
        well->setToolTip(QStringLiteral("Couleur n°%1").arg(i + 1));
        well->setGeometry(twipsToPixels(QRect(kWellLefts[i], kWellTop, kWellWidth, kWellHeight)));
        connect(well, &QAbstractButton::clicked, this, [this, i] { Q_EMIT SelectColor(i + 1); });
        m_wells[std::size_t(i)] = well;
    }
    for (int i = 0; i < kDirections; ++i) {
        auto* option = new DirectionOption(this);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setToolTip(QString::fromUtf8(kOptions[i].tip));
        const QRect cell(kOptionColumns[kOptions[i].column], kOptionRows[kOptions[i].row], kOptionSize, kOptionSize);
        option->setGeometry(twipsToPixels(cell));
        m_group->addButton(option, i);
        m_options[std::size_t(i)] = option;
    }
    connect(m_group, &QButtonGroup::idClicked, this, &ucDegrade::optionClick);
}

void ucDegrade::optionClick(int index)
{
    Direction = index;
    m_options[std::size_t(index)]->setChecked(true);
    Q_EMIT DrawDegrade(index);
}

void ucDegrade::AfficheColor(int index, OleColor colour)
{
    if (index < 1 || index > 3)
        return;
    m_wells[std::size_t(index - 1)]->setColour(colour);
    (index == 1 ? Color1 : index == 2 ? Color2 : Color3) = colour;
}

OleColor ucDegrade::RecupColor(int index) const
{
    switch (index) {
    case 1: return Color1;
    case 2: return Color2;
    case 3: return Color3;
    default: return 0;
    }
}

void ucDegrade::Refresh()
{
    m_wells[0]->setColour(Color1);
    m_wells[1]->setColour(Color2);
    m_wells[2]->setColour(Color3);
    if (Direction >= 0 && Direction < kDirections)
        optionClick(Direction);
}

bool ucDegrade::Enabled() const { return m_wells[0]->isEnabled(); }

void ucDegrade::setEnabled(bool enabled)
{
    for (ColorWell* well : m_wells)
        well->setEnabled(enabled);
    for (QRadioButton* option : m_options)
        option->setEnabled(enabled);
}

ColorWell* ucDegrade::pctColor(int index) const
{
    return index >= 1 && index <= 3 ? m_wells[std::size_t(index - 1)] : nullptr;
}

QRadioButton* ucDegrade::Option1(int index) const
{
    return index >= 0 && index < kDirections ? m_options[std::size_t(index)] : nullptr;
}

}  // namespace plk
