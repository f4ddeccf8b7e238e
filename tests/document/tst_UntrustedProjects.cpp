#include "base/core/Cp1252.h"
#include "base/core/ValueReader.h"
#include "document/core/LegacyImport.h"
#include "document/core/ProjectFile.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

namespace {

const QByteArray kHead = "ONGLET|A\r\nPROJET|A|50|50|255|0|Faux|Faux|Faux\r\n";

ReadResult read(const QByteArray& data, Project& p) { return readProjectData(data, p, test::french()); }

QByteArray legacyWith(const QByteArray& format, const QByteArray& label)
{
    return "[FORMAT]\r\n" + format + "[LABEL]\r\nNombre=1\r\n[LABEL 1]\r\n" + label +
           "Caption=Un\r\nFont=Tahoma\r\nFontSize=8\r\nFontBold=0\r\nFontItalic=0\r\nFontUnderline=0\r\n"
           "FontStrikethru=0\r\nForeColor=0\r\n[LOGO]\r\nNombre=0\r\n[FOND]\r\nNumero=0\r\n";
}

const QString kForeign = QStringLiteral("Łódź ✆ €");

}  // namespace

class TestUntrustedProjects : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void tabSizesOutsideTheirBoundsStopTheReading()
    {
        for (const char* size : {"0", "-5", "1000,5", "3000", "1e300"}) {
            Project p;
            const ReadResult r = read("ONGLET|A\r\nPROJET|A|50|" + QByteArray(size) + "|255|0|Faux|Faux|Faux\r\nONGLET|B\r\n", p);
            QVERIFY2(r.status == ReadResult::Status::StoppedAtRecord && r.line == 2, size);
            QVERIFY2(r.reason.startsWith(QStringLiteral("dimension d'onglet hors limites")), qPrintable(r.reason));
            QCOMPARE(p.tabCount(), 1);
            QCOMPARE(p.tab(1).prjHeight(), 50.0);  // the tab keeps the size it had
        }
        Project p;
        QVERIFY(read("PROJET|A|1000|0,1|255|0|Faux|Faux|Faux\r\n", p).ok());
        QCOMPARE(p.tab(1).prjWidth(), 1000.0);
    }

    void positionsAndSizesBeyond32767mmStopTheReading()
    {
        const QByteArray label = "|Tahoma|8|Faux|Faux|Faux|Faux|0\r\n";
        const QList<QByteArray> refused = {"LABEL|x|1e30|10" + label, "LABEL|x|10|-32768" + label,
                                           "LOGO||32768|10|5|5\r\n", "LOGO||10|10|1e30|5\r\n",
                                           "LOGO||10|10|5|-40000\r\n"};
        for (const QByteArray& record : refused) {
            Project p;
            const ReadResult r = read(kHead + record, p);
            QVERIFY2(r.status == ReadResult::Status::StoppedAtRecord && r.line == 3, record.constData());
            QVERIFY2(r.reason.startsWith(QStringLiteral("longueur hors limites")), qPrintable(r.reason));
            QCOMPARE(p.tab(1).IDlabel() + p.tab(1).IDlogo(), 0);  // nothing was created
        }
        Project p;
        QVERIFY(read(kHead + "LABEL|x|32767|-32767" + label + "LOGO||1|1|32767|-32767\r\n", p).ok());
        QCOMPARE(p.tab(1).RecupererObjet(3, test::french()), QStringLiteral("LOGO||1|1|32767|-32767"));
    }

    void theWriterWritesNothingItsReaderRefuses()
    {
        Project p;
        Etiquette& t = p.tab(1);
        t.NewProjet("A", 50, 50, 255, 0, false, false, false);
        t.NewLabel(1e30, -1e30);
        t.NewLogo(std::numeric_limits<double>::quiet_NaN(), 7);
        t.SizeLogo(1, 1e30, 40000);
        QVERIFY(t.RecupererObjet(2, test::french()).startsWith(QStringLiteral("LABEL|ZONE DE TEXTE|32767|-32767|")));
        QCOMPARE(t.RecupererObjet(3, test::french()), QStringLiteral("LOGO||0|7|32767|32767"));
        Project back;
        QVERIFY(read(projectFileText(p, test::french()).toLatin1(), back).ok());
    }

    void aPasteBeyondTheBoundsAddsNothing()
    {
        Project p;
        Etiquette& t = p.tab(1);
        clipboard = QStringLiteral("LABEL|x|32765|10|Tahoma|8|Faux|Faux|Faux|Faux|0");
        QVERIFY_THROWS_EXCEPTION(FormatError, t.Coller(clipboard, test::french()));
        QCOMPARE(t.IDlabel(), std::int16_t(0));
        clipboard.clear();
    }

    void legacyLengthsHaveTheSameBounds()
    {
        Project wide;
        const ReadResult r = importLegacyData(legacyWith("Longueur=170100\r\nHauteur=2835\r\n", "Top=567\r\nLeft=567\r\n"),
                                              "Ancien.prj", wide, test::french());
        QCOMPARE(r.status, ReadResult::Status::StoppedAtRecord);
        QVERIFY(r.reason.startsWith(QStringLiteral("dimension d'onglet hors limites")));

        Project far;
        QVERIFY(!importLegacyData(legacyWith("Longueur=2835\r\nHauteur=2835\r\n", "Top=1e9\r\nLeft=567\r\n"),
                                  "Ancien.prj", far, test::french())
                     .ok());
        Project fine;
        QVERIFY(importLegacyData(legacyWith("Longueur=56700\r\nHauteur=2835\r\n", "Top=567\r\nLeft=567\r\n"),
                                 "Ancien.prj", fine, test::french())
                    .ok());
        QCOMPARE(fine.tab(1).prjWidth(), 1000.0);
        QCOMPARE(fine.tabCaption(1), QStringLiteral("Ancien"));
    }

    void readingPaintsNothingAndShowingPaintsOnce()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath("fond.png");
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(picture));
        // Every kind of background, chosen again and again as a damaged file might.
        QByteArray file;
        const QList<QByteArray> backgrounds = {"FOND|3|2|255|65280|16711680", "FOND|2|" + picture.toUtf8(), "FOND|1|255"};
        for (const QByteArray& fond : backgrounds) {
            file += "ONGLET|T\r\nPROJET|T|1000|1000|255|0|Faux|Faux|Vrai|Vrai|Vrai\r\n";
            for (int i = 0; i < 200; ++i)
                file += fond + "\r\n";
            file += "PRINT|0|0|0|0|1|0|0|0|0|1|1\r\n";
        }
        Project p;
        QVERIFY(read(file, p).ok());
        Project legacy;
        QVERIFY(importLegacyData(legacyWith("Longueur=56700\r\nHauteur=56700\r\n", "Top=567\r\nLeft=567\r\n"),
                                 "Ancien.prj", legacy, test::french())
                    .ok());
        QVERIFY(!legacy.tab(1).holdsCanvas());
        QCOMPARE(p.tabCount(), 3);
        for (int i = 1; i <= 3; ++i)
            QVERIFY(!p.tab(i).holdsCanvas());
        QCOMPARE(p.tab(2).TypeFond(), std::int16_t(2));

        // A snapshot paints itself and leaves no canvas behind; showing paints once.
        Etiquette& shown = p.tab(2);
        shown.setPrjWidth(40);
        shown.setPrjHeight(20);
        QCOMPARE(shown.Picture(true).pixelColor(75, 37), QColor(Qt::blue));
        QVERIFY(!shown.holdsCanvas());
        const qint64 painted = shown.canvasImage().cacheKey();
        QCOMPARE(shown.canvasImage().pixelColor(75, 37), QColor(Qt::blue));
        QCOMPARE(shown.canvasImage().cacheKey(), painted);
        QVERIFY(!p.tab(1).holdsCanvas() && !p.tab(3).holdsCanvas());
    }

    void charactersBeyondWindows1252SurviveSavingAndReopening()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath(kForeign + QStringLiteral(".png"));
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(picture));

        Project p(kForeign);
        Etiquette& t = p.tab(1);
        t.NewProjet(kForeign, 60, 40, 255, 0, false, false, true);
        t.NewLabel(10, 10);
        t.Caption(1, kForeign);
        t.NewLogo(20, 20);
        t.Image(1, picture);
        const QString path = dir.filePath("projet.plk");
        QCOMPARE(writeProjectFile(path, p, test::french()), QString());

        const QByteArray bytes = test::readBytes(path);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF\r\nONGLET|" + kForeign.toUtf8() + "\r\n"));
        Project back;
        QVERIFY(readProjectFile(path, back, test::french()).ok());
        QCOMPARE(back.tabCaption(1), kForeign);
        QCOMPARE(back.tab(1).NameProjet(), kForeign);
        QCOMPARE(back.tab(1).label(1).Caption, kForeign);
        QCOMPARE(back.tab(1).logo(1).Tag, picture);
        QCOMPARE(back.tab(1).logo(1).picture.size(), QSize(8, 8));

        // A reader that knows only Windows-1252 skips the mark's line as a record it
        // does not know, and every other line is a whole record.
        const QStringList lines = fromCp1252(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), QStringLiteral("ï»¿"));
        const QStringList keywords = {"ONGLET", "PROJET", "LABEL", "LOGO", "FOND", "PRINT"};
        for (const QString& line : lines.mid(1))
            QVERIFY2(keywords.contains(line.section(QLatin1Char('|'), 0, 0)), qPrintable(line));
    }

    void aProjectWithinWindows1252IsWrittenAsBefore()
    {
        Project p;
        QVERIFY(read(test::kExampleProject, p).ok());
        p.tab(1).Caption(1, QStringLiteral("Prix : 5 € — « Été »"));
        const QByteArray bytes = encodeProjectText(projectFileText(p, test::french()));
        QVERIFY(bytes.contains("LABEL|Prix : 5 \x80 \x97 \xAB \xC9t\xE9 \xBB|"));
        QVERIFY(bytes.startsWith("ONGLET|Carte\r\n"));
        QCOMPARE(decodeProjectText(bytes), projectFileText(p, test::french()));
    }

    void theObjectClipboardKeepsEveryCharacter()
    {
        Project p;
        Etiquette& t = p.tab(1);
        t.NewLabel(10, 10);
        t.Caption(1, kForeign);
        t.objectClick(Etiquette::ObjectKind::Label, 1);
        t.Copier(1, clipboard, test::french());
        t.Coller(clipboard, test::french());
        QCOMPARE(t.label(2).Caption, kForeign);
        clipboard.clear();
    }

private:
    QString clipboard;  // the object clipboard the program would share
};

PLK_TEST_CLASS(TestUntrustedProjects)
#include "tst_UntrustedProjects.moc"
