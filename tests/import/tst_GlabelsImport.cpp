// gLabels projects written here in both dialects, compressed or not, become the same
// records of our project file through the batch tool, with what they hold that a tab
// cannot listed; broken and hostile files are refused with the line and the reason.

#include "GlabelsSamples.h"
#include "base/core/Cp1252.h"
#include "catalogue/core/Catalogue.h"
#include "document/core/GlabelsImport.h"
#include "document/core/ProjectFile.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QFontDatabase>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;


class TestGlabelsImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void convertsBothDialects_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<bool>("compressed");
        QTest::addColumn<QString>("unknownCode");
        const QByteArray v3 = test::glabelsSample(3), v4 = test::glabelsSample(4);
        QTest::newRow("gLabels 3, gzip") << v3 << true << "built-in::POSTNET";
        QTest::newRow("gLabels 3, XML") << v3 << false << "built-in::POSTNET";
        QTest::newRow("glabels-qt 4, gzip") << v4 << true << "postnet";
        QTest::newRow("glabels-qt 4, XML") << v4 << false << "postnet";
    }

    void convertsBothDialects()
    {
        QFETCH(QByteArray, document);
        QFETCH(bool, compressed);
        QFETCH(QString, unknownCode);
        QTemporaryDir dir;
        const QString in = dir.filePath("Essai.glabels"), out = dir.filePath("Essai.plk");
        const QByteArray original = compressed ? test::gzipped(document) : document;
        test::writeBytes(in, original);
        const test::BatchRun run = test::batch({"convert", in, out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(fromCp1252(test::readBytes(out)),
                 "ONGLET|Essai\r\n"
                 "PROJET|Essai|63,5|38,1|16777215|-2147483642|Faux|Faux|Faux|Faux|Faux\r\n"
                 "LABEL|Bonjour «Nom» Ligne 2|4|6|Tahoma|12|Vrai|Faux|Faux|Faux|255\r\n"
                 "LABEL|Tourné|38|19|Tahoma|8|Faux|Faux|Faux|Faux|0\r\n"
                 "LOGO|" + dir.filePath("Essai-logo.png") + "|20|40|10|10\r\n"
                 "CODE|EAN13|4006381333931|20|10|30|12|0|Vrai\r\n"
                 "FOND|1|16777215\r\n"
                 "PRINT|0|0|0|0|1|7|15|3|0|3|7\r\n"
                 "PLANCHE|7,2|15,15|66,04|38,1\r\n"
                 "FUSION|adresses.csv|1\r\n"
                 "FORME|0|1,5|0\r\n"
                 // Two lines in a box within gLabels' margins; the turned text turns
                 // about the middle of its box, where gLabels turns it about its corner.
                 "ZONE|1|47,88|10|0|0|1|Faux|1|Bonjour «Nom»\\nLigne 2\r\n"
                 "ZONE|2|17,88|5|0|0|1|Faux|1|Tourné\r\n"
                 // The box and the ellipse grow by half their line, drawn on their edge
                 // there; the line from (2, 30) to (22, 25) is a level one turned.
                 "FIGURE|RECTANGLE|0,83|0,83|5,35|5,35|0|0,35|0||0\r\n"
                 "FIGURE|ELLIPSE|1,75|20,25|10,5|6,5|16711680|0,5|0|65535|0\r\n"
                 "FIGURE|LIGNE|27,5|1,69|20,62|0|255|0,3|0||0\r\n"
                 "ROTATION|LABEL|2|270\r\n"
                 "ROTATION|FIGURE|3|14\r\n"
                 "PLACE|LABEL|1|6,06|4\r\n"
                 "PLACE|LABEL|2|18,56|37,5\r\n"
                 "PLACE|FIGURE|1|0,83|0,83\r\n"
                 "PLACE|FIGURE|2|20,25|1,75\r\n"
                 "PLACE|FIGURE|3|1,69|27,5\r\n");
        const QImage logo(dir.filePath("Essai-logo.png"));
        QCOMPARE(logo.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(logo.pixel(1, 0), qRgb(0, 255, 0));
        QCOMPARE(QString::fromUtf8(run.err),
                 glabelsLossesMessage(in, {"forme remplie passée derrière les objets qu'elle couvrait",
                                           "code-barres de type « " + unknownCode + " »",
                                           "taille de police arrondie au point", "ombre"}) +
                     "\n");
        QCOMPARE(test::batch({"convert", out, in}).exitCode, 2);  // never written
        QCOMPARE(test::readBytes(in), original);
    }

    void productNamedOnlyComesFromTheCatalogue()
    {
        QTemporaryDir dir;
        test::writeBytes(dir.filePath("acme.xml"), R"(<Glabels-templates><Template brand="Acme" part="Pastilles" size="A4">
          <Label-round id="0" radius="30mm"><Layout nx="3" ny="4" x0="10mm" y0="12.5mm" dx="65mm" dy="65mm"/>
          <Layout nx="2" ny="4" x0="42.5mm" y0="45mm" dx="65mm" dy="65mm"/></Label-round></Template></Glabels-templates>)");
        const Catalogue catalogue({dir.path()});
        const QString path = dir.filePath("p.glabels");
        for (const QByteArray part : {"Pastilles", "Inconnu"}) {
            test::writeBytes(path, "<Glabels-document><Template brand=\"Acme\" part=\"" + part +
                                       "\" size=\"A4\"/><Objects/></Glabels-document>");
            Project project;
            const GlabelsImport imported = importGlabelsProject(path, project, {}, test::french(), &catalogue);
            if (part == "Inconnu") {
                QCOMPARE(imported.result.reason, "le modèle « Acme Inconnu » ne décrit pas l'étiquette et n'est pas "
                                                 "au catalogue des produits");
                continue;
            }
            QVERIFY(imported.result.ok());
            QCOMPARE(imported.losses, QStringList());
            // Every grid of the sheet: 20 labels, where the first grid alone gives 12.
            QVERIFY(tabFileText(project, 1, test::french(), dir.path())
                        .endsWith("PRINT|0|0|0|0|1|10|12|5|5|3|4\r\nPLANCHE|10|12,5|65|65\r\nFORME|1|0|0\r\n"
                                  "GRILLES|3|4|10|12,5|65|65|2|4|42,5|45|65|65\r\n"));
        }
    }

    void printsWhereThePeerPrints()
    {
        const QString peer = QStandardPaths::findExecutable("glabels-3-batch");
        if (peer.isEmpty() || !QFontDatabase::families().contains("DejaVu Sans"))
            QSKIP("glabels-3-batch (Debian's glabels) or the DejaVu fonts are not installed");
        QTemporaryDir dir;
        QImage blue(4, 4, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        blue.save(dir.filePath("bleu.png"));
        const QString in = dir.filePath("Essai.glabels"), theirs = dir.filePath("g.pdf"), ours = dir.filePath("p.pdf");
        // The peer finds a picture from its working folder: the path is whole. Every
        // object but the text lies off the whole millimetre, the turned text included.
        test::writeBytes(in, QByteArray(test::kGlabelsTwoGrids).replace("bleu.png", dir.filePath("bleu.png").toUtf8()));
        QCOMPARE(test::run(peer, {"--outline", "-o", theirs, in}).exitCode, 0);
        QCOMPARE(test::batch({"sheets", in, ours, "--outlines"}).exitCode, 0);
        constexpr int kDpi = 300;
        const QImage a = test::rasteriseArea(theirs, 1, kDpi, {0, 0, 210, 297});
        const QImage b = test::rasteriseArea(ours, 1, kDpi, {0, 0, 210, 297});
        const std::function<bool(QRgb)> kinds[] = {
            [](QRgb c) { return qGray(c) < 200 && std::abs(qRed(c) - qBlue(c)) < 30 && std::abs(qRed(c) - qGreen(c)) < 30; },
            [](QRgb c) { return qRed(c) > 128 && qGreen(c) < 100 && qBlue(c) < 100; },    // the text
            [](QRgb c) { return qBlue(c) > 128 && qRed(c) < 100 && qGreen(c) < 100; },    // the picture
            [](QRgb c) { return qGreen(c) > 100 && qRed(c) < 80 && qBlue(c) < 80; },      // the box
            [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 100; },    // the ellipse
            [](QRgb c) { return qGreen(c) > 200 && qBlue(c) > 200 && qRed(c) < 80; },     // the line
            [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 90 && qGreen(c) < 180 && qBlue(c) < 80; }};  // turned
        const auto px = [](double mm) { return int(test::pixelsOf(mm, kDpi)); };
        // Every label of both grids: 3 x 4 from 10 / 12,5, then 2 x 2 from 42,5 / 190, 65 and 40 apart.
        for (int n = 0; n < 16; ++n) {
            const QPointF at = n < 12 ? QPointF(10 + n % 3 * 65, 12.5 + n / 3 * 40)
                                      : QPointF(42.5 + (n - 12) % 2 * 65, 190 + (n - 12) / 2 * 40);
            const QRect area(px(at.x() - 1), px(at.y() - 1), px(62), px(32));
            for (const auto& kind : kinds) {
                const QRect mine = test::inkBox(b, area, kind), theirsBox = test::inkBox(a, area, kind);
                const QMargins off(mine.left() - theirsBox.left(), mine.top() - theirsBox.top(),
                                   mine.right() - theirsBox.right(), mine.bottom() - theirsBox.bottom());
                const int most = std::max({std::abs(off.left()), std::abs(off.top()), std::abs(off.right()),
                                           std::abs(off.bottom())});
                QVERIFY2(!theirsBox.isNull() && most <= test::pixelsOf(0.3, kDpi),
                         qPrintable(QStringLiteral("label %1, ink %2: %3 px off").arg(n + 1).arg(&kind - kinds).arg(most)));
            }
        }
    }

    void refusesBrokenFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray good = test::glabelsSample(4);
        QTest::newRow("not gLabels") << QByteArray("<svg/>") << "ligne 1 : ce n'est pas un projet gLabels (élément « svg »)";
        QTest::newRow("bad length") << QByteArray(good).replace("63.5mm", "large")
                                    << "ligne 4 : longueur illisible dans « width » : « large »";
        QTest::newRow("no template") << QByteArray("<Glabels-document><Objects/></Glabels-document>")
                                     << "ligne 1 : le projet ne décrit pas son étiquette (élément « Template » absent)";
        QTest::newRow("cut gzip") << test::gzipped(good).left(200) << "données compressées abîmées ou incomplètes";
        QTest::newRow("gzip bomb") << test::gzipped(QByteArray(kMaxGlabelsXmlBytes + 1, ' '))
                                   << "contenu décompressé de plus de 64 Mio";
    }

    void refusesBrokenFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("x.glabels");
        test::writeBytes(path, bytes);
        Project project;
        const GlabelsImport imported = importGlabelsProject(path, project);
        QCOMPARE(imported.result.status, ReadResult::Status::CannotOpen);
        QCOMPARE(imported.result.reason, reason);
    }
};

PLK_TEST_CLASS(TestGlabelsImport)
#include "tst_GlabelsImport.moc"
