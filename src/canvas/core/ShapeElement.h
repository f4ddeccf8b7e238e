#pragma once
// Shapes drawn on a tab: a rectangle (its corners rounded or not), an ellipse filling
// its box, or a line across its box from the top-left corner to the bottom-right one.
// The line's width, colour and style are the user's; a rectangle or an ellipse is
// filled with a colour or left empty. The stroke lies inside the box, so the box's
// edges are the shape's edges on paper. Its FIGURE record, the same for the project
// file and the object clipboard:
//   FIGURE|kind|top|left|width|height|line colour|line width|line style|fill|corner radius
// kind RECTANGLE, ELLIPSE or LIGNE; lengths in mm as regional reals; line style 0
// solid, 1 dashed, 2 dotted; fill a colour, or empty for none.

#include "base/core/Colors.h"
#include "base/core/Records.h"
#include "canvas/core/TabObject.h"

#include <QStringList>
#include <optional>

namespace plk {

inline const QString kShapeKeyword = QStringLiteral("FIGURE");

enum class ShapeKind { Rectangle, Ellipse, Line };
enum class LineStyle { Solid, Dashed, Dotted };

/// The bounds of a shape's values, which the reader checks and the tool box keeps to.
inline constexpr double kMinLineWidth = 0.1;   // mm
inline constexpr double kMaxLineWidth = 50.0;  // mm
inline constexpr double kMaxShapeSize = 1000.0;  // mm
inline constexpr double kMaxCornerRadius = 500.0;  // mm

struct ShapeObject {
    ShapeKind Kind = ShapeKind::Rectangle;
    double Top = kDefaultObjectPosition;
    double Left = kDefaultObjectPosition;
    double Width = 30;
    double Height = 20;
    OleColor LineColour = 0;
    double LineWidth = 0.5;
    LineStyle Style = LineStyle::Solid;
    std::optional<OleColor> Fill;
    double Radius = 0;
    bool Visible = false;
};

/// What "Ajouter une forme" places: an empty rectangle of 30 x 20 mm, black, 0.5 mm wide.
ShapeObject newShapeObject();

QString shapeRecord(const ShapeObject& shape, const RegionalFormat& format);
/// The shape a FIGURE record describes. Throws FormatError, with a French reason, on a
/// missing field, a value that does not convert or one beyond its bounds.
ShapeObject shapeFromRecord(const QStringList& fields, const RegionalFormat& format);

class Etiquette;

/// Adds a shape with the values of `shape` in the next slot of its kind. Throws
/// EtiquetteError when the tab holds as many as it can.
void addShape(Etiquette& tab, const ShapeObject& shape);
/// Gives shape `index` of the tab the values of `values` but its place.
void setShape(Etiquette& tab, int index, const ShapeObject& values);
/// Adds the shape a FIGURE record describes, `offset` mm below and right of its place.
void readShapeRecord(Etiquette& tab, const QStringList& fields, double offset, const RegionalFormat& format);

class ShapeElement final : public TabObject, public ShapeObject {
public:
    static constexpr ObjectKind kKind = ObjectKind::Shape;
    ObjectKind kind() const override { return kKind; }
    QString keyword() const override { return kShapeKeyword; }
    QString record(const RegionalFormat& format) const override { return shapeRecord(*this, format); }
    bool visible() const override { return Visible; }
    void setVisible(bool shown) override { Visible = shown; }
    QRectF rect(const RowValues&) const override { return {Left, Top, Width, Height}; }
    QPointF corner() const override { return {Left, Top}; }
    void moveTo(double top, double left) override
    {
        Top = top;
        Left = left;
    }
    void paint(Surface& surface, QPointF at, const RowValues& row) const override;
    void paintOnCanvas(QPainter& painter, const QRectF& target, const RowValues& shown) const override;
    Stacking stacking() const override { return Stacking::Stays; }
    /// A line is as easy to pick as a band this many screen pixels thick, at every zoom.
    double pickSlack() const override { return 6; }

    /// Draws it into `target`, the box in the painter's units.
    void paintShape(QPainter& painter, const QRectF& target) const;
};

}  // namespace plk
