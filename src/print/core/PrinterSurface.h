#pragma once
// A drawing surface over a painter that draws a page: a printer's, a PDF file's or
// an SVG drawing's. It draws in twips through the painter's transform, whatever the
// device's resolution, so that the resolution (a printer's print quality) changes
// neither where things go nor how big the texts are. Lines are as wide as the canvas
// shows them at 100 % (one screen pixel, 1/96 inch) and, like the canvas's, start at
// their coordinate and run one line width right and down; pictures are stretched onto
// the page and, in a PDF file, kept lossless.

#include "canvas/core/TwipsText.h"
#include "print/core/PageSurface.h"

#include <QPainter>
#include <QSizeF>
#include <QTransform>
#include <optional>

namespace plk {

class PrinterSurface final : public PageSurface {
public:

    /// `pageSize`: the printable area in millimetres; `dotsPerInch`: the device's
    /// resolution in each direction. Sets the painter's transform and hints.
    /// `texts`: outlines for a drawing that other programs draw without our fonts.
    PrinterSurface(QPainter& painter, QSizeF pageSize, QSizeF dotsPerInch, TextForm texts = TextForm::Glyphs);

    /// Draws everything from here on mirrored left to right across the page (transfer
    /// paper, printed on its back).
    void mirror();
    /// Corrects where everything goes from now on (a printer's calibration), given in
    /// twips of the printable area; the identity undoes it.
    void setCorrection(const QTransform& twips);

    /// Fills the printable area.
    void clear(const QColor& colour) override;
    void line(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void box(double x1, double y1, double x2, double y2, const QColor& colour, int drawStyle) override;
    void circle(double cx, double cy, double radius, const QColor& colour, bool filled) override;
    void picture(const QImage& image, double x, double y, double w, double h) override;
    void text(double x, double y, const QString& text, const QFont& font, const QColor& colour) override;
    void drawing(double x, double y, double w, double h, const Drawing& draw) override;
    void clipTo(const QRectF& rect) override;
    void setRotation(QPointF centre, double degrees) override;

private:
    QPainter& m_painter;
    QTransform m_device;  // twips to the device's dots
    QTransform m_mirror;
    QTransform m_correction;
    TextForm m_texts;
    std::optional<QTransform> m_upright;  // the transform before a turn, while turned
};

}  // namespace plk
