#pragma once
// A PDF document written page by page onto a device: each page's operators squeezed
// as soon as the page is done, each picture stored once however often it is placed,
// the fonts' outlines (only the glyphs used) at the end. Memory stays flat however
// many pages there are.

#include "pdf/core/PdfContent.h"
#include "pdf/core/PdfFile.h"
#include "pdf/core/PdfFont.h"

#include <QImage>
#include <QRawFont>
#include <QSize>
#include <QString>
#include <memory>
#include <unordered_map>
#include <vector>

class QIODevice;

namespace plk {

class PdfDocument {
public:
    /// Starts the document, and its first page of `pagePoints`, on an open device.
    PdfDocument(QIODevice& out, QSize pagePoints, const QString& title, const QString& creator);
    ~PdfDocument();

    /// The page being drawn.
    PdfContent& page() { return m_page; }
    /// Ends the page and starts the next.
    void newPage();
    /// The font as the pages name it; null when its outlines cannot be carried (not TrueType).
    PdfFont* font(const QRawFont& font);
    /// The picture's name on the pages, stored with its first use.
    QByteArray image(const QImage& image);
    /// Ends the last page and the file. False when the device refused a write or a
    /// font could not be written.
    bool finish();

private:
    void endPage();

    PdfFile m_file;
    QSize m_pagePoints;
    QString m_title;
    QString m_creator;
    int m_pages;      // the page tree
    int m_resources;  // one set of fonts and pictures that every page refers to
    PdfContent m_page;
    std::vector<int> m_pageObjects;
    std::vector<std::unique_ptr<PdfFont>> m_fonts;
    std::unordered_map<qint64, QByteArray> m_images;  // by the picture's cache key
    QByteArray m_imageEntries;
};

}  // namespace plk
