#pragma once
// Records that extend an object (a logo's field, a text's box, a turn, an exact place)
// name it by its kind and its ordinal: its rank, from 1, among the records of its
// kind as the file holds them. A deleted object keeps its slot until the tab is
// unloaded but is not written, so ordinals and slots part ways; these two functions are
// the one place that counts them, for the writers and the readers alike.

#include "canvas/core/TabObject.h"

#include <QString>
#include <vector>

namespace plk {

class Etiquette;
class RecordFields;

/// The tab's objects of the kind that the file holds, in the order of their records
/// (the object with ordinal n at index n - 1).
std::vector<const TabObject*> writtenObjects(const Etiquette& tab, ObjectKind kind);
/// The slot of the object of the kind with that ordinal, or 0 when there is none.
int slotOfOrdinal(const Etiquette& tab, ObjectKind kind, int ordinal);

/// An object of the tab, by its kind and its slot.
struct ObjectSlot {
    ObjectKind kind;
    int slot;
};
/// The object an extension record names by its keyword (field 1) and ordinal (field 2).
/// Throws FormatError "<what> d'un objet absent : « keyword ordinal »" when the tab has none.
ObjectSlot namedObject(const Etiquette& tab, const RecordFields& record, const char* what);

}  // namespace plk
