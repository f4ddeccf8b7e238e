#include "document/core/PrintRecords.h"

#include "base/core/ValueReader.h"

namespace plk {

namespace {

const QLatin1String kPapier("PAPIER");  // PAPIER|name|width|height|landscape
const QLatin1String kForme("FORME");    // FORME|shape|corner radius|hole radius
const QLatin1String kOptions("OPTIONS");  // OPTIONS|copies|collate|outlines|crop marks|mirror
const QLatin1String kGrilles("GRILLES");  // GRILLES|across|down|left|top|pitch across|pitch down|...
constexpr int kGridFields = 6;

constexpr double kMaxOutlineRadius = 500;

double within(const RecordFields& r, int i, double least, double most)
{
    const double v = r.real(i);
    if (!(v >= least && v <= most))
        throw FormatError("valeur hors limites : « " + r.text(i).toStdString() + " »");
    return v;
}

QString record(const QStringList& fields) { return fields.join(QLatin1Char('|')) + QStringLiteral("\r\n"); }

std::vector<LabelGrid> readGrids(const RecordFields& r)
{
    const qsizetype count = (r.count() - 1) / kGridFields;
    if (count < 1 || count > kMaxGrids || (r.count() - 1) % kGridFields != 0)
        throw FormatError("nombre de valeurs de grilles incorrect");
    std::vector<LabelGrid> grids;
    int labels = 0;
    for (int i = 1; i < r.count(); i += kGridFields) {
        LabelGrid g{int(within(r, i, 1, kMaxGridCount)), int(within(r, i + 1, 1, kMaxGridCount)),
                    SheetGrid{within(r, i + 2, 0, kMaxSheetGrid), within(r, i + 3, 0, kMaxSheetGrid),
                              within(r, i + 4, 0, kMaxSheetGrid), within(r, i + 5, 0, kMaxSheetGrid)}};
        labels += g.across * g.down;
        if (labels > kMaxSheetLabels)
            throw FormatError("plus de " + std::to_string(kMaxSheetLabels) + " étiquettes par planche");
        grids.push_back(g);
    }
    return grids;
}

}  // namespace

bool isPrintExtension(const QString& keyword)
{
    return keyword == kPapier || keyword == kForme || keyword == kOptions || keyword == kGrilles;
}

PrintSettings readPrintExtension(const QStringList& fields, const RegionalFormat& format, PrintSettings s)
{
    const RecordFields r(fields, format);
    const QString& keyword = fields.at(0);
    if (keyword == kPapier) {
        s.paper = Paper{withoutSeparators(r.text(1)), within(r, 2, 1, kMaxPaperSide), within(r, 3, 1, kMaxPaperSide),
                        r.boolean(4)};
    } else if (keyword == kForme) {
        const int shape = int(within(r, 1, 0, 2));
        s.outline = LabelOutline{LabelOutline::Shape(shape), within(r, 2, 0, kMaxOutlineRadius),
                                 within(r, 3, 0, kMaxOutlineRadius)};
    } else if (keyword == kGrilles) {
        s.grids = readGrids(r);
    } else {
        s.options = PrintOptions{std::int16_t(within(r, 1, 1, kMaxCopies)), r.boolean(2), r.boolean(3), r.boolean(4),
                                 r.boolean(5)};
    }
    return s;
}

QString printExtensionRecords(const PrintSettings& s, const RegionalFormat& f)
{
    QString text;
    if (const auto& p = s.paper)
        text += record({kPapier, p->name, f.formatReal(p->width), f.formatReal(p->height), f.formatBool(p->landscape)});
    if (const auto& o = s.outline)
        text += record({kForme, QString::number(int(o->shape)), f.formatReal(o->cornerRadius),
                        f.formatReal(o->holeRadius)});
    if (const auto& o = s.options; o && *o != PrintOptions())
        text += record({kOptions, QString::number(o->copies), f.formatBool(o->collate), f.formatBool(o->outlines),
                        f.formatBool(o->cropMarks), f.formatBool(o->mirror)});
    if (!s.grids.empty()) {
        QStringList fields{kGrilles};
        for (const LabelGrid& g : s.grids)
            fields << QString::number(g.across) << QString::number(g.down) << f.formatReal(g.place.left)
                   << f.formatReal(g.place.top) << f.formatReal(g.place.pitchAcross) << f.formatReal(g.place.pitchDown);
        text += record(fields);
    }
    return text;
}

}  // namespace plk
