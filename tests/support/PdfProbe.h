#pragma once
// Looking into the PDF and picture files the program writes: an area of a page
// rasterised with pdftoppm, the images pdfimages lists, and where a line of text at
// its true size should leave ink.

#include <QFont>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <functional>

namespace plk::test {

/// One page (from 1) of a PDF file at `dotsPerInch`, only the area `mm`
/// (millimetres from the page's top-left corner); null when pdftoppm fails.
QImage rasteriseArea(const QString& pdf, int page, int dotsPerInch, const QRectF& mm);

/// An image placed on a page, as `pdfimages -list` reports it.
struct PdfImage {
    int page = 0;
    QString type;      // "image", "smask" ...
    int width = 0;
    int height = 0;
    QString encoding;  // "image" (lossless), "jpeg" (DCT) ...
    int object = 0;    // the stored image: one object however often it is placed
    double xPpi = 0;
    double yPpi = 0;
    bool interpolated = false;  // smoothed when enlarged
};
QList<PdfImage> pdfImages(const QString& pdf);

/// The text of a PDF file, as pdftotext extracts it.
QString pdfText(const QString& pdf);

/// A word of a PDF page and where it lies, as `pdftotext -bbox` reports it.
struct PdfWord {
    int page = 0;     // from 1
    QString text;
    QRectF mm;        // from the page's top-left corner
};
/// Every word of the file, page by page in reading order.
QList<PdfWord> pdfWords(const QString& pdf);

/// The bounding box of the pixels within `area` that match; null when none does.
QRect inkBox(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& match);

/// Where a line of text drawn in `font` at its true point size with its top-left
/// corner at `topLeftMm` leaves ink, in pixels at `dotsPerInch` from the same origin.
QRectF expectedInk(const QFont& font, const QString& text, QPointF topLeftMm, double dotsPerInch);

/// Pixels from millimetres at a resolution.
inline double pixelsOf(double mm, double dotsPerInch) { return mm * dotsPerInch / 25.4; }

}  // namespace plk::test
