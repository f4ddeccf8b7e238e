#include "barcode/core/VCard.h"

#include <QStringList>

namespace plk {

namespace {

/// A value as vCard text: its backslashes, commas and semicolons escaped, since they
/// separate the parts of a property, and line breaks written "\n".
QString escaped(const QString& value)
{
    QString out;
    for (const QChar c : value.trimmed()) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';'))
            out += QLatin1Char('\\');
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            out += QStringLiteral("\\n");
            continue;
        }
        out += c;
    }
    return out;
}

}  // namespace

QString vCardData(const VCardFields& f)
{
    QStringList lines;
    const QString name = f.name.simplified();
    if (!name.isEmpty()) {
        // The last word is taken as the family name, the others as given names.
        const qsizetype space = name.lastIndexOf(QLatin1Char(' '));
        const QString family = space < 0 ? name : name.mid(space + 1);
        const QString given = space < 0 ? QString() : name.left(space);
        lines << QStringLiteral("N:%1;%2;;;").arg(escaped(family), escaped(given));
        lines << QStringLiteral("FN:") + escaped(name);
    }
    const std::pair<const char*, const QString*> properties[] = {
        {"ORG:", &f.organisation}, {"TEL:", &f.phone}, {"EMAIL:", &f.email}, {"URL:", &f.web}};
    for (const auto& [property, value] : properties)
        if (!value->trimmed().isEmpty())
            lines << QString::fromLatin1(property) + escaped(*value);
    if (lines.isEmpty())
        return {};
    lines.prepend(QStringLiteral("VERSION:3.0"));
    lines.prepend(QStringLiteral("BEGIN:VCARD"));
    lines << QStringLiteral("END:VCARD");
    return lines.join(QLatin1Char('\n'));
}

QString withVCardLineEnds(const QString& data)
{
    if (!data.startsWith(QLatin1String("BEGIN:VCARD")))
        return data;
    QString out = data;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

}  // namespace plk
