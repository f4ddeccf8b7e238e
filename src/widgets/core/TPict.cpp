#include "widgets/core/TPict.h"

namespace plk {

int TPict::add(const QIcon& picture)
{
    m_images.append(picture);
    return count();
}

QIcon TPict::ListImages(int index) const
{
    return index >= 1 && index <= count() ? m_images.at(index - 1) : QIcon();
}

}  // namespace plk
