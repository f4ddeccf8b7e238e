#include "canvas/core/ObjectRecords.h"

#include "base/core/Rounding.h"
#include "base/core/ValueReader.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/ExactPlaces.h"
#include "canvas/core/LogoPicture.h"
#include "canvas/core/ObjectOrdinals.h"
#include "canvas/core/Rotation.h"
#include "canvas/core/ShapeElement.h"
#include "canvas/core/TabElements.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace plk {

namespace {

// A whole millimetre within the bounds the reader takes, whatever the value (a NaN
// gives 0), so that a saved file always reads back.
QString mm(float value) { return QString::number(roundClamped<int>(boundedLength(value))); }

}  // namespace

QString labelRecord(const TextObject& o, const RegionalFormat& f)
{
    return QStringList{QStringLiteral("LABEL"), o.Caption, mm(o.Top), mm(o.Left), o.FontName,
                       f.formatReal(o.FontSize, 7), f.formatBool(o.FontBold), f.formatBool(o.FontItalic),
                       f.formatBool(o.FontUnderline), f.formatBool(o.FontStrikethru),
                       QString::number(o.ForeColor)}
        .join(QLatin1Char('|'));
}

QString logoRecord(const LogoObject& o)
{
    return QStringList{QStringLiteral("LOGO"), o.Tag, mm(o.Top), mm(o.Left), mm(o.Width), mm(o.Height)}.join(
        QLatin1Char('|'));
}

namespace {

void addLabel(Etiquette& tab, const QStringList& fields, double offset, const RegionalFormat& format)
{
    const RecordFields r(fields, format);
    // Check every field before creating anything, so a bad record adds no object.
    const double top = ValueReader::checkedLength(r.length(2) + offset);
    const double left = ValueReader::checkedLength(r.length(3) + offset);
    const QString& caption = r.text(1);
    if (caption.size() > kMaxTextLength)
        throw FormatError("texte de plus de " + std::to_string(kMaxTextLength) + " caractères");
    const QString& font = r.text(4);
    const auto size = r.integer<std::int16_t>(5);
    const bool bold = r.boolean(6), italic = r.boolean(7), underline = r.boolean(8), strike = r.boolean(9);
    const OleColor colour = r.colour(10);
    tab.addObject(ObjectKind::Label, top, left, [&](TabObject& object) {
        auto& o = static_cast<TextElement&>(object);
        if (!caption.isEmpty())  // an empty one leaves the slot's caption
            o.Caption = withoutSeparators(caption);
        o.FontName = font;
        o.FontSize = size;
        o.FontBold = bold;
        o.FontItalic = italic;
        o.FontUnderline = underline;
        o.FontStrikethru = strike;
        o.ForeColor = colour;
    });
}

void addLogo(Etiquette& tab, const QStringList& fields, double offset, const RegionalFormat& format)
{
    const RecordFields r(fields, format);
    const double top = ValueReader::checkedLength(r.length(2) + offset);
    const double left = ValueReader::checkedLength(r.length(3) + offset);
    const QString& path = r.text(1);
    const double width = r.length(4);
    const double height = r.length(5);
    // As for a background picture: a file that is there but no picture stops the
    // reading here (a missing file leaves the logo's placeholder).
    const bool file = pictureFileExists(path);
    std::optional<QImage> picture = file ? loadPictureFile(path) : placeholderLogoPicture();
    if (!picture)
        throw FormatError("image illisible : " + path.toStdString());
    tab.addObject(ObjectKind::Logo, top, left, [&](TabObject& object) {
        auto& o = static_cast<LogoElement&>(object);
        o.Tag = file ? path : QString();
        o.picture = std::move(*picture);
        o.Stretch = true;  // the stored size, whatever the picture's own
        o.Width = float(boundedLength(width));
        o.Height = float(boundedLength(height));
        o.fitPicture();
    });
}

void addCode(Etiquette& tab, const QStringList& fields, double offset, const RegionalFormat& format)
{
    CodeObject code = codeFromRecord(fields, format);
    code.Top += offset;
    code.Left += offset;
    try {
        tab.NewCode(code);
    } catch (const EtiquetteError& e) {
        throw FormatError(e.what());
    }
}

using RecordReader = void (*)(Etiquette&, const QStringList&, double, const RegionalFormat&);

struct KindRecord {
    ObjectKind kind;
    QString keyword;
    RecordReader read;
};

/// Each kind of object with the keyword of its records and their reader.
const std::array<KindRecord, kObjectKinds>& kindRecords()
{
    static const std::array<KindRecord, kObjectKinds> kinds{{
        {ObjectKind::Label, QStringLiteral("LABEL"), addLabel},
        {ObjectKind::Logo, QStringLiteral("LOGO"), addLogo},
        {ObjectKind::Code, kCodeKeyword, addCode},
        {ObjectKind::Shape, kShapeKeyword, readShapeRecord},
    }};
    return kinds;
}

}  // namespace

std::optional<ObjectKind> kindOfKeyword(const QString& keyword)
{
    for (const KindRecord& k : kindRecords())
        if (k.keyword == keyword)
            return k.kind;
    return std::nullopt;
}

QString objectExtensionRecords(Etiquette& tab, const RegionalFormat& format)
{
    // The kinds after the codes are unknown to a reader of the original format: their
    // records come after the ones it reads.
    QString records;
    for (int kind = int(ObjectKind::Code) + 1; kind < kObjectKinds; ++kind)
        if (const QString written = tab.objectRecords(ObjectKind(kind), format); !written.isEmpty())
            records += written + QStringLiteral("\r\n");
    return records + rotationRecords(tab, format) + placeRecords(tab, format);
}

QString logoFieldRecords(const Etiquette& tab)
{
    QString records;
    int ordinal = 0;
    for (const TabObject* o : writtenObjects(tab, ObjectKind::Logo)) {
        ++ordinal;
        if (const QString& field = static_cast<const LogoElement*>(o)->pictureField; !field.isEmpty())
            records += kLogoFieldKeyword + QLatin1Char('|') + QString::number(ordinal) + QLatin1Char('|') + field +
                       QStringLiteral("\r\n");
    }
    return records;
}

void readLogoFieldRecord(Etiquette& tab, const QStringList& fields)
{
    bool ok = false;
    const int slot = slotOfOrdinal(tab, ObjectKind::Logo, fields.value(1).toInt(&ok));
    if (!ok || slot == 0)
        throw FormatError("logo inconnu : « " + fields.value(1).toStdString() + " »");
    tab.setLogoPictureField(slot, fields.value(2).left(kMaxTextLength).trimmed());
}

bool addObjectFromRecord(Etiquette& tab, const QStringList& fields, double offset, const RegionalFormat& format)
{
    const QString& keyword = fields.at(0);
    for (const KindRecord& k : kindRecords())
        if (k.keyword == keyword) {
            k.read(tab, fields, offset, format);
            return true;
        }
    if (keyword == kRotationKeyword)
        readRotationRecord(tab, fields, format);
    else if (keyword == kPlaceKeyword)
        readPlaceRecord(tab, fields, format);
    else
        return false;
    return true;
}

}  // namespace plk
