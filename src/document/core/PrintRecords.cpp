#include "document/core/PrintRecords.h"

#include "base/core/ValueReader.h"

namespace plk {

namespace {

const QLatin1String kPapier("PAPIER");  // PAPIER|name|width|height|landscape
const QLatin1String kForme("FORME");    // FORME|shape|corner radius|hole radius
const QLatin1String kOptions("OPTIONS");  // OPTIONS|copies|collate|outlines|crop marks|mirror

constexpr double kMaxOutlineRadius = 500;

double within(const RecordFields& r, int i, double least, double most)
{
    const double v = r.real(i);
    if (!(v >= least && v <= most))
        throw FormatError("valeur hors limites : « " + r.text(i).toStdString() + " »");
    return v;
}

QString record(const QStringList& fields) { return fields.join(QLatin1Char('|')) + QStringLiteral("\r\n"); }

}  // namespace

bool isPrintExtension(const QString& keyword) { return keyword == kPapier || keyword == kForme || keyword == kOptions; }

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
    return text;
}

}  // namespace plk
