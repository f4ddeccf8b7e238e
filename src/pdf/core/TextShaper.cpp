#include "pdf/core/TextShaper.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QTextLayout>
#include <unordered_map>

namespace plk {

namespace {

/// Whether the letter is drawn alone, whatever its neighbours: no joining, no marks
/// placed over another letter, no writing from right to left.
bool standsAlone(char32_t c)
{
    if (c < 0x20 || QChar::category(c) == QChar::Mark_NonSpacing || QChar::category(c) == QChar::Mark_Enclosing ||
        QChar::category(c) == QChar::Mark_SpacingCombining)
        return false;
    switch (QChar::script(c)) {
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Greek:
    case QChar::Script_Cyrillic: return QChar::direction(c) != QChar::DirR && QChar::direction(c) != QChar::DirAL;
    default: return false;
    }
}

/// Whether Qt slants or thickens the font's letters itself, the font having no italic or
/// bold of its own: its outlines are then not the letters shown.
/// The raw font tells the style asked of it, not the face's: the face's own is in its
/// header's style bits (bold 1, italic 2).
bool synthesized(const QFont& asked, const QRawFont& got)
{
    const QByteArray head = got.fontTable("head");
    const int style = head.size() > 45 ? quint8(head[45]) : 0;
    return (asked.style() != QFont::StyleNormal && !(style & 2)) || (asked.weight() >= QFont::Bold && !(style & 1));
}

/// Qt's layout of a short text: its glyph runs and its width.
struct Laid {
    QList<QGlyphRun> runs;
    double width = 0;
};
Laid layOut(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    return {layout.glyphRuns(), line.isValid() ? line.naturalTextWidth() : 0};
}

}  // namespace

/// One font's letters and pairs, as found so far.
struct TextShaper::Shaped {
    struct Letter {
        bool alone = false;
        double advance = 0;
        std::vector<Glyph> glyphs;  // x from the letter's start
    };
    QFont font;
    double ascent = 0;
    std::unordered_map<char32_t, Letter> letters;  // its nodes stay where they are
    // A pair's second letter moved by, after the first's advance; nothing when the pair
    // is drawn with other glyphs than its letters alone (the font changes letters by
    // their neighbours).
    std::unordered_map<quint64, std::optional<double>> kerning;

    /// How far Qt moves `b` after `a` beyond `a`'s advance: the font's kerning of the pair.
    std::optional<double> pairKerning(char32_t a, const Letter& first, char32_t b, const Letter& second)
    {
        const quint64 key = (quint64(a) << 32) | b;
        const auto known = kerning.find(key);
        if (known != kerning.end())
            return known->second;
        std::optional<double> moved = 0;
        // Letters of two fonts are two runs, never kerned.
        if (first.glyphs.size() == 1 && second.glyphs.size() == 1 && first.glyphs[0].font == second.glyphs[0].font) {
            const char32_t pair[2] = {a, b};
            const Laid laid = layOut(QString::fromUcs4(pair, 2), font);
            const QList<quint32> glyphs = laid.runs.size() == 1 ? laid.runs[0].glyphIndexes() : QList<quint32>();
            if (glyphs == QList<quint32>{first.glyphs[0].index, second.glyphs[0].index}) {
                const QList<QPointF> at = laid.runs[0].positions();
                moved = at[1].x() - at[0].x() - first.advance;
            } else {
                moved.reset();
            }
        }
        kerning.emplace(key, moved);
        return moved;
    }
};

TextShaper::TextShaper() = default;
TextShaper::~TextShaper() = default;

int TextShaper::fontIndex(const QRawFont& font)
{
    for (std::size_t i = 0; i < m_fonts.size(); ++i)
        if (m_fonts[i] == font)
            return int(i);
    m_fonts.push_back(font);
    return int(m_fonts.size() - 1);
}

TextShaper::Shaped& TextShaper::shapedFont(const QFont& font)
{
    std::shared_ptr<Shaped>& shaped = m_shaped[font];
    if (!shaped) {
        shaped = std::make_shared<Shaped>();
        shaped->font = font;
        shaped->ascent = QFontMetricsF(font).ascent();
    }
    return *shaped;
}

std::optional<TextShaper::Line> TextShaper::shape(const QString& text, const QFont& font)
{
    if (font.underline() || font.strikeOut() || font.overline() || font.capitalization() != QFont::MixedCase)
        return std::nullopt;
    Shaped& shaped = shapedFont(font);
    Line line{shaped.ascent, {}};
    line.glyphs.reserve(std::size_t(text.size()));
    double x = 0;
    char32_t previous = 0;
    const Shaped::Letter* previousLetter = nullptr;
    for (const char32_t c : QStringView(text).toUcs4()) {
        auto found = shaped.letters.find(c);
        if (found == shaped.letters.end()) {
            Shaped::Letter letter;
            letter.alone = standsAlone(c);
            if (letter.alone) {
                const QString alone = QString::fromUcs4(&c, 1);
                const Laid laid = layOut(alone, font);
                letter.advance = laid.width;
                for (const QGlyphRun& run : laid.runs) {
                    letter.alone = letter.alone && !synthesized(font, run.rawFont());
                    const int index = fontIndex(run.rawFont());
                    const QList<quint32> glyphs = run.glyphIndexes();
                    const QList<QPointF> at = run.positions();
                    for (qsizetype g = 0; g < glyphs.size(); ++g)
                        letter.glyphs.push_back({index, glyphs[g], at.value(g).x(), g == 0 ? alone : QString()});
                }
            }
            found = shaped.letters.emplace(c, std::move(letter)).first;
        }
        const Shaped::Letter& letter = found->second;
        if (!letter.alone)
            return std::nullopt;
        if (previousLetter) {
            const std::optional<double> kerned = shaped.pairKerning(previous, *previousLetter, c, letter);
            if (!kerned)
                return std::nullopt;
            x += previousLetter->advance + *kerned;
        }
        for (const Glyph& g : letter.glyphs)
            line.glyphs.push_back({g.font, g.index, x + g.x, g.text});
        previous = c;
        previousLetter = &letter;
    }
    return line;
}

}  // namespace plk
