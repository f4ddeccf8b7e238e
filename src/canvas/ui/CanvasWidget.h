#pragma once
// The canvas of a tab on screen: the tab's drawn picture with its objects on top
// (logos behind texts, codes in front) and the selection frame. Pointer input goes to the tab. At a
// zoom other than 100 % (or on a screen with denser pixels) the background is painted
// afresh at the screen's real resolution and the objects are drawn scaled, so texts,
// gradients and lines stay sharp.

#include "canvas/core/Etiquette.h"
#include "canvas/core/ImageSurface.h"

#include <QWidget>
#include <optional>

namespace plk {

class CanvasWidget : public QWidget {
    Q_OBJECT

public:
    explicit CanvasWidget(Etiquette& tab, QWidget* parent = nullptr);

    /// Millimetres of the canvas at a point of the widget.
    QPointF toMm(QPointF point) const;
    /// Pixels of the widget for a rectangle in millimetres.
    QRectF toPx(const QRectF& mm) const;
    /// The zoom in percent; the view sizes the widget to match.
    int zoom() const { return m_zoom; }
    void setZoom(int percent);
    /// The widget's size at the zoom: the canvas picture's, scaled.
    QSize zoomedSize() const;
    /// The object under a point, front-most first.
    struct Hit {
        Etiquette::ObjectKind kind;
        int index;
    };
    std::optional<Hit> objectAt(QPointF point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    double pixelsPerMm() const;
    /// The background at the zoom and the screen's pixel density, painted once for both.
    const QImage& zoomedBackground();
    bool exists(const Hit& hit) const;
    /// Whether the point (pixels of the widget) falls on the object's turned outline.
    bool hits(const Hit& hit, QPointF point) const;
    QRectF objectRectPx(const Hit& hit) const;
    QPointF grabPoint(const Hit& hit, QPointF point) const;

    Etiquette& m_tab;
    std::optional<Hit> m_pressed;
    bool m_backgroundPressed = false;
    int m_zoom = 100;
    std::optional<ImageSurface> m_background;  // none until painted and after a new size
    double m_backgroundDpi = 0;
    bool m_backgroundStale = true;  // the background changed since it was painted
};

}  // namespace plk
