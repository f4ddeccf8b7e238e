#include "canvas/ui/EtiquetteView.h"

#include "canvas/core/Etiquette.h"
#include "canvas/core/ZoomSteps.h"
#include "canvas/ui/CanvasWidget.h"
#include "canvas/ui/RulerWidget.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>

namespace plk {

namespace {

constexpr int px(int twips) { return twips / kTwipsPerPixel; }
QRect px(const QRect& r) { return {px(r.left()), px(r.top()), px(r.width()), px(r.height())}; }

void applyRange(QScrollBar* bar, const ScrollRange& r)
{
    const QSignalBlocker block(bar);
    bar->setRange(r.minimum, r.maximum);
    bar->setSingleStep(r.smallChange);
    bar->setPageStep(r.largeChange);
    bar->setValue(r.value);
}

}  // namespace

EtiquetteView::EtiquetteView(Etiquette& tab, QWidget* parent)
    : QWidget(parent),
      m_tab(tab),
      m_canvas(new CanvasWidget(tab, this)),
      m_rulers{new RulerWidget(Qt::Horizontal, tab, this), new RulerWidget(Qt::Vertical, tab, this)},
      m_corner(new QWidget(this)),
      m_hbar(new QScrollBar(Qt::Horizontal, this)),
      m_vbar(new QScrollBar(Qt::Vertical, this)),
      m_default(new QToolButton(this))
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xE4, 0xE8, 0xEE));
    setPalette(pal);
    m_corner->setGeometry(0, 0, px(kRulerThickness), px(kRulerThickness));
    m_corner->setAutoFillBackground(true);
    m_rulers[0]->setGeometry(px(kRulerThickness), 0, width(), px(kRulerThickness));
    m_rulers[1]->setGeometry(0, px(kRulerThickness), px(kRulerThickness), height());
    m_default->setText(QStringLiteral("Par défaut"));
    m_default->setToolTip(QStringLiteral("Par défaut"));
    m_default->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_default->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    m_default->setAutoRaise(true);
    m_canvas->setToolTip(QString());

    connect(m_default, &QToolButton::clicked, this, &EtiquetteView::ParDefaut);
    connect(m_hbar, &QScrollBar::valueChanged, this, &EtiquetteView::scrolled);
    connect(m_vbar, &QScrollBar::valueChanged, this, &EtiquetteView::scrolled);
    for (RulerWidget* ruler : m_rulers)
        connect(ruler, &RulerWidget::pressed, this, [this] {
            m_vbar->raise();
            m_hbar->raise();
        });
    connect(&m_tab, &Etiquette::changed, this, [this](Etiquette::Changes what) {
        if (what & Etiquette::Change::Geometry)
            relayout();
    });
    relayout();
}

QSize EtiquetteView::canvasTwips() const { return m_canvas->zoomedSize() * kTwipsPerPixel; }

void EtiquetteView::relayout()
{
    const QSize control(width() * kTwipsPerPixel, height() * kTwipsPerPixel);
    const auto twips = [](const QWidget* w) {
        return QRect(w->x() * kTwipsPerPixel, w->y() * kTwipsPerPixel, w->width() * kTwipsPerPixel,
                     w->height() * kTwipsPerPixel);
    };
    const QSize canvas = canvasTwips();
    m_layout = layoutCanvas(control, canvas, m_tab.DepRegle(), twips(m_rulers[0]), twips(m_rulers[1]));
    if (zoom() != 100) {
        extendForCanvas(m_layout.horizontal, control.width(), canvas.width());
        extendForCanvas(m_layout.vertical, control.height(), canvas.height());
    }
    m_rulers[0]->setGeometry(px(m_layout.horizontalRuler));
    m_rulers[1]->setGeometry(px(m_layout.verticalRuler));
    const QPoint canvasAt(px(m_layout.canvas.left()), px(m_layout.canvas.top()));
    m_canvas->setGeometry(QRect(canvasAt, m_canvas->zoomedSize()));
    m_hbar->setGeometry(px(m_layout.horizontalBar));
    m_vbar->setGeometry(px(m_layout.verticalBar));
    m_default->setGeometry(px(m_layout.defaultButton.x()), px(m_layout.defaultButton.y()), px(kScrollBarThickness),
                           px(kScrollBarThickness));
    applyRange(m_hbar, m_layout.horizontal);
    applyRange(m_vbar, m_layout.vertical);
    m_corner->raise();
    m_rulers[0]->update();
    m_rulers[1]->update();
    update();
}

void EtiquetteView::scrolled()
{
    const QSize canvas = canvasTwips();
    const int left = canvasOffsetForScroll(m_hbar->value(), m_layout.horizontal, width() * kTwipsPerPixel, canvas.width());
    const int top = canvasOffsetForScroll(m_vbar->value(), m_layout.vertical, height() * kTwipsPerPixel, canvas.height());
    m_layout.canvas.moveTo(left, top);
    m_layout.shadow = m_layout.canvas.translated(kShadowOffset, kShadowOffset);
    m_canvas->move(px(left), px(top));
    update();
}

void EtiquetteView::ParDefaut()
{
    relayout();
    m_canvas->setFocus(Qt::OtherFocusReason);
}

int EtiquetteView::zoom() const { return m_canvas->zoom(); }

void EtiquetteView::applyZoom(int percent)
{
    m_canvas->setZoom(percent);
    for (RulerWidget* ruler : m_rulers)
        ruler->setZoom(percent);
    relayout();
    Q_EMIT zoomChanged(percent);
}

void EtiquetteView::zoomAt(int percent, QPointF anchor)
{
    percent = std::clamp(percent, kMinZoom, kMaxZoom);
    if (percent == zoom())
        return;
    const QPointF mm = m_canvas->toMm(anchor - m_canvas->pos());
    applyZoom(percent);
    // The bars place the canvas by its centre: put it where the point comes back under the anchor.
    const QPointF left = anchor - m_canvas->toPx(QRectF(mm, QSizeF())).topLeft();
    const QSize canvas = canvasTwips();
    m_hbar->setValue(int(std::lround(left.x() * kTwipsPerPixel)) + canvas.width() / 2);
    m_vbar->setValue(int(std::lround(left.y() * kTwipsPerPixel)) + canvas.height() / 2);
}

void EtiquetteView::setZoom(int percent) { zoomAt(percent, QRectF(rect()).center()); }

void EtiquetteView::zoomToFit()
{
    const QSize area = px(m_layout.workArea).size() - QSize(2, 2) * px(kShadowOffset);
    applyZoom(fitZoom(area, m_tab.canvasPixels()));
}

void EtiquetteView::wheelEvent(QWheelEvent* e)
{
    if (!e->modifiers().testFlag(Qt::ControlModifier)) {
        QWidget::wheelEvent(e);
        return;
    }
    // A notch is 120; a touchpad sends smaller turns that add up to one.
    constexpr int kNotch = 120;
    m_wheelAngle += e->angleDelta().y();
    int percent = zoom();
    for (; m_wheelAngle >= kNotch; m_wheelAngle -= kNotch)
        percent = zoomIn(percent);
    for (; m_wheelAngle <= -kNotch; m_wheelAngle += kNotch)
        percent = zoomOut(percent);
    zoomAt(percent, e->position());
    e->accept();
}

void EtiquetteView::resizeEvent(QResizeEvent*) { relayout(); }

void EtiquetteView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QColor(0xB8, 0xC0, 0xCC));
    p.setBrush(QColor(0xEE, 0xF1, 0xF5));
    p.drawRect(px(m_layout.workArea).adjusted(0, 0, -1, -1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x80, 0x88, 0x94, 150));
    p.drawRect(QRect(px(m_layout.shadow.left()), px(m_layout.shadow.top()), m_canvas->width(), m_canvas->height()));
}

}  // namespace plk
