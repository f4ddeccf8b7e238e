#include "widgets/core/TaskGroupMotion.h"

namespace plk {

TaskGroupMotion::TaskGroupMotion(int closedHeight)
    : m_closedHeight(closedHeight), m_openHeight(closedHeight), m_height(closedHeight)
{
}

void TaskGroupMotion::setOpenHeight(int twips)
{
    m_openHeight = twips;
    if (m_open && !m_moving)
        m_height = m_openHeight;
}

void TaskGroupMotion::setOpen(bool open, bool animate)
{
    m_open = open;
    if (animate)
        m_moving = true;
    else
        rest(open);
}

bool TaskGroupMotion::step()
{
    if (!m_moving)
        return false;
    if (m_open) {
        m_height += kStep;
        if (m_height >= m_openHeight)
            rest(true);
    } else {
        m_height -= kStep;
        if (m_height < m_closedHeight)
            rest(false);
    }
    return m_moving;
}

void TaskGroupMotion::rest(bool open)
{
    m_height = open ? m_openHeight : m_closedHeight;
    m_restsOpen = open;
    m_moving = false;
}

}  // namespace plk
