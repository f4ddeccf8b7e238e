#include "canvas/ui/CanvasWidget.h"

#include "base/core/MouseCodes.h"
#include "canvas/core/OutlineGuide.h"
#include "canvas/core/Rotation.h"
#include "canvas/core/TabRenderer.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace plk {

namespace {

constexpr double kPxPerMm = kTwipsPerMm / kTwipsPerPixel;
// A zoomed background larger than this (64 MB) is painted smaller and stretched: a
// 200 mm tab at 800 % on a dense screen would otherwise take more than half a gigabyte.
constexpr double kMaxZoomedBackgroundPixels = 16'000'000;

QRectF scaled(const QRectF& r, double factor)
{
    return {r.left() * factor, r.top() * factor, r.width() * factor, r.height() * factor};
}

QRectF mmToPx(const QRectF& r) { return scaled(r, kPxPerMm); }

}  // namespace

CanvasWidget::CanvasWidget(Etiquette& tab, QWidget* parent)
    : QWidget(parent), m_tab(tab)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_tab, &Etiquette::changed, this, [this](Etiquette::Changes what) {
        using C = Etiquette::Change;
        if (what & C::Geometry)
            m_background.reset();
        if (what & C::Background)
            m_backgroundStale = true;
        // An undo while the button is down may take the pressed object away: the drag ends.
        if (m_pressed && !exists(*m_pressed))
            m_pressed.reset();
        if (what & (C::Geometry | C::Background | C::Objects | C::Selection))
            update();
    });
}

double CanvasWidget::pixelsPerMm() const { return kPxPerMm * m_zoom / 100.0; }

QPointF CanvasWidget::toMm(QPointF p) const { return p / pixelsPerMm(); }

QRectF CanvasWidget::toPx(const QRectF& mm) const { return scaled(mm, pixelsPerMm()); }

void CanvasWidget::setZoom(int percent)
{
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    m_background.reset();
    update();
}

QSize CanvasWidget::zoomedSize() const
{
    const QSize size = m_tab.canvasPixels();
    return {int(std::lround(size.width() * m_zoom / 100.0)), int(std::lround(size.height() * m_zoom / 100.0))};
}

const QImage& CanvasWidget::zoomedBackground()
{
    const QSizeF twips = m_tab.canvasTwips();
    double dotsPerInch = kScreenDpi * m_zoom / 100.0 * devicePixelRatioF();
    const double pixels = twips.width() * twips.height() * std::pow(dotsPerInch / kTwipsPerInch, 2);
    if (pixels > kMaxZoomedBackgroundPixels)
        dotsPerInch *= std::sqrt(kMaxZoomedBackgroundPixels / pixels);
    if (!m_background || m_backgroundDpi != dotsPerInch) {
        m_background = ImageSurface::fromTwips(twips.width(), twips.height(), dotsPerInch);
        m_backgroundDpi = dotsPerInch;
        m_backgroundStale = true;
    }
    // Painted again in place: a new picture of this size would cost more than the painting.
    if (m_backgroundStale) {
        TabRenderer(m_tab).repaintCanvas(*m_background);
        m_backgroundStale = false;
    }
    return m_background->image();
}

bool CanvasWidget::hits(const Hit& hit, QPointF point) const
{
    const TabObject* o = m_tab.object(hit.kind, hit.index);
    return o && outlineContains(*o, m_tab.shownValues(), toMm(point), o->pickSlack() / pixelsPerMm());
}

bool CanvasWidget::exists(const Hit& hit) const
{
    const TabObject* o = m_tab.object(hit.kind, hit.index);
    return o && o->visible();
}

QRectF CanvasWidget::objectRectPx(const Hit& hit) const
{
    return toPx(m_tab.objectRect(hit.kind, hit.index));
}

std::optional<CanvasWidget::Hit> CanvasWidget::objectAt(QPointF point) const
{
    // The front-most object under the point, as the canvas draws them.
    const std::vector<const TabObject*> drawn = drawingOrder(m_tab, DrawOrder::Canvas);
    for (auto it = drawn.rbegin(); it != drawn.rend(); ++it) {
        const Hit hit{(*it)->kind(), (*it)->slot()};
        if (hits(hit, point))
            return hit;
    }
    return std::nullopt;
}

QPointF CanvasWidget::grabPoint(const Hit& hit, QPointF point) const
{
    return toMm(point - objectRectPx(hit).topLeft());
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_zoom == 100 && devicePixelRatioF() == 1.0) {
        p.drawImage(QPointF(0, 0), m_tab.canvasImage());
    } else {
        // Only the part to repaint, taken from the background at its own resolution.
        const QImage& background = zoomedBackground();
        const QRectF target = event->rect();
        const double sx = background.width() / double(std::max(1, width()));
        const double sy = background.height() / double(std::max(1, height()));
        p.drawImage(target, background,
                    QRectF(target.x() * sx, target.y() * sy, target.width() * sx, target.height() * sy));
    }
    // The objects as at 100 %, scaled: the painter draws the texts at the zoomed size.
    p.scale(m_zoom / 100.0, m_zoom / 100.0);
    // Objects wholly outside the part to repaint are passed over: at a high zoom the
    // window shows few of a large tab's objects. The margin keeps what may reach past an
    // object's box: an italic's slant, a text hinted wider at the zoomed size, the
    // antialiased edge of a turned outline.
    const QRectF exposed(QPointF(event->rect().topLeft()) * 100.0 / m_zoom, QSizeF(event->rect().size()) * 100.0 / m_zoom);
    const RowValues shown = m_tab.shownValues();
    for (const TabObject* o : drawingOrder(m_tab, DrawOrder::Canvas)) {
        const QRectF target = mmToPx(o->rect(shown));
        const double margin = 4 + 0.1 * std::max(target.width(), target.height());
        if (!rotationAbout(target, o->rotation())
                 .mapRect(target.adjusted(-margin, -margin, margin, margin))
                 .intersects(exposed))
            continue;
        p.save();
        turnPainter(p, *o, target);
        o->paintOnCanvas(p, target, shown);
        p.restore();
    }
    if (const auto& outline = m_tab.print().outline) {
        // The shape of the maker's label, a guide that is never printed nor exported.
        p.resetTransform();
        const QRectF label = toPx(QRectF(0, 0, m_tab.prjWidth(), m_tab.prjHeight()));
        p.save();
        p.setClipRect(label);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outlinePath(*outline, label, label.width() / std::max(1e-9, m_tab.prjWidth())));
        p.restore();
    }
    const Etiquette::Frame& frame = m_tab.frame();
    if (frame.visible) {
        p.resetTransform();  // a thin dashed line at every zoom
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColor(0x33, 0x66, 0xCC), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        const QRectF framed = toPx(frame.rect).adjusted(0, 0, -1, -1);
        // Around a turned object the frame turns with it.
        const TabObject* selected = m_tab.selected();
        if (selected && selected->rotation() != 0)
            p.drawPolygon(turnAbout(framed.center(), selected->rotation()).map(QPolygonF(framed)));
        else
            p.drawRect(framed);
    }
}

void CanvasWidget::mousePressEvent(QMouseEvent* e)
{
    setFocus(Qt::MouseFocusReason);
    const QPointF pos = e->position();
    m_pressed = objectAt(pos);
    m_backgroundPressed = !m_pressed;
    if (m_pressed) {
        const QPointF g = grabPoint(*m_pressed, pos);
        m_tab.objectPress(m_pressed->kind, m_pressed->index, buttonCode(e->button()), shiftCode(e->modifiers()),
                              g.x(), g.y());
    } else {
        const QPointF mm = toMm(pos);
        m_tab.backgroundMouseDown(buttonCode(e->button()), shiftCode(e->modifiers()), mm.x(), mm.y());
    }
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF pos = e->position();
    if (m_pressed && e->buttons() != Qt::NoButton) {
        const QPointF g = grabPoint(*m_pressed, pos);
        m_tab.objectMouseMove(m_pressed->kind, m_pressed->index, buttonCode(e->buttons()), g.x(), g.y());
        return;
    }
    if (!objectAt(pos)) {
        const QPointF mm = toMm(pos);
        m_tab.backgroundMouseMove(mm.x(), mm.y());
    }
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* e)
{
    const auto pressed = m_pressed;
    const bool background = m_backgroundPressed;
    m_pressed.reset();
    m_backgroundPressed = false;
    if (pressed) {
        // The click belongs to the object pressed, which has moved with the pointer.
        if (hits(*pressed, e->position()))
            m_tab.objectClick(pressed->kind, pressed->index);
    } else if (background && !objectAt(e->position())) {
        m_tab.backgroundClick();
    }
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (const auto hit = objectAt(e->position()))
        m_tab.objectDoubleClick(hit->kind, hit->index);
    else
        QWidget::mouseDoubleClickEvent(e);
}

bool CanvasWidget::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(e);
        if (objectAt(help->pos()))
            QToolTip::showText(help->globalPos(), QStringLiteral("Double clic pour modifier l'objet"), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

}  // namespace plk
