#pragma once
// Sheets drawn straight into a PDF document of our own, in twips as on a printer's
// page (PrinterSurface), for the jobs of thousands of sheets a merge makes: Qt's PDF
// engine lays out and writes every glyph of every text afresh, this surface reuses each
// font's letters and writes a line of text as one run.
//
// It draws texts of letters set side by side, pictures, lines, boxes and circles, and
// drawings through a painter of its own (PdfPaintDevice), turned and clipped. What it
// does not draw (a text in a script whose letters join, a gradient in a drawing ...) it
// notes as `unsupported`: the job is then drawn by Qt.

#include "pdf/core/PdfDocument.h"
#include "pdf/core/PdfText.h"
#include "print/core/PageSurface.h"

#include <QTransform>
#include <optional>

namespace plk {

class PdfSheetSurface final : public PageSurface {
public:
    /// Draws on the document's pages of `pageMm`, in points `pageHeightPoints` high; a
    /// drawing's painter draws at `dotsPerInch`.
    PdfSheetSurface(PdfDocument& document, QSizeF pageMm, double pageHeightPoints, double dotsPerInch);

    /// Everything from here on mirrored left to right across the page.
    void mirror();
    /// Corrects where everything goes from now on (a printer's calibration), in twips.
    void setCorrection(const QTransform& twips);
    /// Ends the page and starts the next.
    void newPage();
    /// Whether something was asked that this surface cannot draw.
    bool unsupported() const { return m_unsupported; }

    void clear(const QColor& colour) override;
    void line(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void box(double x1, double y1, double x2, double y2, const QColor& colour, int drawStyle) override;
    void circle(double cx, double cy, double radius, const QColor& colour, bool filled) override;
    void picture(const QImage& image, double x, double y, double w, double h) override;
    void text(double x, double y, const QString& text, const QFont& font, const QColor& colour) override;
    void drawing(double x, double y, double w, double h, const Drawing& draw) override;
    void clipTo(const QRectF& rect) override;
    void setRotation(QPointF centre, double degrees) override;

private:
    /// The page's state (its transform, the clip, the turn) in force on the page.
    PdfContent& page();
    /// Closes the state, which the next drawing sets again.
    void closeState();
    /// The pen of a line or outline; false when it draws nothing.
    bool stroke(const QColor& colour, Qt::PenStyle style = Qt::SolidLine);
    bool fill(const QColor& colour);

    PdfDocument& m_document;
    PdfText m_text;
    double m_dotsPerInch;
    QTransform m_page;              // twips to the page's points
    QTransform m_mirror;
    QTransform m_correction;
    QRectF m_clip;                  // twips; empty: none
    std::optional<QTransform> m_turn;
    int m_levels = 0;               // states saved on the page
    std::optional<QColor> m_fill;   // the colour in force, while the state is
    bool m_unsupported = false;
};

}  // namespace plk
