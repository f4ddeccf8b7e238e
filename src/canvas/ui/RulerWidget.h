#pragma once
// A ruler along the top (horizontal) or the left (vertical) of a tab's view,
// graduated in millimetres from its own edge. While the tab allows it, the user
// drags it anywhere to lay it against the design. The print preview's rulers are
// the same, over a page instead of a tab.

#include <QWidget>
#include <functional>

namespace plk {

class Etiquette;

class RulerWidget : public QWidget {
    Q_OBJECT

public:
    RulerWidget(Qt::Orientation orientation, Etiquette& tab, QWidget* parent = nullptr);
    /// A ruler with no tab behind it, movable while `movable` says so.
    RulerWidget(Qt::Orientation orientation, std::function<bool()> movable, QWidget* parent = nullptr);

    Qt::Orientation orientation() const { return m_orientation; }
    /// The view's zoom in percent: the graduation follows the canvas.
    int zoom() const { return m_zoom; }
    void setZoom(int percent);

Q_SIGNALS:
    /// Pressed: the view brings the scroll bars back above the ruler.
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Qt::Orientation m_orientation;
    Etiquette* m_tab;  // none for a preview's ruler
    std::function<bool()> m_movable;
    QPoint m_grab;
    int m_zoom = 100;
};

}  // namespace plk
