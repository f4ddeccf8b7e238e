#include "document/core/Project.h"

namespace plk {

Project::Project(const QString& firstTabCaption, QObject* parent)
    : QObject(parent)
{
    m_tabs.push_back({withoutSeparators(firstTabCaption), std::make_unique<Etiquette>()});
}

Project::~Project() = default;

void Project::setTabCaption(int i, const QString& caption)
{
    m_tabs.at(std::size_t(i - 1)).caption = withoutSeparators(caption);
    Q_EMIT tabCaptionChanged(i);
}

Etiquette& Project::addTab(const QString& caption)
{
    m_tabs.push_back({withoutSeparators(caption), std::make_unique<Etiquette>()});
    Q_EMIT tabAdded(tabCount());
    return *m_tabs.back().surface;
}

bool Project::removeLastTab()
{
    if (m_tabs.size() <= 1)
        return false;
    const int index = tabCount();
    // Announce first, so views of the tab let go of it before it is destroyed.
    Q_EMIT tabRemoved(index);
    m_tabs.pop_back();
    return true;
}

}  // namespace plk
