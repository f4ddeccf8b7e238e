#include "widgets/ui/ToolbarButton.h"

#include <QMenu>
#include <QMouseEvent>
#include <QStyleOptionToolButton>

namespace plk {

ToolbarButton::ToolbarButton(Arrow arrow, QWidget* parent) : QToolButton(parent), m_arrow(arrow)
{
    if (arrow == Arrow::None)
        return;
    m_arrowMenu = new QMenu(this);
    setMenu(m_arrowMenu);
    setPopupMode(arrow == Arrow::Split ? MenuButtonPopup : InstantPopup);
}

QRect ToolbarButton::arrowRect() const
{
    if (m_arrow == Arrow::None)
        return {};
    if (m_arrow == Arrow::Whole)
        return rect();
    QStyleOptionToolButton option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButtonMenu, this);
}

void ToolbarButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && arrowRect().contains(event->position().toPoint())) {
        event->accept();
        Q_EMIT dropDownRequested();
        return;
    }
    QToolButton::mousePressEvent(event);
}

}  // namespace plk
