// The texts of exported documents as other programs read and draw them: a reader
// extracts the letters typed (no ligatures, a tab as a space) and another program
// draws an SVG's text at our width, without the font the program brings itself.

#include "app/ui/frmMenu.h"
#include "export/ui/frmExport.h"
#include "support/MainWindowFixture.h"
#include "support/PdfProbe.h"
#include "support/TestSupport.h"
#include "support/TestRegistry.h"

#include <QComboBox>
#include <QMap>
#include <QPushButton>
#include <QtTest>

using namespace plk;

namespace {

// "Office" and "fluffy" take ligatures in Tahoma; a tab sits between the words.
const QByteArray kProject = QByteArray(test::kExampleProject)
                                .replace("LABEL|ZONE DE TEXTE|5|5|Tahoma|8|", "LABEL|Office\tfluffy|5|5|Tahoma|20|");
constexpr double kCardWidthMm = 85.5;
constexpr int kPdf = 5, kSvg = 6;  // entries of the format list

}  // namespace

class TestExportedText : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;

    /// Exports the opened project through the dialog in the format of the entry.
    QString exported(int entry, const QString& name)
    {
        const QString file = m_fx.dir.filePath(name);
        frmExport dialog(*m_fx.menu);
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{file, 0});
        dialog.Combo1()->setCurrentIndex(entry);
        dialog.Bouton1(0)->click();
        return file;
    }

private Q_SLOTS:
    void init()
    {
        m_fx.start();
        QVERIFY(m_fx.open(kProject));
    }
    void cleanup() { m_fx.stop(); }

    void aPdfGivesBackTheLettersTyped()
    {
        const QString pdf = exported(kPdf, "Carte.pdf");
        QCOMPARE(test::pdfText(pdf).simplified(), QStringLiteral("Office fluffy"));
        const QList<test::PdfWord> words = test::pdfWords(pdf);
        QCOMPARE(words.size(), 2);
        QVERIFY2(words.last().mm.right() < kCardWidthMm, "the word after the tab stays on the card");
    }

    void justifiedLinesEndAtTheBoxEdge()
    {
        PLK_REQUIRE_TAHOMA();
        const QByteArray project = test::kExampleProject +
                                   "ZONE|1|50|40|3|0|1|Faux|6|The labels of this project carry a text long enough "
                                   "to take several lines, spread from one edge of its box to the other.\\nEnd\r\n";
        QVERIFY(m_fx.open(project, 0, QStringLiteral("Zone.plk")));
        QMap<int, QList<QRectF>> lines;  // the words of each line, by their top in tenths of a millimetre
        for (const test::PdfWord& word : test::pdfWords(exported(kPdf, "Zone.pdf")))
            lines[int(std::lround(word.mm.top() * 10))].append(word.mm);
        QCOMPARE(lines.size(), 5);
        int spread = 0;
        for (const QList<QRectF>& line : std::as_const(lines)) {
            QVERIFY(std::abs(line.first().left() - 5) < 0.1);
            // A paragraph's last line keeps to the left.
            if (line.size() > 1 && line.last().right() > 50) {
                QVERIFY2(std::abs(line.last().right() - 55) < 0.1, qPrintable(QString::number(line.last().right())));
                ++spread;
            }
        }
        QCOMPARE(spread, 3);
    }

    void anSvgIsDrawnElsewhereAtOurWidth()
    {
        const QString svg = exported(kSvg, "Carte.svg");
        QVERIFY(!test::readBytes(svg).contains('\t'));
        const QString png = m_fx.dir.filePath("rsvg.png");
        constexpr int kDpi = 300;
        const test::BatchRun rsvg = test::run(QStringLiteral("rsvg-convert"),
                                              {"--dpi-x", "300", "--dpi-y", "300", "-o", png, svg});
        QVERIFY2(rsvg.exitCode == 0, rsvg.err.constData());
        QFont font(QStringLiteral("Tahoma"));
        font.setPointSize(20);
        const QRectF expected = test::expectedInk(font, QStringLiteral("Office fluffy"), QPointF(5, 5), kDpi);
        const QImage drawn(png);
        const QRect around = expected.toAlignedRect().adjusted(-40, -40, 400, 40).intersected(drawn.rect());
        const QRect ink = test::inkBox(drawn, around, [](QRgb c) { return qAlpha(c) > 128 && qGray(c) < 128; });
        QVERIFY(!ink.isNull());
        QVERIFY2(std::abs(ink.width() / expected.width() - 1) < 0.03,
                 qPrintable(QStringLiteral("%1 px drawn, %2 expected").arg(ink.width()).arg(expected.width())));
        QVERIFY(std::abs(ink.left() - expected.left()) < 3);
    }
};

PLK_TEST_CLASS(TestExportedText)
#include "tst_ExportedText.moc"
