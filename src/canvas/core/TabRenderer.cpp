#include "canvas/core/TabRenderer.h"

#include "canvas/core/CanvasPainter.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/ImageSurface.h"
#include "canvas/core/LogoPicture.h"
#include "gradient/core/ColorGradient.h"

namespace plk {

void paintCode(Surface& s, const Etiquette& tab, int index, double left, double top, const RowValues& row)
{
    const CodeObject& c = tab.code(index);
    s.drawing(left, top, c.Width, c.Height, [&tab, index, &row](QPainter& painter, const QRectF& target) {
        paintTabCode(painter, target, tab, index, row);
    });
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
    const Etiquette& t = m_tab;
    for (int i = 1; i <= t.labelCount(); ++i) {
        const TextObject& o = t.label(i);
        if (o.Visible)
            s.text(o.Left, o.Top, row.line(o.Caption), t.labelFont(i), toQColor(o.ForeColor));
    }
    for (int i = 1; i <= t.logoCount(); ++i) {
        const Etiquette::LogoElement& o = t.logo(i);
        if (o.Visible)
            s.picture(o.picture, o.Left, o.Top, o.Width, o.Height);
    }
    for (int i = 1; i <= t.codeCount(); ++i) {
        const CodeObject& o = t.code(i);
        if (o.Visible)
            paintCode(s, t, i, o.Left, o.Top, row);
    }
    drawBorder(s, border());
}

CanvasDecor TabRenderer::border() const
{
    return CanvasDecor{m_tab.Bordure(), m_tab.BorderColor(), m_tab.DrawStyle(), false, false};
}

}  // namespace plk
