#include "support/MergeFixtures.h"

#include "base/core/Cp1252.h"

namespace plk::test {

namespace {

const char* const kSurnames[50] = {
    "Bérard",    "Lefèvre",  "Château",   "Dupré",     "Garçon",   "Noël",      "Œuvray",   "Hébert",
    "Mézières",  "Aubépine", "Bonnefoy",  "Crête",     "Désiré",   "Fénelon",   "Gérôme",   "Hélène",
    "Joubert",   "Kléber",   "Laîné",     "Maréchal",  "Névé",     "Orléans",   "Pérès",    "Quéré",
    "Rémy",      "Sénéchal", "Thérèse",   "Ursulé",    "Valéry",   "Wégner",    "Xérès",    "Yvré",
    "Zéphyr",    "Abélard",  "Bézier",    "Cézanne",   "Delacroix", "Étienne",  "Faÿ",      "Giroud",
    "Hénaff",    "Ibañez",   "Jézéquel",  "Kerbœuf",   "Lévêque",  "Ménard",    "Nicolaï",  "Oudéa",
    "Plançon",   "Rivière"};

const char* const kFirstNames[10] = {"Amélie", "Benoît", "Cécile", "Dédé", "Éloïse",
                                     "François", "Gaëlle", "Hervé", "Inès", "Jérôme"};

const char* const kTowns[5] = {"Besançon", "Saint-Étienne", "Orléans", "Nîmes", "Angoulême"};

QString quoted(const QString& value, QChar separator)
{
    if (!value.contains(separator) && !value.contains(u'"') && !value.contains(u'\n'))
        return value;
    QString doubled = value;
    doubled.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    doubled.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

}  // namespace

QStringList addressFields()
{
    return {QStringLiteral("Prénom"), QStringLiteral("Nom"), QStringLiteral("Société"), QStringLiteral("Adresse"),
            QStringLiteral("CP"), QStringLiteral("Ville")};
}

std::vector<QStringList> fiftyAddresses()
{
    std::vector<QStringList> rows;
    for (int i = 0; i < 50; ++i) {
        const QString street = QStringLiteral("%1, rue de l'Église").arg(i + 1);
        // Every third address has a second line, every seventh a company with quotes.
        const QString address = i % 3 == 0 ? QStringLiteral("Résidence « Les Tilleuls », bât. %1\n").arg(i) + street : street;
        const QString company = i % 7 == 0 ? QStringLiteral("Café \"Le Zinc\", SARL") : QString();
        rows.push_back({QString::fromUtf8(kFirstNames[i % 10]), QString::fromUtf8(kSurnames[i]), company, address,
                        QStringLiteral("%1").arg(25000 + i * 7, 5, 10, QLatin1Char('0')),
                        QString::fromUtf8(kTowns[i % 5])});
    }
    return rows;
}

QByteArray csvFile(const QStringList& fields, const std::vector<QStringList>& rows, QChar separator,
                   CsvEncoding encoding)
{
    QString text;
    auto addRow = [&](const QStringList& values) {
        QStringList cells;
        for (const QString& v : values)
            cells.append(quoted(v, separator));
        text += cells.join(separator) + QStringLiteral("\r\n");
    };
    addRow(fields);
    for (const QStringList& row : rows)
        addRow(row);
    switch (encoding) {
    case CsvEncoding::Utf8: return text.toUtf8();
    case CsvEncoding::Utf8WithBom: return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case CsvEncoding::Cp1252: return toCp1252(text);
    }
    return {};
}

}  // namespace plk::test
