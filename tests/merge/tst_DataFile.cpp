#include "merge/core/DataFile.h"
#include "support/MergeFixtures.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using namespace plk;

namespace {

DataTable read(const QByteArray& bytes)
{
    DataFileResult r = readDataBytes(bytes, QStringLiteral("test.csv"));
    if (!r.ok())
        qWarning() << r.error;
    return std::move(r.table);
}

QStringList row(const DataTable& t, int r)
{
    QStringList values;
    for (int f = 0; f < t.fields().size(); ++f)
        values.append(t.value(r, f));
    return values;
}

QByteArray rowsOf(int count)
{
    QByteArray csv = "Nom;Numéro\r\n";
    csv.reserve(count * 16);
    for (int i = 0; i < count; ++i)
        csv += "Nom" + QByteArray::number(i) + ";" + QByteArray::number(i) + "\r\n";
    return csv;
}

}  // namespace

class TestDataFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fiftyAddressesReadBackInEveryFormSpreadsheetsWrite_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<int>("encoding");
        QTest::newRow("semicolon, UTF-8") << QChar(u';') << int(test::CsvEncoding::Utf8);
        QTest::newRow("comma, UTF-8 with BOM") << QChar(u',') << int(test::CsvEncoding::Utf8WithBom);
        QTest::newRow("tab, Windows-1252") << QChar(u'\t') << int(test::CsvEncoding::Cp1252);
        QTest::newRow("comma, Windows-1252") << QChar(u',') << int(test::CsvEncoding::Cp1252);
    }

    void fiftyAddressesReadBackInEveryFormSpreadsheetsWrite()
    {
        QFETCH(QChar, separator);
        QFETCH(int, encoding);
        const auto rows = test::fiftyAddresses();
        const QByteArray csv =
            test::csvFile(test::addressFields(), rows, separator, test::CsvEncoding(encoding));
        const DataTable t = read(csv);
        QCOMPARE(t.fields(), test::addressFields());
        QCOMPARE(t.rowCount(), 50);
        for (int r = 0; r < 50; ++r)
            QCOMPARE(row(t, r), rows[std::size_t(r)]);
        // The fixture does hold what makes CSV hard.
        const QString text = decodeDataText(csv);
        QVERIFY(text.contains(QStringLiteral("\"Café \"\"Le Zinc\"\", SARL\"")));
        QVERIFY(text.contains(QStringLiteral("bât. 0\r\n1, rue")));
        QVERIFY(rows[3][3].contains(u'\n'));
        QCOMPARE(t.value(0, 0), QStringLiteral("Amélie"));
        QCOMPARE(t.value(49, 1), QStringLiteral("Rivière"));
    }

    void quotingAndLineEndsAsWritten()
    {
        // Doubled quotes, separators and a CR LF inside quotes; the last row has no line end.
        const DataTable t = read("Nom,Adresse\r\n"
                                 "\"Dupont, Jean\",\"1 rue \"\"A\"\"\r\n2e étage\"\r\n"
                                 "Martin,12\" écran\n"
                                 "\"Durand\"x,\"\"\r"
                                 "Petit,fin");
        QCOMPARE(t.rowCount(), 4);
        QCOMPARE(row(t, 0), QStringList({"Dupont, Jean", "1 rue \"A\"\n2e étage"}));
        // A quote inside an unquoted value is a character; text after a closing quote is kept.
        QCOMPARE(row(t, 1), QStringList({"Martin", "12\" écran"}));
        QCOMPARE(row(t, 2), QStringList({"Durandx", ""}));
        QCOMPARE(row(t, 3), QStringList({"Petit", "fin"}));
    }

    void separatorIsTheOneTheFirstRowUsesMost()
    {
        QCOMPARE(row(read("a;b,c\r\n1;2,3\r\n"), 0), QStringList({"1", "2,3"}));    // a tie goes to ";"
        QCOMPARE(row(read("a,b,c;d\r\n1,2,3;4\r\n"), 0), QStringList({"1", "2", "3;4"}));
        QCOMPARE(row(read("a\tb\tc;d\r\n1\t2\t3;4\r\n"), 0), QStringList({"1", "2", "3;4"}));
        // Separators inside quotes do not count.
        QCOMPARE(row(read("\"a;b;c\",d\r\n1,2\r\n"), 0), QStringList({"1", "2"}));
        // A first row with none of them: one field, whole lines are values.
        const DataTable single = read("Nom\r\nDupont; Jean, fils\r\n\"Martin\"\r\n");
        QCOMPARE(single.fields(), QStringList({"Nom"}));
        QCOMPARE(single.value(0, 0), QStringLiteral("Dupont; Jean, fils"));
        QCOMPARE(single.value(1, 0), QStringLiteral("Martin"));
    }

    void encodings()
    {
        QCOMPARE(read("Nom\r\nB\xe9rard \x80 \x9c\r\n").value(0, 0), QStringLiteral("Bérard € œ"));
        QCOMPARE(read("\xEF\xBB\xBFNom\r\nB\xC3\xA9rard\r\n").fields(), QStringList({"Nom"}));
        QCOMPARE(read("Nom\r\nB\xC3\xA9rard\r\n").value(0, 0), QStringLiteral("Bérard"));
        // A stray byte in a UTF-8 file is read alone as Windows-1252, and the first one's line is named.
        const DataFileResult mixed = readDataBytes("Nom\r\nB\xC3\xA9rard\r\n\xe9\xC3\x28\r\n\x9c\r\n", "m.csv");
        QCOMPARE(row(mixed.table, 0) + row(mixed.table, 1) + row(mixed.table, 2),
                 QStringList({"Bérard", "éÃ(", "œ"}));
        QCOMPARE(mixed.warning, QStringLiteral("Fichier de données « m.csv », ligne 3 : des octets qui ne sont pas de "
                                               "l'UTF-8 (le premier sur cette ligne) sont lus comme des caractères "
                                               "Windows-1252."));
        QCOMPARE(readDataBytes("Nom\r\nB\xe9rard\r\n", "w.csv").warning, QString());
        QByteArray utf16("\xFF\xFE");
        for (const QChar c : QStringLiteral("Nom\tVille\r\nNoël\tNîmes\r\n"))
            utf16 += char(c.unicode() & 0xFF), utf16 += char(c.unicode() >> 8);
        QCOMPARE(row(read(utf16), 0), QStringList({"Noël", "Nîmes"}));
    }

    void addressBooksOfVCards()
    {
        const DataFileResult r = readDataBytes("BEGIN:VCARD\r\nVERSION:4.0\r\nN:Bérard;Amélie;;;\r\n"
                                               "ORG:Café \"Le Zinc\"\\, SARL\r\n"
                                               "item1.ADR;TYPE=work:;Bât. 3;12\\, rue de l'Église;Saint-Étienne;;42000;France\r\n"
                                               "TEL;TYPE=\"cell,voice\":06 12\r\nNOTE:Deux lignes\\nde no\r\n te\r\n"
                                               "END:VCARD\r\nBEGIN:VCARD\nVERSION:3.0\nN:Martin;Jean\nTEL:01\nEND:VCARD\n",
                                               "carnet.vcf");
        QVERIFY(r.ok());
        QCOMPARE(r.table.rowCount(), 2);
        const QStringList fields = r.table.fields();
        const auto value = [&](int row, const char* field) { return r.table.value(row, int(fields.indexOf(field))); };
        QCOMPARE(value(0, "Nom") + "|" + value(0, "Prénom") + "|" + value(0, "Société") + "|" + value(0, "Adresse") + "|" +
                     value(0, "CP") + "|" + value(0, "Ville") + "|" + value(0, "Pays") + "|" + value(0, "Mobile") + "|" +
                     value(0, "Note"),
                 QStringLiteral("Bérard|Amélie|Café \"Le Zinc\", SARL|12, rue de l'Église\nBât. 3|42000|Saint-Étienne|"
                                "France|06 12|Deux lignes\nde note"));
        QCOMPARE(value(1, "Téléphone") + value(1, "Mobile") + value(1, "Prénom"), QStringLiteral("01Jean"));
        QCOMPARE(readDataBytes("BEGIN:VCARD\r\nN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nN:B\r\n", "x.vcf").error,
                 QStringLiteral("Fichier de données « x.vcf », ligne 4 : une fiche commencée ici ne se termine jamais "
                                "(END:VCARD)."));
    }

    void rowsAreFittedToTheFields()
    {
        const DataTable t = read(" Nom ; Ville \r\n"
                                 "Dupont\r\n"
                                 "\r\n"
                                 ";\r\n"
                                 "Martin;Nîmes;en trop\r\n"
                                 ";Orléans\r\n"
                                 ";;\r\n\r\n");
        QCOMPARE(t.fields(), QStringList({"Nom", "Ville"}));
        QCOMPARE(t.fieldIndex(u"Ville"), 1);
        QCOMPARE(t.fieldIndex(u"ville"), -1);
        // Blank rows are dropped; a short row has empty values; values past the last field are dropped.
        QCOMPARE(t.rowCount(), 3);
        QCOMPARE(row(t, 0), QStringList({"Dupont", ""}));
        QCOMPARE(row(t, 1), QStringList({"Martin", "Nîmes"}));
        QCOMPARE(row(t, 2), QStringList({"", "Orléans"}));
        QCOMPARE(t.value(3, 0), QString());
        QCOMPARE(t.value(0, 5), QString());
    }

    void failuresNameTheFileAndLine()
    {
        // The quote that is never closed opened on line 4, after a row of two lines.
        DataFileResult r = readDataBytes("Nom;Adresse\r\nA;\"1\r\n2\"\r\nB;\"3 rue\r\nC;4\r\n", "carnet.csv");
        QVERIFY(!r.ok());
        QCOMPARE(r.error, QStringLiteral("Fichier de données « carnet.csv », ligne 4 : "
                                         "un guillemet ouvert n'est jamais fermé."));
        QCOMPARE(r.table.rowCount(), 0);

        r = readDataBytes("\xEF\xBB\xBF", "vide.csv");
        QCOMPARE(r.error, QStringLiteral("Fichier de données « vide.csv », ligne 1 : "
                                         "la première ligne doit nommer les champs ; elle est vide."));
        r = readDataBytes(";;\r\na;b;c\r\n", "x.csv");
        QVERIFY(r.error.contains(QStringLiteral("ligne 1 : la première ligne")));

        QByteArray wide = "A";
        for (int i = 0; i < kMaxDataFields; ++i)
            wide += ";A";
        r = readDataBytes(wide, "large.csv");
        QCOMPARE(r.error, QStringLiteral("Fichier de données « large.csv », ligne 1 : plus de 1000 champs."));
        QVERIFY(readDataBytes(wide.chopped(2), "large.csv").ok());
    }

    void atMostOneHundredThousandRows()
    {
        DataFileResult r = readDataBytes(rowsOf(kMaxDataRows) + "\r\n;\r\n", "grand.csv");
        QVERIFY(r.ok());
        QCOMPARE(r.table.rowCount(), 100000);
        QCOMPARE(r.table.value(99999, 0), QStringLiteral("Nom99999"));

        r = readDataBytes(rowsOf(kMaxDataRows + 1), "trop.csv");
        QVERIFY(!r.ok());
        QCOMPARE(r.error, QStringLiteral("Fichier de données « trop.csv », ligne 100002 : plus de 100 000 lignes "
                                         "de données ; la fusion en accepte au plus 100 000."));
        QCOMPARE(r.table.rowCount(), 0);
    }

    void onlyRegularFilesOfBoundedSize()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("absent.csv"));
        QCOMPARE(readDataFile(missing).error, QStringLiteral("Fichier de données « %1 » : fichier introuvable.").arg(missing));
        QCOMPARE(readDataFile(dir.path()).error,
                 QStringLiteral("Fichier de données « %1 » : ce n'est pas un fichier ordinaire.").arg(dir.path()));
        // A pipe would block a reader that opened it.
        const QString fifo = dir.filePath(QStringLiteral("tube.csv"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(readDataFile(fifo).error.contains(QStringLiteral("pas un fichier ordinaire")));

        const QString huge = dir.filePath(QStringLiteral("enorme.csv"));
        QFile big(huge);
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(kMaxDataFileBytes + 1));  // sparse: costs no disk
        big.close();
        QCOMPARE(readDataFile(huge).error,
                 QStringLiteral("Fichier de données « %1 » : fichier trop grand (plus de 32 Mo).").arg(huge));

        const QString good = dir.filePath(QStringLiteral("adresses.csv"));
        test::writeBytes(good, test::csvFile(test::addressFields(), test::fiftyAddresses()));
        const QString link = dir.filePath(QStringLiteral("lien.csv"));
        QVERIFY(QFile::link(good, link));
        QCOMPARE(readDataFile(link).table.rowCount(), 50);
    }
};

PLK_TEST_CLASS(TestDataFile)
#include "tst_DataFile.moc"
