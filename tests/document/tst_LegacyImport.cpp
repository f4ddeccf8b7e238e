#include "document/core/LegacyImport.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

namespace {

QString writeLegacy(const QTemporaryDir& dir, const QByteArray& body)
{
    const QString path = dir.filePath("Ancien.prj");
    test::writeBytes(path, body);
    return path;
}

}  // namespace

class TestLegacyImport : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void convertsTwipsAndObjects()
    {
        QTemporaryDir dir;
        const QString path = writeLegacy(dir,
                                         "[FORMAT]\r\nLongueur=4820\r\nHauteur=4819\r\n"
                                         "[LABEL]\r\nNombre=2\r\n"
                                         "[LABEL 1]\r\nTop=1134\r\nLeft=567\r\nCaption=Bonjour\r\nFont=Tahoma\r\n"
                                         "FontSize=12\r\nFontBold=Vrai\r\nFontItalic=Faux\r\nFontUnderline=Faux\r\n"
                                         "FontStrikethru=Faux\r\nForeColor=255\r\n"
                                         "[LABEL 2]\r\nTop=0\r\nLeft=1700\r\nCaption=Deux\r\nFont=Tahoma\r\nFontSize=8\r\n"
                                         "FontBold=0\r\nFontItalic=0\r\nFontUnderline=0\r\nFontStrikethru=0\r\nForeColor=0\r\n"
                                         "[LOGO]\r\nNombre=1\r\n[LOGO 1]\r\nTop=567\r\nLeft=567\r\nTag=\r\n"
                                         "[FOND]\r\nNumero=1\r\nOption=3\r\nColor1=255\r\nColor2=65280\r\nColor3=16711680\r\n");
        Project p;
        QVERIFY(importLegacyProject(path, "Ancien.prj", p, test::french()).ok());
        const Etiquette& t = p.tab(1);
        QCOMPARE(t.prjWidth(), 85.0);   // 4820 / 56.7 = 85.01
        QCOMPARE(t.prjHeight(), 85.0);  // 4819 / 56.7 = 84.99
        QCOMPARE(t.NameProjet(), QStringLiteral("Ancien"));
        QCOMPARE(p.tabCaption(1), QStringLiteral("Ancien"));
        QCOMPARE(p.filePath, path);
        QCOMPARE(t.Bordure(), true);
        QCOMPARE(t.BorderColor(), kColorWindowFrame);
        QCOMPARE(t.IDlabel(), std::int16_t(2));
        QCOMPARE(t.label(1).Top, 20.0f);
        QCOMPARE(t.label(1).Left, 10.0f);
        QCOMPARE(t.label(1).Caption, QStringLiteral("Bonjour"));
        QCOMPARE(t.label(1).FontBold, true);
        QCOMPARE(t.label(1).ForeColor, OleColor(255));
        QCOMPARE(t.label(2).Top, 5.0f);  // a 0 coordinate means "no position"
        QCOMPARE(t.label(2).Left, 5.0f);
        QCOMPARE(t.IDlogo(), std::int16_t(1));
        QCOMPARE(t.logo(1).Tag, QString());
        QCOMPARE(t.TypeFond(), std::int16_t(3));  // old kind 1 is a gradient
        QCOMPARE(t.gradAngle(), std::int16_t(3));
        QCOMPARE(t.gradColor2(), OleColor(65280));
    }

    void emptyDesignKeepsPlainBackground()
    {
        QTemporaryDir dir;
        const QString path = writeLegacy(dir, "[FORMAT]\r\nLongueur=2835\r\nHauteur=2835\r\n[LABEL]\r\nNombre=0\r\n"
                                              "[LOGO]\r\nNombre=0\r\n[FOND]\r\nNumero=9\r\n");
        Project p;
        QVERIFY(importLegacyProject(path, "Ancien.prj", p, test::french()).ok());
        QCOMPARE(p.tab(1).IDlabel(), std::int16_t(0));
        QCOMPARE(p.tab(1).TypeFond(), std::int16_t(1));
        QCOMPARE(p.tab(1).BackColor(), kColorWindowBackground);
    }

    void missingLengthFails()
    {
        QTemporaryDir dir;
        const QString path = writeLegacy(dir, "[FORMAT]\r\nHauteur=2835\r\n");
        Project p;
        const ReadResult r = importLegacyProject(path, "Ancien.prj", p, test::french());
        QVERIFY(!r.ok());
        QVERIFY(p.filePath.isEmpty());
        QCOMPARE(importLegacyProject(dir.filePath("absent.prj"), "absent.prj", p).status,
                 ReadResult::Status::CannotOpen);
    }
};

PLK_TEST_CLASS(TestLegacyImport)
#include "tst_LegacyImport.moc"
