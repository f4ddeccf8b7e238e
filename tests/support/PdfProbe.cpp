#include "support/PdfProbe.h"

#include <QFontMetricsF>
#include <QProcess>
#include <QXmlStreamReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

namespace plk::test {

QImage rasteriseArea(const QString& pdf, int page, int dotsPerInch, const QRectF& mm)
{
    const auto px = [dotsPerInch](double v) { return QString::number(std::lround(pixelsOf(v, dotsPerInch))); };
    QTemporaryDir dir;
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {"-r", QString::number(dotsPerInch), "-f", QString::number(page), "-l",
                                         QString::number(page), "-x", px(mm.x()), "-y", px(mm.y()), "-W",
                                         px(mm.width()), "-H", px(mm.height()), "-png", "-singlefile", pdf,
                                         dir.filePath("area")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QImage(dir.filePath("area.png")).convertToFormat(QImage::Format_RGB32);
}

QList<PdfImage> pdfImages(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfimages"), {"-list", pdf});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    QList<PdfImage> images;
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QStringList f = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        bool numbered = false;
        if (f.size() < 14 || (f[0].toInt(&numbered), !numbered))
            continue;
        images << PdfImage{f[0].toInt(), f[2], f[3].toInt(), f[4].toInt(), f[8], f[10].toInt(), f[12].toDouble(),
                           f[13].toDouble(), f[9] == QLatin1String("yes")};
    }
    return images;
}

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, "-"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QList<PdfWord> pdfWords(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    QList<PdfWord> words;
    int page = 0;
    constexpr double kMmPerPoint = 25.4 / 72;
    QXmlStreamReader xml(p.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            ++page;
        } else if (xml.name() == QLatin1String("word")) {
            const QXmlStreamAttributes a = xml.attributes();
            const auto at = [&a](const char* name) { return a.value(QLatin1String(name)).toDouble() * kMmPerPoint; };
            const QRectF box(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax")));
            words.append({page, xml.readElementText(), box});
        }
    }
    return words;
}

QRect inkBox(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& match)
{
    QRect box;
    const QRect within = area & image.rect();
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (match(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

QRectF expectedInk(const QFont& font, const QString& text, QPointF topLeftMm, double dotsPerInch)
{
    // Measured large, where whole-pixel rounding does not matter, and scaled down.
    constexpr int kLarge = 2000;
    QFont large(font);
    large.setPixelSize(kLarge);
    const QFontMetricsF fm(large);
    const double scale = font.pointSizeF() * dotsPerInch / 72.0 / kLarge;
    const QRectF ink = fm.tightBoundingRect(text);
    return {pixelsOf(topLeftMm.x(), dotsPerInch) + ink.left() * scale,
            pixelsOf(topLeftMm.y(), dotsPerInch) + (fm.ascent() + ink.top()) * scale, ink.width() * scale,
            ink.height() * scale};
}

}  // namespace plk::test
