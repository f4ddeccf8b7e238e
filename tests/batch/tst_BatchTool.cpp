#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QImage>
#include <cstdlib>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

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

}  // namespace

class TestBatchTool : public QObject {
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
};

PLK_TEST_CLASS(TestBatchTool)
#include "tst_BatchTool.moc"
