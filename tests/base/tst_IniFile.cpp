#include "base/core/IniFile.h"
#include "support/HostileFiles.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

class TestIniFile : public QObject {
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
};

PLK_TEST_CLASS(TestIniFile)
#include "tst_IniFile.moc"
