#pragma once
// The view of one tab: the canvas centred in a working area, its drop shadow, the
// two rulers, the scroll bars that move the canvas, and the "Par défaut" button in
// the corner between them that restores the default view. The view has its own zoom
// (Ctrl+wheel zooms around the pointer); the canvas, the rulers and the bars follow it.

#include "canvas/core/CanvasLayout.h"

#include <QWidget>

class QScrollBar;
class QToolButton;

namespace plk {

class CanvasWidget;
class Etiquette;
class RulerWidget;

class EtiquetteView : public QWidget {
    Q_OBJECT

public:
    explicit EtiquetteView(Etiquette& tab, QWidget* parent = nullptr);

    Etiquette& tab() const { return m_tab; }
    CanvasWidget* canvas() const { return m_canvas; }
    RulerWidget* ruler(int index) const { return index == 0 ? m_rulers[0] : m_rulers[1]; }
    QScrollBar* horizontalBar() const { return m_hbar; }
    QScrollBar* verticalBar() const { return m_vbar; }

    /// Lays the view out again (re-centres the canvas, resets the bars) and gives
    /// the canvas the focus.
    void ParDefaut();

    /// The zoom in percent, 25 to 800.
    int zoom() const;
    /// Zooms keeping the point of the canvas under `anchor` (a point of the view) there.
    void zoomAt(int percent, QPointF anchor);
    /// Zooms keeping the middle of the view where it is.
    void setZoom(int percent);
    /// The zoom at which the whole canvas fits in the working area, centred.
    void zoomToFit();

Q_SIGNALS:
    void zoomChanged(int percent);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void applyZoom(int percent);
    void relayout();
    void scrolled();
    QSize canvasTwips() const;

    Etiquette& m_tab;
    CanvasWidget* m_canvas;
    RulerWidget* m_rulers[2];
    QWidget* m_corner;
    QScrollBar* m_hbar;
    QScrollBar* m_vbar;
    QToolButton* m_default;
    CanvasLayout m_layout;
    int m_wheelAngle = 0;  // the wheel's turn not yet made into zoom steps
};

}  // namespace plk
