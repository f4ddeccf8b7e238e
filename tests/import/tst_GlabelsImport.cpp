// gLabels projects written here in both dialects, compressed or not, become the same
// records of our project file through the batch tool, with what they hold that a tab
// cannot listed; broken and hostile files are refused with the line and the reason.

#include "GlabelsSamples.h"
#include "base/core/Cp1252.h"
#include "document/core/GlabelsImport.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QImage>
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
                 "LABEL|Bonjour «Nom»|4|5|Tahoma|12|Vrai|Faux|Faux|Faux|255\r\n"
                 "LABEL|Ligne 2|9|5|Tahoma|12|Vrai|Faux|Faux|Faux|255\r\n"
                 "LABEL|Tourné|38|18|Tahoma|8|Faux|Faux|Faux|Faux|0\r\n"
                 "LOGO|" + dir.filePath("Essai-logo.png") + "|20|40|10|10\r\n"
                 "CODE|EAN13|4006381333931|20|10|30|12|0|Vrai\r\n"
                 "FOND|1|16777215\r\n"
                 "PRINT|0|0|0|0|1|7|15|3|0|3|7\r\n"
                 "PLANCHE|7,2|15,15|66,04|38,1\r\n"
                 "FUSION|adresses.csv|1\r\n"
                 "FORME|0|1,5|0\r\n");
        const QImage logo(dir.filePath("Essai-logo.png"));
        QCOMPARE(logo.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(logo.pixel(1, 0), qRgb(0, 255, 0));
        QCOMPARE(QString::fromUtf8(run.err),
                 glabelsLossesMessage(in, {"texte de plusieurs lignes (une zone de texte par ligne)", "rectangle",
                                           "code-barres de type « " + unknownCode + " »",
                                           "rotation (objet remis droit)", "ombre"}) +
                     "\n");
        QCOMPARE(test::batch({"convert", out, in}).exitCode, 2);  // never written
        QCOMPARE(test::readBytes(in), original);
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
