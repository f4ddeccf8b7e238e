#pragma once
// A part of the tool box that shows one tab at a time: it leaves the tab it showed and
// refreshes on the changes of the new one that concern it.

#include "canvas/core/Etiquette.h"

#include <QPointer>
#include <functional>

namespace plk {

/// Makes `followed` the tab `tab` (none: idle), calling `refresh` on each of its changes
/// that has any of the flags `concerns`.
inline void followTab(QObject* follower, QPointer<Etiquette>& followed, Etiquette* tab, Etiquette::Changes concerns,
                      const std::function<void()>& refresh)
{
    if (followed == tab)
        return;
    if (followed)
        QObject::disconnect(followed, nullptr, follower, nullptr);
    followed = tab;
    if (tab)
        QObject::connect(tab, &Etiquette::changed, follower, [concerns, refresh](Etiquette::Changes what) {
            if (what.testAnyFlags(concerns))
                refresh();
        });
}

}  // namespace plk
