#pragma once
// The view of one tab: the canvas centred in a working area, its drop shadow, the
// two rulers, the scroll bars that move the canvas, and the "Par défaut" button in
// the corner between them that restores the default view.

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

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
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
};

}  // namespace plk
