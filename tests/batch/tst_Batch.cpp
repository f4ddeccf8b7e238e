// The batch tool: its commands and options, what it leaves on disk, and what it does
// with hostile input and outputs past their limits.

#include "merge/core/DataFile.h"
#include "merge/core/FieldMarkers.h"
#include "support/HostileFiles.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstdlib>
#include <sys/resource.h>

using namespace plk;

namespace {

using plk::test::batch;
using Run = plk::test::BatchRun;

const QByteArray kProject =
    "ONGLET|Carte\r\n"
    "PROJET|Carte|85,5|54|-2147483643|-2147483642|Faux|Faux|Vrai|Faux|Vrai\r\n"
    "LABEL|Jean Dupont|10|12|Tahoma|14|Vrai|Faux|Faux|Faux|255\r\n"
    "LOGO||20|30|15|10\r\n"
    "FOND|3|2|255|65280|16711680\r\n"
    "PRINT|0|5|6|0|2|10|12|4|3|2|5\r\n";

using plk::test::batch;
using Run = plk::test::BatchRun;

const QByteArray kSheets = "ONGLET|Planche\r\n"
                           "PROJET|Planche|80|50|255|0|Faux|Faux|Vrai|Faux|Faux\r\n"
                           "LABEL|Jean Dupont|10|12|Tahoma|14|Vrai|Faux|Faux|Faux|255\r\n"
                           "FOND|3|2|255|65280|16711680\r\n"
                           "PRINT|0|0|0|3|4|10|10|2|2|2|5\r\n";

QByteArray tab(const QByteArray& mm, const QByteArray& caption, const QByteArray& merge = QByteArray())
{
    return "ONGLET|G\r\nPROJET|G|" + mm + "|" + mm + "|255|0|Faux|Faux|Vrai|Faux|Faux\r\n" + "LABEL|" + caption +
           "|5|5|Tahoma|10|Faux|Faux|Faux|Faux|0\r\nFOND|1|255\r\nPRINT|0|0|0|3|1|0|0|0|0|1|1\r\n" + merge;
}

}  // namespace

class TestBatch : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void infoPrintsEveryField()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Carte.plk");
        plk::test::writeBytes(path, kProject);
        const Run r = batch({"info", path});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject tab = QJsonDocument::fromJson(r.out).object()["tabs"].toArray().at(0).toObject();
        QCOMPARE(tab["caption"].toString(), QStringLiteral("Carte"));
        QCOMPARE(tab["prjWidth"].toDouble(), 85.5);
        QCOMPARE(tab["BackColor"].toInteger(), -2147483643LL);
        QCOMPARE(tab["CD_Pochette"].toBool(), true);
        QCOMPARE(tab["TypeFond"].toInt(), 3);
        QCOMPARE(tab["gradColor3"].toInt(), 16711680);
        QCOMPARE(tab["IDlabel"].toInt(), 1);
        const QJsonObject label = tab["labels"].toArray().at(0).toObject();
        QCOMPARE(label["slot"].toInt(), 1);
        QCOMPARE(label["visible"].toBool(), true);
        QCOMPARE(label["Caption"].toString(), QStringLiteral("Jean Dupont"));
        QCOMPARE(label["FontBold"].toBool(), true);
        QCOMPARE(label["Left"].toDouble(), 12.0);
        const QJsonObject logo = tab["logos"].toArray().at(0).toObject();
        QCOMPARE(logo["Width"].toDouble(), 15.0);
        QCOMPARE(logo["Tag"].toString(), QString());
        const QJsonObject print = tab["print"].toObject();
        QCOMPARE(print.size(), 11);
        QCOMPARE(print["ImpNbrV"].toInt(), 5);
        QCOMPARE(print["ImpMargeH"].toInt(), 6);
        QVERIFY(!tab.contains("merge"));

        // A tab with a data file says which, resolved beside the project, and its first label.
        plk::test::writeBytes(path, kProject + "FUSION|noms.csv|4\r\n");
        const QJsonObject merge = QJsonDocument::fromJson(batch({"info", path}).out)
                                      .object()["tabs"].toArray().at(0).toObject()["merge"].toObject();
        QCOMPARE(merge["dataFile"].toString(), dir.filePath("noms.csv"));
        QCOMPARE(merge["firstLabel"].toInt(), 4);
    }

    void convertRewritesInTheUsersFormat()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("Carte.plc"), out = dir.filePath("Copie.plk");
        plk::test::writeBytes(in, kProject);
        QCOMPARE(batch({"convert", in, out}).exitCode, 0);
        QCOMPARE(plk::test::readBytes(out), kProject);
        const QString english = dir.filePath("English.plk");
        QCOMPARE(batch({"convert", in, english}, "en_US.UTF-8").exitCode, 0);
        QVERIFY(plk::test::readBytes(english).contains("PROJET|Carte|85.5|54|-2147483643|-2147483642|False|False|True|False|True\r\n"));

        const QString legacy = dir.filePath("Vieux.PRJ");
        plk::test::writeBytes(legacy, "[FORMAT]\r\nLongueur=2835\r\nHauteur=1701\r\n[LABEL]\r\nNombre=0\r\n"
                                      "[LOGO]\r\nNombre=0\r\n[FOND]\r\nNumero=0\r\n");
        QCOMPARE(batch({"convert", legacy, out}).exitCode, 0);
        QCOMPARE(plk::test::readBytes(out), QByteArray("ONGLET|Vieux\r\n"
                                                       "PROJET|Vieux|50|30|-2147483643|-2147483642|Faux|Faux|Vrai|Faux|Faux\r\n"
                                                       "FOND|0\r\nPRINT|0|0|0|0|1|0|0|0|0|1|1\r\n"));
    }

    void snapshotWritesTheTabsPicture()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("Carte.plk");
        plk::test::writeBytes(in, kProject + "ONGLET|Deux\r\nPROJET|Deux|50|50|255|0|Faux|Faux|Faux\r\nFOND|1|255\r\n");
        QCOMPARE(batch({"snapshot", in, dir.filePath("un.png")}).exitCode, 0);
        QCOMPARE(QImage(dir.filePath("un.png")).size(), QSize(323, 204));
        QCOMPARE(batch({"snapshot", in, dir.filePath("deux.bmp"), "--tab", "2", "--background-only"}).exitCode, 0);
        const QImage two(dir.filePath("deux.bmp"));
        QCOMPARE(two.size(), QSize(189, 189));
        QCOMPARE(two.pixelColor(90, 90), QColor(Qt::red));
        QCOMPARE(batch({"snapshot", in, dir.filePath("x.png"), "--tab", "3"}).exitCode, 1);
        QCOMPARE(batch({"snapshot", in, dir.filePath("x.png"), "--tabs"}).exitCode, 2);
    }

    void snapshotQualityAndNames()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("Carte.plk");
        plk::test::writeBytes(in, kProject);
        // Names reach their encoders through the export's own routine (the export tests'
        // business); here --quality reaches JPEG's, and a name no encoder claims is refused.
        QCOMPARE(batch({"snapshot", in, dir.filePath("low.jpg"), "--quality", "10"}).exitCode, 0);
        QCOMPARE(batch({"snapshot", in, dir.filePath("high.JPEG"), "--quality", "100"}).exitCode, 0);
        QVERIFY(QFileInfo(dir.filePath("high.JPEG")).size() > QFileInfo(dir.filePath("low.jpg")).size());

        QCOMPARE(batch({"snapshot", in, dir.filePath("x.jpg"), "--quality", "101"}).exitCode, 2);
        QCOMPARE(batch({"snapshot", in, dir.filePath("sans-extension")}).exitCode, 2);
        QVERIFY(!QFile::exists(dir.filePath("sans-extension")));
    }

    void snapshotAtAResolutionAndAsDocuments()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("Carte.plk");
        plk::test::writeBytes(in, kProject + "ONGLET|Deux\r\nPROJET|Deux|50|50|255|0|Faux|Faux|Faux\r\nFOND|1|255\r\n");
        QCOMPARE(batch({"snapshot", in, dir.filePath("fin.png"), "--tab", "2", "--dpi", "300"}).exitCode, 0);
        const QImage fine(dir.filePath("fin.png"));
        QCOMPARE(fine.size(), QSize(591, 591));
        QCOMPARE(fine.dotsPerMeterX(), 11811);
        QCOMPARE(batch({"snapshot", in, dir.filePath("bord.jpg"), "--dpi", "72", "--background-only"}).exitCode, 0);
        QCOMPARE(QImage(dir.filePath("bord.jpg")).size(), QSize(242, 153));

        // The extension picks a document: one page of the tab's size.
        QCOMPARE(batch({"snapshot", in, dir.filePath("carte.pdf"), "--dpi", "600"}).exitCode, 0);
        QVERIFY(plk::test::readBytes(dir.filePath("carte.pdf")).startsWith("%PDF"));
        QCOMPARE(batch({"snapshot", in, dir.filePath("carte.svg")}).exitCode, 0);
        const QByteArray svg = plk::test::readBytes(dir.filePath("carte.svg"));
        QVERIFY(svg.contains("width=\"85.5mm\" height=\"54mm\""));
        QVERIFY(svg.contains(">Jean Dupont</text>"));

        for (const char* dpi : {"71", "1201", "trois"})
            QCOMPARE(batch({"snapshot", in, dir.filePath("x.png"), "--dpi", dpi}).exitCode, 2);
        QCOMPARE(batch({"sheets", in, dir.filePath("x.pdf"), "--dpi", "300"}).exitCode, 2);
        const Run unwritable = batch({"snapshot", in, dir.filePath("absent/x.svg")});
        QCOMPARE(unwritable.exitCode, 1);
        QVERIFY(unwritable.err.contains("x.svg"));
    }

    void failuresAndUsage()
    {
        QTemporaryDir dir;
        const QString bad = dir.filePath("Bad.plk"), out = dir.filePath("Out.plk");
        plk::test::writeBytes(bad, "ONGLET|A\r\nPROJET|A|cinquante|50|0|0|Faux|Faux|Faux\r\n");
        Run r = batch({"convert", bad, out});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("Bad.plk") && r.err.contains("ligne 2"), r.err.constData());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(!QFile::exists(out));
        QCOMPARE(batch({"info", dir.filePath("absent.plk")}).exitCode, 1);
        QCOMPARE(batch({}).exitCode, 2);
        QCOMPARE(batch({"info"}).exitCode, 2);
        QCOMPARE(batch({"frobnicate", "x"}).exitCode, 2);
        r = batch({"--help"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("convert"));
    }

    // The batch tool on files that name FIFOs, on tabs too large to hold, and on a disk that
    // fills up: it never waits forever, never writes half a file, and says why on stderr.
    // First, so that the largest program measured is one of these.
    void readingAndConvertingPaintNoCanvas()
    {
        // Forty tabs of a metre square: each canvas picture would take 57 MB.
        QByteArray file;
        for (int i = 1; i <= 40; ++i)
            file += "ONGLET|T" + QByteArray::number(i) + "\r\nPROJET|T|1000|1000|255|0|Faux|Faux|Vrai|Vrai|Vrai\r\n"
                    "FOND|3|2|255|65280|16711680\r\nPRINT|0|0|0|0|1|0|0|0|0|1|1\r\n";
        QTemporaryDir dir;
        const QString in = dir.filePath("Grand.plk");
        plk::test::writeBytes(in, file);
        QCOMPARE(batch({"info", in}).exitCode, 0);
        QCOMPARE(batch({"convert", in, dir.filePath("Copie.plk")}).exitCode, 0);
        QCOMPARE(plk::test::readBytes(dir.filePath("Copie.plk")), file);
        // A picture of one tab paints that tab alone.
        QCOMPARE(batch({"snapshot", in, dir.filePath("t40.png"), "--tab", "40", "--background-only"}).exitCode, 0);
        QCOMPARE(QImage(dir.filePath("t40.png")).size(), QSize(3780, 3780));
        rusage children{};
        ::getrusage(RUSAGE_CHILDREN, &children);
        QVERIFY2(children.ru_maxrss < 400 * 1024, qPrintable(QString::number(children.ru_maxrss / 1024) + " MB"));
    }

    void picturesOnFifosAreMissingPictures()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("tube.png");
        plk::test::makeFifo(fifo);
        const QString in = dir.filePath("Tube.plk");
        plk::test::writeBytes(in, "ONGLET|T\r\nPROJET|T|50|50|255|0|Faux|Faux|Faux\r\nLOGO|" + fifo.toUtf8() +
                                      "|10|10|20|20\r\nFOND|2|" + fifo.toUtf8() + "\r\n");
        const Run r = batch({"info", in});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject tab = QJsonDocument::fromJson(r.out).object()["tabs"].toArray().at(0).toObject();
        QCOMPARE(tab["logos"].toArray().at(0).toObject()["Tag"].toString(), QString());
        QCOMPARE(tab["TypeFond"].toInt(), 0);

        const QString legacy = dir.filePath("Tube.prj");
        plk::test::writeBytes(legacy, "[FORMAT]\r\nLongueur=2835\r\nHauteur=2835\r\n[LABEL]\r\nNombre=0\r\n"
                                      "[LOGO]\r\nNombre=1\r\n[LOGO 1]\r\nTop=567\r\nLeft=567\r\nTag=" +
                                          fifo.toUtf8() + "\r\n[FOND]\r\nNumero=2\r\nPicture=" + fifo.toUtf8() + "\r\n");
        const QString out = dir.filePath("Converti.plk");
        const Run c = batch({"convert", legacy, out});
        QCOMPARE(c.exitCode, 0);
        const QByteArray written = plk::test::readBytes(out);
        QVERIFY2(written.contains("\r\nLOGO||10|10|") && written.contains("\r\nFOND|0\r\n"), written.constData());

        // A project or legacy file that is itself a FIFO cannot be opened.
        const Run f = batch({"info", fifo});
        QCOMPARE(f.exitCode, 1);
        QVERIFY2(f.err.contains("ce n'est pas un fichier ordinaire"), f.err.constData());
    }

    void aTabTooLargeIsRefusedAtItsLine()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("Grand.plk");
        plk::test::writeBytes(in, "ONGLET|A\r\nPROJET|A|3000|3000|0|0|Faux|Faux|Faux\r\nONGLET|B\r\n"
                                  "PROJET|B|3000|3000|0|0|Faux|Faux|Faux\r\n");
        const Run r = batch({"info", in});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("Grand.plk : ligne 2 : dimension d'onglet hors limites"), r.err.constData());
    }

    void aFullDiskKeepsTheOldFilesAndExitsWithTheReason()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("Planche.plk");
        plk::test::writeBytes(in, kSheets);
        const QString pdf = dir.filePath("planches.pdf");
        const QString plk = dir.filePath("copie.plk");
        plk::test::writeBytes(pdf, "ancien PDF");
        plk::test::writeBytes(plk, "ancien projet");

        const Run sheets = batch({"sheets", in, pdf}, 2000);
        QCOMPARE(sheets.exitCode, 1);
        QCOMPARE(QString::fromUtf8(sheets.err),
                 QStringLiteral("%1 : écriture impossible (%2)\n").arg(pdf, plk::test::systemReason(EFBIG)));
        QCOMPARE(plk::test::readBytes(pdf), QByteArray("ancien PDF"));

        const Run convert = batch({"convert", in, plk}, 100);
        QCOMPARE(convert.exitCode, 1);
        QVERIFY2(convert.err.contains(plk::test::systemReason(EFBIG).toLocal8Bit()), convert.err.constData());
        QCOMPARE(plk::test::readBytes(plk), QByteArray("ancien projet"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);  // no temporary left behind

        // With room enough the old PDF is replaced by the complete new one.
        const Run fine = batch({"sheets", in, pdf});
        QCOMPARE(fine.exitCode, 0);
        const QByteArray written = plk::test::readBytes(pdf);
        QVERIFY(written.startsWith("%PDF-") && written.trimmed().endsWith("%%EOF"));
    }

    // What passes the limits that keep every output's memory bounded is refused at
    // reading, or by the output with the highest resolution it takes; the preview's pages
    // replace a link planted with their name rather than follow it.
    void beyondTheLimitsIsRefused_data()
    {
        QTest::addColumn<QByteArray>("project");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("told");
        const QByteArray giant = tab("1000", "Texte");
        QTest::newRow("snapshot of a 1000 mm tab at 1200 dpi")
            << giant << QStringList{"snapshot", "IN", "OUT.png", "--dpi", "1200"} << 1
            << "47250 × 47250 points à 1200 points par pouce, pour 50 millions au plus ; cette étiquette s'exporte "
               "à 179 points par pouce au plus";
        QTest::newRow("the same at the highest it takes")
            << tab("1000", "Texte") << QStringList{"snapshot", "IN", "OUT.png", "--dpi", "179"} << 0 << "";
        QTest::newRow("a PDF page at 1200 dpi") << giant << QStringList{"snapshot", "IN", "OUT.pdf", "--dpi", "1200"}
                                                << 0 << "";
        QTest::newRow("preview at 1200 dpi") << tab("50", "Texte") << QStringList{"preview", "IN", "OUT", "--dpi", "1200"}
                                             << 2 << "l'aperçu s'écrit à 719 points par pouce au plus";
        QTest::newRow("a caption too long") << tab("50", QByteArray(10001, 'x')) << QStringList{"info", "IN"} << 1
                                            << "ligne 3 : texte de plus de 10000 caractères";
        QTest::newRow("a value too long") << tab("50", "\xABNom\xBB", "FUSION|noms.csv|1\r\n")
                                          << QStringList{"sheets", "IN", "OUT.pdf"} << 1
                                          << "ligne 3 : une valeur de plus de 10000 caractères";
    }

    void beyondTheLimitsIsRefused()
    {
        QFETCH(QByteArray, project);
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, told);
        QTemporaryDir dir;
        test::writeBytes(dir.filePath("in.plk"), project);
        test::writeBytes(dir.filePath("noms.csv"), "Nom\r\nAnne\r\n" + QByteArray(10001, 'v') + "\r\n");
        args.replaceInStrings("IN", dir.filePath("in.plk")).replaceInStrings("OUT", dir.filePath("sortie"));
        const test::BatchRun run = test::batch(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(run.err).contains(told), run.err.constData());
    }

    void previewReplacesAPlantedLink()
    {
        QTemporaryDir dir;
        test::writeBytes(dir.filePath("Carte.plk"), test::kExampleProject);
        test::writeBytes(dir.filePath("victime.txt"), "à garder");
        QVERIFY(QDir().mkdir(dir.filePath("pages")));
        QVERIFY(QFile::link(dir.filePath("victime.txt"), dir.filePath("pages/Page1.png")));
        QCOMPARE(test::batch({"preview", dir.filePath("Carte.plk"), dir.filePath("pages")}).exitCode, 0);
        QCOMPARE(test::readBytes(dir.filePath("victime.txt")), QByteArray("à garder"));
        QVERIFY(!QFileInfo(dir.filePath("pages/Page1.png")).isSymLink());
        QVERIFY(!QImage(dir.filePath("pages/Page1.png")).isNull());
        QCOMPARE(QDir(dir.filePath("pages")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"Page1.png"});  // nothing of the writer left
    }

    void aFilledTextIsCut()
    {
        const DataFileResult read = readDataBytes("Nom\r\n" + QByteArray(10000, 'v') + "\r\n", "noms.csv");
        QVERIFY(read.ok());
        QCOMPARE(mergeText("«Nom» «Nom»", read.table, 0), QString(10000, 'v'));
    }
};

PLK_TEST_CLASS(TestBatch)
#include "tst_Batch.moc"
