#include "widgets/ui/TaskPaneParts.h"

#include "base/core/Rounding.h"
#include "base/core/Twips.h"
#include "widgets/core/TaskPaneLayout.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace plk {

namespace {

QColor mixed(const QColor& a, const QColor& b, double bShare)
{
    const auto mix = [bShare](int x, int y) { return clampTo<int>(std::floor(x + (y - x) * bShare + 0.5)); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

// Two chevrons, pointing up when the group can be closed, down when it can be opened.
void paintChevrons(QPainter& painter, const QRectF& box, bool up, const QColor& colour)
{
    const double w = box.width() * 0.28;
    const double h = box.height() * 0.14;
    const double cx = box.center().x();
    const double gap = box.height() * 0.2;
    painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
        const double cy = box.center().y() + (i == 0 ? -gap / 2 : gap / 2);
        const double tip = up ? cy - h : cy + h;
        const double base = up ? cy + h : cy - h;
        QPainterPath path;
        path.moveTo(cx - w, base);
        path.lineTo(cx, tip);
        path.lineTo(cx + w, base);
        painter.drawPath(path);
    }
}

}  // namespace

// --- title bar -------------------------------------------------------------------------

TaskGroupTitle::TaskGroupTitle(const TaskPaneColors& colors, const QString& caption, const QFont& font,
                               QWidget* parent)
    : QWidget(parent), m_colors(colors), m_caption(caption)
{
    QFont bold = font;
    bold.setBold(true);
    setFont(bold);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void TaskGroupTitle::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void TaskGroupTitle::setShowsOpen(bool open)
{
    m_open = open;
    update();
}

void TaskGroupTitle::setHovered(bool hovered)
{
    if (m_hovered == hovered)
        return;
    m_hovered = hovered;
    update();
}

QColor TaskGroupTitle::captionColor() const { return toQColor(m_hovered ? m_colors.titreOver : m_colors.titre); }

void TaskGroupTitle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect());
    const double radius = 4.0;
    QPainterPath shape;
    shape.moveTo(r.left(), r.bottom() + 1);
    shape.lineTo(r.left(), r.top() + radius);
    shape.quadTo(r.topLeft(), QPointF(r.left() + radius, r.top()));
    shape.lineTo(r.right() + 1 - radius, r.top());
    shape.quadTo(QPointF(r.right() + 1, r.top()), QPointF(r.right() + 1, r.top() + radius));
    shape.lineTo(r.right() + 1, r.bottom() + 1);
    shape.closeSubpath();
    QLinearGradient fill(r.topLeft(), r.topRight());
    fill.setColorAt(0.0, toQColor(m_colors.header1));
    fill.setColorAt(1.0, toQColor(m_colors.header2));
    painter.fillPath(shape, fill);

    const int captionLeft = twipsToPixels(TaskPaneLayout::kCaptionLeft);
    const QRect button = twipsToPixels(TaskPaneLayout::buttonRect(pixelsToTwips(width())));
    const QRect text(captionLeft, 0, button.left() - captionLeft - 4, height());
    painter.setPen(captionColor());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     fontMetrics().elidedText(m_caption, Qt::ElideRight, text.width()));
    paintButton(painter);
}

void TaskGroupTitle::paintButton(QPainter& painter) const
{
    const QRectF box = QRectF(twipsToPixels(TaskPaneLayout::buttonRect(pixelsToTwips(width())))).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor ring = mixed(toQColor(m_colors.header2), captionColor(), m_hovered ? 0.45 : 0.25);
    painter.setPen(QPen(ring, 1.0));
    QRadialGradient face(box.center() - QPointF(box.width() / 5, box.height() / 5), box.width() * 0.75);
    face.setColorAt(0.0, Qt::white);
    face.setColorAt(1.0, mixed(Qt::white, toQColor(m_colors.header1), m_hovered ? 0.2 : 0.5));
    painter.setBrush(face);
    painter.drawEllipse(box);
    paintChevrons(painter, box, m_open, captionColor());
}

void TaskGroupTitle::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        Q_EMIT rightPressed(event->globalPosition().toPoint());
}

void TaskGroupTitle::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT leftClicked();
}

void TaskGroupTitle::enterEvent(QEnterEvent*) { Q_EMIT hovered(); }
void TaskGroupTitle::leaveEvent(QEvent*) { setHovered(false); }

// --- content panel ---------------------------------------------------------------------

TaskGroupPanel::TaskGroupPanel(const TaskPaneColors& colors, QWidget* parent) : QWidget(parent), m_colors(colors)
{
    setMouseTracking(true);
}

void TaskGroupPanel::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void TaskGroupPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor back2 = toQColor(m_colors.groupBack2);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0.0, back2);
    fill.setColorAt(1.0, mixed(back2, toQColor(m_colors.groupBack1), 0.35));
    painter.fillRect(rect(), fill);
    if (!m_picture.isNull())
        painter.drawPixmap(rect(), m_picture);
    // The border runs from (0, 0) to one twip-pixel short of the far edges.
    painter.setPen(toQColor(m_colors.groupBorder));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
}

void TaskGroupPanel::mouseMoveEvent(QMouseEvent*) { Q_EMIT hovered(); }

// --- item ------------------------------------------------------------------------------

TaskItem::TaskItem(const TaskPaneColors& colors, int number, const QIcon& icon, const QString& text,
                   const QFont& font, QWidget* parent)
    : QWidget(parent), m_colors(colors), m_number(number), m_icon(icon), m_text(text)
{
    setFont(font);
    setCursor(Qt::PointingHandCursor);
}

void TaskItem::setHovered(bool hovered)
{
    if (m_hovered == hovered)
        return;
    m_hovered = hovered;
    update();
}

QColor TaskItem::captionColor() const { return toQColor(m_hovered ? m_colors.labelOver : m_colors.label); }

QRect TaskItem::captionRect() const
{
    const int left = twipsToPixels(TaskPaneLayout::kIconSize + TaskPaneLayout::kIconCaptionGap);
    return QRect(left, 0, width() - left, height());
}

void TaskItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int iconSize = twipsToPixels(TaskPaneLayout::kIconSize);
    m_icon.paint(&painter, QRect(0, (height() - iconSize) / 2, iconSize, iconSize));
    QFont f = font();
    f.setUnderline(m_hovered);
    painter.setFont(f);
    painter.setPen(captionColor());
    const QRect text = captionRect();
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QFontMetrics(f).elidedText(m_text, Qt::ElideRight, text.width()));
}

void TaskItem::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked(m_number);
}

void TaskItem::enterEvent(QEnterEvent*) { Q_EMIT hovered(m_number); }
void TaskItem::leaveEvent(QEvent*) { setHovered(false); }

}  // namespace plk
