#include "merge/core/DataFile.h"

#include "base/core/RegularFile.h"
#include "base/core/ValueReader.h"
#include "merge/core/DataText.h"
#include "merge/core/VCardFile.h"

#include <QFile>
#include <QFileInfo>
#include <array>

namespace plk {

namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kNoSeparator = 0xFFFF;  // a noncharacter: never found in a text

QString failure(const QString& name, int line, const QString& reason)
{
    const QString where = line > 0 ? QStringLiteral("Fichier de données « %1 », ligne %2").arg(name).arg(line)
                                   : QStringLiteral("Fichier de données « %1 »").arg(name);
    return where + QStringLiteral(" : ") + reason;
}

bool isLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

/// The separator the first row uses most outside quotes.
char16_t detectSeparator(QStringView text)
{
    constexpr std::array<char16_t, 3> candidates{u';', u',', u'\t'};
    std::array<int, 3> counts{};
    bool quoted = false;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == kQuote)
            quoted = !quoted;
        else if (!quoted && isLineBreak(c))
            break;
        else if (!quoted) {
            for (std::size_t k = 0; k < candidates.size(); ++k)
                counts[k] += c == candidates[k] ? 1 : 0;
        }
    }
    std::size_t best = 0;
    for (std::size_t k = 1; k < candidates.size(); ++k) {
        if (counts[k] > counts[best])
            best = k;
    }
    return counts[best] > 0 ? candidates[best] : kNoSeparator;
}

/// Walks a CSV text record by record, counting lines for the messages.
class CsvScanner {
public:
    CsvScanner(QStringView text, char16_t separator) : m_text(text), m_separator(separator) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    int line() const { return m_line; }

    /// Reads one record, handing each value to `take`. False when a quoted value
    /// runs to the end of the text; unclosedLine() is then where it began.
    template <typename Take>
    bool record(Take&& take)
    {
        m_value.resize(0);
        bool fresh = true;  // nothing of the current value read yet
        while (m_pos < m_text.size()) {
            const char16_t c = m_text[m_pos].unicode();
            if (c == kQuote && fresh) {
                if (!quoted())
                    return false;
                fresh = false;
            } else if (c == m_separator) {
                take(QStringView(m_value));
                m_value.resize(0);
                fresh = true;
                ++m_pos;
            } else if (isLineBreak(c)) {
                skipLineBreak();
                break;
            } else {
                m_value += QChar(c);
                fresh = false;
                ++m_pos;
            }
        }
        take(QStringView(m_value));
        return true;
    }

    int unclosedLine() const { return m_unclosedLine; }

private:
    /// A quoted value from its opening quote to its closing one.
    bool quoted()
    {
        m_unclosedLine = m_line;
        ++m_pos;
        while (m_pos < m_text.size()) {
            const char16_t c = m_text[m_pos].unicode();
            if (c == kQuote) {
                ++m_pos;
                if (m_pos < m_text.size() && m_text[m_pos].unicode() == kQuote) {
                    m_value += QChar(kQuote);
                    ++m_pos;
                    continue;
                }
                return true;
            }
            if (isLineBreak(c)) {
                skipLineBreak();
                m_value += QChar(u'\n');
                continue;
            }
            m_value += QChar(c);
            ++m_pos;
        }
        return false;
    }

    void skipLineBreak()
    {
        const bool cr = m_text[m_pos].unicode() == u'\r';
        ++m_pos;
        if (cr && m_pos < m_text.size() && m_text[m_pos].unicode() == u'\n')
            ++m_pos;
        ++m_line;
    }

    QStringView m_text;
    char16_t m_separator;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_unclosedLine = 0;
    QString m_value;
};

QString unclosedQuote(const QString& name, const CsvScanner& scanner)
{
    return failure(name, scanner.unclosedLine(), QStringLiteral("un guillemet ouvert n'est jamais fermé."));
}

/// What the user should know of a UTF-8 file with stray bytes; empty without any.
QString mixedWarning(const QString& name, int line)
{
    if (line <= 0)
        return QString();
    return failure(name, line, QStringLiteral("des octets qui ne sont pas de l'UTF-8 (le premier sur cette ligne) sont "
                                              "lus comme des caractères Windows-1252."));
}

}  // namespace

QString decodeDataText(const QByteArray& bytes) { return decodeData(bytes).text; }

DataFileResult readDataBytes(const QByteArray& bytes, const QString& name)
{
    const DataText decoded = decodeData(bytes);
    const QString& text = decoded.text;
    if (isVCardText(text)) {
        DataFileResult cards = readVCardText(text, name);
        cards.warning = cards.ok() ? mixedWarning(name, decoded.mixedLine) : QString();
        return cards;
    }
    CsvScanner scanner(text, detectSeparator(text));

    QStringList fields;
    bool named = false;
    bool longName = false;
    const bool headerRead = scanner.record([&](QStringView value) {
        longName = longName || value.size() > kMaxTextLength;
        if (fields.size() <= kMaxDataFields && !longName)
            fields.append(value.trimmed().toString());
        named = named || !value.trimmed().isEmpty();
    });
    if (!headerRead)
        return {{}, unclosedQuote(name, scanner), {}};
    if (!named)
        return {{}, failure(name, 1, QStringLiteral("la première ligne doit nommer les champs ; elle est vide.")), {}};
    if (longName)
        return {{}, failure(name, 1, QStringLiteral("un nom de champ de plus de %1 caractères.").arg(kMaxTextLength)), {}};
    if (fields.size() > kMaxDataFields)
        return {{}, failure(name, 1, QStringLiteral("plus de %1 champs.").arg(kMaxDataFields)), {}};

    DataTable table(fields);
    while (!scanner.atEnd()) {
        const int line = scanner.line();
        bool tooLong = false;
        if (!scanner.record([&table, &tooLong](QStringView value) {
                tooLong = tooLong || value.size() > kMaxTextLength;
                table.addValue(value);
            }))
            return {{}, unclosedQuote(name, scanner), {}};
        if (tooLong)
            return {{}, failure(name, line, QStringLiteral("une valeur de plus de %1 caractères ; la fusion en accepte "
                                                           "au plus %1.")
                                                .arg(kMaxTextLength)), {}};
        table.endRow();
        if (table.rowCount() > kMaxDataRows) {
            return {{}, failure(name, line, QStringLiteral("plus de 100 000 lignes de données ; "
                                                           "la fusion en accepte au plus 100 000.")), {}};
        }
    }
    return {std::move(table), QString(), mixedWarning(name, decoded.mixedLine)};
}

DataFileResult readDataFile(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {{}, failure(path, 0, QStringLiteral("fichier introuvable.")), {}};
    QString reason;
    const std::unique_ptr<QFile> file = openRegularFile(path, &reason);
    if (!file)
        return {{}, failure(path, 0, reason + QLatin1Char('.')), {}};
    if (file->size() > kMaxDataFileBytes)
        return {{}, failure(path, 0, QStringLiteral("fichier trop grand (plus de 32 Mo).")), {}};
    const std::optional<QByteArray> bytes = readAvailable(file->handle(), kMaxDataFileBytes, kReadIdleLimitMs, &reason);
    if (!bytes)
        return {{}, failure(path, 0, QStringLiteral("lecture impossible (%1).").arg(reason)), {}};
    DataFileResult read = readDataBytes(*bytes, path);
    read.table.setFolder(QFileInfo(path).absolutePath());
    return read;
}

}  // namespace plk
