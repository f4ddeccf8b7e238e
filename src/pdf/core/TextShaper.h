#pragma once
// Where each glyph of a line of text goes, as Qt lays it out, without laying out every
// line afresh: a letter's glyph and advance, and the kerning of each pair of letters,
// are worked out once per font and kept. That holds for scripts written letter by
// letter from left to right (Latin, Greek, Cyrillic ...) in a text without ligatures
// (see TextElement::font); other texts are refused.

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace plk {

class TextShaper {
public:
    /// A glyph placed on the line: of font `font` (an index into fonts()), starting
    /// `x` from the line's start, standing for `text`.
    struct Glyph {
        int font;
        quint32 index;
        double x;
        QString text;
    };
    struct Line {
        double ascent = 0;
        std::vector<Glyph> glyphs;
    };

    TextShaper();
    ~TextShaper();

    /// The glyphs of `text` in `font` (sized in pixels); nothing when the text needs
    /// more than letters placed side by side (another script, an underline ...).
    std::optional<Line> shape(const QString& text, const QFont& font);
    /// The fonts glyphs come from (a letter the font lacks comes from another).
    const QRawFont& font(int index) const { return m_fonts.at(std::size_t(index)); }

private:
    struct Shaped;
    Shaped& shapedFont(const QFont& font);
    int fontIndex(const QRawFont& font);

    QHash<QFont, std::shared_ptr<Shaped>> m_shaped;
    std::vector<QRawFont> m_fonts;
};

}  // namespace plk
