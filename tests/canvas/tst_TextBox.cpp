// Texts in boxes: a merged name set smaller until it fits its box on every row, in the
// pixels of a 600 dpi snapshot; the ZONE record read and written byte for byte, passed
// over by a reader that does not know it, refused when damaged; copy and paste.

#include "base/core/AppState.h"
#include "base/core/Cp1252.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/TabRenderer.h"
#include "document/core/ProjectFile.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace plk;

namespace {

const QString kBoxes = QStringLiteral(
    "ONGLET|Badge\r\n"
    "PROJET|Badge|40|20|16777215|0|Faux|Faux|Faux|Faux|Faux\r\n"
    "LABEL|Un de\\f|16|2|Tahoma|8|Faux|Faux|Faux|Faux|0\r\n"
    "LABEL|«Prénom» «Nom» «Ville»|5|5|Tahoma|16|Vrai|Faux|Faux|Faux|0\r\n"
    "FOND|1|16777215\r\n"
    "PRINT|0|0|0|3|1|15|11|10|0|2|5\r\n"
    "ZONE|1|20|5|2|2|1|Faux|6|Un\\nde\\\\f\r\n"
    "ZONE|2|30|8,5|3|1|1,2|Vrai|4,5|«Prénom» «Nom»\\n«Ville»\r\n");

QByteArray written(Project& p, const RegionalFormat& f = test::french()) { return toCp1252(projectFileText(p, f)); }

}  // namespace

class TestTextBox : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void aMergedNameFitsItsBoxOnEveryRow()
    {
        PLK_REQUIRE_TAHOMA();
        Project p;
        QVERIFY(readProjectData(toCp1252(kBoxes), p, test::french()).ok());
        const Etiquette& tab = p.tab(1);
        const TextElement& name = tab.label(2);
        QVERIFY(name.box);
        QCOMPARE(name.Caption, QStringLiteral("«Prénom» «Nom»\n«Ville»"));
        QCOMPARE(tab.label(1).Caption, QStringLiteral("Un\nde\\f"));
        // Names short and long, a town on two lines, an empty town (its line left out).
        DataTable table({QStringLiteral("Prénom"), QStringLiteral("Nom"), QStringLiteral("Ville")});
        const QStringList first{"Lu", "Jean-Baptiste", "Marie-Christine", "Zoé", "Anne-Sophie"};
        const QStringList last{"Roy", "de La Tour d'Auvergne-Lauraguais", "Lefèvre", "Wolfeschlegelsteinhausen"};
        for (int row = 0; row < 100; ++row) {
            table.addValue(first.at(row % first.size()));
            table.addValue(last.at(row % last.size()) + QString(row % 7, QLatin1Char('x')));
            table.addValue(row % 3 == 0 ? QString() : row % 3 == 1 ? QStringLiteral("Lyon") : QStringLiteral("Saint-Rémy\nde-Provence"));
            table.endRow();
        }
        constexpr int kDpi = 600;
        const QRectF box(5, 5, 30, 8.5);
        const QRect inside = QRectF(test::pixelsOf(box.left() - 0.1, kDpi), test::pixelsOf(box.top() - 0.1, kDpi),
                                    test::pixelsOf(box.width() + 0.2, kDpi), test::pixelsOf(box.height() + 0.2, kDpi))
                                 .toAlignedRect();
        int shrunk = 0, lines3 = 0;
        for (int row = 0; row < table.rowCount(); ++row) {
            const RowValues values(&table, row);
            const TextBoxLayout layout = name.boxLayout(values);
            QVERIFY2(layout.fits, qPrintable(QString::number(row)));
            shrunk += layout.font.pointSizeF() < 16;
            lines3 += values.lines(name.Caption).size() == 3;
            const QImage picture = TabRenderer(tab).picture(kDpi, false, values);
            const QRect ink = test::inkBox(picture, QRect(0, 0, picture.width(), int(test::pixelsOf(15, kDpi))),
                                           [](QRgb c) { return qGray(c) < 160; });
            QVERIFY2(!ink.isNull() && inside.contains(ink),
                     qPrintable(QStringLiteral("row %1: ink %2,%3 %4x%5").arg(row).arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
        }
        QVERIFY(shrunk > 50 && shrunk < 100);  // short names keep the size set
        QCOMPARE(lines3, 33);                  // a value's line break is a line of the box
    }

    void recordsRoundTripAndStayOutOfTheOriginalOnes()
    {
        Project p;
        QVERIFY(readProjectData(toCp1252(kBoxes), p, test::french()).ok());
        QCOMPARE(written(p), toCp1252(kBoxes));
        QString english = kBoxes;
        english.replace("8,5", "8.5").replace("1,2", "1.2").replace("4,5", "4.5").replace("Faux", "False").replace("Vrai", "True");
        QCOMPARE(projectFileText(p, test::english()), english);
        // The LABEL record is the one-line text a reader without ZONE shows.
        QString unknown = kBoxes;
        unknown.replace(QStringLiteral("\r\nZONE|"), QStringLiteral("\r\nZONX|"));
        Project q;
        QVERIFY(readProjectData(toCp1252(unknown), q, test::french()).ok());
        QVERIFY(!q.tab(1).label(2).box);
        QCOMPARE(q.tab(1).label(2).Caption, QStringLiteral("«Prénom» «Nom» «Ville»"));
        QCOMPARE(QString::fromLatin1(written(q)), kBoxes.section(QStringLiteral("ZONE|"), 0, 0));
    }

    void damagedRecordsStopTheReadingAtTheirLine_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such text") << QStringLiteral("ZONE|3|30|8|0|0|1|Faux|6|x") << QStringLiteral("zone de texte sans objet texte : 3");
        QTest::newRow("width") << QStringLiteral("ZONE|1|0,5|8|0|0|1|Faux|6|x") << QStringLiteral("largeur de zone de texte hors limites");
        QTest::newRow("alignment") << QStringLiteral("ZONE|1|30|8|4|0|1|Faux|6|x") << QStringLiteral("alignement de zone de texte hors limites");
        QTest::newRow("spacing") << QStringLiteral("ZONE|1|30|8|0|0|9|Faux|6|x") << QStringLiteral("interligne de zone de texte hors limites");
        QTest::newRow("escape") << QStringLiteral("ZONE|1|30|8|0|0|1|Faux|6|a\\qb") << QStringLiteral("séquence inconnue dans le texte de la zone : « \\q »");
        QTest::newRow("missing") << QStringLiteral("ZONE|1|30|8|0|0|1|Faux") << QStringLiteral("champ 8 manquant");
    }

    void damagedRecordsStopTheReadingAtTheirLine()
    {
        QFETCH(QString, zone);
        QFETCH(QString, reason);
        QString text = kBoxes.section(QStringLiteral("ZONE|"), 0, 0) + zone + QStringLiteral("\r\n");
        Project p;
        const ReadResult r = readProjectData(toCp1252(text), p, test::french());
        QCOMPARE(r.line, 7);
        QCOMPARE(r.reason, reason);
        QVERIFY(!p.tab(1).label(1).box);
    }

    void copiedTextsKeepTheirBoxAndALineFieldJoinsTheLines()
    {
        Project p;
        QVERIFY(readProjectData(toCp1252(kBoxes), p, test::french()).ok());
        Etiquette& tab = p.tab(1);
        tab.objectClick(ObjectKind::Label, 2);
        tab.Copier(2, test::french());
        tab.Coller(test::french());
        QCOMPARE(tab.labelCount(), 3);
        QCOMPARE(tab.label(3).box, tab.label(2).box);
        QCOMPARE(tab.label(3).Caption, tab.label(2).Caption);
        QCOMPARE(tab.labelRect(3), tab.labelRect(2).translated(5, 5));
        App.ObjectClipboard.clear();
        // A line typed in a text on one line keeps no line break.
        tab.NewLabel();
        tab.Caption(4, QStringLiteral("a\nb"));
        QCOMPARE(tab.label(4).Caption, QStringLiteral("ab"));
    }
};

PLK_TEST_CLASS(TestTextBox)
#include "tst_TextBox.moc"
