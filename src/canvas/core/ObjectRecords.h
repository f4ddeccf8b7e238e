#pragma once
// The LABEL and LOGO records: one text line per object, the same for the project
// file and for the object clipboard. (The CODE record is the code object's own.)

#include "base/core/Records.h"
#include "base/core/RegionalFormat.h"

#include <QString>

namespace plk {

class Etiquette;

QString labelRecord(const TextObject& object, const RegionalFormat& format);
QString logoRecord(const LogoObject& object);

/// Creates a text object on the tab from a LABEL record; `offset` mm is added to
/// its top and left. Throws FormatError on a field that is missing or does not convert.
void addLabelFromRecord(Etiquette& tab, const QStringList& fields, double offset, const RegionalFormat& format);
/// The same for a LOGO record; the logo takes the stored size whatever is selected.
void addLogoFromRecord(Etiquette& tab, const QStringList& fields, double offset, const RegionalFormat& format);
/// The same for a CODE record; a code whose data the kind cannot carry is refused
/// with the reason (FormatError).
void addCodeFromRecord(Etiquette& tab, const QStringList& fields, double offset, const RegionalFormat& format);

}  // namespace plk
