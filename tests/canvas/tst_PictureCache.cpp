#include "canvas/core/Etiquette.h"
#include "canvas/core/LogoPicture.h"
#include "canvas/core/PictureCache.h"
#include "support/HostileFiles.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

namespace {

/// A picture of the given size, left half red and right half blue.
QImage twoColours(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

QSizeF ownSizeMm(int width, int height) { return {width * 15 / 56.7, height * 15 / 56.7}; }

}  // namespace

class TestPictureCache : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void fifosFoldersAndDevicesAreMissingFiles()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("logo.png");
        test::makeFifo(fifo);
        bool missing = false;
        QVERIFY(test::finishesWithin(
            [&] {
                missing = !pictureFileExists(fifo) && !loadPictureFile(fifo) &&
                          PictureCache::shared().load(fifo).outcome == PictureCache::Outcome::Missing;
            },
            fifo));
        QVERIFY(missing);
        for (const QString& other : {dir.path(), QStringLiteral("/dev/zero")})
            QCOMPARE(PictureCache::shared().load(other).outcome, PictureCache::Outcome::Missing);

        // A logo and a background on a FIFO fall back as for a missing file.
        Etiquette t;
        t.NewLogo(10, 10);
        t.Image(1, fifo);
        QCOMPARE(t.logo(1).Tag, QString());
        QCOMPARE(t.logo(1).picture, placeholderLogoPicture());
        t.pctPicture(fifo);
        QCOMPARE(t.TypeFond(), std::int16_t(0));
    }

    void aFileIsDecodedOncePerVersionAndShared()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("logo.png");
        QVERIFY(twoColours(40, 20).save(path));
        PictureCache& cache = PictureCache::shared();
        const int before = cache.decodeCount();

        Etiquette a, b;
        for (Etiquette* t : {&a, &b}) {
            for (int i = 1; i <= 3; ++i) {
                t->NewLogo(10, 10);
                t->Image(i, path);
            }
            t->pctPicture(path);
        }
        QCOMPARE(cache.decodeCount(), before + 1);
        const uchar* pixels = a.logo(1).picture.constBits();
        QCOMPARE(b.logo(3).picture.constBits(), pixels);  // the same pixels, not a copy
        QCOMPARE(a.logo(2).Width, float(ownSizeMm(40, 20).width()));

        // A changed file is a new version, decoded again.
        QVERIFY(twoColours(60, 20).save(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        file.close();
        a.Image(1, path);
        QCOMPARE(cache.decodeCount(), before + 2);
        QCOMPARE(a.logo(1).picture.width(), 60);

        // The placeholder is drawn once as well.
        QCOMPARE(placeholderLogoPicture().constBits(), placeholderLogoPicture().constBits());
    }

    void filesThatAreNoPicturesAreDecodedOnce()
    {
        QTemporaryDir dir;
        const QString empty = dir.filePath("vide.png");
        const QString text = dir.filePath("texte.png");
        test::writeBytes(empty, "");
        test::writeBytes(text, "ceci n'est pas une image");
        PictureCache cache;
        QCOMPARE(cache.load(empty).outcome, PictureCache::Outcome::NotAPicture);
        QCOMPARE(cache.load(text).outcome, PictureCache::Outcome::NotAPicture);
        QCOMPARE(cache.load(text).outcome, PictureCache::Outcome::NotAPicture);
        QCOMPARE(cache.decodeCount(), 2);
    }

    void aPictureBeyondTheBudgetIsKeptReducedAtItsOwnSize()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("grand.png");
        QVERIFY(twoColours(400, 200).save(path));
        PictureCache cache(1 << 20, 400 * 200);  // a quarter of its pixels
        const PictureCache::Result r = cache.load(path);
        QCOMPARE(r.outcome, PictureCache::Outcome::Picture);
        QCOMPARE(r.picture.size(), QSize(200, 100));
        QCOMPARE(r.picture.deviceIndependentSize(), QSizeF(400, 200));
        QCOMPARE(naturalSizeMm(r.picture), ownSizeMm(400, 200));
        QCOMPARE(QColor(r.picture.pixel(10, 50)), QColor(Qt::red));
        QCOMPARE(QColor(r.picture.pixel(190, 50)), QColor(Qt::blue));
    }

    void aLogoMuchSmallerThanItsPictureKeepsItReduced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("photo.png");
        QVERIFY(twoColours(2000, 1000).save(path));
        Etiquette t, u;
        for (int i = 1; i <= 2; ++i) {
            t.NewLogo(10, 10);
            t.Image(i, path);
        }
        QCOMPARE(t.logo(1).picture.size(), QSize(2000, 1000));  // at its own size: all of it
        // 20 x 10 mm at 600 dpi need 473 x 237 pixels: halved twice, it still has them.
        t.SizeLogo(1, 20, 10);
        t.SizeLogo(2, 20, 10);
        QCOMPARE(t.logo(1).picture.size(), QSize(500, 250));
        QCOMPARE(t.logo(2).picture.constBits(), t.logo(1).picture.constBits());
        QCOMPARE(naturalSizeMm(t.logo(1).picture), ownSizeMm(2000, 1000));
        QCOMPARE(t.logo(1).Width, 20.0f);
        // What is drawn is the same picture, only with fewer pixels.
        const QImage drawn = t.Picture();
        const int y = int(15 * 56.7 / 15);
        QCOMPARE(QColor(drawn.pixel(int(15 * 56.7 / 15), y)), QColor(Qt::red));
        QCOMPARE(QColor(drawn.pixel(int(25 * 56.7 / 15), y)), QColor(Qt::blue));

        // A logo drawn larger keeps more.
        u.NewLogo(10, 10);
        u.Image(1, path);
        u.SizeLogo(1, 100, 50);
        QCOMPARE(u.logo(1).picture.size(), QSize(2000, 1000));
    }

    void theLeastRecentlyUsedPictureGoesFirst()
    {
        QTemporaryDir dir;
        const QString one = dir.filePath("1.png"), two = dir.filePath("2.png");
        QVERIFY(twoColours(100, 100).save(one));
        QVERIFY(twoColours(100, 100).save(two));
        PictureCache cache(100 * 100 * 4 + 1);  // room for one picture
        const QImage kept = cache.load(one).picture;
        cache.load(two);
        QCOMPARE(cache.load(two).picture.constBits(), cache.load(two).picture.constBits());
        QCOMPARE(cache.decodeCount(), 2);
        QCOMPARE(cache.load(one).outcome, PictureCache::Outcome::Picture);
        QCOMPARE(cache.decodeCount(), 3);
        QCOMPARE(kept.size(), QSize(100, 100));  // users keep theirs
    }
};

PLK_TEST_CLASS(TestPictureCache)
#include "tst_PictureCache.moc"
