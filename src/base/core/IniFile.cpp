#include "base/core/IniFile.h"

#include "base/core/Cp1252.h"
#include "base/core/FileWriter.h"

#include <QFile>
#include <QStringList>
#include <optional>

namespace plk {

namespace {

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = fromCp1252(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

/// The section name of a "[name]" line.
std::optional<QString> sectionName(const QString& line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
}

/// The key of a "key=value" line, or nothing for other lines.
std::optional<QString> keyName(const QString& line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0 || line.trimmed().startsWith(QLatin1Char(';')))
        return std::nullopt;
    return line.left(eq).trimmed();
}

bool same(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

/// A value as stored, without surrounding blanks or one pair of matching quotes.
QString unquoted(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

}  // namespace

QString ReadIni(const QString& file, const QString& section, const QString& key)
{
    bool inSection = false;
    for (const QString& line : readLines(file)) {
        if (const auto name = sectionName(line)) {
            inSection = same(*name, section);
        } else if (inSection) {
            const auto k = keyName(line);
            if (k && same(*k, key))
                return unquoted(line.mid(line.indexOf(QLatin1Char('=')) + 1)).left(kIniValueMax);
        }
    }
    return QString();
}

QString WriteIni(const QString& file, const QString& section, const QString& key, const QString& value)
{
    QStringList lines = readLines(file);
    const QString entry = key + QLatin1Char('=') + value;
    qsizetype sectionLine = -1;
    qsizetype lastKeyLine = -1;  // where a new key of the section goes after
    bool written = false;
    for (qsizetype i = 0; i < lines.size() && !written; ++i) {
        if (const auto name = sectionName(lines.at(i))) {
            if (sectionLine >= 0)
                break;  // end of our section
            if (same(*name, section))
                sectionLine = lastKeyLine = i;
        } else if (sectionLine >= 0) {
            if (const auto k = keyName(lines.at(i))) {
                if (same(*k, key)) {
                    lines[i] = lines.at(i).left(lines.at(i).indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + value;
                    written = true;
                }
            }
            if (!lines.at(i).trimmed().isEmpty())
                lastKeyLine = i;
        }
    }
    if (!written) {
        if (sectionLine < 0) {
            lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        } else {
            lines.insert(lastKeyLine + 1, entry);
        }
    }
    const QByteArray bytes = toCp1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    return FileWriter().write(file, bytes).isEmpty() ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace plk
