#include "canvas/core/ObjectRecords.h"

#include "base/core/Rounding.h"
#include "base/core/ValueReader.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/LogoPicture.h"

#include <QStringList>
#include <algorithm>

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

void addLabelFromRecord(Etiquette& tab, const QStringList& fields, double offset, const RegionalFormat& format)
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
    const Etiquette::Batch batch(tab);
    tab.NewLabel(top, left);
    const int index = tab.IDlabel();
    tab.Caption(index, caption);
    tab.FontStyle(index, font, size, bold, italic, underline, strike);
    tab.FontCouleur(index, colour);
}

void addLogoFromRecord(Etiquette& tab, const QStringList& fields, double offset, const RegionalFormat& format)
{
    const RecordFields r(fields, format);
    const double top = ValueReader::checkedLength(r.length(2) + offset);
    const double left = ValueReader::checkedLength(r.length(3) + offset);
    const QString& path = r.text(1);
    const double width = r.length(4);
    const double height = r.length(5);
    // As for a background picture: a file that is there but no picture stops the
    // reading here (a missing file leaves the logo's placeholder).
    if (pictureFileExists(path) && !loadPictureFile(path))
        throw FormatError("image illisible : " + path.toStdString());
    const Etiquette::Batch batch(tab);
    tab.NewLogo(top, left);
    const int index = tab.IDlogo();
    tab.Image(index, path);
    tab.SizeLogo(index, width, height);
}

void addCodeFromRecord(Etiquette& tab, const QStringList& fields, double offset, const RegionalFormat& format)
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

}  // namespace plk
