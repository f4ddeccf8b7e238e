// The tab's shapes (in slots of their own, behind every other object), and the turn
// and the exact place of any object.

#include "canvas/core/Etiquette.h"

#include "base/core/ValueReader.h"
#include "canvas/core/Rotation.h"

namespace plk {

namespace {

constexpr std::size_t kMaxShapes = 32767;

}  // namespace

void Etiquette::NewShape(const ShapeObject& values)
{
    if (std::size_t(shapeCount()) >= kMaxShapes)
        throw EtiquetteError("Nombre maximal d'objets atteint sur cet onglet.");
    auto shape = std::make_unique<ShapeElement>();
    static_cast<ShapeObject&>(*shape) = values;
    shape->Visible = true;
    append(std::move(shape));
    notify(Change::Objects);
}

void Etiquette::SetShape(int index, const ShapeObject& values)
{
    if (!hasShape(index))
        return;
    ShapeElement& shape = element<ShapeElement>(index);
    const QPointF corner = shape.corner();
    static_cast<ShapeObject&>(shape) = values;
    shape.Left = corner.x();
    shape.Top = corner.y();
    shape.Visible = true;
    Changes what = Change::Objects;
    if (m_shapeFocus == index && m_frame.kind == kShapeKeyword) {
        fitFrame(shape.rect({}));
        what |= Change::Selection;
    }
    notify(what);
}

void Etiquette::setObjectRotation(ObjectKind kind, int index, double degrees)
{
    auto* o = const_cast<TabObject*>(object(kind, index));
    const double angle = normalisedAngle(degrees);
    if (!o || o->rotation() == angle)
        return;
    o->setRotation(angle);
    notify(o == selected() ? Change::Objects | Change::Selection : Changes(Change::Objects));
}

void Etiquette::placeExactly(ObjectKind kind, int index, double top, double left)
{
    auto* o = const_cast<TabObject*>(object(kind, index));
    if (!o)
        return;
    o->moveTo(boundedLength(top), boundedLength(left));
    o->setExactCorner(true);
    notify(Change::Objects);
}

}  // namespace plk
