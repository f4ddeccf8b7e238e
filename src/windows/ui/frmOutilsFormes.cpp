// The tool box's FORMES page: the kind, size, line and fill of the selected shape,
// and the turn of any selected object (on the PROJET page, beside its position).
// Every change goes to the shape at once.

#include "windows/ui/frmOutils.h"

#include "base/core/AppState.h"
#include "canvas/core/Rotation.h"
#include "widgets/ui/Dialogs.h"
#include "windows/ui/frmProjet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
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

QWidget* frmOutils::buildFormePage()
{
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page);

    QGroupBox* shape = addGroup(layout, QStringLiteral("Forme :"));
    auto* form = new QFormLayout;
    contents(shape)->addLayout(form);
    m_shapeKind = new QComboBox(shape);
    m_shapeKind->addItems({QStringLiteral("Rectangle"), QStringLiteral("Ellipse"), QStringLiteral("Ligne")});
    form->addRow(QStringLiteral("Type :"), m_shapeKind);
    m_shapeWidth = millimetres(shape, 0, kMaxShapeSize, 1);
    form->addRow(QStringLiteral("Largeur :"), m_shapeWidth);
    m_shapeHeight = millimetres(shape, 0, kMaxShapeSize, 1);
    form->addRow(QStringLiteral("Hauteur :"), m_shapeHeight);
    m_shapeRadius = millimetres(shape, 0, kMaxCornerRadius, 0.5);
    form->addRow(QStringLiteral("Rayon des angles :"), m_shapeRadius);

    QGroupBox* line = addGroup(layout, QStringLiteral("Trait :"));
    auto* lineForm = new QFormLayout;
    contents(line)->addLayout(lineForm);
    m_shapeLineWidth = millimetres(line, kMinLineWidth, kMaxLineWidth, 0.1);
    lineForm->addRow(QStringLiteral("Épaisseur :"), m_shapeLineWidth);
    m_shapeStyle = new QComboBox(line);
    m_shapeStyle->addItems({QStringLiteral("Continu"), QStringLiteral("Tirets"), QStringLiteral("Pointillés")});
    lineForm->addRow(QStringLiteral("Style :"), m_shapeStyle);
    auto* colours = new QHBoxLayout;
    contents(line)->addLayout(colours);
    m_shapeLineColour = addButton(colours, QStringLiteral("Couleur du trait"));

    QGroupBox* fill = addGroup(layout, QStringLiteral("Remplissage :"));
    auto* fillRow = new QHBoxLayout;
    contents(fill)->addLayout(fillRow);
    m_shapeFilled = new QCheckBox(QStringLiteral("Remplir"), fill);
    fillRow->addWidget(m_shapeFilled);
    m_shapeFillColour = addButton(fillRow, QStringLiteral("Couleur du fond"));
    layout->addStretch(1);

    connect(m_shapeKind, &QComboBox::currentIndexChanged, this,
            [this](int k) { changeShape([k](ShapeObject& s) { s.Kind = ShapeKind(k); }); });
    connect(m_shapeStyle, &QComboBox::currentIndexChanged, this,
            [this](int k) { changeShape([k](ShapeObject& s) { s.Style = LineStyle(k); }); });
    const auto valueOf = [this](QDoubleSpinBox* box, double ShapeObject::*member) {
        connect(box, &QDoubleSpinBox::valueChanged, this,
                [this, member](double v) { changeShape([member, v](ShapeObject& s) { s.*member = v; }); });
    };
    valueOf(m_shapeWidth, &ShapeObject::Width);
    valueOf(m_shapeHeight, &ShapeObject::Height);
    valueOf(m_shapeRadius, &ShapeObject::Radius);
    valueOf(m_shapeLineWidth, &ShapeObject::LineWidth);
    connect(m_shapeFilled, &QCheckBox::clicked, this, [this](bool ticked) {
        changeShape([ticked](ShapeObject& s) { s.Fill = ticked ? std::optional(s.Fill.value_or(0xFFFFFF)) : std::nullopt; });
    });
    connect(m_shapeLineColour, &QPushButton::clicked, this, [this] { chooseShapeColour(false); });
    connect(m_shapeFillColour, &QPushButton::clicked, this, [this] { chooseShapeColour(true); });
    return page;
}

void frmOutils::addRotationField(QGridLayout* grid, int row)
{
    auto* caption = new QLabel(QStringLiteral("Rotation :"), grid->parentWidget());
    m_rotation = new QDoubleSpinBox(grid->parentWidget());
    m_rotation->setRange(0, 359.9);
    m_rotation->setDecimals(1);
    m_rotation->setSingleStep(1);
    m_rotation->setWrapping(true);
    m_rotation->setSuffix(QStringLiteral("°"));
    m_rotation->setKeyboardTracking(false);
    m_rotation->setToolTip(QStringLiteral("Angle de l'objet, dans le sens inverse des aiguilles d'une montre"));
    caption->setBuddy(m_rotation);
    grid->addWidget(caption, row, 0);
    grid->addWidget(m_rotation, row, 1, 1, 2);
    connect(m_rotation, &QDoubleSpinBox::valueChanged, this, [this](double degrees) {
        if (m_filling)
            return;
        edit([degrees](Etiquette& t) {
            if (const TabObject* o = t.selected())
                t.setObjectRotation(o->kind(), o->slot(), degrees);
        });
    });
}

void frmOutils::showRotation(const TabObject* object)
{
    const QScopedValueRollback filling(m_filling, true);
    m_rotation->setValue(object ? object->rotation() : 0);
}

void frmOutils::showShape(const ShapeObject& s)
{
    const QScopedValueRollback filling(m_filling, true);
    m_shapeKind->setCurrentIndex(int(s.Kind));
    m_shapeWidth->setValue(s.Width);
    m_shapeHeight->setValue(s.Height);
    m_shapeRadius->setValue(s.Radius);
    m_shapeRadius->setEnabled(s.Kind == ShapeKind::Rectangle);
    m_shapeLineWidth->setValue(s.LineWidth);
    m_shapeStyle->setCurrentIndex(int(s.Style));
    m_shapeFilled->setChecked(s.Fill.has_value());
    m_shapeFilled->setEnabled(s.Kind != ShapeKind::Line);
    m_shapeFillColour->setEnabled(s.Fill.has_value() && s.Kind != ShapeKind::Line);
}

void frmOutils::changeShape(const std::function<void(ShapeObject&)>& change)
{
    if (m_filling)
        return;
    edit([&](Etiquette& t) {
        const int s = t.ShapeFocus();
        if (s < 1 || s > t.shapeCount())
            return;
        ShapeObject values = t.shape(s);
        change(values);
        t.SetShape(s, values);
        showShape(t.shape(s));
    });
}

void frmOutils::chooseShapeColour(bool fill)
{
    const Etiquette* t = surface();
    if (!t || t->ShapeFocus() < 1 || t->ShapeFocus() > t->shapeCount())
        return;
    const ShapeObject& s = t->shape(t->ShapeFocus());
    if (const auto colour = m_menu.dialogs().colour(this, toQColor(fill ? s.Fill.value_or(0xFFFFFF) : s.LineColour)))
        changeShape([fill, c = fromQColor(*colour)](ShapeObject& shape) {
            if (fill)
                shape.Fill = c;
            else
                shape.LineColour = c;
        });
}

void frmOutils::editShape(frmProjet& window, int tab)
{
    objectClicked(window, tab);
    using C = Etiquette::Change;
    showTab(window.surface(tab), C::Background | C::Geometry | C::Settings);
    selectPage(PageForme);
    showToolBox();
}

}  // namespace plk
