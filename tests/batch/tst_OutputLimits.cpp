// What passes the limits that keep every output's memory bounded is refused at
// reading, or by the output with the highest resolution it takes; the preview's pages
// replace a link planted with their name rather than follow it.

#include "merge/core/DataFile.h"
#include "merge/core/FieldMarkers.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

namespace {

QByteArray tab(const QByteArray& mm, const QByteArray& caption, const QByteArray& merge = QByteArray())
{
    return "ONGLET|G\r\nPROJET|G|" + mm + "|" + mm + "|255|0|Faux|Faux|Vrai|Faux|Faux\r\n" + "LABEL|" + caption +
           "|5|5|Tahoma|10|Faux|Faux|Faux|Faux|0\r\nFOND|1|255\r\nPRINT|0|0|0|3|1|0|0|0|0|1|1\r\n" + merge;
}

}  // namespace

class TestOutputLimits : public QObject {
    Q_OBJECT

private Q_SLOTS:
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

QTEST_MAIN(TestOutputLimits)
#include "tst_OutputLimits.moc"
