#pragma once
// Shared pieces of the printing tests: printers that write PDF files into a folder,
// PDF pages rasterised with pdftoppm, and the rectangles of a colour on a page.

#include "print/ui/PrinterOutput.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QTabBar;

namespace plk::test {

/// A one-tab project of a 90 x 50 mm red card with the given PRINT record.
inline QByteArray projectWith(const QByteArray& printRecord)
{
    return "ONGLET|Carte\r\n"
           "PROJET|Carte|90|50|255|0|Faux|Faux|Faux|Faux|Faux\r\n"
           "FOND|1|255\r\n" +
           printRecord + "\r\n";
}

/// Layout values written in the order the print routines take them.
inline LayoutValues values(int posX, int posY, int sepH, int sepV, int across, int down, int sheets, int margeG,
                           int margeH)
{
    const auto s = [](int v) { return std::int16_t(v); };
    return {s(posX), s(posY), s(sepH), s(sepV), s(across), s(down), s(sheets), s(margeG), s(margeH)};
}

/// The nine layout values in the order values() takes them.
inline QList<int> nine(const LayoutValues& v)
{
    return {v.ImpPosX, v.ImpPosY, v.ImpSepH, v.ImpSepV, v.ImpNbrH, v.ImpNbrV, v.ImpNbrP, v.ImpMargeG, v.ImpMargeH};
}

/// Installed printers for tests: each "prints" into <folder>/<name>.pdf and has the
/// unprintable margins it was given (mm).
class FakePrinters final : public PrinterCatalog {
public:
    struct Entry {
        QString name;
        QMarginsF margins;
    };
    FakePrinters(QString folder, std::vector<Entry> entries, QString defaultName = QString())
        : m_folder(std::move(folder)), m_entries(std::move(entries)), m_default(std::move(defaultName))
    {
    }
    /// The system's list changes: printers come and go.
    void setEntries(std::vector<Entry> entries) { m_entries = std::move(entries); }
    QStringList printerNames() const override;
    QString defaultPrinterName() const override { return m_default; }
    std::unique_ptr<QPrinter> printer(const QString& name) const override;
    QString outputOf(const QString& name) const { return m_folder + QLatin1Char('/') + name + QStringLiteral(".pdf"); }

private:
    QString m_folder;
    std::vector<Entry> m_entries;
    QString m_default;
};

/// The pages of a PDF file at `dotsPerInch`; empty when pdftoppm fails.
QList<QImage> rasterise(const QString& pdf, int dotsPerInch);

/// Bounding boxes of the connected areas of pixels that match, largest first;
/// areas smaller than `minimumPixels` are left out.
QList<QRect> regions(const QImage& image, const std::function<bool(QRgb)>& match, int minimumPixels = 50);

/// Near a colour, within `tolerance` on each channel.
std::function<bool(QRgb)> near(QColor colour, int tolerance = 40);

/// Rectangles sorted row by row (top to bottom, then left to right).
QList<QRect> inReadingOrder(QList<QRect> rects);

/// The labels' corners (mm) of `across` x `down` labels from `first`, `pitch` apart.
QList<QPointF> grid(QPointF first, QSizeF pitch, int across, int down);

/// How the rectangles found (in reading order) stray from labels of `sizeMm` at these
/// corners, at `perMm` pixels a millimetre: corners beyond `tolerance` pixels, sizes
/// beyond `sizeTolerance` (unchecked when negative); empty when none strays.
QString misplaced(const QList<QRect>& found, const QList<QPointF>& cornersMm, double perMm, double tolerance,
                  QSizeF sizeMm = {}, double sizeTolerance = -1);

}  // namespace plk::test
