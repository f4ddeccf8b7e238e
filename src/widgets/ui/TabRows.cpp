#include "widgets/ui/TabRows.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStyleOptionTabBarBase>
#include <QTabBar>
#include <algorithm>
#include <numeric>

namespace plk {

TabRows::TabRows(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int TabRows::addTab(const QString& text)
{
    m_texts.append(text);
    if (m_current < 0)
        m_current = 0;
    layoutTabs();
    updateGeometry();
    return count() - 1;
}

void TabRows::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    m_current = index;
    layoutTabs();
    update();
    Q_EMIT currentChanged(index);
}

QRect TabRows::tabRect(int index) const
{
    return index >= 0 && index < int(m_rects.size()) ? m_rects[std::size_t(index)] : QRect();
}

void TabRows::setCaptionSpace(int pixels)
{
    m_captionSpace = pixels;
    layoutTabs();
    updateGeometry();
}

void TabRows::initOption(QStyleOptionTab& option, int index) const
{
    option.initFrom(this);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    option.shape = QTabBar::RoundedNorth;
    option.text = m_texts.value(index);
    option.rect = tabRect(index);
    if (index == m_current) {
        option.state |= QStyle::State_Selected;
        if (hasFocus())
            option.state |= QStyle::State_HasFocus;
    }
}

int TabRows::tabWidth(int index) const
{
    QStyleOptionTab option;
    initOption(option, index);
    const int space = m_captionSpace >= 0 ? m_captionSpace : style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    const QSize content(fontMetrics().size(Qt::TextShowMnemonic, m_texts[index]).width() + space, tabHeight());
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, content, this).width();
}

int TabRows::tabHeight() const
{
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    const int content = fontMetrics().height() + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, QSize(1, content), this).height();
}

std::vector<TabRows::Row> TabRows::rowsFor(int width) const
{
    std::vector<int> widths;
    for (int i = 0; i < count(); ++i)
        widths.push_back(tabWidth(i));
    // As few rows as the captions need, then the tabs shared out evenly between them, so
    // that no row is left with one long tab.
    int rows = count() > 0 ? 1 : 0;
    for (int i = 0, used = 0; i < count(); ++i) {
        if (used > 0 && used + widths[std::size_t(i)] > width) {
            ++rows;
            used = 0;
        }
        used += widths[std::size_t(i)];
    }
    for (; rows > 0 && rows <= count(); ++rows) {
        std::vector<Row> result;
        const int perRow = (count() + rows - 1) / rows;
        bool fits = true;
        for (int first = 0; first < count(); first += perRow) {
            const int n = std::min(perRow, count() - first);
            fits = fits && (n == 1 || std::accumulate(widths.begin() + first, widths.begin() + first + n, 0) <= width);
            result.push_back({first, n});
        }
        if (fits)
            return result;
    }
    return {};
}

void TabRows::layoutTabs()
{
    std::vector<Row> rows = rowsFor(width());
    m_rects.assign(std::size_t(count()), QRect());
    // The current tab's row comes down next to the page; the others keep their turn.
    const auto current = std::find_if(rows.begin(), rows.end(),
                                      [this](const Row& r) { return m_current >= r.first && m_current < r.first + r.count; });
    if (current != rows.end())
        std::rotate(rows.begin(), current + 1, rows.end());
    const int height = tabHeight();
    int y = 0;
    for (const Row& row : rows) {
        int natural = 0;
        for (int i = row.first; i < row.first + row.count; ++i)
            natural += tabWidth(i);
        const int extra = std::max(0, width() - natural);
        int x = 0;
        for (int k = 0; k < row.count; ++k) {
            const int i = row.first + k;
            const int w = tabWidth(i) + extra * (k + 1) / row.count - extra * k / row.count;
            m_rects[std::size_t(i)] = QStyle::visualRect(layoutDirection(), QRect(0, 0, width(), y + height), QRect(x, y, w, height));
            x += w;
        }
        y += height;
    }
}

int TabRows::heightForWidth(int width) const
{
    return int(rowsFor(width).size()) * tabHeight();
}

QSize TabRows::sizeHint() const
{
    int width = 0;
    for (int i = 0; i < count(); ++i)
        width += tabWidth(i);
    return {width, tabHeight()};
}

QSize TabRows::minimumSizeHint() const
{
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, tabWidth(i));
    return {widest, tabHeight()};
}

void TabRows::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionTabBarBase base;
    base.initFrom(this);
    base.shape = QTabBar::RoundedNorth;
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, &base, this);
    base.rect = QRect(0, height() - overlap, width(), overlap);
    base.selectedTabRect = tabRect(m_current);
    style()->drawPrimitive(QStyle::PE_FrameTabBarBase, &base, &painter, this);
    // The current tab last, over its neighbours.
    for (int i = 0; i < count(); ++i) {
        if (i == m_current)
            continue;
        QStyleOptionTab option;
        initOption(option, i);
        style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);
    }
    if (m_current >= 0) {
        QStyleOptionTab option;
        initOption(option, m_current);
        style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);
    }
}

void TabRows::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    for (int i = 0; i < count(); ++i) {
        if (tabRect(i).contains(event->position().toPoint())) {
            setCurrentIndex(i);
            return;
        }
    }
}

void TabRows::keyPressEvent(QKeyEvent* event)
{
    const bool forward = event->key() == Qt::Key_Right;
    if (!forward && event->key() != Qt::Key_Left)
        return QWidget::keyPressEvent(event);
    const int step = (layoutDirection() == Qt::RightToLeft) != forward ? 1 : -1;
    setCurrentIndex(std::clamp(m_current + step, 0, count() - 1));
}

void TabRows::resizeEvent(QResizeEvent* event)
{
    layoutTabs();
    QWidget::resizeEvent(event);
}

void TabRows::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::LayoutDirectionChange) {
        layoutTabs();
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

}  // namespace plk
