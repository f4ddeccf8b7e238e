// Codes on a tab come out readable wherever the tab goes: a scanner reads back exactly
// the data entered from the tab's snapshot at 300 dpi and from a printed PDF page
// rasterised at 300 dpi, for every kind; the PDF and SVG export pages as well. On paper
// a two-dimensional code is the picture of its modules, stored once for every label.

#include "barcode/BarcodeDecoding.h"
#include "barcode/core/BarcodeSymbol.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/TabRenderer.h"
#include "export/core/TabExport.h"
#include "merge/core/DataFile.h"
#include "merge/core/RowValues.h"
#include "print/core/PrintJob.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

Q_DECLARE_METATYPE(plk::BarcodeKind)

namespace {

constexpr int kDpi = 300;
constexpr double kCardWidth = 85, kCardHeight = 55;
constexpr QPointF kLabelOnSheet(10, 10);  // mm from the paper's corner

/// A card with a text and a logo under one code of the kind.
void makeCard(Etiquette& tab, BarcodeKind kind, const QString& data, OleColor background = 0xFFFFFF)
{
    tab.NewProjet(QStringLiteral("Carte"), kCardWidth, kCardHeight, background, 0x808080, false, false, false);
    tab.NewLabel(3, 3);
    tab.NewLogo(49, 78);
    CodeObject code;
    code.Kind = kind;
    code.Data = data;
    code.Top = 8.3;
    code.Left = 6.7;
    code.Width = isLinear(kind) || kind == BarcodeKind::PDF417 ? 70 : 40;
    code.Height = 40;
    code.ForeColor = 0x400000;  // dark blue, as Windows colours are BGR
    tab.NewCode(code);
}

/// The colours of the pixels of the code's box of makeCard() at `dpi`.
QSet<QRgb> coloursOfCode(const QImage& card, int dpi, QPointF offset = {})
{
    const QRect area(qRound(test::pixelsOf(offset.x() + 6.7, dpi)), qRound(test::pixelsOf(offset.y() + 8.3, dpi)),
                     qRound(test::pixelsOf(40, dpi)), qRound(test::pixelsOf(40, dpi)));
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(card.pixel(x, y));
    return colours;
}

}  // namespace

class TestCodeOutput : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:

    void everyKind_data()
    {
        QTest::addColumn<BarcodeKind>("kind");
        QTest::addColumn<QString>("data");
        QTest::newRow("QR") << BarcodeKind::QR
                            << QStringLiteral("Zoé Lefèvre – Créations\nTél. 01 23 45 67 89\n« ça marche » 12 €");
        QTest::newRow("Data Matrix") << BarcodeKind::DataMatrix << QStringLiteral("Réf. 42\nLot été");
        QTest::newRow("PDF417") << BarcodeKind::PDF417 << QStringLiteral("Colis n° 7 | fragile");
        QTest::newRow("EAN-13") << BarcodeKind::EAN13 << QStringLiteral("3017620422003");
        QTest::newRow("EAN-8") << BarcodeKind::EAN8 << QStringLiteral("40170725");
        QTest::newRow("UPC-A") << BarcodeKind::UPCA << QStringLiteral("042100005264");
        QTest::newRow("Code 128") << BarcodeKind::Code128 << QStringLiteral("COLIS 2026/12-07 #7");
        QTest::newRow("Code 39") << BarcodeKind::Code39 << QStringLiteral("PLK-39 A/B");
        QTest::newRow("ITF-14") << BarcodeKind::ITF14 << QStringLiteral("10012345000017");
    }

    void everyKind()
    {
        QFETCH(BarcodeKind, kind);
        QFETCH(QString, data);
        QVERIFY2(barcodeDataError(kind, data).isEmpty(), qPrintable(barcodeDataError(kind, data)));
        Etiquette tab;
        makeCard(tab, kind, data);

        const QImage snapshot = TabRenderer(tab).picture(kDpi);
        QCOMPARE(snapshot.width(), qRound(test::pixelsOf(kCardWidth, kDpi)));
        const test::Decoded fromSnapshot = test::decodeBarcode(snapshot, kind);
        QVERIFY2(fromSnapshot.found, "snapshot");
        QCOMPARE(fromSnapshot.text, data);

        tab.setResolution(printQualities()[3].code);
        LayoutValues values;
        values.ImpPosX = std::int16_t(kLabelOnSheet.x());
        values.ImpPosY = std::int16_t(kLabelOnSheet.y());
        const QString pdf = m_dir.filePath(barcodeKindName(kind) + ".pdf");
        QVERIFY(printSheetsToPdf(tab, values, pdf).isEmpty());
        const QImage page = test::rasteriseArea(pdf, 1, kDpi, QRectF(kLabelOnSheet, QSizeF(kCardWidth, kCardHeight)));
        QVERIFY(!page.isNull());
        const test::Decoded fromPdf = test::decodeBarcode(page, kind);
        QVERIFY2(fromPdf.found, "PDF page");
        QCOMPARE(fromPdf.text, data);

        // On transfer paper the whole card is mirrored, its code with it: turned back, the
        // mirrored card is the card (a pixel of the edges aside; a code left unmirrored
        // would differ over half its area).
        PrintSettings settings = tab.print();
        settings.options = PrintOptions();
        settings.options->mirror = true;
        tab.setPrint(settings);
        QVERIFY(printSheetsToPdf(tab, values, pdf).isEmpty());
        const QImage mirrored =
            test::rasteriseArea(pdf, 1, kDpi, QRectF(QPointF(210 - kLabelOnSheet.x() - kCardWidth, kLabelOnSheet.y()),
                                                     QSizeF(kCardWidth, kCardHeight)))
                .mirrored(true, false);
        QCOMPARE(mirrored.size(), page.size());
        qsizetype differing = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                differing += std::abs(qGray(page.pixel(x, y)) - qGray(mirrored.pixel(x, y))) > 128;
        QVERIFY2(differing < page.width() * page.height() / 50, qPrintable(QString::number(differing)));
    }

    void codesAreCrispInTheSnapshotAndStoredOnceInThePdf()
    {
        const QString data = QStringLiteral("https://www.exemple.fr");
        const QRgb cream = qRgb(0xFF, 0xF0, 0xD0), ink = qRgb(0, 0, 0x40);
        Etiquette tab;
        makeCard(tab, BarcodeKind::QR, data, 0xD0F0FF);
        // Two colours only where the code is: its ink and the card, no blurred edge.
        QCOMPARE(coloursOfCode(TabRenderer(tab).picture(kDpi), kDpi), QSet<QRgb>({cream, ink}));

        // On paper the code is one picture of its modules placed on every label, never
        // smoothed: even printed at 35 dpi it is as sharp at 600 dpi, in its ink on the card.
        tab.setResolution(printQualities()[0].code);
        LayoutValues values;
        values.ImpNbrH = values.ImpNbrV = 2;
        const QString pdf = m_dir.filePath("picture.pdf");
        QVERIFY(printSheetsToPdf(tab, values, pdf).isEmpty());
        constexpr int kFine = 600;
        for (const QPointF label : {QPointF(0, 0), QPointF(kCardWidth, kCardHeight)}) {
            const QImage card = test::rasteriseArea(pdf, 1, kFine, QRectF(label, QSizeF(kCardWidth, kCardHeight)));
            QCOMPARE(coloursOfCode(card, kFine), QSet<QRgb>({cream, ink}));
            QCOMPARE(test::decodeBarcode(card, BarcodeKind::QR).text, data);
            QCOMPARE(test::decodeWithZbar(card, BarcodeKind::QR).text, data);
        }
        const QList<test::PdfImage> images = test::pdfImages(pdf);
        tab.objectClick(Etiquette::ObjectKind::Code, 1);
        tab.deleteSelected();
        const QString without = m_dir.filePath("without.pdf");
        QVERIFY(printSheetsToPdf(tab, values, without).isEmpty());
        const QList<test::PdfImage> others = test::pdfImages(without);
        QCOMPARE(images.size(), others.size() + 4 * 2);  // the code's colour and its mask on each label
        const auto stored = [](const QList<test::PdfImage>& list) {
            QSet<int> objects;
            for (const test::PdfImage& image : list)
                objects.insert(image.interpolated ? -1 : image.object);
            return objects;
        };
        QVERIFY(!stored(images).contains(-1));
        QCOMPARE(stored(images).size(), stored(others).size() + 1);
    }

    void codesCarryEachRowsValues()
    {
        // Fields in a code's data take the row's values, in the snapshot and on paper.
        const DataTable table = readDataBytes(QByteArrayLiteral("Nom;Ref\r\nZoé Lefèvre;A-17\r\nJean Dupré;B-42\r\n"),
                                              QStringLiteral("codes.csv"))
                                    .table;
        QCOMPARE(table.rowCount(), 2);
        Etiquette tab;
        makeCard(tab, BarcodeKind::QR, QStringLiteral("«Nom»\nRéf. «Ref» – 12 €"));
        const TabRenderer renderer(tab);
        QCOMPARE(test::decodeBarcode(renderer.picture(kDpi), BarcodeKind::QR).text, QStringLiteral("«Nom»\nRéf. «Ref» – 12 €"));
        QCOMPARE(test::decodeBarcode(renderer.picture(kDpi, false, RowValues(&table, 1)), BarcodeKind::QR).text,
                 QStringLiteral("Jean Dupré\nRéf. B-42 – 12 €"));

        tab.setResolution(printQualities()[3].code);
        LayoutValues values;
        values.ImpNbrH = 1;
        values.ImpNbrV = 2;
        const QString pdf = m_dir.filePath(QStringLiteral("rows.pdf"));
        QVERIFY(printSheetsToPdf(tab, values, pdf, &table).isEmpty());
        const QStringList expected{QStringLiteral("Zoé Lefèvre\nRéf. A-17 – 12 €"), QStringLiteral("Jean Dupré\nRéf. B-42 – 12 €")};
        for (int row = 0; row < 2; ++row) {
            const QRectF label(QPointF(0, row * kCardHeight), QSizeF(kCardWidth, kCardHeight));
            const QImage page = test::rasteriseArea(pdf, 1, kDpi, label);
            QCOMPARE(test::decodeBarcode(page, BarcodeKind::QR).text, expected[row]);
        }
    }

    void exportedPagesReadBack_data()
    {
        QTest::addColumn<BarcodeKind>("kind");
        QTest::addColumn<QString>("data");
        QTest::newRow("QR") << BarcodeKind::QR << QStringLiteral("Ligne 1\nLigne 2 : été");
        QTest::newRow("Code 128") << BarcodeKind::Code128 << QStringLiteral("EXPORT-128");
        QTest::newRow("EAN-13") << BarcodeKind::EAN13 << QStringLiteral("3017620422003");
    }

    void exportedPagesReadBack()
    {
        QFETCH(BarcodeKind, kind);
        QFETCH(QString, data);
        Etiquette tab;
        makeCard(tab, kind, data);
        const QString pdf = m_dir.filePath(QStringLiteral("export.pdf"));
        QVERIFY(writeTabDocument(tab, DocumentFormat::Pdf, pdf, ExportSettings()).isEmpty());
        const QImage page = test::rasteriseArea(pdf, 1, kDpi, QRectF(0, 0, kCardWidth, kCardHeight));
        QCOMPARE(test::decodeBarcode(page, kind).text, data);

        const QString svg = m_dir.filePath(QStringLiteral("export.svg"));
        QVERIFY(writeTabDocument(tab, DocumentFormat::Svg, svg, ExportSettings()).isEmpty());
        QImage drawn = test::whitePicture(QSizeF(kCardWidth, kCardHeight), kDpi);
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QPainter painter(&drawn);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(drawn.size())));
        painter.end();
        QCOMPARE(test::decodeBarcode(drawn, kind).text, data);
    }
};

PLK_TEST_CLASS(TestCodeOutput)
#include "tst_CodeOutput.moc"
