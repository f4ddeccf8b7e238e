#pragma once
// A painter's device whose drawings go onto a page of a PDF document of our own: what
// draws itself with a painter (codes, shapes, outlines) draws there as it would on
// Qt's PDF writer. It takes filled and outlined paths, rectangles and polygons in plain
// colours, pictures and lines of text, clipped and transformed; anything else (a
// gradient or pattern, see-through colours, a pen one pixel wide whatever the scale)
// it notes as unsupported.

#include <QPaintDevice>
#include <QSizeF>
#include <memory>

namespace plk {

class PdfContent;
class PdfDocument;
class PdfText;

class PdfPaintDevice final : public QPaintDevice {
public:
    /// Draws into `content` in dots of `dotsPerInch` from its origin (the caller maps
    /// them onto the page), over an area of `sizeDots`.
    PdfPaintDevice(PdfContent& content, PdfDocument& document, PdfText& text, QSizeF sizeDots, double dotsPerInch);
    ~PdfPaintDevice() override;

    QPaintEngine* paintEngine() const override;
    /// Whether something was drawn that the page could not take.
    bool unsupported() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    std::unique_ptr<Engine> m_engine;
    QSizeF m_size;
    double m_dotsPerInch;
};

}  // namespace plk
