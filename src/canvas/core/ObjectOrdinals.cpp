#include "canvas/core/ObjectOrdinals.h"

#include "canvas/core/Etiquette.h"

namespace plk {

std::vector<const TabObject*> writtenObjects(const Etiquette& tab, ObjectKind kind)
{
    std::vector<const TabObject*> written;
    for (int slot = 1; const TabObject* o = tab.object(kind, slot); ++slot)
        if (o->visible())
            written.push_back(o);
    return written;
}

int slotOfOrdinal(const Etiquette& tab, ObjectKind kind, int ordinal)
{
    const std::vector<const TabObject*> written = writtenObjects(tab, kind);
    return ordinal >= 1 && ordinal <= int(written.size()) ? written[std::size_t(ordinal - 1)]->slot() : 0;
}

}  // namespace plk
