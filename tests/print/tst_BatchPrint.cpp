// plakatorium-batch sheets and preview: what they leave on disk.

#include "print/PrintTests.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using plk::test::batch;
using Run = plk::test::BatchRun;

// Tab 2: 2 sheets of 2 x 5 red 90 x 50 labels from (15, 12), margins 5 and 4.
const QByteArray kProject =
    "ONGLET|Un\r\n"
    "PROJET|Un|50|50|65280|0|Faux|Faux|Faux|Faux|Faux\r\n"
    "FOND|1|65280\r\n"
    "PRINT|0|0|0|1|1|10|10|0|0|1|1\r\n"
    "ONGLET|Deux\r\n"
    "PROJET|Deux|90|50|255|0|Faux|Faux|Faux|Faux|Faux\r\n"
    "FOND|1|255\r\n"
    "PRINT|0|5|4|2|2|15|12|2|3|2|5\r\n";

}  // namespace

class TestBatchPrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sheetsPrintTheTabsStoredSettingsToPdf()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk"), pdf = dir.filePath("planches.pdf");
        plk::test::writeBytes(in, kProject);
        const Run r = batch({"sheets", in, pdf, "--tab", "2"});
        QCOMPARE(r.exitCode, 0);
        const QList<QImage> pages = plk::test::rasterise(pdf, 127);
        QCOMPARE(pages.size(), 2);
        // A PDF file has no unprintable margins: the stored 5 and 4 mm shift the labels.
        const QList<QRect> labels =
            plk::test::inReadingOrder(plk::test::regions(pages[1], plk::test::near(Qt::red), 2000));
        QCOMPARE(plk::test::misplaced(labels, plk::test::grid({10, 8}, {92, 53}, 2, 5), 5, 2), QString());
    }

    void previewWritesOnePicturePerPage()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk"), out = dir.filePath("pages/apercu");
        plk::test::writeBytes(in, kProject);
        QCOMPARE(batch({"preview", in, out, "--tab", "2"}).exitCode, 0);
        QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name), (QStringList{"Page1.png", "Page2.png"}));
        const QImage page(QDir(out).filePath("Page2.png"));
        QCOMPARE(page.size(), QSize(794, 1123));
        QCOMPARE(plk::test::regions(page, plk::test::near(Qt::red), 2000).size(), 10);

        // A finer page: A4 at 150 dpi, the labels painted at that resolution.
        QCOMPARE(batch({"preview", in, dir.filePath("fin"), "--tab", "2", "--dpi", "150"}).exitCode, 0);
        const QImage fine(QDir(dir.filePath("fin")).filePath("Page2.png"));
        QCOMPARE(fine.size(), QSize(1240, 1754));
        const QList<QRect> labels =
            plk::test::inReadingOrder(plk::test::regions(fine, plk::test::near(Qt::red), 2000));
        QCOMPARE(labels.size(), 10);
        // The first label at (10, 8) mm, 90 x 50 mm.
        QVERIFY(std::abs(labels[0].left() - 59) <= 1 && std::abs(labels[0].top() - 47) <= 1);
        QVERIFY(std::abs(labels[0].width() - 531) <= 1 && std::abs(labels[0].height() - 295) <= 1);
        QCOMPARE(batch({"preview", in, dir.filePath("x"), "--dpi", "1300"}).exitCode, 2);

        QCOMPARE(batch({"preview", in, dir.filePath("un")}).exitCode, 0);
        QCOMPARE(QDir(dir.filePath("un")).entryList(QDir::Files), QStringList{"Page1.png"});
        QCOMPARE(plk::test::regions(QImage(dir.filePath("un/Page1.png")), plk::test::near(Qt::green), 2000).size(), 1);
    }

    void aTabWithADataFilePrintsOneLabelPerRow()
    {
        // Twelve rows on sheets of 2 x 5 from label 9: two rows on the first sheet, ten
        // on the second; the marker «Titre» names no field and is printed as typed.
        QTemporaryDir dir;
        const QString in = dir.filePath("Badges.plk"), pdf = dir.filePath("badges.pdf");
        QByteArray project = kProject;
        project += "LABEL|«Nom» «Titre»|10|5|Tahoma|12|Faux|Faux|Faux|Faux|0\r\nFUSION|noms.csv|9\r\n";
        plk::test::writeBytes(in, project.replace("«", "\xAB").replace("»", "\xBB"));
        QByteArray csv = "Nom;Ville\r\n";
        for (int i = 1; i <= 12; ++i)
            csv += "Nom" + QByteArray::number(i) + ";Nîmes\r\n";
        plk::test::writeBytes(dir.filePath("noms.csv"), csv);

        const Run r = batch({"sheets", in, pdf, "--tab", "2"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QString::fromUtf8(r.err).contains(QStringLiteral("«Titre»")));
        const QList<plk::test::PdfWord> words = plk::test::pdfWords(pdf);
        QStringList names;
        for (const plk::test::PdfWord& w : words)
            if (w.text.startsWith("Nom"))
                names << QStringLiteral("%1:%2").arg(w.page).arg(w.text);
        QCOMPARE(names, (QStringList{"1:Nom1", "1:Nom2", "2:Nom3", "2:Nom4", "2:Nom5", "2:Nom6", "2:Nom7", "2:Nom8",
                                     "2:Nom9", "2:Nom10", "2:Nom11", "2:Nom12"}));
        QVERIFY(words.size() == 24 && words[1].text == QStringLiteral("«Titre»"));

        QCOMPARE(batch({"preview", in, dir.filePath("apercu"), "--tab", "2"}).exitCode, 0);
        QCOMPARE(QDir(dir.filePath("apercu")).entryList(QDir::Files, QDir::Name), (QStringList{"Page1.png", "Page2.png"}));
        // Labels 1 to 8 of the first sheet stay blank: no red there.
        const QImage first(dir.filePath("apercu/Page1.png"));
        QCOMPARE(plk::test::regions(first, plk::test::near(Qt::red), 2000).size(), 2);

        // A snapshot takes the row asked for, the first by default.
        const QString svg = dir.filePath("badge.svg");
        QCOMPARE(batch({"snapshot", in, svg, "--tab", "2", "--row", "3"}).exitCode, 0);
        QVERIFY(plk::test::readBytes(svg).contains("Nom3"));
        QCOMPARE(batch({"snapshot", in, svg, "--tab", "2"}).exitCode, 0);
        QVERIFY(plk::test::readBytes(svg).contains("Nom1"));
        const Run beyond = batch({"snapshot", in, svg, "--tab", "2", "--row", "13"});
        QCOMPARE(beyond.exitCode, 1);
        QVERIFY(beyond.err.contains("13"));
        QCOMPARE(batch({"snapshot", in, svg, "--tab", "1", "--row", "1"}).exitCode, 1);
        QCOMPARE(batch({"snapshot", in, svg, "--tab", "2", "--row", "0"}).exitCode, 2);
        QCOMPARE(batch({"sheets", in, pdf, "--tab", "2", "--row", "1"}).exitCode, 2);

        // Without its data file nothing is written, and the message names the file.
        QFile::remove(pdf);
        QFile::remove(dir.filePath("noms.csv"));
        const Run missing = batch({"sheets", in, pdf, "--tab", "2"});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(QString::fromUtf8(missing.err).contains(dir.filePath("noms.csv")));
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(batch({"preview", in, dir.filePath("rien"), "--tab", "2"}).exitCode, 1);
        QVERIFY(!QFile::exists(dir.filePath("rien/Page1.png")));
    }

    void theCommandLinesDataAndCounterAndLabelsClippedToTheirEdge()
    {
        // The tab counts from 1 and takes a row's copies from "Ex"; the command line names
        // another file (row C three times) and a counter from 5 by 2 on 3 digits.
        QTemporaryDir dir;
        const QString in = dir.filePath("Lots.plk"), pdf = dir.filePath("lots.pdf");
        QByteArray project = kProject + "LABEL|«Nom»-«N°» " + QByteArray(60, 'W') +
                             "|10|5|Tahoma|12|Faux|Faux|Faux|Faux|0\r\nFUSION|noms.csv|1\r\nFUSIONOPT|1|1|0|0|0|||Ex\r\n";
        plk::test::writeBytes(in, project.replace("«", "\xAB").replace("»", "\xBB").replace("°", "\xB0"));
        plk::test::writeBytes(dir.filePath("noms.csv"), "Nom;Ex\r\nA;1\r\n");
        plk::test::writeBytes(dir.filePath("autres.csv"), "Nom;Ex\r\nB;1\r\nC;3\r\n");
        const Run r = batch({"sheets", in, pdf, "--tab", "2", "--data", dir.filePath("autres.csv"), "--counter", "5,2,3"});
        QCOMPARE(r.exitCode, 0);
        QStringList labels;
        for (const plk::test::PdfWord& w : plk::test::pdfWords(pdf))
            if (!w.text.startsWith(QLatin1Char('W')))
                labels << w.text;
        QCOMPARE(labels, (QStringList{"B-005", "C-007", "C-009", "C-011"}));
        // The long line stops at its label's right edge (15 - 5 + 90 mm on a file's page): the gap
        // before the next label stays white.
        const QImage gap = plk::test::rasteriseArea(pdf, 1, 150, QRectF(100.4, 8, 1.2, 50));
        int ink = 0;
        for (int y = 0; y < gap.height(); ++y)
            for (int x = 0; x < gap.width(); ++x)
                ink += qGray(gap.pixel(x, y)) < 128 ? 1 : 0;
        QCOMPARE(ink, 0);
        QCOMPARE(batch({"sheets", in, pdf, "--tab", "2", "--counter", "5,0"}).exitCode, 2);
        QCOMPARE(batch({"snapshot", in, dir.filePath("x.png"), "--counter", "5"}).exitCode, 2);
        QCOMPARE(batch({"print", in, "--tab", "2", "--copies", "0"}).exitCode, 2);
        const Run unknownQueue = batch({"print", in, "--tab", "2", "--printer", "PasDeFileIci"});
        QCOMPARE(unknownQueue.exitCode, 1);
        QVERIFY(unknownQueue.err.contains("impression impossible"));
    }

    void theQueueMakesTheCopies()
    {
        // A stand-in for lp keeps its options and the number of pages it was given.
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk"), lp = dir.filePath("lp");
        plk::test::writeBytes(in, kProject);
        plk::test::writeBytes(lp, "#!/bin/sh\ncd \"$(dirname \"$0\")\"\necho \"$1 $2 $3 $4 $5 $6 $7\" > lp.txt\n"
                                  "pdfinfo \"$8\" | grep Pages >> lp.txt\n");
        QFile::setPermissions(lp, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.path().toLocal8Bit() + ":" + path);
        const Run r = batch({"print", in, "--tab", "2", "--copies", "3", "--uncollated"});
        qputenv("PATH", path);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(plk::test::readBytes(dir.filePath("lp.txt")).simplified(),
                 "-t Cartes.plk -n 3 -o collate=false -- Pages: 2");
    }

    void failuresAndUsage()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk");
        plk::test::writeBytes(in, kProject);
        QCOMPARE(batch({"sheets", in, dir.filePath("x.pdf"), "--tab", "3"}).exitCode, 1);
        QCOMPARE(batch({"sheets", in, dir.filePath("x.png")}).exitCode, 2);
        QCOMPARE(batch({"sheets", in}).exitCode, 2);
        QCOMPARE(batch({"preview", in, dir.filePath("p"), "--background-only"}).exitCode, 2);
        const Run unwritable = batch({"sheets", in, dir.filePath("absent/x.pdf")});
        QCOMPARE(unwritable.exitCode, 1);
        QVERIFY(unwritable.err.contains("x.pdf"));
        plk::test::writeBytes(dir.filePath("fichier"), "pas un dossier");
        QCOMPARE(batch({"preview", in, dir.filePath("fichier")}).exitCode, 1);
        const Run help = batch({"--help"});
        QVERIFY(help.out.contains("sheets ENTREE SORTIE.pdf [--tab N]"));
        QVERIFY(help.out.contains("preview ENTREE DOSSIER [--tab N]"));
    }
};

PLK_TEST_CLASS(TestBatchPrint)
#include "tst_BatchPrint.moc"
