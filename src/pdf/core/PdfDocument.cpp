#include "pdf/core/PdfDocument.h"

#include "pdf/core/TrueTypeSubset.h"

#include <QIODevice>

namespace plk {

namespace {

/// A text string of the document's information, in UTF-16 with its byte order mark.
QByteArray textString(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
    return hex + '>';
}

QByteArray ref(int object) { return QByteArray::number(object) + " 0 R"; }

}  // namespace

PdfDocument::PdfDocument(QIODevice& out, QSize pagePoints, const QString& title, const QString& creator)
    : m_file(out),
      m_pagePoints(pagePoints),
      m_title(title),
      m_creator(creator),
      m_pages(m_file.reserve()),
      m_resources(m_file.reserve())
{
}

PdfDocument::~PdfDocument() = default;

void PdfDocument::endPage()
{
    const int content = m_file.reserve(), pageObject = m_file.reserve();
    m_file.stream(content, "/Filter /FlateDecode", deflated(m_page.operators()));
    m_file.object(pageObject, "<< /Type /Page /Parent " + ref(m_pages) + " /MediaBox [0 0 " +
                                  QByteArray::number(m_pagePoints.width()) + ' ' +
                                  QByteArray::number(m_pagePoints.height()) + "] /Resources " + ref(m_resources) +
                                  " /Contents " + ref(content) + " >>");
    m_pageObjects.push_back(pageObject);
    m_page.clear();
}

void PdfDocument::newPage() { endPage(); }

PdfFont* PdfDocument::font(const QRawFont& font)
{
    for (const auto& known : m_fonts)
        if (known->carries(font))
            return known.get();
    // A font whose maker allows no embedding, or that has no TrueType outlines to carry,
    // is left to Qt (which draws its letters as outlines).
    const QByteArray os2 = font.fontTable("OS/2");
    if ((os2.size() >= 10 && (quint8(os2[9]) & 0x0F) == 0x02) || trueTypeSubset(font, {}).isEmpty())
        return nullptr;
    m_fonts.push_back(
        std::make_unique<PdfFont>(font, m_file.reserve(), "F" + QByteArray::number(qsizetype(m_fonts.size() + 1))));
    return m_fonts.back().get();
}

QByteArray PdfDocument::image(const QImage& image)
{
    const auto known = m_images.find(image.cacheKey());
    if (known != m_images.end())
        return known->second;
    const QByteArray name = "Im" + QByteArray::number(qsizetype(m_images.size() + 1));
    const int object = m_file.reserve();
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray rgb, alpha;
    rgb.reserve(qsizetype(argb.width()) * argb.height() * 3);
    bool opaque = true;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const char pixel[3] = {char(qRed(line[x])), char(qGreen(line[x])), char(qBlue(line[x]))};
            rgb.append(pixel, 3);
            alpha += char(qAlpha(line[x]));
            opaque = opaque && qAlpha(line[x]) == 255;
        }
    }
    const QByteArray size = "/Width " + QByteArray::number(argb.width()) + " /Height " +
                            QByteArray::number(argb.height()) + " /BitsPerComponent 8";
    QByteArray entries = "/Type /XObject /Subtype /Image " + size + " /ColorSpace /DeviceRGB /Filter /FlateDecode";
    if (!opaque) {
        const int mask = m_file.reserve();
        m_file.stream(mask, "/Type /XObject /Subtype /Image " + size + " /ColorSpace /DeviceGray /Filter /FlateDecode",
                      deflated(alpha));
        entries += " /SMask " + ref(mask);
    }
    m_file.stream(object, entries, deflated(rgb));
    m_imageEntries += '/' + name + ' ' + ref(object) + ' ';
    m_images.emplace(image.cacheKey(), name);
    return name;
}

bool PdfDocument::finish()
{
    endPage();
    bool fontsWritten = true;
    QByteArray fonts;
    for (const auto& font : m_fonts) {
        fontsWritten = font->write(m_file) && fontsWritten;
        fonts += '/' + font->name() + ' ' + ref(font->object()) + ' ';
    }
    m_file.object(m_resources, "<< /Font << " + fonts + ">> /XObject << " + m_imageEntries + ">> >>");
    QByteArray kids;
    kids.reserve(qsizetype(m_pageObjects.size()) * 10);
    for (const int page : m_pageObjects)
        kids += ref(page) + ' ';
    m_file.object(m_pages, "<< /Type /Pages /Kids [" + kids + "] /Count " +
                               QByteArray::number(qsizetype(m_pageObjects.size())) + " >>");
    const int catalogue = m_file.reserve(), information = m_file.reserve();
    m_file.object(catalogue, "<< /Type /Catalog /Pages " + ref(m_pages) + " >>");
    m_file.object(information, "<< /Title " + textString(m_title) + " /Creator " + textString(m_creator) + " >>");
    m_file.finish(catalogue, information);
    return fontsWritten && !m_file.failed();
}

}  // namespace plk
