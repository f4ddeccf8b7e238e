// Shapes and turned objects as the outputs draw them: where a turned text's letters
// lie in a PDF as a reader finds them, and where a shape's edges fall at 600 dpi in
// the tab's picture and in its PDF page.

#include "canvas/core/TabRenderer.h"
#include "document/core/ProjectFile.h"
#include "export/core/TabExport.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace plk;

namespace {

const QByteArray kTab = "ONGLET|Formes\r\n"
                        "PROJET|Formes|80|50|16777215|0|Faux|Faux|Faux|Faux|Faux\r\n"
                        "FOND|1|16777215\r\n"
                        "PRINT|0|0|0|0|1|0|0|0|0|1|1\r\n";
constexpr int kDpi = 600;
constexpr double kEdgeMm = 0.1;

QRectF turnedBounds(const QRectF& r, double degrees) { return turnAbout(r.center(), degrees).map(QPolygonF(r)).boundingRect(); }

QString describe(const QRectF& r)
{
    return QStringLiteral("%1,%2 %3 x %4 mm").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

}  // namespace

class TestTurnedObjects : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void turnedTextInPdf_data()
    {
        QTest::addColumn<double>("angle");
        QTest::newRow("0°") << 0.0;
        QTest::newRow("90°") << 90.0;
        QTest::newRow("30°") << 30.0;
    }
    void turnedTextInPdf()
    {
        QFETCH(double, angle);
        Project p;
        const QByteArray turn = "ROTATION|LABEL|1|" + QByteArray::number(angle) + "\r\n";
        QVERIFY(readProjectData(QByteArray(kTab).insert(kTab.indexOf("FOND"), "LABEL|Plakatorium|20|15|Tahoma|20|Faux|Faux|Faux|Faux|0\r\n") + turn,
                                p, test::french())
                    .ok());
        const QRectF text = p.tab(1).label(1).rect({});
        const QString pdf = m_dir.filePath(QStringLiteral("texte%1.pdf").arg(angle));
        QCOMPARE(writeTabDocument(p.tab(1), DocumentFormat::Pdf, pdf, ExportSettings{}), QString());

        const QList<test::PdfWord> words = test::pdfWords(pdf);
        QVERIFY(!words.isEmpty());
        QString letters;
        QRectF found;
        for (const test::PdfWord& w : words) {
            letters += w.text;
            found |= w.mm;
        }
        // A reader may list the letters of a slanting line in another order.
        std::sort(letters.begin(), letters.end());
        QString typed = QStringLiteral("Plakatorium");
        std::sort(typed.begin(), typed.end());
        QCOMPARE(letters, typed);
        // The letters' boxes fill the turned rectangle of the text, about its middle.
        const QRectF expected = turnedBounds(text, angle);
        const QString seen = describe(found) + " found, " + describe(expected) + " expected";
        // A reader boxes a slanting line's letters upright, each smaller than its slant
        // takes: only its middle is kept to, and the slope below.
        const bool upright = std::fmod(angle, 90) == 0;
        QVERIFY2(QLineF(found.center(), expected.center()).length() < (upright ? 1.0 : 2.0), qPrintable(seen));
        QVERIFY2(!upright || std::abs(found.width() - expected.width()) < 1.5, qPrintable(seen));
        QVERIFY2(!upright || std::abs(found.height() - expected.height()) < 1.5, qPrintable(seen));
        // The reading goes up the slope (anticlockwise) from the first letter to the last.
        const auto first = std::find_if(words.begin(), words.end(), [](const test::PdfWord& w) { return w.text.startsWith('P'); });
        const auto last = std::find_if(words.begin(), words.end(), [](const test::PdfWord& w) { return w.text.endsWith('m'); });
        QVERIFY(first != words.end() && last != words.end());
        if (first != last) {
            const QLineF along(first->mm.center(), last->mm.center());
            QVERIFY2(std::abs(along.angle() - angle) < 3, qPrintable(QString::number(along.angle())));
        }
    }

    void shapeEdgesAt600Dpi_data()
    {
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<QRectF>("ink");
        QTest::addColumn<bool>("pdf");
        const QRectF box(10, 10, 30, 20);
        for (const bool pdf : {false, true}) {
            const char* out = pdf ? "PDF " : "picture ";
            QTest::addRow("%srounded rectangle", out)
                << QByteArray("FIGURE|RECTANGLE|10|10|30|20|0|0,5|0||2") << box << pdf;
            QTest::addRow("%sfilled ellipse", out) << QByteArray("FIGURE|ELLIPSE|10|10|30|20|0|0,1|0|255|0") << box << pdf;
            QTest::addRow("%sline", out)
                << QByteArray("FIGURE|LIGNE|25|10|60|0|0|0,4|0||0") << QRectF(10, 24.8, 60, 0.4) << pdf;
            QTest::addRow("%srectangle at 90°", out)
                << QByteArray("FIGURE|RECTANGLE|10|10|30|20|0|0,5|0||0\r\nROTATION|FIGURE|1|90") << turnedBounds(box, 90) << pdf;
            QTest::addRow("%srectangle at 30°", out)
                << QByteArray("FIGURE|RECTANGLE|10|10|30|20|0|0,5|0|0|0\r\nROTATION|FIGURE|1|30") << turnedBounds(box, 30) << pdf;
        }
    }
    void shapeEdgesAt600Dpi()
    {
        QFETCH(QByteArray, records);
        QFETCH(QRectF, ink);
        QFETCH(bool, pdf);
        Project p;
        QVERIFY(readProjectData(kTab + records + "\r\n", p, test::french()).ok());
        QImage picture;
        if (pdf) {
            const QString file = m_dir.filePath(QStringLiteral("formes.pdf"));
            QCOMPARE(writeTabDocument(p.tab(1), DocumentFormat::Pdf, file, ExportSettings{}), QString());
            picture = test::rasteriseArea(file, 1, kDpi, QRectF(0, 0, 80, 50));
        } else {
            picture = TabRenderer(p.tab(1)).picture(kDpi);
        }
        QVERIFY(!picture.isNull());
        const QRect box = test::inkBox(picture, picture.rect(), [](QRgb c) { return qGray(c) < 128; });
        const auto mm = [](double px) { return px * 25.4 / kDpi; };
        const QRectF found(QPointF(mm(box.left()), mm(box.top())), QPointF(mm(box.right() + 1), mm(box.bottom() + 1)));
        const QString seen = describe(found) + " found, " + describe(ink) + " expected";
        for (const auto& [a, b] : {std::pair{found.left(), ink.left()}, {found.top(), ink.top()},
                                   {found.right(), ink.right()}, {found.bottom(), ink.bottom()}})
            QVERIFY2(std::abs(a - b) <= kEdgeMm, qPrintable(seen));
    }
};

PLK_TEST_CLASS(TestTurnedObjects)
#include "tst_TurnedObjects.moc"
