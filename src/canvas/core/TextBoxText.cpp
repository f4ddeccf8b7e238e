#include "canvas/core/TextBoxText.h"

#include "barcode/core/CodeObject.h"
#include "base/core/ValueReader.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/ObjectOrdinals.h"

#include <algorithm>
#include <cmath>

namespace plk {

namespace {

double within(double value, double low, double high) { return std::isnan(value) ? low : std::clamp(value, low, high); }

double checked(double value, double low, double high, const char* what)
{
    if (!(value >= low && value <= high))
        throw FormatError(std::string(what) + " de zone de texte hors limites");
    return value;
}

}  // namespace

QString oneLine(const QString& caption) { return QString(caption).replace(QLatin1Char('\n'), QLatin1Char(' ')); }

TextBox boxFor(const TextElement& text, int lines)
{
    TextBox box;
    const double oneLineWidth = text.rect(RowValues()).width();
    box.width = std::ceil(std::clamp(oneLineWidth, 20.0, kMaxTabSizeMm));
    box.height = std::ceil(std::min(textBoxHeight(text.font(), lines, box.spacing), kMaxTabSizeMm));
    box.minSize = std::min(box.minSize, double(text.FontSize));
    return box;
}

QString textBoxRecord(const TextElement& text, int ordinal, const RegionalFormat& f)
{
    const TextBox& b = *text.box;
    // Within the bounds the reader takes, whatever the values, so that a file reads back.
    return QStringList{kTextBoxKeyword,
                       QString::number(ordinal),
                       f.formatReal(within(b.width, TextBox::kMinSide, kMaxTabSizeMm)),
                       f.formatReal(within(b.height, TextBox::kMinSide, kMaxTabSizeMm)),
                       QString::number(int(b.align)),
                       QString::number(int(b.valign)),
                       f.formatReal(within(b.spacing, TextBox::kMinSpacing, TextBox::kMaxSpacing)),
                       f.formatBool(b.fit),
                       f.formatReal(within(b.minSize, TextBox::kMinFontSize, TextBox::kMaxFontSize)),
                       escapeCodeData(text.Caption)}
        .join(QLatin1Char('|'));
}

QString textBoxRecords(const Etiquette& tab, const RegionalFormat& format)
{
    QString records;
    int ordinal = 0;
    for (const TabObject* o : writtenObjects(tab, ObjectKind::Label)) {
        ++ordinal;
        if (const auto& text = static_cast<const TextElement&>(*o); text.box)
            records += textBoxRecord(text, ordinal, format) + QStringLiteral("\r\n");
    }
    return records;
}

void readTextBoxRecord(Etiquette& tab, int slot, const QStringList& fields, const RegionalFormat& format)
{
    const RecordFields r(fields, format);
    // Every field is checked before the text changes.
    TextBox box;
    box.width = checked(r.real(2), TextBox::kMinSide, kMaxTabSizeMm, "largeur");
    box.height = checked(r.real(3), TextBox::kMinSide, kMaxTabSizeMm, "hauteur");
    box.align = BoxAlign(int(checked(r.integer<int>(4), 0, int(BoxAlign::Justified), "alignement")));
    box.valign = BoxVAlign(int(checked(r.integer<int>(5), 0, int(BoxVAlign::Bottom), "alignement vertical")));
    box.spacing = checked(r.real(6), TextBox::kMinSpacing, TextBox::kMaxSpacing, "interligne");
    box.fit = r.boolean(7);
    box.minSize = checked(r.real(8), TextBox::kMinFontSize, TextBox::kMaxFontSize, "taille minimale");
    QString caption = unescapeCodeData(r.text(9), "le texte de la zone");
    if (caption.size() > kMaxTextLength)
        throw FormatError("texte de plus de " + std::to_string(kMaxTextLength) + " caractères");
    caption.remove(QLatin1Char('\r'));
    caption.remove(QLatin1Char('|'));
    if (slot < 1 || slot > tab.labelCount())
        throw FormatError("zone de texte sans objet texte");
    tab.changeText(slot, [&](TextElement& text) {
        text.box = box;
        if (!caption.isEmpty())
            text.Caption = caption;
    });
}

void readTextBoxRecord(Etiquette& tab, const QStringList& fields, const RegionalFormat& format)
{
    const int ordinal = RecordFields(fields, format).integer<int>(1);
    const int slot = slotOfOrdinal(tab, ObjectKind::Label, ordinal);
    if (slot == 0)
        throw FormatError("zone de texte sans objet texte : " + std::to_string(ordinal));
    readTextBoxRecord(tab, slot, fields, format);
}

}  // namespace plk
