#include "merge/core/DataFile.h"
#include "merge/core/FieldMarkers.h"
#include "support/MergeFixtures.h"

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

    void unknownMarkersAreListedOnce()
    {
        const QStringList fields = test::addressFields();
        QCOMPARE(unknownMarkers({QStringLiteral("«Nom» «Pays»"), QStringLiteral("«Civilité» «Pays» «CP»")}, fields),
                 QStringList({"Pays", "Civilité"}));
        QCOMPARE(unknownMarkers({QStringLiteral("«nom»")}, fields), QStringList({"nom"}));  // names are exact
        QCOMPARE(unknownMarkers({QStringLiteral("«Nom»"), QStringLiteral("texte")}, fields), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestFieldMarkers)
#include "tst_FieldMarkers.moc"
