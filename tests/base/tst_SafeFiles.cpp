#include "base/core/Cp1252.h"
#include "base/core/FileWriter.h"
#include "base/core/RegularFile.h"
#include "base/core/Rounding.h"
#include "support/HostileFiles.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <limits>

using namespace plk;

class TestSafeFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void onlyRegularFilesAreOpened()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("tube");
        test::makeFifo(fifo);
        bool refused = false;
        QString reason;
        QVERIFY(test::finishesWithin(
            [&] { refused = !openRegularFile(fifo, &reason) && !readRegularFile(fifo, 100) && !isRegularFile(fifo); },
            fifo));
        QVERIFY(refused);
        QCOMPARE(reason, QStringLiteral("ce n'est pas un fichier ordinaire"));
        for (const QString& other : {dir.path(), QStringLiteral("/dev/zero"), QStringLiteral("/dev/null")}) {
            QVERIFY2(!isRegularFile(other), qPrintable(other));
            QVERIFY2(!openRegularFile(other), qPrintable(other));
        }

        const QString file = dir.filePath("a.txt");
        test::writeBytes(file, "0123456789");
        QVERIFY(isRegularFile(file));
        QCOMPARE(readRegularFile(file, 10).value(), QByteArray("0123456789"));
        QVERIFY(!readRegularFile(file, 9, &reason));
        QCOMPARE(reason, test::systemReason(EFBIG));
        QVERIFY(!readRegularFile(dir.filePath("absent"), 10, &reason));
        QCOMPARE(reason, test::systemReason(ENOENT));
    }

    void aSaveReplacesTheFileOnlyWhenComplete()
    {
        // A writer that notes what it is told of the save's progress.
        class Watched final : public FileWriter {
        public:
            mutable QList<qint64> seen;

        protected:
            void progress(qint64 n) const override { seen << n; }
        };
        QTemporaryDir dir;
        const QString target = dir.filePath("projet.plk");
        const QByteArray big(20000, 'x');
        const Watched watched;
        QCOMPARE(watched.write(target, big), QString());
        QCOMPARE(test::readBytes(target), big);
        // Gathered into one piece, then the moment before the new file takes the name.
        QCOMPARE(watched.seen, (QList<qint64>{20000, -1}));

        // Content that cannot be produced: the old file stays, and no temporary is left.
        const auto partial = [](QIODevice& d) {
            d.write("partial");
            return QStringLiteral("dessin impossible");
        };
        QCOMPARE(FileWriter().write(target, partial), QStringLiteral("dessin impossible"));
        QCOMPARE(test::readBytes(target), big);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"projet.plk"});

        QCOMPARE(FileWriter().write(dir.filePath("absent/projet.plk"), big), test::systemReason(ENOENT));
    }

    void aFullDiskKeepsTheOldFileAndSaysWhy()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("projet.plk");
        test::writeBytes(target, "OLD");
        QString bytesReason, contentReason;
        {
            const test::FileSizeLimit limit(10000);
            bytesReason = FileWriter().write(target, QByteArray(50000, 'x'));
            // Content that goes on after the disk is full still fails with the system's reason.
            contentReason = FileWriter().write(target, [](QIODevice& d) {
                for (int i = 0; i < 100; ++i)
                    d.write(QByteArray(1000, 'y'));
                return QString();
            });
        }
        QCOMPARE(bytesReason, test::systemReason(EFBIG));
        QCOMPARE(contentReason, test::systemReason(EFBIG));
        QCOMPARE(test::readBytes(target), QByteArray("OLD"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"projet.plk"});
    }

    void realsBecomeIntegersOnlyWithinRange()
    {
        QCOMPARE(roundTo<std::int16_t>(32767.4), std::int16_t(32767));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, roundTo<std::int16_t>(32767.5));  // 32768, halves to even
        QCOMPARE(roundTo<std::int16_t>(-32768.5), std::int16_t(-32768));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, roundTo<qint64>(9.3e18));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, roundTo<qint64>(9223372036854775808.0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, roundTo<int>(std::numeric_limits<double>::quiet_NaN()));

        QCOMPARE(roundClamped<int>(1e30), std::numeric_limits<int>::max());
        QCOMPARE(roundClamped<int>(-1e300), std::numeric_limits<int>::min());
        QCOMPARE(roundClamped<int>(std::numeric_limits<double>::quiet_NaN()), 0);
        QCOMPARE(roundClamped<int>(std::numeric_limits<double>::infinity()), std::numeric_limits<int>::max());
        QCOMPARE(roundClamped<int>(12.5), 12);
        QCOMPARE(clampTo<std::int16_t>(std::round(-40000.0)), std::int16_t(-32768));
    }

    void whatWindows1252Holds()
    {
        QVERIFY(fitsCp1252(QStringLiteral("Créer € Š Ÿ œ « » ZONE DE TEXTE")));
        QVERIFY(fitsCp1252(QString(QChar(0x81))));  // undefined bytes still go through
        QVERIFY(!fitsCp1252(QStringLiteral("Łódź")));
        QVERIFY(!fitsCp1252(QStringLiteral("✆")));
        QVERIFY(!fitsCp1252(QStringLiteral("\U0001F600")));
        QCOMPARE(toCp1252(QStringLiteral("€ Łódź")), QByteArray("\x80 ?\xF3" "d?"));
    }
};

PLK_TEST_CLASS(TestSafeFiles)
#include "tst_SafeFiles.moc"
