#pragma once
// Lines of text onto a document's pages: shaped once per font's letters, each run of
// one font written with its font, which the document carries.

#include "pdf/core/PdfDocument.h"
#include "pdf/core/TextShaper.h"

#include <QFont>
#include <QPointF>
#include <QString>
#include <vector>

namespace plk {

class PdfText {
public:
    explicit PdfText(PdfDocument& document) : m_document(document) {}

    /// Writes `text` in `font` (sized in pixels of the content's units) from `origin`,
    /// the top of its line or its baseline, in the colour of the content's fills.
    /// False when the text or its fonts cannot be written so (nothing is then written).
    bool write(PdfContent& content, QPointF origin, bool fromTop, const QString& text, const QFont& font);

private:
    PdfDocument& m_document;
    TextShaper m_shaper;
    std::vector<PdfFont*> m_fonts;  // the document's font of each of the shaper's fonts
};

}  // namespace plk
