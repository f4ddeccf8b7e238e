#include "document/core/SheetRecords.h"

#include "base/core/ValueReader.h"

namespace plk {

namespace {

int bounded(const RecordFields& r, int i, int low, int high)
{
    const int v = r.integer<std::int32_t>(i);
    if (v < low || v > high)
        throw FormatError("valeur hors limites : « " + r.text(i).toStdString() + " »");
    return v;
}

}  // namespace

void readSheetRecord(PrintSettings& s, const QStringList& fields, const RegionalFormat& format)
{
    const RecordFields r(fields, format);
    if (fields.at(0) == kPositionsKeyword) {
        const int first = bounded(r, 1, 1, kMaxSheetPosition);
        const int last = bounded(r, 2, first, kMaxSheetPosition);
        s.designs.push_back({first, last, bounded(r, 3, 1, kMaxTabNumber)});
    } else {
        const int tab = bounded(r, 1, 1, kMaxTabNumber);
        s.back = BackSide{tab, SheetFlip(bounded(r, 2, 0, 1))};
    }
}

QString sheetRecords(const PrintSettings& s)
{
    QString text;
    for (const DesignRange& d : s.designs)
        text += QStringLiteral("%1|%2|%3|%4\r\n").arg(kPositionsKeyword).arg(d.first).arg(d.last).arg(d.tab);
    if (s.back)
        text += QStringLiteral("%1|%2|%3\r\n").arg(kVersoKeyword).arg(s.back->tab).arg(int(s.back->flip));
    return text;
}

}  // namespace plk
