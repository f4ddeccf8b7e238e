// Several designs on one sheet and printing front and back, through the batch tool:
// which tab each position shows with which row, each back behind its front once the
// paper is turned (within 0.1 mm, at 300 dpi), and the preview's pages alike.

#include "print/PrintTests.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

namespace {

/// A 60 x 30 tab of a colour showing its row's «Nom» at (5, 5), with more records.
QByteArray tab(const QByteArray& name, const QByteArray& colour, const QByteArray& more)
{
    return "ONGLET|" + name + "\r\nPROJET|" + name + "|60|30|" + colour + "|0|Faux|Faux|Faux|Faux|Faux\r\n" +
           "LABEL|\xABNom\xBB|5|5|Tahoma|10|Faux|Faux|Faux|Faux|0\r\nFOND|1|" + colour + "\r\n" + more;
}

// Jean's rows on positions 1 to 3 of a 2 x 3 sheet from (20, 30), Marie's on 4 to 6;
// Jean's labels have the green tab on their back.
QByteArray project(const QByteArray& flip)
{
    return tab("Jean", "255", "PRINT|0|0|0|1|1|20|30|10|10|2|3\r\nFUSION|jean.csv|1\r\nPOSITIONS|4|6|2\r\n"
                              "VERSO|3|" + flip + "\r\n") +
           tab("Marie", "16711680", "PRINT|0|0|0|1|1|0|0|0|0|1|1\r\nFUSION|marie.csv|1\r\n") +
           tab("Dos", "65280", "PRINT|0|0|0|1|1|0|0|0|0|1|1\r\n");
}

/// The words of a page, each with its top-left corner rounded to a millimetre, sorted.
QStringList words(const QList<test::PdfWord>& all, int page)
{
    QStringList found;
    for (const test::PdfWord& w : all)
        if (w.page == page)
            found << QStringLiteral("%1@%2,%3").arg(w.text).arg(qRound(w.mm.left())).arg(qRound(w.mm.top()));
    found.sort();
    return found;
}

}  // namespace

class TestSheetDesigns : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachBackLiesBehindItsFront_data()
    {
        QTest::addColumn<QByteArray>("flip");
        QTest::addColumn<QPointF>("backOffset");
        QTest::newRow("long edge") << QByteArray("0") << QPointF();
        QTest::newRow("short edge, back moved") << QByteArray("1") << QPointF(0.5, -0.4);
    }

    void eachBackLiesBehindItsFront()
    {
        QFETCH(QByteArray, flip);
        QFETCH(QPointF, backOffset);
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk"), pdf = dir.filePath("planches.pdf");
        test::writeBytes(in, project(flip));
        test::writeBytes(dir.filePath("jean.csv"), "Nom\r\nJ1\r\nJ2\r\nJ3\r\nJ4\r\n");
        test::writeBytes(dir.filePath("marie.csv"), "Nom\r\nM1\r\nM2\r\n");
        QStringList args{"sheets", in, pdf};
        if (!backOffset.isNull())
            args << "--back-offset" << QStringLiteral("%1,%2").arg(backOffset.x()).arg(backOffset.y());
        QCOMPARE(test::batch(args).exitCode, 0);

        // Four rows of Jean over his three positions make two sheets, each followed by
        // its back; Marie's two rows fill her first two positions.
        const QList<test::PdfWord> all = test::pdfWords(pdf);
        QCOMPARE(words(all, 1), (QStringList{"J1@25,35", "J2@95,35", "J3@25,75", "M1@95,75", "M2@25,115"}));
        QCOMPARE(words(all, 3), QStringList{"J4@25,35"});
        const bool longEdge = flip == "0";
        const QStringList backs = longEdge ? QStringList{"J1@135,35", "J2@65,35", "J3@135,75"}
                                           : QStringList{"J1@25,242", "J2@95,242", "J3@25,202"};
        if (backOffset.isNull())
            QCOMPARE(words(all, 2), backs);
        QCOMPARE(words(all, 4).size(), 1);

        // Turned over, every green back covers its red front.
        const QList<QImage> pages = test::rasterise(pdf, 300);
        QCOMPARE(pages.size(), 4);
        const double perMm = 300 / 25.4;
        const QList<QRect> fronts = test::inReadingOrder(test::regions(pages[0], test::near(Qt::red), 2000));
        QList<QPointF> turned;
        for (const QRect& f : fronts) {
            const QPointF corner(f.left() / perMm, f.top() / perMm);
            turned << (longEdge ? QPointF(210 - corner.x() - 60, corner.y()) : QPointF(corner.x(), 297 - corner.y() - 30)) +
                          backOffset;
        }
        QCOMPARE(fronts.size(), 3);
        std::sort(turned.begin(), turned.end(), [](QPointF a, QPointF b) {
            return qRound(a.y()) != qRound(b.y()) ? a.y() < b.y() : a.x() < b.x();
        });
        const QList<QRect> found = test::inReadingOrder(test::regions(pages[1], test::near(Qt::green), 2000));
        QCOMPARE(test::misplaced(found, turned, perMm, 0.1 * perMm + 0.5, {60, 30}, 0.1 * perMm + 1), QString());
    }

    void eachDesignCountsItsOwnLabelsAndCopies()
    {
        // Jean's rows fill as many labels as their copies; each design's «N°» counts its
        // own labels.
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk"), pdf = dir.filePath("planches.pdf");
        QByteArray bytes = project("0").replace("|\xABNom\xBB|", "|\xABNom\xBB-\xABN\xB0\xBB|");
        bytes.replace("FUSION|jean.csv|1\r\n", "FUSION|jean.csv|1\r\nFUSIONOPT|1|1|0|0|0|||Nb\r\n");
        test::writeBytes(in, bytes.replace("VERSO|3|0\r\n", ""));
        test::writeBytes(dir.filePath("jean.csv"), "Nom;Nb\r\nJ1;2\r\nJ2;0\r\nJ3;1\r\n");
        test::writeBytes(dir.filePath("marie.csv"), "Nom\r\nM1\r\nM2\r\n");
        QCOMPARE(test::batch({"sheets", in, pdf}).exitCode, 0);
        QCOMPARE(words(test::pdfWords(pdf), 1),
                 (QStringList{"J1-1@25,35", "J1-2@95,35", "J3-3@25,75", "M1-1@95,75", "M2-2@25,115"}));
    }

    void thePreviewShowsEveryDesignAndTheBacksAfterTheirFronts()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk"), out = dir.filePath("pages");
        test::writeBytes(in, project("0"));
        test::writeBytes(dir.filePath("jean.csv"), "Nom\r\nJ1\r\nJ2\r\nJ3\r\nJ4\r\n");
        test::writeBytes(dir.filePath("marie.csv"), "Nom\r\nM1\r\nM2\r\n");
        QCOMPARE(test::batch({"preview", in, out}).exitCode, 0);
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 4);
        const auto count = [&](int page, QColor colour) {
            const QImage image(QDir(out).filePath(QStringLiteral("Page%1.png").arg(page)));
            return test::regions(image, test::near(colour), 500).size();
        };
        QCOMPARE((QList<qsizetype>{count(1, Qt::red), count(1, Qt::blue), count(2, Qt::green), count(3, Qt::red),
                                   count(4, Qt::green)}),
                 (QList<qsizetype>{3, 2, 3, 1, 1}));
    }
};

PLK_TEST_CLASS(TestSheetDesigns)
#include "tst_SheetDesigns.moc"
