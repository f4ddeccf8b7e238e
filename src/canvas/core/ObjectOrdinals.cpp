#include "canvas/core/ObjectOrdinals.h"

#include "base/core/ValueReader.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/ObjectRecords.h"

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

ObjectSlot namedObject(const Etiquette& tab, const RecordFields& record, const char* what)
{
    const QString& keyword = record.text(1);
    const int ordinal = record.integer<int>(2);
    const std::optional<ObjectKind> kind = kindOfKeyword(keyword);
    const int slot = kind ? slotOfOrdinal(tab, *kind, ordinal) : 0;
    if (slot == 0)
        throw FormatError(std::string(what) + " d'un objet absent : « " + keyword.toStdString() + " " +
                          std::to_string(ordinal) + " »");
    return {*kind, slot};
}

}  // namespace plk
