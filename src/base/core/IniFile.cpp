#include "base/core/IniFile.h"

#include "base/core/Cp1252.h"
#include "base/core/FileWriter.h"
#include "base/core/RegularFile.h"

#include <QFileInfo>
#include <optional>

namespace plk {

namespace {

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

QString folded(const QString& text) { return text.toCaseFolded(); }
bool same(const QString& a, const QString& b) { return folded(a) == folded(b); }
QString indexKey(const QString& section, const QString& key) { return folded(section) + QLatin1Char('\n') + folded(key); }

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

IniDocument IniDocument::load(const QString& file, QString* reason)
{
    QString failure;
    if (const std::optional<QByteArray> bytes = readRegularFile(file, kIniMaxBytes, &failure))
        return fromBytes(*bytes);
    IniDocument doc;
    doc.m_unreadable = QFileInfo(file).exists() || QFileInfo(file).isSymLink();
    if (reason)
        *reason = doc.m_unreadable ? failure : QString();
    return doc;
}

IniDocument IniDocument::fromBytes(const QByteArray& bytes)
{
    QString text = fromCp1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    IniDocument doc;
    doc.m_lines = text.split(QLatin1Char('\n'));
    if (!doc.m_lines.isEmpty() && doc.m_lines.last().isEmpty())
        doc.m_lines.removeLast();
    return doc;
}

void IniDocument::index() const
{
    if (m_indexed)
        return;
    m_values.clear();
    std::optional<QString> section;
    for (const QString& line : m_lines) {
        if (const auto name = sectionName(line)) {
            section = name;
        } else if (section) {
            if (const auto k = keyName(line)) {
                const QString id = indexKey(*section, *k);
                if (!m_values.contains(id))
                    m_values.insert(id, unquoted(line.mid(line.indexOf(QLatin1Char('=')) + 1)).left(kIniValueMax));
            }
        }
    }
    m_indexed = true;
}

QString IniDocument::value(const QString& section, const QString& key) const
{
    index();
    return m_values.value(indexKey(section, key));
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    m_indexed = false;
    qsizetype sectionLine = -1;
    qsizetype lastKeyLine = -1;  // where a new key of the section goes after
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QString& line = m_lines.at(i);
        if (const auto name = sectionName(line)) {
            if (sectionLine >= 0)
                break;  // end of our section
            if (same(*name, section))
                sectionLine = lastKeyLine = i;
        } else if (sectionLine >= 0) {
            const auto k = keyName(line);
            if (k && same(*k, key)) {
                m_lines[i] = line.left(line.indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + value;
                return;
            }
            if (!line.trimmed().isEmpty())
                lastKeyLine = i;
        }
    }
    const QString entry = key + QLatin1Char('=') + value;
    if (sectionLine < 0)
        m_lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    else
        m_lines.insert(lastKeyLine + 1, entry);
}

QByteArray IniDocument::bytes() const { return toCp1252(m_lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")); }

bool IniDocument::save(const QString& file, QString* reason) const
{
    const QString failure = m_unreadable ? QStringLiteral("le fichier existant ne peut pas être lu, il n'est pas remplacé")
                                         : FileWriter().write(file, bytes());
    if (reason)
        *reason = failure;
    return failure.isEmpty();
}

QString ReadIni(const QString& file, const QString& section, const QString& key)
{
    return IniDocument::load(file).value(section, key);
}

QString WriteIni(const QString& file, const QString& section, const QString& key, const QString& value)
{
    IniDocument doc = IniDocument::load(file);
    doc.setValue(section, key, value);
    return doc.save(file) ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace plk
