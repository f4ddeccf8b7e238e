#include "pdf/core/PdfFont.h"

#include "pdf/core/PdfFile.h"
#include "pdf/core/TrueTypeSubset.h"

#include <QtEndian>
#include <vector>

namespace plk {

namespace {

QByteArray hex4(quint32 value)
{
    return QByteArray::number(value, 16).rightJustified(4, '0');
}

QByteArray utf16Hex(const QString& text)
{
    QByteArray out;
    for (const QChar c : text)
        out += hex4(c.unicode());
    return out;
}

/// A name a PDF file takes: letters and digits of the font's family and style.
QByteArray postScriptName(const QRawFont& font)
{
    QByteArray name;
    for (const QChar c : font.familyName() + font.styleName())
        if (c.isLetterOrNumber() && c.unicode() < 128)
            name += char(c.unicode());
    return name.isEmpty() ? QByteArray("Font") : name;
}

}  // namespace

PdfFont::PdfFont(const QRawFont& font, int object, QByteArray name)
    : m_font(font), m_object(object), m_name(std::move(name))
{
    m_font.setPixelSize(m_font.unitsPerEm());
}

bool PdfFont::carries(const QRawFont& font) const
{
    return font.familyName() == m_font.familyName() && font.styleName() == m_font.styleName() &&
           font.weight() == m_font.weight() && font.style() == m_font.style();
}

void PdfFont::use(quint32 glyph, const QString& text)
{
    if (glyph < m_seen.size() && m_seen[glyph])
        return;
    if (glyph >= m_seen.size())
        m_seen.resize(std::size_t(glyph) + 1);
    m_seen[glyph] = true;
    const QList<QPointF> advances = m_font.advancesForGlyphIndexes(QList<quint32>{glyph}, QRawFont::UseDesignMetrics);
    m_used.emplace(glyph, Use{text, advances.isEmpty() ? 0 : advances.first().x() * 1000 / m_font.unitsPerEm()});
}

QByteArray PdfFont::widths() const
{
    QByteArray out = "[";
    for (const auto& [glyph, use] : m_used) {
        out += QByteArray::number(glyph) + " [";
        appendPdfNumber(out, use.width);
        out += "] ";
    }
    return out + ']';
}

QByteArray PdfFont::toUnicode() const
{
    QByteArray map =
        "/CIDInit /ProcSet findresource begin 12 dict begin begincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def /CMapType 2 def\n"
        "1 begincodespacerange <0000> <FFFF> endcodespacerange\n";
    std::vector<std::pair<quint32, QString>> entries;
    for (const auto& [glyph, use] : m_used)
        if (!use.text.isEmpty())
            entries.emplace_back(glyph, use.text);
    // A map's section holds at most a hundred entries.
    for (std::size_t from = 0; from < entries.size(); from += 100) {
        const std::size_t to = std::min(entries.size(), from + 100);
        map += QByteArray::number(qsizetype(to - from)) + " beginbfchar\n";
        for (std::size_t i = from; i < to; ++i)
            map += '<' + hex4(entries[i].first) + "> <" + utf16Hex(entries[i].second) + ">\n";
        map += "endbfchar\n";
    }
    return map + "endcmap CMapName currentdict /CMap defineresource pop end end";
}

bool PdfFont::write(PdfFile& file) const
{
    std::vector<quint32> glyphs;
    for (const auto& entry : m_used)
        glyphs.push_back(entry.first);
    const QByteArray program = trueTypeSubset(m_font, glyphs);
    if (program.isEmpty())
        return false;
    const QByteArray base = "AAAAAA+" + postScriptName(m_font);
    const int cid = file.reserve(), descriptor = file.reserve(), outlines = file.reserve(), unicode = file.reserve();
    file.object(m_object, "<< /Type /Font /Subtype /Type0 /BaseFont /" + base +
                              " /Encoding /Identity-H /DescendantFonts [" + QByteArray::number(cid) +
                              " 0 R] /ToUnicode " + QByteArray::number(unicode) + " 0 R >>");
    file.object(cid, "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + base +
                         " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor " +
                         QByteArray::number(descriptor) + " 0 R /CIDToGIDMap /Identity /W " + widths() + " >>");
    const double em = 1000.0 / m_font.unitsPerEm();
    // The box every glyph fits in, from the font's header.
    const QByteArray head = m_font.fontTable("head");
    QByteArray box = "[";
    for (int at = 36; at <= 42; at += 2) {
        appendPdfNumber(box, head.size() >= 44 ? qFromBigEndian<qint16>(head.constData() + at) * em : 0);
        box += at < 42 ? " " : "]";
    }
    QByteArray metrics;
    metrics += " /Ascent ";
    appendPdfNumber(metrics, m_font.ascent() * em);
    metrics += " /Descent ";
    appendPdfNumber(metrics, -m_font.descent() * em);
    metrics += " /CapHeight ";
    appendPdfNumber(metrics, m_font.capHeight() * em);
    file.object(descriptor, "<< /Type /FontDescriptor /FontName /" + base + " /Flags 4 /FontBBox " + box +
                                " /ItalicAngle 0" + metrics + " /StemV 80 /FontFile2 " +
                                QByteArray::number(outlines) + " 0 R >>");
    file.stream(outlines, "/Filter /FlateDecode /Length1 " + QByteArray::number(program.size()), deflated(program));
    file.stream(unicode, "/Filter /FlateDecode", deflated(toUnicode()));
    return true;
}

}  // namespace plk
