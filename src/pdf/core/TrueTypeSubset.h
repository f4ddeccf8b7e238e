#pragma once
// A TrueType font file holding only the outlines a document uses. Every glyph keeps
// its number (the others are left empty), so the text of a page can name glyphs by
// the numbers of the font the program laid it out with.

#include <QByteArray>
#include <QRawFont>
#include <vector>

namespace plk {

/// The font's file with the outlines of `glyphs` (and the parts they are made of,
/// and glyph 0); empty when the font has no TrueType outlines (or its tables do not
/// hold together).
QByteArray trueTypeSubset(const QRawFont& font, const std::vector<quint32>& glyphs);

}  // namespace plk
