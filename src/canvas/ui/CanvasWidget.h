#pragma once
// The canvas of a tab on screen: the tab's drawn picture with its objects on top
// (logos behind texts) and the selection frame. Pointer input goes to the tab.

#include "canvas/core/Etiquette.h"

#include <QWidget>
#include <optional>

namespace plk {

class CanvasWidget : public QWidget {
    Q_OBJECT

public:
    explicit CanvasWidget(Etiquette& tab, QWidget* parent = nullptr);

    /// Millimetres of the canvas at a point of the widget.
    QPointF toMm(QPointF point) const;
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
    QRectF objectRectPx(const Hit& hit) const;
    QPointF grabPoint(const Hit& hit, QPointF point) const;

    Etiquette& m_tab;
    std::optional<Hit> m_pressed;
    bool m_backgroundPressed = false;
};

}  // namespace plk
