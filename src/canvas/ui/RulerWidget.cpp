#include "canvas/ui/RulerWidget.h"

#include "canvas/core/CanvasLayout.h"
#include "canvas/core/Etiquette.h"

#include <QMouseEvent>
#include <QPainter>

namespace plk {

RulerWidget::RulerWidget(Qt::Orientation orientation, Etiquette& tab, QWidget* parent)
    : RulerWidget(orientation, [&tab] { return tab.DepRegle(); }, parent)
{
    m_tab = &tab;
}

RulerWidget::RulerWidget(Qt::Orientation orientation, std::function<bool()> movable, QWidget* parent)
    : QWidget(parent), m_orientation(orientation), m_tab(nullptr), m_movable(std::move(movable))
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xFA, 0xF6, 0xE4));
    pal.setColor(QPalette::WindowText, QColor(0x30, 0x30, 0x30));
    setPalette(pal);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(9);
    setFont(f);
}

void RulerWidget::setZoom(int percent)
{
    m_zoom = percent;
    update();
}

void RulerWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const bool horizontal = m_orientation == Qt::Horizontal;
    const int lengthTwips = (horizontal ? width() : height()) * kTwipsPerPixel;
    const int thickness = horizontal ? height() : width();
    const int thicknessTwips = thickness * kTwipsPerPixel;
    for (const RulerMark& m : rulerMarks(lengthTwips, m_zoom)) {
        const int at = m.position / kTwipsPerPixel;
        const int len = markLength(m.kind, thicknessTwips) / kTwipsPerPixel;
        if (horizontal) {
            p.drawLine(at, thickness - len, at, thickness);
            if (!m.number.isEmpty())
                p.drawText(at + 2, fontMetrics().ascent(), m.number);
        } else {
            p.drawLine(thickness - len, at, thickness, at);
            if (!m.number.isEmpty())
                p.drawText(1, at + fontMetrics().ascent() + 1, m.number);
        }
    }
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void RulerWidget::mousePressEvent(QMouseEvent* e)
{
    raise();
    Q_EMIT pressed();
    m_grab = e->position().toPoint();
}

void RulerWidget::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() != Qt::LeftButton || !m_movable())
        return;
    move(pos() + (e->position().toPoint() - m_grab));
}

void RulerWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (m_tab && rect().contains(e->position().toPoint()))
        m_tab->backgroundClick();
}

}  // namespace plk
