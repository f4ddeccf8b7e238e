#pragma once
// Surface over a QImage: the persistent picture of a canvas, of a snapshot, or of a
// page. On screen a pixel is 15 twips (96 dpi); a surface for print or export can
// have a finer grid, and then lines keep the width of a screen pixel and texts take
// their true size.

#include "base/core/Surface.h"

#include <QPainter>

namespace plk {

/// The largest picture a surface holds (640 MB): an A4 page at 1200 dpi fits well
/// within it; the giant tab of a damaged file gets an empty picture instead.
inline constexpr qint64 kMaxSurfacePixels = 160'000'000;

/// The largest picture an output (a snapshot, printed or previewed sheets, a PDF or SVG
/// page) paints of a tab or a page: 200 MB at 32 bits a pixel, so that with the copies
/// its encoder or document makes no output needs more than 500 MB.
inline constexpr qint64 kMaxOutputPixels = 50'000'000;
/// The largest background a document (PDF sheets, a PDF or SVG page) embeds: the
/// document's writer keeps copies of it of its own.
inline constexpr qint64 kMaxDocumentPixels = 20'000'000;

/// The pixels of a picture of the size in twips at `dotsPerInch`.
qint64 pixelCount(QSizeF twips, double dotsPerInch);
/// `dotsPerInch`, or the highest whole resolution below it at which a picture of the
/// size in twips has at most `most` pixels.
double dotsPerInchWithin(QSizeF twips, double dotsPerInch, qint64 most = kMaxOutputPixels);

class ImageSurface final : public Surface {
public:
    /// A surface of the given outer size in pixels at `dotsPerInch`, cleared to white;
    /// an empty one beyond kMaxSurfacePixels.
    explicit ImageSurface(QSize pixels, double dotsPerInch = kScreenDpi);
    /// A surface whose size is a length in twips, rounded to whole pixels.
    static ImageSurface fromTwips(double widthTwips, double heightTwips, double dotsPerInch = kScreenDpi);
    /// The whole pixels such a surface has.
    static QSize pixelsForTwips(double widthTwips, double heightTwips, double dotsPerInch = kScreenDpi);

    void setScaleMode(ScaleMode mode) override { m_mode = mode; }
    ScaleMode scaleMode() const override { return m_mode; }
    double scaleWidth() const override;
    double scaleHeight() const override;
    int widthTwips() const override;
    int heightTwips() const override;
    double twipsPerPixel() const override { return m_twipsPerPixel; }

    void clear(const QColor& colour) override;
    void line(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void box(double x1, double y1, double x2, double y2, const QColor& colour, int drawStyle) override;
    void circle(double cx, double cy, double radius, const QColor& colour, bool filled) override;
    void picture(const QImage& image, double x, double y, double w, double h) override;
    void text(double x, double y, const QString& text, const QFont& font, const QColor& colour) override;
    void drawing(double x, double y, double w, double h, const Drawing& draw) override;
    void setRotation(QPointF centre, double degrees) override;

    const QImage& image() const { return m_image; }
    void setImage(const QImage& image);

    /// Pixels per unit of the current scale.
    double pixelsPerUnit() const;

private:
    bool onScreenGrid() const { return m_twipsPerPixel == kTwipsPerPixel; }
    QPointF toPixels(double x, double y) const;
    /// A pen as wide as a screen pixel (on the screen's grid, Qt's one-pixel pen).
    QPen pen(const QColor& colour, Qt::PenStyle style = Qt::SolidLine) const;
    /// Where the pen's middle goes for a line to start on a pixel's edge.
    QPointF penMiddle() const;
    void pinResolution();
    /// A painter on the picture, turned as setRotation asked.
    void begin(QPainter& painter) const;

    QImage m_image;
    double m_twipsPerPixel = kTwipsPerPixel;
    ScaleMode m_mode = ScaleMode::Millimetres;
    QTransform m_rotation;  // in pixels
};

}  // namespace plk
