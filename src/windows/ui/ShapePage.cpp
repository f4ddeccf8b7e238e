// The tool box's FORMES page: what the selected shape is, its line and its fill.

#include "windows/ui/ShapePage.h"

#include "canvas/core/ShapeElement.h"
#include "widgets/ui/Dialogs.h"
#include "windows/ui/FormParts.h"
#include "windows/ui/frmOutils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace plk {

namespace {

QDoubleSpinBox* millimetres(QWidget* parent, double lowest, double highest, double step)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(lowest, highest);
    box->setDecimals(1);
    box->setSingleStep(step);
    box->setSuffix(QStringLiteral(" mm"));
    box->setKeyboardTracking(false);
    return box;
}

}  // namespace

ShapePage::ShapePage(frmOutils& toolBox, Dialogs& dialogs)
    : m_toolBox(toolBox), m_dialogs(dialogs)
{
    QVBoxLayout* layout = pageLayout(this);

    QGroupBox* shape = addGroup(layout, QStringLiteral("Forme :"));
    auto* form = new QFormLayout;
    contents(shape)->addLayout(form);
    m_kind = new QComboBox(shape);
    m_kind->addItems({QStringLiteral("Rectangle"), QStringLiteral("Ellipse"), QStringLiteral("Ligne")});
    form->addRow(QStringLiteral("Type :"), m_kind);
    m_width = millimetres(shape, 0, kMaxShapeSize, 1);
    form->addRow(QStringLiteral("Largeur :"), m_width);
    m_height = millimetres(shape, 0, kMaxShapeSize, 1);
    form->addRow(QStringLiteral("Hauteur :"), m_height);
    m_radius = millimetres(shape, 0, kMaxCornerRadius, 0.5);
    form->addRow(QStringLiteral("Rayon des angles :"), m_radius);

    QGroupBox* line = addGroup(layout, QStringLiteral("Trait :"));
    auto* lineForm = new QFormLayout;
    contents(line)->addLayout(lineForm);
    m_lineWidth = millimetres(line, kMinLineWidth, kMaxLineWidth, 0.1);
    lineForm->addRow(QStringLiteral("Épaisseur :"), m_lineWidth);
    m_style = new QComboBox(line);
    m_style->addItems({QStringLiteral("Continu"), QStringLiteral("Tirets"), QStringLiteral("Pointillés")});
    lineForm->addRow(QStringLiteral("Style :"), m_style);
    auto* colours = new QHBoxLayout;
    contents(line)->addLayout(colours);
    m_lineColour = addButton(colours, QStringLiteral("Couleur du trait"));

    QGroupBox* fill = addGroup(layout, QStringLiteral("Remplissage :"));
    auto* fillRow = new QHBoxLayout;
    contents(fill)->addLayout(fillRow);
    m_filled = new QCheckBox(QStringLiteral("Remplir"), fill);
    fillRow->addWidget(m_filled);
    m_fillColour = addButton(fillRow, QStringLiteral("Couleur du fond"));
    layout->addStretch(1);

    connect(m_kind, &QComboBox::currentIndexChanged, this,
            [this](int k) { changeShape([k](ShapeObject& s) { s.Kind = ShapeKind(k); }); });
    connect(m_style, &QComboBox::currentIndexChanged, this,
            [this](int k) { changeShape([k](ShapeObject& s) { s.Style = LineStyle(k); }); });
    const auto valueOf = [this](QDoubleSpinBox* box, double ShapeObject::*member) {
        connect(box, &QDoubleSpinBox::valueChanged, this,
                [this, member](double v) { changeShape([member, v](ShapeObject& s) { s.*member = v; }); });
    };
    valueOf(m_width, &ShapeObject::Width);
    valueOf(m_height, &ShapeObject::Height);
    valueOf(m_radius, &ShapeObject::Radius);
    valueOf(m_lineWidth, &ShapeObject::LineWidth);
    connect(m_filled, &QCheckBox::clicked, this, [this](bool ticked) {
        changeShape([ticked](ShapeObject& s) { s.Fill = ticked ? std::optional(s.Fill.value_or(0xFFFFFF)) : std::nullopt; });
    });
    connect(m_lineColour, &QPushButton::clicked, this, [this] { chooseColour(false); });
    connect(m_fillColour, &QPushButton::clicked, this, [this] { chooseColour(true); });
    toolBox.editsKind(ObjectKind::Shape, this, [this](const TabObject& o) { showShape(static_cast<const ShapeElement&>(o)); });
}

void ShapePage::showShape(const ShapeObject& s)
{
    const QScopedValueRollback showing(m_showing, true);
    m_kind->setCurrentIndex(int(s.Kind));
    m_width->setValue(s.Width);
    m_height->setValue(s.Height);
    m_radius->setValue(s.Radius);
    m_radius->setEnabled(s.Kind == ShapeKind::Rectangle);
    m_lineWidth->setValue(s.LineWidth);
    m_style->setCurrentIndex(int(s.Style));
    m_filled->setChecked(s.Fill.has_value());
    m_filled->setEnabled(s.Kind != ShapeKind::Line);
    m_fillColour->setEnabled(s.Fill.has_value() && s.Kind != ShapeKind::Line);
}

void ShapePage::changeShape(const std::function<void(ShapeObject&)>& change)
{
    if (m_showing)
        return;
    m_toolBox.edit([&](Etiquette& t) {
        const auto* shape = dynamic_cast<const ShapeElement*>(t.selected());
        if (!shape)
            return;
        ShapeObject values = *shape;
        change(values);
        setShape(t, shape->slot(), values);
        showShape(*shape);
    });
}

void ShapePage::chooseColour(bool fill)
{
    const Etiquette* t = m_toolBox.surface();
    const auto* shape = t ? dynamic_cast<const ShapeElement*>(t->selected()) : nullptr;
    if (!shape)
        return;
    const ShapeObject& s = *shape;
    if (const auto colour = m_dialogs.colour(this, toQColor(fill ? s.Fill.value_or(0xFFFFFF) : s.LineColour)))
        changeShape([fill, c = fromQColor(*colour)](ShapeObject& shape) {
            if (fill)
                shape.Fill = c;
            else
                shape.LineColour = c;
        });
}

}  // namespace plk
