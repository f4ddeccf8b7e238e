#pragma once
// gLabels projects written by the tests themselves (see GlabelsSamples.cpp).

#include <QByteArray>

namespace plk::test {

/// The label "Essai" in the dialect of gLabels 3 or of glabels-qt 4: two texts (one of
/// two lines with a merge field, one turned with a shadow), a box, a filled ellipse, a
/// sloping line, an embedded picture, an EAN-13 and a POSTNET code, a CSV merge source,
/// on an Avery L7160 sheet.
QByteArray glabelsSample(int version);
/// A gLabels 3 label on a sheet of two grids: a red text, the picture "bleu.png", a green
/// box, a yellow ellipse, a cyan line and an orange text turned a quarter, off the whole
/// millimetre.
extern const QByteArray kGlabelsTwoGrids;
/// The template part alone: for variations.
extern const QByteArray kGlabelsTemplate;
/// The bytes compressed by gzip.
QByteArray gzipped(const QByteArray& bytes);

}  // namespace plk::test
