#include "canvas/core/TabRenderer.h"

#include "canvas/core/CanvasPainter.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/ImageSurface.h"
#include "canvas/core/LogoPicture.h"
#include "canvas/core/Rotation.h"
#include "gradient/core/ColorGradient.h"

namespace plk {

std::vector<const TabObject*> drawingOrder(const Etiquette& tab, DrawOrder order)
{
    const auto& kinds = order == DrawOrder::Picture ? kPictureLayers : kCanvasLayers;
    std::vector<const TabObject*> drawn;
    for (const ObjectKind kind : kinds) {
        if (order == DrawOrder::Canvas) {
            for (const auto& o : tab.objects())
                if (o->kind() == kind && o->visible())
                    drawn.push_back(o.get());
            continue;
        }
        for (int i = 1; const TabObject* o = tab.object(kind, i); ++i)
            if (o->visible())
                drawn.push_back(o);
    }
    return drawn;
}

void paintTabObjects(Surface& s, const Etiquette& tab, DrawOrder order, const RowValues& row,
                     const ObjectPlace& place)
{
    for (const TabObject* o : drawingOrder(tab, order)) {
        const QPointF at = place ? place(*o) : o->corner();
        const TurnedOn turned(s, *o, at, row);
        o->paint(s, at, row);
    }
}

void TabRenderer::paintCanvas(ImageSurface& s, bool withBorder) const
{
    ColorGradient painter;
    paintCanvas(s, withBorder, painter);
}

void TabRenderer::paintCanvas(ImageSurface& s, bool withBorder, ColorGradient& gradient) const
{
    const Etiquette& t = m_tab;
    s.setScaleMode(Surface::ScaleMode::Millimetres);
    s.clear(toQColor(t.BackColor()));
    switch (BackgroundKind(t.TypeFond())) {
    case BackgroundKind::Picture: {
        // Decoded once and shared; a much larger file comes reduced to what the size
        // needs. A file that can no longer be read leaves the picture the tab showed.
        const QSizeF size(s.scaleWidth(), s.scaleHeight());
        const std::optional<QImage> file = loadPictureFile(t.Chemin_Image(), size);
        s.picture(file ? *file : t.backgroundPicture(), 0, 0, size.width(), size.height());
        break;
    }
    case BackgroundKind::Gradient:
        paintGradientBackground(s, gradient, t.gradAngle(), t.gradColor1(), t.gradColor2(), t.gradColor3());
        break;
    case BackgroundKind::Default:
    case BackgroundKind::Plain: break;
    }
    const CanvasDecor decor{withBorder && t.Bordure(), t.BorderColor(), t.DrawStyle(), t.CD_Disque(), t.CD_Pochette()};
    drawBorder(s, decor);
    drawCdGuides(s, decor);
}

ImageSurface TabRenderer::tabSurface(double dotsPerInch) const
{
    const QSizeF twips = m_tab.canvasTwips();
    return ImageSurface::fromTwips(std::max(0.0, twips.width()), std::max(0.0, twips.height()), dotsPerInch);
}

QImage TabRenderer::background(double dotsPerInch) const
{
    ImageSurface s = tabSurface(dotsPerInch);
    paintCanvas(s, false);
    return s.image();
}

QImage TabRenderer::picture(double dotsPerInch, bool backgroundOnly, const RowValues& row) const
{
    if (dotsPerInch == kScreenDpi)
        return m_tab.Picture(backgroundOnly, row);
    ImageSurface s = tabSurface(dotsPerInch);
    paintCanvas(s, true);
    if (!backgroundOnly)
        paintObjects(s, row);
    return s.image();
}

QImage TabRenderer::withObjects(const QImage& canvas, double dotsPerInch, const RowValues& row) const
{
    ImageSurface s = tabSurface(dotsPerInch);
    s.setImage(canvas);
    paintObjects(s, row);
    return s.image();
}

void TabRenderer::paint(Surface& s, const QImage& background, bool backgroundOnly, const RowValues& row) const
{
    s.setScaleMode(Surface::ScaleMode::Millimetres);
    s.picture(background, 0, 0, m_tab.prjWidth(), m_tab.prjHeight());
    if (backgroundOnly)
        drawBorder(s, border());
    else
        paintObjects(s, row);
}

void TabRenderer::paintObjects(Surface& s, const RowValues& row) const
{
    paintTabObjects(s, m_tab, DrawOrder::Picture, row);
    drawBorder(s, border());
}

CanvasDecor TabRenderer::border() const
{
    return CanvasDecor{m_tab.Bordure(), m_tab.BorderColor(), m_tab.DrawStyle(), false, false};
}

}  // namespace plk
