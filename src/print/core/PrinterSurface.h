#pragma once
// A drawing surface over a painter that is printing a page, in millimetres at the
// printer's own resolution. Text goes through the printer's fonts at their point
// size; pictures are stretched onto the page.

#include "base/core/Surface.h"

#include <QPainter>
#include <QSizeF>

namespace plk {

class PrinterSurface final : public Surface {
public:
    /// `pageSize`: the printable area in millimetres; `dotsPerInch`: the device's
    /// resolution in each direction.
    PrinterSurface(QPainter& painter, QSizeF pageSize, QSizeF dotsPerInch);

    void setScaleMode(ScaleMode mode) override { m_mode = mode; }
    ScaleMode scaleMode() const override { return m_mode; }
    double scaleWidth() const override;
    double scaleHeight() const override;
    int widthTwips() const override;
    int heightTwips() const override;

    /// Fills the printable area.
    void clear(const QColor& colour) override;
    void line(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void box(double x1, double y1, double x2, double y2, const QColor& colour, int drawStyle) override;
    void circle(double cx, double cy, double radius, const QColor& colour, bool filled) override;
    void picture(const QImage& image, double x, double y, double w, double h) override;
    void text(double x, double y, const QString& text, const QFont& font, const QColor& colour) override;

private:
    QPointF toDevice(double x, double y) const;
    double unitsPerInch() const;

    QPainter& m_painter;
    QSizeF m_pageMm;
    QSizeF m_dpi;
    ScaleMode m_mode = ScaleMode::Millimetres;
};

}  // namespace plk
