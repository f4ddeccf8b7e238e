#include "pdf/core/PdfContent.h"

#include "pdf/core/PdfFile.h"

#include <cmath>

namespace plk {

void PdfContent::appendNumber(double v) { appendPdfNumber(m_ops, v); }

void PdfContent::colour(const QColor& c, const char* op)
{
    number(c.redF());
    number(c.greenF());
    appendNumber(c.blueF());
    m_ops += op;
}

void PdfContent::transform(const QTransform& t)
{
    // A page's scale of a twentieth of a point, corrected by a few hundredths, needs
    // more decimals than a position does.
    for (const double v : {t.m11(), t.m12(), t.m21(), t.m22()}) {
        appendPdfNumber(m_ops, v, 6);
        m_ops += ' ';
    }
    number(t.dx());
    number(t.dy());
    m_ops += "cm\n";
}

void PdfContent::clipTo(const QRectF& r)
{
    for (const double v : {r.x(), r.y(), r.width(), r.height()})
        number(v);
    m_ops += "re W n\n";
}

void PdfContent::lineStyle(double width, const QList<double>& dashes, Qt::PenCapStyle cap, Qt::PenJoinStyle join)
{
    number(width);
    m_ops += "w ";
    m_ops += cap == Qt::FlatCap ? "0" : cap == Qt::RoundCap ? "1" : "2";
    m_ops += " J ";
    m_ops += join == Qt::RoundJoin ? "1" : join == Qt::BevelJoin ? "2" : "0";
    m_ops += " j [";
    for (const double d : dashes)
        number(d);
    m_ops += "] 0 d\n";
}

void PdfContent::path(const QPainterPath& path)
{
    QPointF start;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isCurveTo() && i + 2 < path.elementCount()) {
            for (int k = 0; k < 3; ++k) {
                number(path.elementAt(i + k).x);
                number(path.elementAt(i + k).y);
            }
            m_ops += "c\n";
            i += 2;
            continue;
        }
        number(e.x);
        number(e.y);
        if (e.isMoveTo()) {
            start = e;
            m_ops += "m\n";
        } else {
            m_ops += "l\n";
        }
        // A shape that comes back to its start is closed, for a mitred corner there.
        const bool last = i + 1 == path.elementCount() || path.elementAt(i + 1).isMoveTo();
        if (last && e.isLineTo() && QPointF(e) == start)
            m_ops += "h\n";
    }
}

void PdfContent::rect(const QRectF& r)
{
    for (const double v : {r.x(), r.y(), r.width(), r.height()})
        number(v);
    m_ops += "re\n";
}

void PdfContent::paint(bool filled, bool stroked, bool evenOdd)
{
    if (filled && stroked)
        m_ops += evenOdd ? "B*\n" : "B\n";
    else if (filled)
        m_ops += evenOdd ? "f*\n" : "f\n";
    else if (stroked)
        m_ops += "S\n";
    else
        m_ops += "n\n";
}

void PdfContent::fillRect(const QRectF& r)
{
    for (const double v : {r.x(), r.y(), r.width(), r.height()})
        number(v);
    m_ops += "re f\n";
}

void PdfContent::strokeRect(const QRectF& r)
{
    for (const double v : {r.x(), r.y(), r.width(), r.height()})
        number(v);
    m_ops += "re S\n";
}

void PdfContent::strokeLine(QPointF from, QPointF to)
{
    number(from.x());
    number(from.y());
    m_ops += "m ";
    number(to.x());
    number(to.y());
    m_ops += "l S\n";
}

void PdfContent::ellipse(QPointF centre, double rx, double ry, bool filled)
{
    // Four quarter arcs, each a cubic curve whose handles are this far along the tangents.
    const double k = 4 * (std::sqrt(2.0) - 1) / 3;
    const double x = centre.x(), y = centre.y();
    const auto point = [this](double px, double py) {
        number(px);
        number(py);
    };
    point(x + rx, y);
    m_ops += "m ";
    const double quarters[4][6] = {
        {x + rx, y + k * ry, x + k * rx, y + ry, x, y + ry},
        {x - k * rx, y + ry, x - rx, y + k * ry, x - rx, y},
        {x - rx, y - k * ry, x - k * rx, y - ry, x, y - ry},
        {x + k * rx, y - ry, x + rx, y - k * ry, x + rx, y},
    };
    for (const auto& q : quarters) {
        for (int i = 0; i < 6; i += 2)
            point(q[i], q[i + 1]);
        m_ops += "c ";
    }
    m_ops += filled ? "b\n" : "s\n";
}

void PdfContent::image(const QByteArray& name, const QRectF& r)
{
    m_ops += "q ";
    transform(QTransform(r.width(), 0, 0, -r.height(), r.x(), r.y() + r.height()));
    m_ops += '/' + name + " Do Q\n";
}

void PdfContent::text(const QByteArray& font, double size, QPointF origin, const std::vector<Glyph>& glyphs)
{
    static const char digits[] = "0123456789ABCDEF";
    m_ops += "BT /" + font + ' ';
    number(size);
    m_ops += "Tf 1 0 0 -1 ";
    number(origin.x());
    number(origin.y());
    m_ops += "Tm [<";
    double pen = 0;  // where the reader puts the next glyph
    for (const Glyph& g : glyphs) {
        // Move the reader's pen to where the glyph goes, in thousandths of the size
        // against the writing direction; the rounding is carried on, not lost.
        const double shift = std::round((pen - g.x) * 1000 / size * 10) / 10;
        if (shift != 0) {
            m_ops += "> ";
            appendNumber(shift);
            m_ops += " <";
            pen -= shift * size / 1000;
        }
        const char hex[4] = {digits[(g.index >> 12) & 15], digits[(g.index >> 8) & 15], digits[(g.index >> 4) & 15],
                             digits[g.index & 15]};
        m_ops.append(hex, 4);
        pen += g.width * size / 1000;
    }
    m_ops += ">] TJ ET\n";
}

}  // namespace plk
