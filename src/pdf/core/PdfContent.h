#pragma once
// The operators of one page: what a page of a PDF file says to draw, gathered as
// text before the page is squeezed into the file.

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QTransform>

namespace plk {

class PdfContent {
public:
    /// A glyph of a text: its number in the font, and how far from the line's start it goes.
    struct Glyph {
        quint32 index;
        double x;
        double width;  // its width as the font declares it, in thousandths of the size
    };

    const QByteArray& operators() const { return m_ops; }
    void clear() { m_ops.clear(); }

    void save() { m_ops += "q\n"; }
    void restore() { m_ops += "Q\n"; }
    /// Everything after goes through `t` too (until the next restore).
    void transform(const QTransform& t);
    /// Everything after is drawn only inside the rectangle (until the next restore).
    void clipTo(const QRectF& r);
    void fillColour(const QColor& c) { colour(c, " rg\n"); }
    void strokeColour(const QColor& c) { colour(c, " RG\n"); }
    /// The lines' width, ends and corners, and their dashes (none: solid).
    void lineStyle(double width, const QList<double>& dashes, Qt::PenCapStyle cap = Qt::SquareCap,
                   Qt::PenJoinStyle join = Qt::MiterJoin);
    /// Adds the path's outline to the shape being built.
    void path(const QPainterPath& path);
    /// Adds a rectangle to the shape being built.
    void rect(const QRectF& r);
    /// Paints the shape built: filled (inside by the even-odd rule or by winding),
    /// outlined, or both.
    void paint(bool filled, bool stroked, bool evenOdd);
    /// Draws only inside the shape built from now on (until the next restore).
    void clipToPath(bool evenOdd) { m_ops += evenOdd ? "W* n\n" : "W n\n"; }
    void fillRect(const QRectF& r);
    void strokeRect(const QRectF& r);
    void strokeLine(QPointF from, QPointF to);
    /// An ellipse about `centre`, outlined and, when asked, filled.
    void ellipse(QPointF centre, double rx, double ry, bool filled);
    /// Picture `name` stretched onto the rectangle, on a page whose y goes down.
    void image(const QByteArray& name, const QRectF& r);
    /// Glyphs of font `font` at `size` from `origin` on the baseline, on a page whose y goes down.
    void text(const QByteArray& font, double size, QPointF origin, const std::vector<Glyph>& glyphs);

private:
    void number(double v)
    {
        appendNumber(v);
        m_ops += ' ';
    }
    void appendNumber(double v);
    void colour(const QColor& c, const char* op);

    QByteArray m_ops;
};

}  // namespace plk
