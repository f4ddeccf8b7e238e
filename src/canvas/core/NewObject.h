#pragma once
// What the commands that add an object do: the object is made where a new one goes
// and is selected at once, so the tool box edits it (and not the one clicked before).

#include "canvas/core/Etiquette.h"

namespace plk {

/// A new text object or logo on the tab, selected.
void addSelectedObject(Etiquette& tab, Etiquette::ObjectKind kind);

}  // namespace plk
