// Drawing surfaces of the exports, and the colours a picture is reduced to.

#include "ExportPictures.h"
#include "export/core/ColorQuantizer.h"
#include "export/core/EncoderTable.h"
#include "export/core/cGdiPlus.h"
#include "support/HostileFiles.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

using namespace plk;

namespace {

QByteArray head(const QString& path, int n)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

QImage readBack(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

QImage toImage(const IndexedPicture& p)
{
    QImage image(p.width, p.height, QImage::Format_RGB32);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            image.setPixel(x, y, p.palette[p.pixels[std::size_t(y * p.width + x)]]);
    return image;
}

}  // namespace

class TestCGdiPlus : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QImage m_label = test::labelPicture();

    QString path(const QString& name) const { return m_dir.filePath(name); }

private Q_SLOTS:

    void fileExtensionIsWhatFollowsTheLastDot()
    {
        const std::pair<const char*, const char*> cases[] = {
            {"/tmp/carte.Jpg", "Jpg"}, {"/tmp/carte.v2.png", "png"},           {"/tmp/carte", ""},
            {"/tmp/carte.", ""},       {"/home/me/projets.2024/carte", ""}, {"C:\\Images.old\\carte", ""}};
        for (const auto& [path, extension] : cases)
            QCOMPARE(EncoderTable::FileExtension(QString::fromLatin1(path)), QString::fromLatin1(extension));
    }

    void encoderKeysIgnoreCaseBlanksAndDuplicates()
    {
        EncoderTable table;
        QVERIFY(table.AddEncoderKeys(QStringLiteral("*.JPG; *.JPEG ;*.JPE;"), QLatin1Char(';'), 1));
        QCOMPARE(table.EncoderIndex(QStringLiteral("*.jpeg")), 1);
        QCOMPARE(table.EncoderIndex(QStringLiteral("*.Jpe")), 1);
        QCOMPARE(table.EncoderIndex(QStringLiteral("*.")), -1);
        QCOMPARE(table.EncoderIndex(QString()), -1);
        // A pattern already claimed stops that list: *.PNG after it is never added.
        QVERIFY(!table.AddEncoderKeys(QStringLiteral("*.BMP;*.jpg;*.PNG"), QLatin1Char(';'), 4));
        QCOMPARE(table.EncoderIndex(QStringLiteral("*.JPG")), 1);
        QCOMPARE(table.EncoderIndex(QStringLiteral("*.BMP")), 4);
        QCOMPARE(table.EncoderIndex(QStringLiteral("*.PNG")), -1);
    }

    void encodersAreListedWithTheirPatterns()
    {
        const cGdiPlus gdi;
        QCOMPARE(int(gdi.encoders().size()), 5);
        const struct {
            const char* name;
            EncoderFormat format;
        } names[] = {{"a.bmp", EncoderFormat::Bmp},   {"a.DIB", EncoderFormat::Bmp},  {"a.rle", EncoderFormat::Bmp},
                     {"a.jpg", EncoderFormat::Jpeg},  {"a.jpeg", EncoderFormat::Jpeg}, {"a.Jpe", EncoderFormat::Jpeg},
                     {"a.JFIF", EncoderFormat::Jpeg}, {"a.gif", EncoderFormat::Gif},  {"a.tif", EncoderFormat::Tiff},
                     {"a.TIFF", EncoderFormat::Tiff}, {"a.png", EncoderFormat::Png}};
        for (const auto& n : names) {
            const int index = gdi.encoderFor(QString::fromLatin1(n.name));
            QVERIFY2(index >= 0, n.name);
            QVERIFY2(gdi.encoders()[std::size_t(index)].format == n.format, n.name);
        }
        QCOMPARE(gdi.encoderFor(QStringLiteral("a.webp")), -1);
    }

    void errorTexts()
    {
        const std::pair<int, const char*> texts[] = {
            {1, "Generic Error"},          {7, "Win32 Error"},           {13, "Unknown Image Format"},
            {14, "FontFamily Not Found"},  {20, "Property Not Supported"}, {0, "Unknown GDI+ Error"},
            {21, "Unknown GDI+ Error"},    {-1, "Unknown GDI+ Error"},   {1000, "Unknown GDI+ Error"}};
        for (const auto& [code, text] : texts)
            QCOMPARE(cGdiPlus::GdiErrorString(code), QString::fromLatin1(text));
    }

    void losslessFormatsGiveThePixelsBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("bmp") << "carte.bmp" << QByteArray("BM");
        QTest::newRow("dib") << "carte.DIB" << QByteArray("BM");
        QTest::newRow("png") << "carte.png" << QByteArray("\x89PNG");
        QTest::newRow("tif") << "carte.tif" << QByteArray("II*");
        QTest::newRow("tiff") << "carte.Tiff" << QByteArray("II*");
    }

    void losslessFormatsGiveThePixelsBack()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        cGdiPlus gdi;
        QSignalSpy errors(&gdi, &cGdiPlus::Error);
        QVERIFY(gdi.PictureBoxToFile(m_label, path(name), 70));
        QCOMPARE(errors.count(), 0);
        QCOMPARE(head(path(name), magic.size()), magic);
        QCOMPARE(readBack(path(name)), m_label);
    }

    void gifIsCloseAndSmooth()
    {
        cGdiPlus gdi;
        QVERIFY(gdi.PictureBoxToFile(m_label, path(QStringLiteral("carte.gif")), 70));
        QCOMPARE(head(path(QStringLiteral("carte.gif")), 4), QByteArray("GIF8"));
        const QImage back = readBack(path(QStringLiteral("carte.gif")));
        const test::PixelDifference pixels = test::compare(back, m_label);
        QVERIFY2(pixels.mean <= 2.0 && pixels.max <= 24, qPrintable(QString::number(pixels.mean)));
        // Seen from a little way off, the dithered gradient has no bands.
        const test::PixelDifference blurred = test::compare(back, m_label, 2);
        QVERIFY2(blurred.mean <= 1.0 && blurred.max <= 6,
                 qPrintable(QStringLiteral("%1 %2").arg(blurred.mean).arg(blurred.max)));
    }

    void jpegUsesTheQuality()
    {
        cGdiPlus gdi;
        QVERIFY(gdi.PictureBoxToFile(m_label, path(QStringLiteral("fine.jpg")), 100));
        QVERIFY(gdi.PictureBoxToFile(m_label, path(QStringLiteral("coarse.jpg")), 10));
        QCOMPARE(head(path(QStringLiteral("fine.jpg")), 3), QByteArray("\xFF\xD8\xFF"));
        const test::PixelDifference fine = test::compare(readBack(path(QStringLiteral("fine.jpg"))), m_label);
        const test::PixelDifference coarse = test::compare(readBack(path(QStringLiteral("coarse.jpg"))), m_label);
        // The largest differences sit at the dark bar's edges, where colour is kept at half resolution.
        QVERIFY2(fine.mean <= 1.5 && fine.max <= 64, qPrintable(QStringLiteral("%1 %2").arg(fine.mean).arg(fine.max)));
        QVERIFY(coarse.mean > fine.mean + 1.0);
        QVERIFY(QFile(path(QStringLiteral("coarse.jpg"))).size() < QFile(path(QStringLiteral("fine.jpg"))).size() / 2);

        // Every JPEG name starts with J, so each carries the quality.
        for (const QString& name : {QStringLiteral("a.jpeg"), QStringLiteral("a.JPE"), QStringLiteral("a.jfif")}) {
            QVERIFY(gdi.PictureBoxToFile(m_label, path(name), 10));
            QCOMPARE(QFile(path(name)).size(), QFile(path(QStringLiteral("coarse.jpg"))).size());
        }
    }

    void otherFormatsIgnoreTheQuality()
    {
        cGdiPlus gdi;
        QSignalSpy errors(&gdi, &cGdiPlus::Error);
        QVERIFY(gdi.PictureBoxToFile(m_label, path(QStringLiteral("q0.png")), 0));
        QVERIFY(gdi.PictureBoxToFile(m_label, path(QStringLiteral("q500.png")), 500));
        QCOMPARE(errors.count(), 0);
        QFile a(path(QStringLiteral("q0.png"))), b(path(QStringLiteral("q500.png")));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), b.readAll());
    }

    void namesNoEncoderClaimsFailQuietly()
    {
        cGdiPlus gdi;
        QSignalSpy errors(&gdi, &cGdiPlus::Error);
        for (const QString& name : {QStringLiteral("carte"), QStringLiteral("carte."), QStringLiteral("carte.xyz")}) {
            QVERIFY(!gdi.PictureBoxToFile(m_label, path(name), 70));
            QVERIFY(!QFile::exists(path(name)));
        }
        QCOMPARE(errors.count(), 0);
    }

    void failuresRaiseErrorAndKeepTheOldFile()
    {
        const QString target = path(QStringLiteral("keep.jpg"));
        cGdiPlus gdi;
        QVERIFY(gdi.PictureBoxToFile(m_label, target, 80));
        const qint64 size = QFile(target).size();
        QSignalSpy errors(&gdi, &cGdiPlus::Error);

        QVERIFY(!gdi.PictureBoxToFile(m_label, target, 101));
        QVERIFY(!gdi.PictureBoxToFile(QImage(), target, 80));
        QCOMPARE(errors.count(), 2);
        QCOMPARE(errors.at(0).at(0).toInt(), 2);
        QCOMPARE(errors.at(0).at(1).toString(), QStringLiteral("Invalid Parameter"));
        QCOMPARE(QFile(target).size(), size);

        // A file the system refuses is explained in the system's words.
        QVERIFY(!gdi.PictureBoxToFile(m_label, path(QStringLiteral("no/such/folder/carte.png")), 0));
        QCOMPARE(errors.count(), 3);
        QCOMPARE(errors.at(2).at(0).toInt(), 7);
        QCOMPARE(errors.at(2).at(1).toString(), plk::test::systemReason(ENOENT));

        // So is a disk that fills up while the picture is written: the old file stays.
        {
            const plk::test::FileSizeLimit full(1000);
            QVERIFY(!gdi.PictureBoxToFile(m_label, target, 100));
        }
        QCOMPARE(errors.count(), 4);
        QCOMPARE(errors.at(3).at(0).toInt(), 7);
        QCOMPARE(errors.at(3).at(1).toString(), plk::test::systemReason(EFBIG));
        QCOMPARE(QFile(target).size(), size);
        QCOMPARE(QDir(path(QString())).entryList({QStringLiteral("keep.jpg*")}, QDir::Files).size(), 1);
    }

    void fewColoursStayExact()
    {
        QImage image(64, 16, QImage::Format_RGB32);
        for (int x = 0; x < 64; ++x)
            for (int y = 0; y < 16; ++y)
                image.setPixel(x, y, qRgb(x * 4, (y % 4) * 80, 7));  // 64 x 4 = 256 colours
        const IndexedPicture p = ColorQuantizer().quantize(image);
        QCOMPARE(int(p.palette.size()), 256);
        QCOMPARE(toImage(p), image);
    }

    void manyColoursGetAFullPalette()
    {
        const QImage label = test::labelPicture();
        const IndexedPicture p = ColorQuantizer().quantize(label);
        QCOMPARE(p.width, label.width());
        QCOMPARE(p.height, label.height());
        QCOMPARE(int(p.palette.size()), 256);
        QSet<QRgb> distinct(p.palette.begin(), p.palette.end());
        QVERIFY(distinct.size() > 200);
        // The flat bar and square keep their own colours exactly.
        const QImage back = toImage(p);
        QCOMPARE(back.pixel(100, 160), qRgb(20, 20, 30));
        QCOMPARE(back.pixel(300, 50), qRgb(255, 255, 255));
    }

    void ditheringSmoothsTheGradient()
    {
        const QImage label = test::labelPicture();
        const QImage plain = toImage(ColorQuantizer(ColorQuantizer::Dithering::None).quantize(label));
        const QImage dithered = toImage(ColorQuantizer().quantize(label));
        // Pixel by pixel both are close; seen from a little way off, dithering is closer.
        QVERIFY(test::compare(plain, label).max <= 24);
        const double plainBlur = test::compare(plain, label, 2).mean;
        const double ditheredBlur = test::compare(dithered, label, 2).mean;
        QVERIFY2(ditheredBlur < plainBlur, qPrintable(QStringLiteral("%1 %2").arg(ditheredBlur).arg(plainBlur)));
    }
};

PLK_TEST_CLASS(TestCGdiPlus)
#include "tst_cGdiPlus.moc"
