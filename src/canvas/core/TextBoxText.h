#pragma once
// A text object's box as the tab keeps and stores it: its ZONE record, which follows
// the tab's original records and names its text by the order of the LABEL records,
// and the edits that put a text in a box or take it out. The LABEL record of a text in
// a box is the record it would have without one (its lines joined by spaces), so that
// a reader that knows no ZONE record still shows the text, on one line.

#include "base/core/RegionalFormat.h"
#include "canvas/core/TextBox.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

namespace plk {

class Etiquette;
class TextElement;

inline const QLatin1String kTextBoxKeyword("ZONE");

/// The ZONE records of the tab's texts in boxes, each followed by CR LF; empty when none.
QString textBoxRecords(const Etiquette& tab, const RegionalFormat& format);
/// The ZONE record of a text in a box, naming it as the `ordinal`-th text of its tab.
QString textBoxRecord(const TextElement& text, int ordinal, const RegionalFormat& format);
/// Puts the text a ZONE record names (its `ordinal`-th visible text) in the record's
/// box with the record's lines. Throws FormatError on a field that is missing, does
/// not convert or passes its bounds, or when the tab has no such text.
void readTextBoxRecord(Etiquette& tab, const QStringList& fields, const RegionalFormat& format);
/// The same for text `slot` of the tab, whatever the record's number (a pasted text).
void readTextBoxRecord(Etiquette& tab, int slot, const QStringList& fields, const RegionalFormat& format);

/// A text's one line without its box: its lines joined by spaces.
QString oneLine(const QString& caption);
/// The box a text gets when it is given one: as wide as its line (20 mm at least) and
/// as high as `lines` lines of its font.
TextBox boxFor(const TextElement& text, int lines);

}  // namespace plk
