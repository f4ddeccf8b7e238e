#include "canvas/core/ShapeElement.h"

#include "base/core/ValueReader.h"
#include "canvas/core/Etiquette.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace plk {

namespace {

const char* const kKindNames[] = {"RECTANGLE", "ELLIPSE", "LIGNE"};

double checked(double value, double lowest, double highest, const char* what, const QString& text)
{
    if (!(value >= lowest && value <= highest))
        throw FormatError(std::string(what) + " hors limites : « " + text.toStdString() + " »");
    return value;
}

Qt::PenStyle qtStyle(LineStyle style)
{
    switch (style) {
    case LineStyle::Dashed: return Qt::DashLine;
    case LineStyle::Dotted: return Qt::DotLine;
    case LineStyle::Solid: break;
    }
    return Qt::SolidLine;
}

}  // namespace

ShapeObject newShapeObject()
{
    ShapeObject shape;
    shape.Visible = true;
    return shape;
}

QString shapeRecord(const ShapeObject& s, const RegionalFormat& f)
{
    return QStringList{kShapeKeyword,
                       QString::fromLatin1(kKindNames[int(s.Kind)]),
                       f.formatReal(s.Top),
                       f.formatReal(s.Left),
                       f.formatReal(s.Width),
                       f.formatReal(s.Height),
                       QString::number(s.LineColour),
                       f.formatReal(s.LineWidth),
                       QString::number(int(s.Style)),
                       s.Fill ? QString::number(*s.Fill) : QString(),
                       f.formatReal(s.Radius)}
        .join(QLatin1Char('|'));
}

ShapeObject shapeFromRecord(const QStringList& fields, const RegionalFormat& format)
{
    const RecordFields r(fields, format);
    ShapeObject s;
    const auto kind = std::find(std::begin(kKindNames), std::end(kKindNames), r.text(1));
    if (kind == std::end(kKindNames))
        throw FormatError("forme inconnue : « " + r.text(1).toStdString() + " »");
    s.Kind = ShapeKind(kind - std::begin(kKindNames));
    s.Top = r.length(2);
    s.Left = r.length(3);
    s.Width = checked(r.real(4), 0, kMaxShapeSize, "largeur", r.text(4));
    s.Height = checked(r.real(5), 0, kMaxShapeSize, "hauteur", r.text(5));
    s.LineColour = r.colour(6);
    s.LineWidth = checked(r.real(7), kMinLineWidth, kMaxLineWidth, "épaisseur de trait", r.text(7));
    s.Style = LineStyle(checked(r.integer<int>(8), 0, 2, "style de trait", r.text(8)));
    if (!r.text(9).isEmpty())
        s.Fill = r.colour(9);
    s.Radius = checked(r.real(10), 0, kMaxCornerRadius, "rayon d'angle", r.text(10));
    s.Visible = true;
    return s;
}

void addShape(Etiquette& tab, const ShapeObject& values)
{
    auto shape = std::make_unique<ShapeElement>();
    static_cast<ShapeObject&>(*shape) = values;
    tab.insertObject(std::move(shape));
}

void setShape(Etiquette& tab, int index, const ShapeObject& values)
{
    tab.changeObject(ObjectKind::Shape, index, [&values](TabObject& object) {
        auto& shape = static_cast<ShapeElement&>(object);
        const QPointF corner = shape.corner();
        static_cast<ShapeObject&>(shape) = values;
        shape.Left = corner.x();
        shape.Top = corner.y();
        shape.Visible = true;
    });
}

void readShapeRecord(Etiquette& tab, const QStringList& fields, double offset, const RegionalFormat& format)
{
    ShapeObject shape = shapeFromRecord(fields, format);
    shape.Top = ValueReader::checkedLength(shape.Top + offset);
    shape.Left = ValueReader::checkedLength(shape.Left + offset);
    addShape(tab, shape);
}

void ShapeElement::paintShape(QPainter& p, const QRectF& target) const
{
    // Painter units per millimetre, from whichever side the box has.
    const double k = Width > 0 ? target.width() / Width : Height > 0 ? target.height() / Height : 0;
    if (k <= 0)
        return;
    const double w = LineWidth * k;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(toQColor(LineColour), w, qtStyle(Style), Qt::FlatCap, Qt::MiterJoin);
    if (Kind == ShapeKind::Line) {
        p.setPen(pen);
        p.drawLine(target.topLeft(), target.bottomRight());
        p.restore();
        return;
    }
    // The stroke's middle runs half its width inside the box; a box narrower than
    // the stroke is all stroke.
    const double half = std::min({w / 2, target.width() / 2, target.height() / 2});
    const QRectF inner = target.adjusted(half, half, -half, -half);
    QPainterPath path;
    if (Kind == ShapeKind::Ellipse) {
        path.addEllipse(inner);
    } else {
        const double radius = std::max(0.0, std::min(Radius * k - half, std::min(inner.width(), inner.height()) / 2));
        path.addRoundedRect(inner, radius, radius);
    }
    if (Fill)
        p.fillPath(path, toQColor(*Fill));
    pen.setWidthF(2 * half);
    if (half > 0)
        p.strokePath(path, pen);
    p.restore();
}

void ShapeElement::paint(Surface& s, QPointF at, const RowValues&) const
{
    s.drawing(at.x(), at.y(), Width, Height, [this](QPainter& painter, const QRectF& target) { paintShape(painter, target); });
}

void ShapeElement::paintOnCanvas(QPainter& p, const QRectF& target, const RowValues&) const { paintShape(p, target); }

}  // namespace plk
