// The base services: the settings file format, reading limits, regional formats of
// numbers and dates, and files written whole or not at all.

#include "base/core/Cp1252.h"
#include "base/core/FileWriter.h"
#include "base/core/IniFile.h"
#include "base/core/RegionalFormat.h"
#include "base/core/RegularFile.h"
#include "base/core/Rounding.h"
#include "base/core/SystemReason.h"
#include "base/core/ValueReader.h"
#include "document/core/ProjectFile.h"
#include "support/HostileFiles.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

using namespace plk;

class TestBase : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void missingFileAndKeysReadEmpty()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Plakatorium.ini");
        QCOMPARE(ReadIni(path, "MENU", "Windows"), QString());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(WriteIni(path, "MENU", "Windows", "2"), QStringLiteral("1"));
        QVERIFY(QFile::exists(path));
        QCOMPARE(test::readBytes(path), QByteArray("[MENU]\r\nWindows=2\r\n"));
        QCOMPARE(ReadIni(path, "MENU", "Height"), QString());
        QCOMPARE(ReadIni(path, "OPTIONS", "Windows"), QString());
    }

    void sectionsAndKeysIgnoreCaseAndOthersStay()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.ini");
        test::writeBytes(path, "; réglages\r\n[Menu]\r\nwindows=0\r\nHeight=6000\r\n\r\n[BARRE XP]\r\nGRP-1=Vrai\r\n");
        QCOMPARE(ReadIni(path, "MENU", "WINDOWS"), QStringLiteral("0"));
        QCOMPARE(ReadIni(path, "barre xp", "grp-1"), QStringLiteral("Vrai"));
        WriteIni(path, "MENU", "Windows", "2");
        WriteIni(path, "menu", "Width", "9000");
        WriteIni(path, "OUTILS", "Onglet", "3");
        WriteIni(path, "BARRE XP", "GRP-2", "Faux");
        QCOMPARE(test::readBytes(path), QByteArray("; réglages\r\n[Menu]\r\nwindows=2\r\nHeight=6000\r\nWidth=9000\r\n\r\n"
                                                   "[BARRE XP]\r\nGRP-1=Vrai\r\nGRP-2=Faux\r\n[OUTILS]\r\nOnglet=3\r\n"));
    }

    void valuesAreTrimmedUnquotedAndCut()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.ini");
        const QString longValue(300, QLatin1Char('x'));
        WriteIni(path, "S", "Long", longValue);
        QCOMPARE(ReadIni(path, "S", "Long"), longValue.left(254));
        test::writeBytes(path, "[S]\r\n  Key  =  \"quoted value\"  \r\nE=\r\n");
        QCOMPARE(ReadIni(path, "S", "key"), QStringLiteral("quoted value"));
        QCOMPARE(ReadIni(path, "S", "E"), QString());
        WriteIni(path, "S", "Accent", "Créer");
        QVERIFY(test::readBytes(path).contains("Accent=Cr\xE9""er\r\n"));
        QCOMPARE(ReadIni(path, "S", "Accent"), QStringLiteral("Créer"));
    }

    void oneDocumentReadsAndWritesLikeTheOneKeyFunctions()
    {
        const QByteArray text = "top=ignored\r\n[S]\r\na=1\r\n;b=comment\r\n[s]\r\nA=2\r\nb=3\r\n[T]\r\nc = \"x\" \r\n";
        IniDocument doc = IniDocument::fromBytes(text);
        // The first occurrence of a key in any occurrence of its section wins.
        QCOMPARE(doc.value("s", "A"), QStringLiteral("1"));
        QCOMPARE(doc.value("S", "b"), QStringLiteral("3"));
        QCOMPARE(doc.value("T", "C"), QStringLiteral("x"));
        QCOMPARE(doc.value("", "top"), QString());
        QCOMPARE(doc.bytes(), text);

        QTemporaryDir dir;
        const QString path = dir.filePath("a.ini");
        test::writeBytes(path, text);
        doc.setValue("S", "b", "4");   // not in the first [S]: added to it
        doc.setValue("s", "A", "5");
        doc.setValue("U", "d", "6");
        QCOMPARE(doc.value("S", "b"), QStringLiteral("4"));
        WriteIni(path, "S", "b", "4");
        WriteIni(path, "s", "A", "5");
        WriteIni(path, "U", "d", "6");
        QCOMPARE(test::readBytes(path), doc.bytes());
        QCOMPARE(doc.bytes(), QByteArray("top=ignored\r\n[S]\r\na=5\r\n;b=comment\r\nb=4\r\n[s]\r\nA=2\r\nb=3\r\n"
                                         "[T]\r\nc = \"x\" \r\n[U]\r\nd=6\r\n"));
        QVERIFY(doc.save(dir.filePath("b.ini")));
        QCOMPARE(ReadIni(dir.filePath("b.ini"), "u", "D"), QStringLiteral("6"));
    }

    void anythingButARegularFileReadsAsMissing()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("Plakatorium.ini");
        test::makeFifo(fifo);
        QString value = QStringLiteral("unread");
        QVERIFY(test::finishesWithin([&] { value = ReadIni(fifo, "MENU", "Windows"); }, fifo));
        QCOMPARE(value, QString());
        QCOMPARE(ReadIni(dir.path(), "MENU", "Windows"), QString());
    }

    void failedWriteReportsZero()
    {
        QTemporaryDir dir;
        QCOMPARE(WriteIni(dir.filePath("none/a.ini"), "S", "K", "V"), QStringLiteral("0"));
    }

    // Reading never waits for ever, and the system's reasons are told in French.
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

    void localeWords()
    {
        QCOMPARE(test::french().decimalSeparator(), QChar(','));
        QCOMPARE(test::french().trueWord(), QStringLiteral("Vrai"));
        QCOMPARE(test::french().falseWord(), QStringLiteral("Faux"));
        QCOMPARE(test::english().decimalSeparator(), QChar('.'));
        QCOMPARE(test::english().trueWord(), QStringLiteral("True"));
        QCOMPARE(RegionalFormat::forLocale("de_DE.UTF-8").trueWord(), QStringLiteral("Wahr"));
        QCOMPARE(RegionalFormat::forLocale("de_DE.UTF-8").decimalSeparator(), QChar(','));
        QCOMPARE(RegionalFormat::forLocale("C").falseWord(), QStringLiteral("False"));
        QCOMPARE(RegionalFormat::forLocale("C.UTF-8").decimalSeparator(), QChar('.'));
    }

    void systemFollowsEnvironmentOrder()
    {
        const QByteArray all = qgetenv("LC_ALL"), numeric = qgetenv("LC_NUMERIC"), lang = qgetenv("LANG");
        qunsetenv("LC_ALL");
        qputenv("LC_NUMERIC", "fr_FR.UTF-8");
        qputenv("LANG", "en_GB.UTF-8");
        QCOMPARE(RegionalFormat::system().decimalSeparator(), QChar(','));
        qputenv("LC_ALL", "en_US.UTF-8");
        QCOMPARE(RegionalFormat::system().decimalSeparator(), QChar('.'));
        qputenv("LC_ALL", all);
        qputenv("LC_NUMERIC", numeric);
        qputenv("LANG", lang);
    }

    void realsAreShortest()
    {
        const RegionalFormat fr = test::french();
        QCOMPARE(fr.formatReal(85.5), QStringLiteral("85,5"));
        QCOMPARE(fr.formatReal(50), QStringLiteral("50"));
        QCOMPARE(fr.formatReal(-2.25), QStringLiteral("-2,25"));
        QCOMPARE(test::english().formatReal(0.1 + 0.2), QStringLiteral("0.3"));
        QCOMPARE(fr.formatReal(10.5f, 7), QStringLiteral("10,5"));
        QCOMPARE(fr.formatReal(double(85.45f), 7), QStringLiteral("85,45"));
        QCOMPARE(fr.formatReal(1234567.0), QStringLiteral("1234567"));
        // Never an exponent, and a tiny value keeps its digits instead of becoming 0.
        QCOMPARE(fr.formatReal(1.25e-5), QStringLiteral("0,0000125"));
        QCOMPARE(fr.formatReal(1e-20), QStringLiteral("0,00000000000000000001"));
        QCOMPARE(fr.parseReal(fr.formatReal(1e-300)), std::optional<double>(1e-300));
        QCOMPARE(fr.formatReal(1e16), QStringLiteral("10000000000000000"));
    }

    void readingAcceptsBothSeparatorsAndAllWords()
    {
        const RegionalFormat en = test::english();
        QCOMPARE(*en.parseReal("12,5"), 12.5);
        QCOMPARE(*en.parseReal(" 12.5 "), 12.5);
        QCOMPARE(*test::french().parseReal("12.5"), 12.5);
        QVERIFY(!en.parseReal("1.234,5"));
        QVERIFY(!en.parseReal(""));
        QVERIFY(!en.parseReal("abc"));
        QCOMPARE(*en.parseBool("Vrai"), true);
        QCOMPARE(*en.parseBool("faux"), false);
        QCOMPARE(*test::french().parseBool("True"), true);
        QCOMPARE(*en.parseBool("-1"), true);
        QCOMPARE(*en.parseBool("0"), false);
        QCOMPARE(*en.parseBool("Onwaar"), false);
        QVERIFY(!en.parseBool("peut-être"));
    }

    void roundingHalvesToEven()
    {
        QCOMPARE(roundHalfEven(12.5), 12.0);
        QCOMPARE(roundHalfEven(13.5), 14.0);
        QCOMPARE(roundHalfEven(-2.5), -2.0);
        QCOMPARE(roundHalfEven(0.5), 0.0);
        QCOMPARE(roundHalfEven(85.01), 85.0);
        const RegionalFormat fr = test::french();
        const ValueReader values(fr);
        QCOMPARE(values.integer<std::int16_t>("10,5"), std::int16_t(10));
        QCOMPARE(values.colour("-2147483643"), OleColor(0x80000005u));
        QVERIFY_THROWS_EXCEPTION(FormatError, values.integer<std::int16_t>("40000"));
        QVERIFY_THROWS_EXCEPTION(FormatError, values.boolean("x"));
    }

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

PLK_TEST_CLASS(TestBase)
#include "tst_Base.moc"
