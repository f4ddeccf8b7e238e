#include "merge/core/VCardFile.h"

#include "base/core/ValueReader.h"

#include <array>

namespace plk {

namespace {

enum Field { Nom, Prenom, NomComplet, Societe, Fonction, Adresse, CP, Ville, Region, Pays, Telephone, Mobile,
             Courriel, Site, Note, kFieldCount };

QStringList fieldNames()
{
    return {QStringLiteral("Nom"),     QStringLiteral("Prénom"),    QStringLiteral("Nom complet"),
            QStringLiteral("Société"), QStringLiteral("Fonction"),  QStringLiteral("Adresse"),
            QStringLiteral("CP"),      QStringLiteral("Ville"),     QStringLiteral("Région"),
            QStringLiteral("Pays"),    QStringLiteral("Téléphone"), QStringLiteral("Mobile"),
            QStringLiteral("Courriel"), QStringLiteral("Site"),     QStringLiteral("Note")};
}

/// The components of a structured value, split at unescaped ";" and unescaped.
QStringList components(QStringView value)
{
    QStringList parts(1);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            parts.last() += next == u'n' || next == u'N' ? QChar(u'\n') : next;
        } else if (c == u';') {
            parts.append(QString());
        } else {
            parts.last() += c;
        }
    }
    return parts;
}

/// One content line: "[group.]NAME[;param...]:value".
struct Property {
    QString name;    // upper case, without its group
    QString params;  // upper case
    QStringView value;
};

std::optional<Property> property(QStringView line)
{
    // The value starts at the first ":" outside a quoted parameter value.
    bool quoted = false;
    qsizetype colon = -1;
    for (qsizetype i = 0; i < line.size() && colon < 0; ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u':' && !quoted)
            colon = i;
    }
    if (colon < 0)
        return std::nullopt;
    const QStringView head = line.first(colon);
    const qsizetype semicolon = head.indexOf(u';');
    QStringView name = semicolon < 0 ? head : head.first(semicolon);
    if (const qsizetype dot = name.lastIndexOf(u'.'); dot >= 0)
        name = name.sliced(dot + 1);
    return Property{name.toString().toUpper(), semicolon < 0 ? QString() : head.sliced(semicolon).toString().toUpper(),
                    line.sliced(colon + 1)};
}

/// A card being read: its values by field.
class Card {
public:
    void take(const Property& p)
    {
        const QStringList parts = components(p.value);
        const auto part = [&parts](int i) { return i < parts.size() ? parts.at(i).trimmed() : QString(); };
        if (p.name == u"N") {
            setOnce(Nom, part(0));
            setOnce(Prenom, part(1));
        } else if (p.name == u"FN") {
            setOnce(NomComplet, part(0));
        } else if (p.name == u"ORG") {
            setOnce(Societe, part(0));
        } else if (p.name == u"TITLE") {
            setOnce(Fonction, parts.join(QLatin1Char(';')).trimmed());
        } else if (p.name == u"ADR" && !m_address) {
            m_address = true;
            // post office box; extended address; street; locality; region; postal code; country
            QStringList street;
            for (int i : {2, 1, 0})
                if (!part(i).isEmpty())
                    street.append(part(i));
            setOnce(Adresse, street.join(QLatin1Char('\n')));
            setOnce(Ville, part(3));
            setOnce(Region, part(4));
            setOnce(CP, part(5));
            setOnce(Pays, part(6));
        } else if (p.name == u"TEL") {
            setOnce(Telephone, part(0));
            if (p.params.contains(QLatin1String("CELL")))
                setOnce(Mobile, part(0));
        } else if (p.name == u"EMAIL") {
            setOnce(Courriel, part(0));
        } else if (p.name == u"URL") {
            setOnce(Site, p.value.toString().trimmed());
        } else if (p.name == u"NOTE") {
            setOnce(Note, parts.join(QLatin1Char(';')).trimmed());
        }
    }

    const std::array<QString, kFieldCount>& values() const { return m_values; }

private:
    void setOnce(int field, const QString& value)
    {
        if (m_values[std::size_t(field)].isEmpty())
            m_values[std::size_t(field)] = value;
    }

    std::array<QString, kFieldCount> m_values;
    bool m_address = false;
};

QString failure(const QString& name, int line, const QString& reason)
{
    return QStringLiteral("Fichier de données « %1 », ligne %2 : %3").arg(name).arg(line).arg(reason);
}

}  // namespace

bool isVCardText(QStringView text)
{
    return text.trimmed().startsWith(QLatin1String("BEGIN:VCARD"), Qt::CaseInsensitive);
}

DataFileResult readVCardText(QStringView text, const QString& name)
{
    DataTable table(fieldNames());
    std::optional<Card> card;
    int cardLine = 0;
    int lineNumber = 0;
    QString logical;  // the line being unfolded
    int logicalLine = 0;
    QString error;
    const auto finish = [&](const QString& line, int at) {
        if (line.size() > kMaxTextLength) {
            error = failure(name, at, QStringLiteral("une ligne de plus de %1 caractères.").arg(kMaxTextLength));
            return;
        }
        const std::optional<Property> p = property(line);
        if (!p)
            return;
        if (p->name == u"BEGIN" && p->value.trimmed().compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0) {
            card.emplace();
            cardLine = at;
        } else if (p->name == u"END" && card) {
            for (const QString& value : card->values())
                table.addValue(value);
            table.endRow();
            card.reset();
            if (table.rowCount() > kMaxDataRows)
                error = failure(name, at, QStringLiteral("plus de 100 000 fiches ; la fusion en accepte au plus 100 000."));
        } else if (card) {
            card->take(*p);
        }
    };
    for (QStringView line : text.tokenize(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        // A line that starts with a blank goes on the one before.
        if (!line.isEmpty() && (line[0] == u' ' || line[0] == u'\t') && logicalLine > 0) {
            if (logical.size() <= kMaxTextLength)
                logical += line.sliced(1);
            continue;
        }
        if (logicalLine > 0)
            finish(logical, logicalLine);
        if (!error.isEmpty())
            return {{}, error, {}};
        logical = line.toString();
        logicalLine = lineNumber;
    }
    if (logicalLine > 0)
        finish(logical, logicalLine);
    if (error.isEmpty() && card)
        error = failure(name, cardLine, QStringLiteral("une fiche commencée ici ne se termine jamais (END:VCARD)."));
    if (!error.isEmpty())
        return {{}, error, {}};
    return {std::move(table), QString(), {}};
}

}  // namespace plk
