#include "pdf/core/PdfText.h"

namespace plk {

bool PdfText::write(PdfContent& content, QPointF origin, bool fromTop, const QString& text, const QFont& font)
{
    const std::optional<TextShaper::Line> line = m_shaper.shape(text, font);
    if (!line)
        return false;
    for (const TextShaper::Glyph& g : line->glyphs) {
        if (m_fonts.size() <= std::size_t(g.font))
            m_fonts.resize(std::size_t(g.font) + 1, nullptr);
        PdfFont*& pdfFont = m_fonts[std::size_t(g.font)];
        if (!pdfFont && !(pdfFont = m_document.font(m_shaper.font(g.font))))
            return false;
    }
    const QPointF baseline = origin + QPointF(0, fromTop ? line->ascent : 0);
    const double size = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
    // A run per font: a letter the font lacks comes from another.
    std::vector<PdfContent::Glyph> run;
    for (std::size_t from = 0; from < line->glyphs.size();) {
        const int font = line->glyphs[from].font;
        PdfFont* pdfFont = m_fonts[std::size_t(font)];
        const double start = line->glyphs[from].x;
        run.clear();
        std::size_t to = from;
        for (; to < line->glyphs.size() && line->glyphs[to].font == font; ++to) {
            const TextShaper::Glyph& g = line->glyphs[to];
            pdfFont->use(g.index, g.text);
            run.push_back({g.index, g.x - start, pdfFont->width(g.index)});
        }
        content.text(pdfFont->name(), size, baseline + QPointF(start, 0), run);
        from = to;
    }
    return true;
}

}  // namespace plk
