#pragma once
// A drawing surface in the two scales the design code uses: twips (1440 per inch)
// and millimetres (56.7 twips each). Geometry stays in those units in the logic;
// only the implementation knows about pixels.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <functional>

class QPainter;

namespace plk {

inline constexpr double kTwipsPerMm = 56.7;
inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr int kScreenDpi = 96;
inline constexpr int kTwipsPerPixel = 15;  // 96 dpi

/// The Qt pen of a drawing style number (0 solid, 1 dash, 2 dot, 3 dash-dot,
/// 4 dash-dot-dot, 5 none; others solid).
inline Qt::PenStyle penStyle(int drawStyle)
{
    switch (drawStyle) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

/// The turn of `degrees` anticlockwise about `centre` on a page whose y goes down
/// (a negative turn in Qt's sense).
inline QTransform turnAbout(QPointF centre, double degrees)
{
    return QTransform::fromTranslate(-centre.x(), -centre.y()) * QTransform().rotate(-degrees) *
           QTransform::fromTranslate(centre.x(), centre.y());
}

class Surface {
public:
    enum class ScaleMode { Twips, Millimetres };

    virtual ~Surface() = default;

    virtual void setScaleMode(ScaleMode mode) = 0;
    virtual ScaleMode scaleMode() const = 0;
    /// Inner width and height in the current scale.
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;
    /// Outer size in twips (whole numbers, as the window system gave it).
    virtual int widthTwips() const = 0;
    virtual int heightTwips() const = 0;
    /// The pitch of the surface's pixel grid: 15 twips on screen, less on a finer grid.
    virtual double twipsPerPixel() const { return kTwipsPerPixel; }

    virtual void clear(const QColor& colour) = 0;
    virtual void line(double x1, double y1, double x2, double y2, const QColor& colour) = 0;
    /// Outline rectangle from (x1, y1) to (x2, y2); drawStyle 0 is a solid pen,
    /// 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible.
    virtual void box(double x1, double y1, double x2, double y2, const QColor& colour, int drawStyle = 0) = 0;
    virtual void circle(double cx, double cy, double radius, const QColor& colour, bool filled) = 0;
    /// Paints the picture stretched to the rectangle.
    virtual void picture(const QImage& image, double x, double y, double w, double h) = 0;
    /// Prints one line of text with its top-left corner at (x, y).
    virtual void text(double x, double y, const QString& text, const QFont& font, const QColor& colour) = 0;

    /// Draws only inside the rectangle (in the current scale) from now on; an empty
    /// rectangle lifts the limit. A surface that is one label's picture is limited by
    /// its own edges and needs nothing more; a page of labels keeps each label's
    /// objects off its neighbours.
    virtual void clipTo(const QRectF& rect) { (void)rect; }

    /// Draws everything from now on turned by `degrees` anticlockwise about `centre` (in
    /// the current scale); 0 draws straight again.
    virtual void setRotation(QPointF centre, double degrees) = 0;

    /// Something that draws itself with a painter into `target`, in the painter's
    /// logical coordinates; the painter's device tells it the resolution and whether
    /// the output is pixels or vectors.
    using Drawing = std::function<void(QPainter& painter, const QRectF& target)>;
    /// Hands a painter of the surface's device to the drawing, for the rectangle from
    /// (x, y) of size w x h in the current scale.
    virtual void drawing(double x, double y, double w, double h, const Drawing& draw) = 0;
};

}  // namespace plk
