// Data files and merging: reading the files, the field markers, the merge settings of a
// tab, and data files outside the project folder.

#include "base/core/ValueReader.h"
#include "canvas/ui/TabDataPrompts.h"
#include "document/core/ProjectFile.h"
#include "merge/core/DataFile.h"
#include "merge/core/DataTable.h"
#include "merge/core/FieldMarkers.h"
#include "merge/core/LinkedFiles.h"
#include "merge/core/MergeData.h"
#include "merge/core/MergeSettings.h"
#include "merge/core/MergedSheets.h"
#include "merge/core/RowValues.h"
#include "support/MergeFixtures.h"
#include "support/ScriptedDialogs.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
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

MergeSettings readRecord(const QString& record, const QString& folder)
{
    return readMergeRecord(record.split(QLatin1Char('|')), folder);
}

/// The rows on one sheet, label by label (-1 for an empty label).
QList<int> sheetRows(const MergedSheets& m, int sheet)
{
    QList<int> rows;
    for (int label = 0; label < m.labelsPerSheet(); ++label)
        rows.append(m.rowAt(sheet, label));
    return rows;
}

const QByteArray kProject = "ONGLET|Carte\r\n"
                            "PROJET|Carte|60|30|255|0|Faux|Faux|Faux|Faux|Faux\r\n"
                            "LABEL|\xABNom\xBB|5|5|Tahoma|10|Faux|Faux|Faux|Faux|0\r\n"
                            "FOND|1|255\r\n"
                            "PRINT|2|0|0|1|1|0|0|2|2|3|8\r\n";

}  // namespace

class TestMerge : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    /// The project "projet/Carte.plk" naming `dataFile`, with a data file of two rows there.
    QString writeProject(const QString& dataFile) const
    {
        const QString data = QDir(path("projet")).absoluteFilePath(dataFile);
        QDir().mkpath(QFileInfo(data).absolutePath());
        test::writeBytes(data, "Nom\r\nAnne\r\nBruno\r\n");
        test::writeBytes(path("projet/Carte.plk"), kProject + "FUSION|" + dataFile.toUtf8() + "|1\r\n");
        return path("projet/Carte.plk");
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(path("projet")) && QDir().mkpath(path("ailleurs")));
        QVERIFY(QFile::link(path("ailleurs"), path("projet/lien")));
    }

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

    void markersAreNamesBetweenGuillemets()
    {
        QCOMPARE(fieldMarkers(u"«Prénom» «Nom»"), QStringList({"Prénom", "Nom"}));
        // French typography puts (no-break) spaces inside; a name appears once.
        QCOMPARE(fieldMarkers(u"« Nom »\u00A0«\u202FNom\u202F» «Ville»"), QStringList({"Nom", "Ville"}));
        // «» names nothing, a lone « or » is text, and the last « before a » opens the marker.
        QCOMPARE(fieldMarkers(u"«» » «a «CP» «"), QStringList({"CP"}));
        QCOMPARE(fieldMarkers(u"sans champ"), QStringList());
    }

    void valuesReplaceTheirMarkers()
    {
        const DataTable t = readDataBytes(test::csvFile(test::addressFields(), test::fiftyAddresses()), "a.csv").table;
        QCOMPARE(mergeText(QStringLiteral("«Prénom» «Nom»"), t, 0), QStringLiteral("Amélie Bérard"));
        QCOMPARE(mergeText(QStringLiteral("«CP» « Ville »!"), t, 1), QStringLiteral("25007 Saint-Étienne!"));
        // A line break in a value shows as a space; a value's own guillemets are not markers.
        QCOMPARE(mergeText(QStringLiteral("«Adresse»"), t, 3),
                 QStringLiteral("Résidence « Les Tilleuls », bât. 3 4, rue de l'Église"));
        QCOMPARE(mergeText(QStringLiteral("«Société»"), t, 7), QStringLiteral("Café \"Le Zinc\", SARL"));
        QCOMPARE(mergeText(QStringLiteral("[«Société»]"), t, 8), QStringLiteral("[]"));
        // A marker that names no field stays as typed, blanks included.
        QCOMPARE(mergeText(QStringLiteral("« Pays » «Nom»"), t, 2), QStringLiteral("« Pays » Château"));
        QCOMPARE(mergeText(QStringLiteral("ZONE DE TEXTE"), t, 2), QStringLiteral("ZONE DE TEXTE"));
        // A row past the end gives empty values.
        QCOMPARE(mergeText(QStringLiteral("<«Nom»>"), t, 50), QStringLiteral("<>"));
    }

    void builtInMarkersAndEmptyLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("counterIndex");
        QTest::addColumn<QString>("line");
        // Counter from 98 by 5 on 4 digits; formats given; a row with its own "Date" and an empty "Tél".
        QTest::newRow("counter") << "N° «N°»" << 3 << "N° 0113";
        QTest::newRow("counter past its digits") << "«N°»" << 2000 << "10098";
        QTest::newRow("the file's field wins") << "«Date» à «Heure»" << 0 << "le 3 mai à 14h05";
        QTest::newRow("only empty markers") << " «Tél» «Fax» " << 0 << "";
        QTest::newRow("text around an empty marker") << "Tél : «Tél»" << 0 << "Tél : ";
        QTest::newRow("unknown marker stays") << "«Tél» «Pays»" << 0 << " «Pays»";
        QTest::newRow("no marker") << "  " << 0 << "  ";
    }

    void builtInMarkersAndEmptyLines()
    {
        QFETCH(QString, text);
        QFETCH(int, counterIndex);
        QFETCH(QString, line);
        MergeSettings settings;
        settings.counter = {98, 5, 4, false, false};
        settings.timeFormat = QStringLiteral("HH'h'mm");
        const BuiltInValues builtIns(settings, QDateTime(QDate(2026, 12, 7), QTime(14, 5)), QLocale(QLocale::French));
        const DataTable t = readDataBytes("Nom;Date;Tél;Fax\r\nZoé;le 3 mai;;\r\n", "a.csv").table;
        QCOMPARE(RowValues(&t, 0, &builtIns, counterIndex).line(text), line);
        // Without a data file the built-in markers still fill; the regional date when no format is given.
        QCOMPARE(RowValues(nullptr, -1, &builtIns, 1).fill(QStringLiteral("«N°» «Date» «Nom»")),
                 QStringLiteral("0103 07/12/2026 «Nom»"));
    }

    void unknownMarkersAreListedOnce()
    {
        const QStringList fields = test::addressFields();
        QCOMPARE(unknownMarkers({QStringLiteral("«Nom» «Pays»"), QStringLiteral("«Civilité» «Pays» «CP»")}, fields),
                 QStringList({"Pays", "Civilité"}));
        QCOMPARE(unknownMarkers({QStringLiteral("«nom»")}, fields), QStringList({"nom"}));  // names are exact
        QCOMPARE(unknownMarkers({QStringLiteral("«Nom»"), QStringLiteral("texte")}, fields), QStringList());
    }

    void aTabsDataIsReadAndCheckedAgainstItsTexts()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("adresses.csv"));
        test::writeBytes(path, test::csvFile(test::addressFields(), test::fiftyAddresses()));
        const MergeSettings settings = chosenDataFile(path, dir.path());
        MergeData data = loadMergeData(settings, {QStringLiteral("«Nom» «Pays» «N°»"), QStringLiteral("«Civilité»")});
        QVERIFY(data.ok());
        QCOMPARE(data.table.rowCount(), 50);
        QCOMPARE(data.unknown, QStringList({"Pays", "Civilité"}));
        QCOMPARE(unknownMarkersWarning(data.unknown),
                 QStringLiteral("Ces champs ne figurent pas dans le fichier de données ; ils seront imprimés tels quels :"
                                "\n\n«Pays», «Civilité»"));
        QCOMPARE(unknownMarkersWarning({QStringLiteral("Pays")}),
                 QStringLiteral("Ce champ ne figure pas dans le fichier de données ; il sera imprimé tel quel :\n\n«Pays»"));

        QVERIFY(QFile::remove(path));
        data = loadMergeData(settings, {QStringLiteral("«Nom»")});
        QCOMPARE(data.error, QStringLiteral("Fichier de données « %1 » : fichier introuvable.").arg(path));
        QCOMPARE(data.table.rowCount(), 0);
    }

    void recordKeepsAPathInTheProjectFolderRelative()
    {
        QCOMPARE(mergeRecord(MergeSettings{}, QStringLiteral("/p")), QString());

        const MergeSettings inside = chosenDataFile(QStringLiteral("/p/donnees/../donnees/adresses.csv"), QStringLiteral("/p"), 5);
        QCOMPARE(inside.dataFile, QStringLiteral("/p/donnees/adresses.csv"));
        QVERIFY(inside.relative);
        QCOMPARE(mergeRecord(inside, QStringLiteral("/p")), QStringLiteral("FUSION|donnees/adresses.csv|5"));
        // Saved elsewhere, the record still leads to the same file.
        QCOMPARE(mergeRecord(inside, QStringLiteral("/q/r")), QStringLiteral("FUSION|../../p/donnees/adresses.csv|5"));

        const MergeSettings outside = chosenDataFile(QStringLiteral("/data/adresses.csv"), QStringLiteral("/p"));
        QVERIFY(!outside.relative);
        QCOMPARE(mergeRecord(outside, QStringLiteral("/p")), QStringLiteral("FUSION|/data/adresses.csv|1"));
        // A project not saved yet has no folder: the path stays whole.
        QVERIFY(!chosenDataFile(QStringLiteral("/p/a.csv"), QString()).relative);
        QCOMPARE(mergeRecord(chosenDataFile(QStringLiteral("/p/a.csv"), QString()), QString()), QStringLiteral("FUSION|/p/a.csv|1"));
    }

    void recordReadsBack()
    {
        const MergeSettings rel = readRecord(QStringLiteral("FUSION|donnees/adresses.csv|5"), QStringLiteral("/p"));
        QCOMPARE(rel.dataFile, QStringLiteral("/p/donnees/adresses.csv"));
        QVERIFY(rel.relative);
        QCOMPARE(rel.firstLabel, std::int16_t(5));
        QCOMPARE(mergeRecord(rel, QStringLiteral("/p")), QStringLiteral("FUSION|donnees/adresses.csv|5"));

        const MergeSettings abs = readRecord(QStringLiteral("FUSION|/data/a.csv|1"), QStringLiteral("/p"));
        QCOMPARE(abs, (MergeSettings{QStringLiteral("/data/a.csv"), false, 1, true}));  // read once agreed
        // Without a folder (a project read from bytes) a relative path is kept as written.
        const MergeSettings loose = readRecord(QStringLiteral("FUSION|a.csv|2"), QString());
        QCOMPARE(loose, (MergeSettings{QStringLiteral("a.csv"), true, 2}));
        QCOMPARE(mergeRecord(loose, QString()), QStringLiteral("FUSION|a.csv|2"));

        // First labels out of range come back into it; a first label that is no number fails the record.
        QCOMPARE(readRecord(QStringLiteral("FUSION|/a.csv|0"), QString()).firstLabel, std::int16_t(1));
        QCOMPARE(readRecord(QStringLiteral("FUSION|/a.csv|-3"), QString()).firstLabel, std::int16_t(1));
        QCOMPARE(readRecord(QStringLiteral("FUSION|/a.csv|99999999999"), QString()).firstLabel, std::int16_t(400));
        QCOMPARE(readRecord(QStringLiteral("FUSION|/a.csv|401"), QString()).firstLabel, std::int16_t(400));
        QVERIFY_THROWS_EXCEPTION(FormatError, readRecord(QStringLiteral("FUSION|/a.csv|cinq"), QString()));
        QVERIFY_THROWS_EXCEPTION(FormatError, readRecord(QStringLiteral("FUSION|/a.csv"), QString()));
        QVERIFY(!readRecord(QStringLiteral("FUSION||3"), QStringLiteral("/p")).active());
    }

    void optionsRecordReadsBackAndDefaultsWriteNothing_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("written");
        QTest::newRow("every field") << "FUSIONOPT|1001|2|6|1|1|dd/MM/yyyy|HH:mm|Ex" << "";
        QTest::newRow("short record") << "FUSIONOPT|5" << "FUSIONOPT|5|1|0|0|0|||";
        QTest::newRow("out of range") << "FUSIONOPT|-4|0|99|7|0" << "FUSIONOPT|0|1|12|1|0|||";
        QTest::newRow("defaults") << "FUSIONOPT|1|1|0|0|0|||" << "-";
    }

    void optionsRecordReadsBackAndDefaultsWriteNothing()
    {
        QFETCH(QString, record);
        QFETCH(QString, written);
        MergeSettings s;
        readMergeOptions(record.split(QLatin1Char('|')), s);
        const QString expected = written.isEmpty() ? record : written == QLatin1String("-") ? QString() : written;
        QCOMPARE(mergeRecord(s, QString()), expected);
        // After the FUSION record, and carried on past the labels a run used.
        s.dataFile = QStringLiteral("/a.csv");
        QCOMPARE(mergeRecord(s, QString()).section(QStringLiteral("\r\n"), 1), expected);
        QVERIFY_THROWS_EXCEPTION(FormatError, readMergeOptions({kMergeOptionsKeyword, QStringLiteral("un")}, s));
    }

    void aCounterCarriesOnAndCopiesFillLabels()
    {
        MergeSettings s;
        s.counter = {10, 5, 0, false, true};
        QCOMPARE(carriedOn(s, 24).counter.start, qint64(130));
        s.counter.carryOn = false;
        QCOMPARE(carriedOn(s, 24).counter.start, qint64(10));
        // Copies per row: 2, none, 1 (not a number), 30 on sheets of 24 from label 23.
        const DataTable t = readDataBytes("Nom;Ex\r\nA;2\r\nB;0\r\nC;x\r\nD;30\r\n", "c.csv").table;
        s.copiesField = QStringLiteral("Ex");
        s.firstLabel = 23;
        const MergedSheets copies = MergedSheets::of(t, s, 24);
        QCOMPARE(copies.labelCount(), qint64(33));
        QCOMPARE(copies.sheetCount(), 3);
        QCOMPARE(sheetRows(copies, 0).mid(21), QList<int>({-1, 0, 0}));
        QCOMPARE(sheetRows(copies, 1).mid(0, 2), QList<int>({2, 3}));
        QCOMPARE(copies.rowAt(2, 6), 3);
        QCOMPARE(copies.rowAt(2, 7), -1);
    }

    void onlyPathsARecordCanHold()
    {
        QVERIFY(storablePath(QStringLiteral("/home/zoé/Données/adresses 2024.csv")));
        QVERIFY(!storablePath(QStringLiteral("/tmp/a|b.csv")));
        QVERIFY(!storablePath(QStringLiteral("/tmp/a\nb.csv")));
        QVERIFY(!storablePath(QStringLiteral("/tmp/адреса.csv")));  // not in the file's code page
    }

    void rowsFillTheSheetsFromTheFirstLabel()
    {
        // Fifty rows on sheets of 3 x 8 labels: 24, 24 and 2.
        const MergedSheets fifty(24, 1, 50);
        QCOMPARE(fifty.sheetCount(), 3);
        QCOMPARE(fifty.rowAt(0, 0), 0);
        QCOMPARE(fifty.rowAt(0, 23), 23);
        QCOMPARE(fifty.rowAt(1, 0), 24);
        QCOMPARE(sheetRows(fifty, 2).mid(0, 3), QList<int>({48, 49, -1}));
        QCOMPARE(fifty.rowAt(3, 0), -1);

        // Starting at label 5 of a partly used sheet shifts every row by four places.
        const MergedSheets shifted(24, 5, 50);
        QCOMPARE(shifted.firstSlot(), 4);
        QCOMPARE(sheetRows(shifted, 0).mid(0, 6), QList<int>({-1, -1, -1, -1, 0, 1}));
        QCOMPARE(shifted.rowAt(1, 0), 20);
        QCOMPARE(shifted.rowAt(2, 5), 49);
        QCOMPARE(shifted.sheetCount(), 3);
        QCOMPARE(MergedSheets(24, 5, 44).sheetCount(), 2);
        QCOMPARE(MergedSheets(24, 5, 45).sheetCount(), 3);

        // The first label is held to the sheet; no row, no sheet.
        QCOMPARE(MergedSheets(24, 0, 1).firstSlot(), 0);
        QCOMPARE(MergedSheets(24, 400, 1).firstSlot(), 23);
        QCOMPARE(MergedSheets(24, 1, 0).sheetCount(), 0);
        QCOMPARE(MergedSheets(1, 1, 100000).sheetCount(), 100000);
        QCOMPARE(MergedSheets(1, 1, 3).rowAt(2, 0), 2);
    }

    // A project reads a data file outside its folder tree only once the user agreed: the
    // tool asks once per project and file, the batch tool needs --allow-outside.
    void onlyTheProjectTreeIsItsOwn_data()
    {
        QTest::addColumn<QString>("dataFile");
        QTest::addColumn<bool>("inside");
        QTest::newRow("beside") << "noms.csv" << true;
        QTest::newRow("below") << "listes/noms.csv" << true;
        QTest::newRow("above") << "../noms.csv" << false;
        QTest::newRow("hidden folder") << ".ssh/noms.csv" << false;
        QTest::newRow("through a link") << "lien/noms.csv" << false;
    }

    void onlyTheProjectTreeIsItsOwn()
    {
        QFETCH(QString, dataFile);
        QFETCH(bool, inside);
        Project project;
        QVERIFY(readProjectFile(writeProject(dataFile), project).ok());
        QCOMPARE(project.tab(1).mergeSettings().needsConsent, !inside);

        const QString data = QDir::cleanPath(path("projet/") + dataFile);
        const test::BatchRun refused = test::batch({"sheets", path("projet/Carte.plk"), path("planches.pdf")});
        QCOMPARE(refused.exitCode, inside ? 0 : 1);
        QCOMPARE(refused.err.contains(data.toUtf8() + " : fichier de données hors du dossier du projet"), !inside);
        const test::BatchRun allowed =
            test::batch({"sheets", path("projet/Carte.plk"), path("planches.pdf"), "--allow-outside"});
        QCOMPARE(allowed.exitCode, 0);
    }

    void theToolAsksOncePerProjectAndFile()
    {
        Project project;
        project.filePath = writeProject("../partage/noms.csv");
        QVERIFY(readProjectFile(project.filePath, project).ok());
        const QString data = path("partage/noms.csv");
        const LinkedFileAnswers answers(path("Plakatorium.ini"), project.filePath);
        test::ScriptedDialogs dialogs;
        dialogs.answers = {Dialogs::Answer::Yes};
        const auto first = dataForOutput(dialogs, nullptr, project.tab(1), answers, false);
        QVERIFY(first && *first && (*first)->rowCount() == 2);
        const auto again = dataForOutput(dialogs, nullptr, project.tab(1), answers, false);
        QVERIFY(again && *again);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].text, linkedFileQuestion(data));
        QVERIFY(dialogs.shown[0].text.startsWith("Ce projet lit le fichier « " + data));

        const LinkedFileAnswers otherProject(path("Plakatorium.ini"), path("Autre.plk"));
        dialogs.answers = {Dialogs::Answer::No};
        QVERIFY(!dataForOutput(dialogs, nullptr, project.tab(1), otherProject, false));
        QVERIFY(!dataForOutput(dialogs, nullptr, project.tab(1), otherProject, false));
        QCOMPARE(dialogs.shown.size(), 3);  // asked, then told it was refused
        QCOMPARE(dialogs.shown[2].text, linkedFileRefusal(data));
        QCOMPARE(answers.answer(data), std::optional<bool>(true));
        QCOMPARE(otherProject.answer(data), std::optional<bool>(false));
    }
};

PLK_TEST_CLASS(TestMerge)
#include "tst_Merge.moc"
