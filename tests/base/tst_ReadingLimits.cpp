// Reading never waits for ever, and the system's reasons are told in French.

#include "base/core/RegularFile.h"
#include "base/core/SystemReason.h"
#include "document/core/ProjectFile.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

using namespace plk;

class TestReadingLimits : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aSourceWithoutDataIsAbandoned_data()
    {
        QTest::addColumn<QByteArray>("given");
        QTest::addColumn<bool>("ended");
        QTest::newRow("nothing, never ended") << QByteArray() << false;
        QTest::newRow("a little, never ended") << QByteArray("abc") << false;
        QTest::newRow("a little, ended") << QByteArray("abc") << true;
    }

    void aSourceWithoutDataIsAbandoned()
    {
        QFETCH(QByteArray, given);
        QFETCH(bool, ended);
        int fds[2];
        QVERIFY(::pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0);
        QCOMPARE(::write(fds[1], given.constData(), size_t(given.size())), ssize_t(given.size()));
        if (ended)
            ::close(fds[1]);
        QString reason;
        const auto read = readAvailable(fds[0], 100, 50, &reason);
        ::close(fds[0]);
        if (!ended)
            ::close(fds[1]);
        QCOMPARE(read.has_value(), ended);
        if (ended)
            QCOMPARE(*read, given);
        else
            QCOMPARE(reason, "aucune donnée depuis 0.05 s, lecture abandonnée");
    }

    void reasonsAreFrench_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("french");
        QTest::newRow("full disk") << "No space left on device" << "plus de place sur le disque";
        QTest::newRow("read-only") << "Read-only file system" << "système de fichiers en lecture seule";
        QTest::newRow("in a sentence") << "Cannot open: Permission denied" << "Cannot open: permission refusée";
        QTest::newRow("too many files") << "Too many open files in system" << "trop de fichiers ouverts sur le système";
        QTest::newRow("our own") << "écriture incomplète" << "écriture incomplète";
    }

    void reasonsAreFrench()
    {
        QFETCH(QString, given);
        QFETCH(QString, french);
        QCOMPARE(inFrench(given), french);
    }

    void anUnreadableLogoStopsTheReadingLikeABackground()
    {
        QTemporaryDir dir;
        test::writeBytes(dir.filePath("faux.png"), "ceci n'est pas une image");
        QImage red(4, 4, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath("bon.png")));
        const QByteArray logo = "LOGO|" + dir.filePath("%1.png").toUtf8() + "|5|5|10|10\r\n";
        const QByteArray withGood = test::kExampleProject + QByteArray(logo).replace("%1", "bon");
        Project good;
        QVERIFY(readProjectData(withGood, good, test::french()).ok());
        Project project;
        const ReadResult r = readProjectData(withGood + QByteArray(logo).replace("%1", "faux"), project, test::french());
        QCOMPARE(r.status, ReadResult::Status::StoppedAtRecord);
        QCOMPARE(r.line, 7);
        QCOMPARE(r.reason, "image illisible : " + dir.filePath("faux.png"));
        QCOMPARE(project.tab(1).logoCount(), good.tab(1).logoCount());
    }
};

QTEST_MAIN(TestReadingLimits)
#include "tst_ReadingLimits.moc"
