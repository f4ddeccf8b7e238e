#pragma once
// The LABEL and LOGO records: one text line per object, the same for the project
// file and for the object clipboard. (The CODE record is the code object's own.)

#include "base/core/Records.h"
#include "base/core/RegionalFormat.h"
#include "canvas/core/TabObject.h"

#include <QString>
#include <optional>

namespace plk {

class Etiquette;

QString labelRecord(const TextObject& object, const RegionalFormat& format);
QString logoRecord(const LogoObject& object);

/// The records of the tab's objects that go after its print records (the shapes, then
/// the turns of turned objects and the exact places), each on a line ending CR LF;
/// empty for a tab without.
QString objectExtensionRecords(Etiquette& tab, const RegionalFormat& format);

/// The kind of object whose records have this keyword (LABEL, LOGO ...).
std::optional<ObjectKind> kindOfKeyword(const QString& keyword);

/// Creates the object a LABEL, LOGO, CODE or FIGURE record (or turns or places the one
/// a ROTATION or PLACE record names) describes on the tab, built from
/// its fields (no editing operation runs); `offset` mm is added to its top and left. A
/// logo takes the stored size, a code whose data the kind cannot carry is refused with
/// the reason. Throws FormatError on a field that is missing or does not convert;
/// false, adding nothing, when the record is no object's.
bool addObjectFromRecord(Etiquette& tab, const QStringList& fields, double offset, const RegionalFormat& format);

/// The record of a logo whose picture comes from a field of the data file, one per
/// such logo after the tab's merge records:
///
///     FUSIONLOGO|logo|field
///
/// `logo` numbers the tab's LOGO records from 1, in their order.
inline const QString kLogoFieldKeyword = QStringLiteral("FUSIONLOGO");

/// The tab's FUSIONLOGO records, each ending its line; empty when no logo takes its
/// picture from a field, so such a tab is written as before.
QString logoFieldRecords(const Etiquette& tab);
/// Reads a FUSIONLOGO record (fields split at "|", keyword first) into the tab. Throws
/// FormatError when the logo is not a number of a logo the tab holds.
void readLogoFieldRecord(Etiquette& tab, const QStringList& fields);

}  // namespace plk
