// A printer's calibration: printed positions move and scale by exactly the values set
// (measured at 600 dpi on the PDF the batch tool writes), values out of range are
// refused, the settings file keeps them per printer, and the test sheet's marks are
// where it says.

#include "print/PrintTests.h"
#include "print/core/Calibration.h"
#include "print/core/CalibrationSheet.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace plk;

namespace {

constexpr int kDpi = 600;
// 2 x 2 red 90 x 50 labels from (15, 12), 92 and 53 mm apart.
const QByteArray kProject = test::projectWith("PRINT|0|0|0|1|1|15|12|2|3|2|2");
const QByteArray kSettings = "[MENU]\r\nWindows=0\r\n\r\n[ETALONNAGE]\r\nBureau 2=2;-1.5;97;104.5;0;0\r\n";

/// The length (mm) of what matches along the middle line of a window of the page,
/// across for a horizontal window, down for a vertical one.
double inkLength(const QString& pdf, int page, const QRectF& mm, const std::function<bool(QRgb)>& match)
{
    const QImage area = test::rasteriseArea(pdf, page, kDpi, mm);
    const bool across = mm.width() > mm.height();
    int count = 0;
    for (int i = 0; i < (across ? area.width() : area.height()); ++i)
        count += match(across ? area.pixel(i, area.height() / 2) : area.pixel(area.width() / 2, i));
    return count * 25.4 / kDpi;
}

/// Where a label's edge lies near `mm` (x for a vertical edge, y for a horizontal
/// one), with the label beyond it (`after`) or before it. The window starts on a whole
/// pixel, as the area is cut.
double edge(const QString& pdf, double mm, double other, bool vertical, bool after)
{
    const double start = std::lround(test::pixelsOf(mm - 2, kDpi)) * 25.4 / kDpi;
    const QRectF window = vertical ? QRectF(start, other - 0.5, 4, 1) : QRectF(other - 0.5, start, 1, 4);
    const double red = inkLength(pdf, 1, window, test::near(Qt::red, 100));
    return after ? start + 4 - red : start + red;
}

}  // namespace

class TestCalibration : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void printedPositionsMoveAndScaleByTheSetAmounts_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QList<double>>("calibration");  // offsets (mm), scales (%)
        QTest::newRow("none") << QStringList() << QList<double>{0, 0, 100, 100};
        QTest::newRow("offset") << QStringList{"--offset", "1.5,-2.3"} << QList<double>{1.5, -2.3, 100, 100};
        QTest::newRow("scale") << QStringList{"--scale", "101,25;98,5"} << QList<double>{0, 0, 101.25, 98.5};
        QTest::newRow("both") << QStringList{"--offset", "-0.7;3.1", "--scale", "103,96.2"}
                              << QList<double>{-0.7, 3.1, 103, 96.2};
        QTest::newRow("printer") << QStringList{"--printer", "Bureau 2"} << QList<double>{2, -1.5, 97, 104.5};
        QTest::newRow("printer, offset of the run")
            << QStringList{"--printer", "Bureau 2", "--offset", "0,0"} << QList<double>{0, 0, 97, 104.5};
        QTest::newRow("another printer") << QStringList{"--printer", "Atelier"} << QList<double>{0, 0, 100, 100};
    }

    void printedPositionsMoveAndScaleByTheSetAmounts()
    {
        QFETCH(QStringList, options);
        QFETCH(QList<double>, calibration);
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk"), pdf = dir.filePath("planches.pdf");
        test::writeBytes(in, kProject);
        test::writeBytes(dir.filePath("Plakatorium.ini"), kSettings);
        const test::BatchRun r =
            test::batch(QStringList{"sheets", in, pdf, "--settings", dir.filePath("Plakatorium.ini")} + options);
        QCOMPARE(r.exitCode, 0);
        const auto x = [&](double mm) { return mm * calibration[2] / 100 + calibration[0]; };
        const auto y = [&](double mm) { return mm * calibration[3] / 100 + calibration[1]; };
        // The first label's left and top edges, the last one's right and bottom edges.
        const double found[4] = {edge(pdf, x(15), y(37), true, true), edge(pdf, y(12), x(60), false, true),
                                 edge(pdf, x(197), y(90), true, false), edge(pdf, y(115), x(152), false, false)};
        const double expected[4] = {x(15), y(12), x(197), y(115)};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(std::fabs(found[i] - expected[i]) <= 0.05,
                     qPrintable(QStringLiteral("edge %1 at %2 mm, not %3").arg(i).arg(found[i]).arg(expected[i])));
    }

    void valuesOutOfRangeAreRefused_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("limits") << QStringList{"--offset", "10,-10", "--scale", "95;105", "--back-offset", "-10,10"}
                                << 0;
        QTest::newRow("offset") << QStringList{"--offset", "10.1,0"} << 2;
        QTest::newRow("offset down") << QStringList{"--offset", "0;-12"} << 2;
        QTest::newRow("scale") << QStringList{"--scale", "94.9,100"} << 2;
        QTest::newRow("scale down") << QStringList{"--scale", "100,105.5"} << 2;
        QTest::newRow("back offset") << QStringList{"--back-offset", "11,0"} << 2;
        QTest::newRow("one number") << QStringList{"--offset", "1"} << 2;
        QTest::newRow("not for a preview") << QStringList{"--printer", "PDF"} << 2;
    }

    void valuesOutOfRangeAreRefused()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        const QString in = dir.filePath("Cartes.plk");
        test::writeBytes(in, kProject);
        const bool preview = QByteArray(QTest::currentDataTag()) == "not for a preview";
        const test::BatchRun r = test::batch(
            QStringList{preview ? "preview" : "sheets", in, dir.filePath(preview ? "pages" : "p.pdf")} + options);
        QCOMPARE(r.exitCode, exitCode);
        if (exitCode == 2 && !preview && options.size() == 2 && options[1].contains(QRegularExpression("[,;]")))
            QVERIFY2(QString::fromUtf8(r.err).contains(options[0] + " " + options[1] + " : valeurs de"), r.err.constData());
    }

    void calibrationsAreKeptPerPrinterInASectionOfTheirOwn()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("Plakatorium.ini");
        test::writeBytes(ini, "[MENU]\r\nWindows=2\r\n\r\n[ETALONNAGE]\r\nabime=1;2\r\nloin=11;0;100;100;0;0\r\n");
        const CalibrationStore store(ini);
        QVERIFY(store.remember(kPdfFileEntry, {0.54, -1, 101.004, 99.5, 0, 0.2}));
        QVERIFY(store.remember("a=b;[c]é", {0, 0, 100, 100, -0.06, -0.04}));
        QCOMPARE(test::readBytes(ini), QByteArray("[MENU]\r\nWindows=2\r\n\r\n[ETALONNAGE]\r\nabime=1;2\r\n"
                                                  "loin=11;0;100;100;0;0\r\n"
                                                  "Imprimer dans un fichier PDF=0.5;-1;101;99.5;0;0.2\r\n"
                                                  "a%3Db%3B%5Bc%5D%C3%A9=0;0;100;100;-0.1;0\r\n"));
        QCOMPARE(store.forPrinter(kPdfFileEntry), (Calibration{0.5, -1, 101, 99.5, 0, 0.2}));
        QCOMPARE(store.forPrinter("A=B;[C]é"), (Calibration{0, 0, 100, 100, -0.1, 0}));
        for (const char* none : {"abime", "loin", "autre"})
            QVERIFY(store.forPrinter(none).isIdentity());
    }

    void theTestSheetsMarksAreWhereItSays()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("Etalonnage.pdf");
        QCOMPARE(calibrationSheetToPdf(pdf, "Bureau"), QString());
        QVERIFY(test::pdfText(pdf).contains(QStringLiteral("Étalonnage de l'imprimante « Bureau »")));
        // Each crosshair's lines, and the rulers' 100 mm ticks, where the column or row
        // of most ink lies.
        QList<QPointF> centres = {{100, -1}, {-1, 100}};
        for (const QPointF& c : calibrationMarks())
            centres << c;
        const auto dark = test::near(Qt::black, 120);
        for (const QPointF& c : centres) {
            const QRectF area(c.x() < 0 ? 0 : c.x() - 3, c.y() < 0 ? 0 : c.y() - 3, 6, 6);
            const QImage image = test::rasteriseArea(pdf, 1, kDpi, area);
            const QPointF origin(std::lround(test::pixelsOf(area.x(), kDpi)), std::lround(test::pixelsOf(area.y(), kDpi)));
            QList<int> columns(image.width()), rows(image.height());
            for (int py = 0; py < image.height(); ++py)
                for (int px = 0; px < image.width(); ++px)
                    if (dark(image.pixel(px, py)))
                        ++columns[px], ++rows[py];
            const auto peak = [](const QList<int>& v) { return double(std::max_element(v.begin(), v.end()) - v.begin()); };
            const QPointF found((origin.x() + peak(columns) + 0.5) * 25.4 / kDpi,
                                (origin.y() + peak(rows) + 0.5) * 25.4 / kDpi);
            if (c.x() >= 0)
                QVERIFY2(std::fabs(found.x() - c.x()) <= 0.05, qPrintable(QString::number(found.x())));
            if (c.y() >= 0)
                QVERIFY2(std::fabs(found.y() - c.y()) <= 0.05, qPrintable(QString::number(found.y())));
        }
    }
};

PLK_TEST_CLASS(TestCalibration)
#include "tst_Calibration.moc"
