// The preview's pages go through the temporary-file writer: a link planted with a
// page's name is replaced, never followed; nothing of the writer is left behind.

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

class TestPreviewWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void plantedLinkIsReplacedNotFollowed()
    {
        QTemporaryDir dir;
        test::writeBytes(dir.filePath("Carte.plk"), test::kExampleProject);
        test::writeBytes(dir.filePath("victime.txt"), "à garder");
        QVERIFY(QDir().mkdir(dir.filePath("pages")));
        QVERIFY(QFile::link(dir.filePath("victime.txt"), dir.filePath("pages/Page1.png")));

        const test::BatchRun run = test::batch({"preview", dir.filePath("Carte.plk"), dir.filePath("pages")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(test::readBytes(dir.filePath("victime.txt")), QByteArray("à garder"));
        const QFileInfo page(dir.filePath("pages/Page1.png"));
        QVERIFY(!page.isSymLink());
        QVERIFY(!QImage(page.filePath()).isNull());
        QCOMPARE(QDir(dir.filePath("pages")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"Page1.png"});
    }
};

QTEST_MAIN(TestPreviewWriter)
#include "tst_PreviewWriter.moc"
