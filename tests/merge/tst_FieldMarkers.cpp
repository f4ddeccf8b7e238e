#include "merge/core/DataFile.h"
#include "merge/core/FieldMarkers.h"
#include "merge/core/MergeData.h"
#include "merge/core/RowValues.h"
#include "support/MergeFixtures.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

class TestFieldMarkers : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
};

PLK_TEST_CLASS(TestFieldMarkers)
#include "tst_FieldMarkers.moc"
