#include "document/core/ProjectFile.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

namespace {

QByteArray written(Project& p, const RegionalFormat& f) { return projectFileText(p, f).toLatin1(); }

// A disk that takes half of the bytes, then refuses the rest.
class DiskFullHalfway final : public FileWriter {
protected:
    QString put(QIODevice& file, const QByteArray& bytes) const override
    {
        file.write(bytes.left(bytes.size() / 2));
        return QStringLiteral("Disque plein");
    }
};

}  // namespace

class TestProjectFile : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void exampleRoundTripsByteForByte()
    {
        Project p;
        QVERIFY(readProjectData(test::kExampleProject, p, test::french()).ok());
        QCOMPARE(p.tabCaption(1), QStringLiteral("Carte"));
        QCOMPARE(p.tab(1).prjWidth(), 85.5);
        QCOMPARE(p.tab(1).IDlabel(), std::int16_t(1));
        QCOMPARE(written(p, test::french()), test::kExampleProject);

        QByteArray english = test::kExampleProject;
        english.replace("85,5", "85.5").replace("Faux", "False").replace("Vrai", "True");
        QCOMPARE(written(p, test::english()), english);

        // A French file reads the same on an English desktop.
        Project q;
        QVERIFY(readProjectData(test::kExampleProject, q, test::english()).ok());
        QCOMPARE(q.tab(1).prjWidth(), 85.5);
        QCOMPARE(q.tab(1).Bordure(), true);
        QCOMPARE(written(q, test::french()), test::kExampleProject);
    }

    void emptyTabIsFourRecordsAndCountsBecomeOne()
    {
        Project p(QStringLiteral("Vide"));
        Etiquette& t = p.tab(1);
        t.NewProjet("Vide", 50, 50, kColorWindowBackground, kColorWindowFrame, false, false, false);
        t.pctDefaut();
        QCOMPARE(written(p, test::french()), QByteArray("ONGLET|Vide\r\n"
                                                        "PROJET|Vide|50|50|-2147483643|-2147483642|Faux|Faux|Faux|Faux|Faux\r\n"
                                                        "FOND|0\r\n"
                                                        "PRINT|0|0|0|0|1|0|0|0|0|1|1\r\n"));
        QCOMPARE(t.print().ImpNbrP, std::int16_t(1));
        QCOMPARE(t.print().ImpNbrH, std::int16_t(1));
        QCOMPARE(t.print().ImpNbrV, std::int16_t(1));
    }

    void positionsRoundHalfToEvenAndFontSizeIsReal()
    {
        Project p;
        Etiquette& t = p.tab(1);
        t.NewProjet("R", 60, 40, 255, 0, false, false, true);
        t.NewLabel(12.5, 13.5);
        t.NewLogo(12.5, 13.5);
        t.SizeLogo(1, 20.5, 21.5);
        const QString labels = t.RecupererObjet(2, test::french());
        QVERIFY2(labels.startsWith("LABEL|ZONE DE TEXTE|12|14|Tahoma|8|"), qPrintable(labels));
        QCOMPARE(t.RecupererObjet(3, test::french()), QStringLiteral("LOGO||12|14|20|22"));

        const QByteArray file = "ONGLET|A\r\nPROJET|A|50|50|255|0|Faux|Faux|Faux\r\n"
                                "LABEL|Texte|10|10|Tahoma|10,5|Vrai|Faux|Faux|Faux|255\r\n";
        Project q;
        QVERIFY(readProjectData(file, q, test::french()).ok());
        QCOMPARE(q.tab(1).label(1).FontSize, 10.0f);
        QCOMPARE(q.tab(1).label(1).FontBold, true);
        q.tab(1).FontStyle(1, "Tahoma", 10, false, false, false, false);
        QCOMPARE(q.tab(1).CD_Disque(), false);  // nine-field PROJET
    }

    void slotsAreDenseAfterDeletionAndReload()
    {
        Project p;
        Etiquette& t = p.tab(1);
        t.NewProjet("S", 50, 50, 0, 0, false, false, false);
        for (int i = 0; i < 3; ++i)
            t.NewLabel(10 + i, 10);
        t.objectClick(Etiquette::ObjectKind::Label, 2);
        t.DelLabel();
        t.NewLabel(20, 20);
        QCOMPARE(t.IDlabel(), std::int16_t(4));
        QVERIFY(!t.label(2).Visible);
        QCOMPARE(t.labelCount(), 4);

        Project q;
        QVERIFY(readProjectData(written(p, test::french()), q, test::french()).ok());
        QCOMPARE(q.tab(1).IDlabel(), std::int16_t(3));
        QCOMPARE(q.tab(1).label(1).Top, 10.0f);
        QCOMPARE(q.tab(1).label(2).Top, 12.0f);
        QCOMPARE(q.tab(1).label(3).Top, 20.0f);
    }

    void zeroPositionsAndEmptyCaptionsReadAsDefaults()
    {
        const QByteArray file = "ONGLET|A\r\nPROJET|A|50|50|255|0|Faux|Faux|Faux|Faux|Faux\r\n"
                                "LABEL|Un|20|20|Tahoma|8|Faux|Faux|Faux|Faux|0\r\n"
                                "LABEL||0|30|Tahoma|8|Faux|Faux|Faux|Faux|0\r\n"
                                "LOGO|/nowhere/missing.png|12|0|10|10\r\n"
                                "LOGO||7|8|11|12\r\n";
        Project p;
        QVERIFY(readProjectData(file, p, test::french()).ok());
        const Etiquette& t = p.tab(1);
        QCOMPARE(t.label(2).Top, 5.0f);
        QCOMPARE(t.label(2).Left, 5.0f);
        QCOMPARE(t.label(2).Caption, QStringLiteral("ZONE DE TEXTE"));
        QCOMPARE(t.logo(1).Tag, QString());  // missing picture: placeholder, no path
        QCOMPARE(t.logo(2).Left, 8.0f);
        QCOMPARE(t.logo(2).Width, 11.0f);     // stored size wins whatever is selected
        QCOMPARE(t.logo(2).Height, 12.0f);
    }

    void backgroundKinds_data()
    {
        QTest::addColumn<QByteArray>("fond");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("writtenBack");
        QTest::newRow("default") << QByteArray("FOND|0") << 0 << QByteArray("FOND|0");
        QTest::newRow("plain") << QByteArray("FOND|1|255") << 1 << QByteArray("FOND|1|255");
        QTest::newRow("missing picture") << QByteArray("FOND|2|/nowhere/x.png") << 0 << QByteArray("FOND|0");
        QTest::newRow("gradient") << QByteArray("FOND|3|4|255|65280|16711680") << 3
                                  << QByteArray("FOND|3|4|255|65280|16711680");
        QTest::newRow("unknown kind") << QByteArray("FOND|7") << 1 << QByteArray("FOND|1|255");
    }

    void backgroundKinds()
    {
        QFETCH(QByteArray, fond);
        QFETCH(int, kind);
        QFETCH(QByteArray, writtenBack);
        Project p;
        const QByteArray file = "PROJET|A|50|50|255|0|Faux|Faux|Faux\r\n" + fond + "\r\n";
        QVERIFY(readProjectData(file, p, test::french()).ok());
        QCOMPARE(int(p.tab(1).TypeFond()), kind);
        QCOMPARE(p.tab(1).RecupererObjet(4, test::french()).toLatin1(), writtenBack);
    }

    void fondBeforeProjetIsUndone()
    {
        Project p;
        QVERIFY(readProjectData("FOND|3|1|255|0|65280\r\nPROJET|A|50|50|255|0|Faux|Faux|Faux\r\n", p,
                                test::french()).ok());
        QCOMPARE(p.tab(1).TypeFond(), std::int16_t(1));
    }

    void tabsFollowOngletRecords()
    {
        Project p(QStringLiteral("Sans titre"));
        QVERIFY(readProjectData("ONGLET|Recto\r\nPROJET|R|50|50|0|0|Faux|Faux|Faux\r\nIGNORE|x\r\n"
                                "ONGLET|Verso\nPROJET|V|40|30|0|0|Faux|Faux|Faux\r\n"
                                "PRINT|1|2|3|4|5|6|7|8|9|10|11\r\n",
                                p, test::french()).ok());
        QCOMPARE(p.tabCount(), 2);
        QCOMPARE(p.tabCaption(2), QStringLiteral("Verso"));
        QCOMPARE(p.tab(2).prjHeight(), 30.0);
        QCOMPARE(p.tab(2).print().ImpPosX, std::int16_t(6));
        QCOMPARE(p.tab(2).print().ImpNbrV, std::int16_t(11));
        QCOMPARE(p.tab(1).print().ImpNbrV, std::int16_t(0));

        Project q(QStringLiteral("Sans titre"));
        QVERIFY(readProjectData("PROJET|R|50|50|0|0|Faux|Faux|Faux\r\n", q, test::french()).ok());
        QCOMPARE(q.tabCaption(1), QStringLiteral("Sans titre"));
    }

    void eachTabReadIsAnnouncedAndPaintedOnce()
    {
        Project p;
        QMap<int, QList<Etiquette::Changes>> heard;
        const auto listen = [&p, &heard](int i) {
            QObject::connect(&p.tab(i), &Etiquette::changed, &p,
                             [&heard, i](Etiquette::Changes what) { heard[i] << what; });
        };
        listen(1);
        QObject::connect(&p, &Project::tabAdded, &p, listen);
        // Tab 1 has no FOND record: its border and CD cover guides come from PROJET alone.
        QVERIFY(readProjectData("ONGLET|Recto\r\nPROJET|R|50|50|16777215|255|Faux|Faux|Vrai|Faux|Vrai\r\n"
                                "LABEL|Un|10|10|Tahoma|8|Faux|Faux|Faux|Faux|0\r\nLOGO||7|8|11|12\r\n"
                                "PRINT|1|2|3|4|5|6|7|8|9|10|11\r\n"
                                "ONGLET|Verso\r\nPROJET|V|40|30|0|0|Faux|Faux|Faux\r\nFOND|1|65280\r\n",
                                p, test::french()).ok());
        using C = Etiquette::Change;
        const Etiquette::Changes everything =
            C::Geometry | C::Background | C::Objects | C::Selection | C::Print | C::Settings;
        QCOMPARE(heard.value(1), QList<Etiquette::Changes>({everything}));
        QCOMPARE(heard.value(2).size(), 1);
        const QImage& recto = p.tab(1).canvasImage();
        QCOMPARE(recto.pixelColor(0, 20), QColor(Qt::red));
        const int guide = int(7 * 56.7 / 15);
        QVERIFY(recto.pixelColor(guide, 20) == QColor(0x80, 0x80, 0x80) ||
                recto.pixelColor(guide + 1, 20) == QColor(0x80, 0x80, 0x80));
        QCOMPARE(recto.pixelColor(50, 20), QColor(Qt::white));
        QCOMPARE(p.tab(2).canvasImage().pixelColor(20, 20), QColor(Qt::green));
    }

    void badRecordStopsAtItsLineKeepingWhatWasRead()
    {
        Project p;
        const ReadResult r = readProjectData("ONGLET|A\r\nPROJET|A|50|50|0|0|Faux|Faux|Faux\r\n\r\n"
                                             "LABEL|Un|10|10|Tahoma|8|Faux|Faux|Faux|Faux|0\r\n"
                                             "PROJET|A|50|50|0|0|Faux|Faux|Faux|Vrai\r\n"
                                             "ONGLET|B\r\n",
                                             p, test::french());
        QCOMPARE(r.status, ReadResult::Status::StoppedAtRecord);
        QCOMPARE(r.line, 5);
        QCOMPARE(p.tabCount(), 1);

        Project q;
        const ReadResult bad = readProjectData("LABEL|Un|dix|10|Tahoma|8|Faux|Faux|Faux|Faux|0\r\n", q, test::french());
        QCOMPARE(bad.line, 1);
        QCOMPARE(q.tab(1).IDlabel(), std::int16_t(0));
        QCOMPARE(readProjectData("PRINT|1|2|3\r\n", q, test::french()).line, 1);
        QCOMPARE(readProjectData("PRINT|1|2|3|4|99999|6|7|8|9|10|11\r\n", q, test::french()).line, 1);
    }

    void sheetGridFollowsItsTabsPrintRecord()
    {
        // Two tabs; only the first was made for a known sheet.
        const QByteArray file = "ONGLET|Adresse\r\n"
                                "PROJET|Adresse|63,5|38,1|16777215|8421504|Faux|Faux|Faux|Faux|Faux\r\n"
                                "FOND|1|16777215\r\n"
                                "PRINT|0|0|0|3|1|7|15|3|0|3|7\r\n"
                                "PLANCHE|7,21|15,15|66,04|38,1\r\n"
                                "POSITIONS|1|3|2\r\nPOSITIONS|5|5|1\r\nVERSO|2|1\r\n"
                                "ONGLET|Libre\r\n"
                                "PROJET|Libre|50|50|16777215|8421504|Faux|Faux|Faux|Faux|Faux\r\n"
                                "FOND|1|16777215\r\n"
                                "PRINT|0|0|0|0|1|0|0|0|0|1|1\r\n";
        Project p;
        QVERIFY(readProjectData(file, p, test::french()).ok());
        QVERIFY(p.tab(1).print().sheetGrid.has_value());
        QCOMPARE(p.tab(1).print().sheetGrid->left, 7.21);
        QCOMPARE(p.tab(1).print().sheetGrid->top, 15.15);
        QCOMPARE(p.tab(1).print().sheetGrid->pitchAcross, 66.04);
        QCOMPARE(p.tab(1).print().sheetGrid->pitchDown, 38.1);
        QVERIFY(!p.tab(2).print().sheetGrid.has_value());
        QCOMPARE(p.tab(1).print().designs, (std::vector<DesignRange>{{1, 3, 2}, {5, 5, 1}}));
        QCOMPARE(p.tab(1).print().back, (BackSide{2, SheetFlip::ShortEdge}));
        QVERIFY(p.tab(2).print().designs.empty() && !p.tab(2).print().back);
        QCOMPARE(written(p, test::french()), file);
        QByteArray english = file;
        english.replace(',', '.').replace("Faux", "False");
        QCOMPARE(written(p, test::english()), english);
    }

    void badSheetGridStopsAtItsLine()
    {
        const QByteArray head = "ONGLET|A\r\nPROJET|A|50|50|0|0|Faux|Faux|Faux\r\n";
        for (const QByteArray& bad : {QByteArray("PLANCHE|1|2|3\r\n"), QByteArray("PLANCHE|1|2|trois|4\r\n"),
                                      QByteArray("PLANCHE|1|2|-3|4\r\n"), QByteArray("PLANCHE|1|2|3|1e9\r\n"),
                                      QByteArray("POSITIONS|0|3|2\r\n"), QByteArray("POSITIONS|3|2|2\r\n"),
                                      QByteArray("POSITIONS|1|401|2\r\n"), QByteArray("POSITIONS|1|2|0\r\n"),
                                      QByteArray("VERSO|1|2\r\n"), QByteArray("VERSO|0|0\r\n"),
                                      QByteArray("VERSO|1\r\n")}) {
            Project p;
            const ReadResult r = readProjectData(head + bad, p, test::french());
            QCOMPARE(r.status, ReadResult::Status::StoppedAtRecord);
            QCOMPARE(r.line, 3);
            QVERIFY(!p.tab(1).print().sheetGrid.has_value());
        }
    }

    void dataFileFollowsPrintAndSheetRecords()
    {
        // The first tab names a data file beside the project (after its PLANCHE); the
        // second one elsewhere, by its absolute path; the third none.
        QTemporaryDir dir;
        const QString elsewhere = QDir::cleanPath(dir.filePath("../autres/liste.csv"));
        const QByteArray file = "ONGLET|Adresse\r\n"
                                "PROJET|Adresse|63,5|38,1|16777215|8421504|Faux|Faux|Faux|Faux|Faux\r\n"
                                "FOND|1|16777215\r\n"
                                "PRINT|0|0|0|3|1|7|15|3|0|3|7\r\n"
                                "PLANCHE|7,21|15,15|66,04|38,1\r\n"
                                "FUSION|données/adresses.csv|5\r\n"
                                "ONGLET|Badge\r\n"
                                "PROJET|Badge|50|50|16777215|8421504|Faux|Faux|Faux|Faux|Faux\r\n"
                                "FOND|1|16777215\r\n"
                                "PRINT|0|0|0|0|1|0|0|0|0|1|1\r\n"
                                "FUSION|" + elsewhere.toLatin1() + "|1\r\n"
                                "ONGLET|Libre\r\n"
                                "PROJET|Libre|50|50|16777215|8421504|Faux|Faux|Faux|Faux|Faux\r\n"
                                "FOND|1|16777215\r\n"
                                "PRINT|0|0|0|0|1|0|0|0|0|1|1\r\n";
        const QByteArray cp1252 = QByteArray(file).replace("données", "donn\xE9""es");
        const QString path = dir.filePath("Adresses.plk");
        test::writeBytes(path, cp1252);
        Project p;
        QVERIFY(readProjectFile(path, p, test::french()).ok());
        const MergeSettings& first = p.tab(1).mergeSettings();
        QCOMPARE(first.dataFile, dir.filePath("données/adresses.csv"));
        QVERIFY(first.relative);
        QCOMPARE(first.firstLabel, std::int16_t(5));
        QCOMPARE(p.tab(2).mergeSettings().dataFile, elsewhere);
        QVERIFY(!p.tab(2).mergeSettings().relative);
        QVERIFY(!p.tab(3).mergeSettings().active());

        // Written back byte for byte; saved in another folder, the relative path is
        // written from there.
        QCOMPARE(writeProjectFile(path, p, test::french()), QString());
        QCOMPARE(test::readBytes(path), cp1252);
        QVERIFY(QDir(dir.path()).mkpath("copie"));
        QCOMPARE(writeProjectFile(dir.filePath("copie/Adresses.plk"), p, test::french()), QString());
        QVERIFY(test::readBytes(dir.filePath("copie/Adresses.plk")).contains("\r\nFUSION|../donn\xE9""es/adresses.csv|5\r\n"));
    }

    void aReaderPassesOverRecordsItDoesNotKnow()
    {
        // What a reader without the data-file feature does with FUSION: the rest of the
        // tab reads as if the record were not there.
        const QByteArray withData = test::kExampleProject + "FUSION|liste.csv|3\r\nLABEL|Après|1|1|Tahoma|8|Faux|Faux|Faux|Faux|0\r\n";
        Project p;
        QVERIFY(readProjectData(QByteArray(withData).replace("FUSION|", "AUTRE|"), p, test::french()).ok());
        QCOMPARE(p.tab(1).labelCount(), 2);
        QVERIFY(!p.tab(1).mergeSettings().active());
        // A first label that is no number stops at its line.
        Project q;
        const ReadResult r = readProjectData(test::kExampleProject + "FUSION|liste.csv|trois\r\n", q, test::french());
        QCOMPARE(r.status, ReadResult::Status::StoppedAtRecord);
        QCOMPARE(r.line, 6);
    }

    void separatorsNeverReachARecord()
    {
        Project p(QStringLiteral("Re|cto"));
        QCOMPARE(p.tabCaption(1), QStringLiteral("Recto"));
        Etiquette& t = p.tab(1);
        t.NewProjet("Ca|r|te", 50, 50, 0, 0, false, false, false);
        QCOMPARE(t.NameProjet(), QStringLiteral("Carte"));
        t.NewLabel();
        t.Caption(1, "a|b");
        QCOMPARE(t.Caption(1), QStringLiteral("ab"));
        // A font name from an old project file, which nothing checked.
        t.FontStyle(1, "Aria|l", 8, false, false, false, false);
        QCOMPARE(t.label(1).FontName, QStringLiteral("Arial"));
        // A picture whose path a record cannot hold is refused, as logo and as background.
        QTemporaryDir dir;
        const QString picture = dir.filePath("lo|go.png");
        QImage pixels(4, 4, QImage::Format_RGB32);
        pixels.fill(Qt::red);
        QVERIFY(pixels.save(picture));
        t.NewLogo();
        t.Image(1, picture);
        QCOMPARE(t.logo(1).Tag, QString());
        QVERIFY_THROWS_EXCEPTION(EtiquetteError, t.pctPicture(picture));
        QCOMPARE(t.Chemin_Image(), QString());

        const QString written = projectFileText(p, test::french());
        Project back;
        QVERIFY2(readProjectData(encodeProjectText(written), back, test::french()).ok(), qPrintable(written));
        QCOMPARE(projectFileText(back, test::french()), written);
    }

    void fontFamilyIsKeptEvenWhenSubstituted()
    {
        Project p;
        QVERIFY(readProjectData("LABEL|T|10|10|Police Introuvable|12|Faux|Faux|Faux|Faux|0\r\n", p, test::french()).ok());
        QVERIFY(p.tab(1).RecupererObjet(2, test::french()).contains("|Police Introuvable|12|"));
    }

    void savingIsAtomicAndWindows1252()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Carte.plk");
        Project p(QStringLiteral("Été"));
        p.tab(1).NewProjet("Été", 50, 50, 0, 0, false, false, false);
        QCOMPARE(writeProjectFile(path, p, test::french()), QString());
        QVERIFY(test::readBytes(path).startsWith("ONGLET|\xC9t\xE9\r\n"));
        Project back;
        QVERIFY(readProjectFile(path, back, test::french()).ok());
        QCOMPARE(back.tabCaption(1), QStringLiteral("Été"));

        // A save that cannot happen leaves the previous file as it was.
        const QByteArray before = test::readBytes(path);
        QVERIFY(!writeProjectFile(dir.filePath("absent/Carte.plk"), p, test::french()).isEmpty());
        p.setTabCaption(1, "Autre");
        QCOMPARE(writeProjectFile(path, p, test::french(), DiskFullHalfway()), QStringLiteral("Disque plein"));
        QCOMPARE(test::readBytes(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Carte.plk"});  // no temporary file left
        QCOMPARE(writeProjectFile(path, p, test::french()), QString());
        QVERIFY(test::readBytes(path).startsWith("ONGLET|Autre\r\n"));
        QCOMPARE(readProjectFile(dir.filePath("nope.plk"), back).status, ReadResult::Status::CannotOpen);
    }
};

PLK_TEST_CLASS(TestProjectFile)
#include "tst_ProjectFile.moc"
