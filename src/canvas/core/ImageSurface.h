#pragma once
// Surface over a QImage at 15 twips per pixel: the persistent picture of a canvas,
// of a snapshot, or of a page.

#include "base/core/Surface.h"

#include <QPainter>

namespace plk {

class ImageSurface final : public Surface {
public:
    /// A surface of the given outer size in pixels, cleared to white.
    explicit ImageSurface(QSize pixels);
    /// A surface whose size is a length in twips, rounded to whole pixels.
    static ImageSurface fromTwips(double widthTwips, double heightTwips);

    void setScaleMode(ScaleMode mode) override { m_mode = mode; }
    ScaleMode scaleMode() const override { return m_mode; }
    double scaleWidth() const override;
    double scaleHeight() const override;
    int widthTwips() const override { return m_image.width() * kTwipsPerPixel; }
    int heightTwips() const override { return m_image.height() * kTwipsPerPixel; }

    void clear(const QColor& colour) override;
    void line(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void box(double x1, double y1, double x2, double y2, const QColor& colour, int drawStyle) override;
    void circle(double cx, double cy, double radius, const QColor& colour, bool filled) override;
    void picture(const QImage& image, double x, double y, double w, double h) override;
    void text(double x, double y, const QString& text, const QFont& font, const QColor& colour) override;

    const QImage& image() const { return m_image; }
    void setImage(const QImage& image);

    /// Pixels per unit of the current scale.
    double pixelsPerUnit() const;

private:
    QPointF toPixels(double x, double y) const;
    void pinResolution();

    QImage m_image;
    ScaleMode m_mode = ScaleMode::Millimetres;
};

}  // namespace plk
