#pragma once
// A tab painted afresh at any resolution, from its state rather than from the
// canvas's screen picture: the background through the same painters the canvas uses,
// then the objects and the border. The screen needs 96 dpi; paper and print shops
// need more, and an enlarged screen picture shows its pixels.

#include "base/core/Surface.h"
#include "canvas/core/CanvasPainter.h"
#include "canvas/core/TabObject.h"
#include "merge/core/RowValues.h"

#include <QImage>
#include <functional>
#include <vector>

namespace plk {

class ColorGradient;
class Etiquette;
class ImageSurface;

/// The least resolution of a background on paper (or in a PDF or SVG file).
inline constexpr int kPrintDpi = 300;

/// The tab's visible objects in the order `order` draws them, from the back.
std::vector<const TabObject*> drawingOrder(const Etiquette& tab, DrawOrder order);

/// Where an object goes on the surface (its corner's place, in mm).
using ObjectPlace = std::function<QPointF(const TabObject& object)>;

/// The tab's visible objects drawn on the surface in `order`, each at its `place` (at
/// its corner without one), their texts and data filled from `row`.
void paintTabObjects(Surface& surface, const Etiquette& tab, DrawOrder order, const RowValues& row,
                     const ObjectPlace& place = {});

class TabRenderer {
public:
    explicit TabRenderer(const Etiquette& tab) : m_tab(tab) {}

    /// The background as the canvas paints it (its kind, then the CD guides) as a
    /// picture of the tab's size at `dotsPerInch`. Without the border: whoever draws
    /// the label draws that over everything.
    QImage background(double dotsPerInch) const;

    /// The tab's snapshot (the whole label, or with `backgroundOnly` the canvas
    /// alone) at `dotsPerInch`: at the screen's resolution the picture the canvas
    /// shows; at any other everything painted at that resolution. The texts are
    /// filled from `row` when one is given.
    QImage picture(double dotsPerInch, bool backgroundOnly = false, const RowValues& row = RowValues()) const;

    /// The objects and the border painted over a copy of `canvas`, the tab's canvas
    /// alone at `dotsPerInch` (as `picture` gives it with backgroundOnly): the
    /// snapshot for one row without painting the background again.
    QImage withObjects(const QImage& canvas, double dotsPerInch, const RowValues& row = RowValues()) const;

    /// The canvas alone, as `picture(dotsPerInch, true)` paints it, painted again onto a
    /// surface of the tab's size: a view keeps its zoomed canvas and repaints it in place.
    void repaintCanvas(ImageSurface& surface) const { paintCanvas(surface, true); }

    /// The whole label (or with `backgroundOnly` the canvas alone) on a surface whose
    /// millimetres start at the label's corner: the background picture stretched to
    /// the tab's size, then the objects (texts filled from `row`), then the border.
    void paint(Surface& surface, const QImage& background, bool backgroundOnly = false,
               const RowValues& row = RowValues()) const;

    /// The visible texts, the visible logos over them, the visible codes over both,
    /// and the border over all (so that no object covers it), in millimetres from the
    /// surface's corner; the texts filled from `row`.
    void paintObjects(Surface& surface, const RowValues& row = RowValues()) const;

    /// The background of the tab's kind on the whole surface, the border when
    /// `withBorder`, then the CD guides; `gradient` paints a gradient background. A
    /// picture file that can no longer be read leaves the plain canvas.
    void paintCanvas(ImageSurface& surface, bool withBorder, ColorGradient& gradient) const;

private:
    /// The border alone, without the CD guides.
    CanvasDecor border() const;
    void paintCanvas(ImageSurface& surface, bool withBorder) const;
    ImageSurface tabSurface(double dotsPerInch) const;

    const Etiquette& m_tab;
};

}  // namespace plk
