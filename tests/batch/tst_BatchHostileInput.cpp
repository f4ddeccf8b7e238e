// The batch tool on files that name FIFOs, on tabs too large to hold, and on a disk that
// fills up: it never waits forever, never writes half a file, and says why on stderr.
#include "support/HostileFiles.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/resource.h>

namespace {

using plk::test::batch;
using Run = plk::test::BatchRun;

const QByteArray kSheets = "ONGLET|Planche\r\n"
                           "PROJET|Planche|80|50|255|0|Faux|Faux|Vrai|Faux|Faux\r\n"
                           "LABEL|Jean Dupont|10|12|Tahoma|14|Vrai|Faux|Faux|Faux|255\r\n"
                           "FOND|3|2|255|65280|16711680\r\n"
                           "PRINT|0|0|0|3|4|10|10|2|2|2|5\r\n";

}  // namespace

class TestBatchHostileInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
};

PLK_TEST_CLASS(TestBatchHostileInput)
#include "tst_BatchHostileInput.moc"
