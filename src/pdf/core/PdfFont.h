#pragma once
// A font as a PDF file carries it: the outlines of the glyphs its pages use, their
// widths, and what text each glyph stands for, so that readers find and copy words.

#include <QByteArray>
#include <QRawFont>
#include <QString>
#include <map>
#include <vector>

namespace plk {

class PdfFile;

class PdfFont {
public:
    /// `object`: the font's number in the file; `name`: its name on the pages ("F1").
    PdfFont(const QRawFont& font, int object, QByteArray name);

    /// Whether glyphs of `font` (at any size) come from this font's outlines.
    bool carries(const QRawFont& font) const;
    const QByteArray& name() const { return m_name; }
    int object() const { return m_object; }
    /// Notes that a page shows glyph `glyph` for `text`.
    void use(quint32 glyph, const QString& text);
    /// The glyph's width in thousandths of the font's size, as the file declares it
    /// (of a glyph in use).
    double width(quint32 glyph) const { return m_used.at(glyph).width; }
    /// Writes the font's objects; false when its outlines cannot be carried.
    bool write(PdfFile& file) const;

private:
    QByteArray widths() const;
    QByteArray toUnicode() const;

    QRawFont m_font;  // at the size of its units per em
    int m_object;
    QByteArray m_name;
    struct Use {
        QString text;
        double width;
    };
    std::map<quint32, Use> m_used;
    std::vector<bool> m_seen;  // by glyph: in m_used, found without a search
};

}  // namespace plk
