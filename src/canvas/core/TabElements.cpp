#include "canvas/core/TabElements.h"

#include "barcode/core/BarcodePainter.h"
#include "base/core/Twips.h"
#include "canvas/core/LogoPicture.h"
#include "canvas/core/ObjectRecords.h"
#include "canvas/core/TextBoxText.h"
#include "merge/core/FieldMarkers.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace plk {

namespace {

// A 96-dpi device, so that font sizes give the same pixels as the canvas.
const QImage& metricsDevice()
{
    static const QImage device = [] {
        QImage img(1, 1, QImage::Format_ARGB32_Premultiplied);
        img.setDotsPerMeterX(3780);
        img.setDotsPerMeterY(3780);
        return img;
    }();
    return device;
}

double pixelsToMm(double px) { return px * kTwipsPerPixel / kTwipsPerMm; }

/// The largest part of `box` the picture fills with its proportions kept, centred:
/// pictures of rows come in any shape and are not stretched to the logo's.
QRectF keptProportions(const QImage& picture, const QRectF& box)
{
    const QSizeF own = picture.deviceIndependentSize();
    if (own.isEmpty())
        return box;
    const QSizeF fitted = own.scaled(box.size(), Qt::KeepAspectRatio);
    return {box.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted};
}

}  // namespace

// --- texts -----------------------------------------------------------------------------

QString TextElement::record(const RegionalFormat& format) const
{
    if (!box)
        return labelRecord(*this, format);
    // The record it would have on one line; its box and lines follow in its ZONE record.
    TextObject line = *this;
    line.Caption = oneLine(Caption);
    return labelRecord(line, format);
}

QFont TextElement::font() const
{
    QFont font(FontName);
    font.setPointSizeF(std::max(1.0f, FontSize));
    font.setBold(FontBold);
    font.setItalic(FontItalic);
    font.setUnderline(FontUnderline);
    font.setStrikeOut(FontStrikethru);
    // Letters stay letters: a ligature ("ffi", "fl") is one sign in a PDF, which a reader
    // does not find as the word typed. Qt 6.4 cannot switch a font feature off, but it
    // leaves ligatures out of any text whose letter spacing is not the plain one; this
    // one adds a millionth of each letter's width.
    font.setLetterSpacing(QFont::PercentageSpacing, 100.0001);
    return font;
}

TextBoxLayout TextElement::boxLayout(const RowValues& row) const { return layoutTextBox(row.lines(Caption), font(), *box); }

QRectF TextElement::rect(const RowValues& shown) const
{
    if (box)
        return {Left, Top, box->width, box->height};
    const QFontMetricsF fm(font(), &metricsDevice());
    return {Left, Top, pixelsToMm(fm.horizontalAdvance(shown.line(Caption))), pixelsToMm(fm.height())};
}

void TextElement::paint(Surface& s, QPointF at, const RowValues& row) const
{
    if (box)
        return paintTextBox(s, at, boxLayout(row), toQColor(ForeColor));
    s.text(at.x(), at.y(), row.line(Caption), font(), toQColor(ForeColor));
}

void TextElement::paintOnCanvas(QPainter& p, const QRectF& target, const RowValues& shown) const
{
    if (box)
        return paintTextBox(p, target, box->width, boxLayout(shown), toQColor(ForeColor));
    QFont f = font();
    // Points at 96 dpi, whatever the screen says, so the canvas matches the snapshot.
    f.setPointSizeF(f.pointSizeF() * 96.0 / p.device()->logicalDpiY());
    p.setFont(f);
    p.setPen(toQColor(ForeColor));
    p.drawText(QPointF(target.left(), target.top() + QFontMetricsF(f, p.device()).ascent()), shown.line(Caption));
}

// --- logos -----------------------------------------------------------------------------

QString LogoElement::record(const RegionalFormat&) const { return logoRecord(*this); }

void LogoElement::paint(Surface& s, QPointF at, const RowValues& row) const
{
    if (!takesRowPicture(row)) {
        s.picture(picture, at.x(), at.y(), Width, Height);
        return;
    }
    const QImage shown = rowPicture(row);
    const QRectF box = keptProportions(shown, QRectF(at, QSizeF(Width, Height)).normalized());
    s.picture(shown, box.x(), box.y(), box.width(), box.height());
}

void LogoElement::paintOnCanvas(QPainter& p, const QRectF& target, const RowValues& shown) const
{
    // Without the row's picture the logo's own keeps it in sight for placing it; the
    // outputs leave such a label without a picture (the user is told which).
    const QImage rows = takesRowPicture(shown) ? rowPicture(shown) : QImage();
    if (rows.isNull())
        p.drawImage(target, picture);
    else
        p.drawImage(keptProportions(rows, target.normalized()), rows);
}

QImage LogoElement::rowPicture(const RowValues& row) const
{
    const QString path = row.filePath(pictureField);
    if (path.isEmpty())
        return {};
    return loadPictureFile(path, QSizeF(std::fabs(Width), std::fabs(Height))).value_or(QImage());
}

void LogoElement::takeOwnSize()
{
    const QSizeF own = naturalSizeMm(picture);
    Width = float(own.width());
    Height = float(own.height());
}

void LogoElement::fitPicture()
{
    if (Tag.isEmpty())
        return;
    if (auto fitted = loadPictureFile(Tag, QSizeF(std::fabs(Width), std::fabs(Height))))
        picture = std::move(*fitted);
}

// --- codes -----------------------------------------------------------------------------

QString CodeElement::record(const RegionalFormat& format) const { return codeRecord(*this, format); }

bool CodeElement::paintCode(QPainter& painter, const QRectF& target, const RowValues& row) const
{
    const QString filled = data(row);
    // The encoding kept is that of the code's own data.
    const BarcodeEncoding* known = filled == Data ? &encoded : nullptr;
    return paintBarcode(painter, target, Kind, filled, ShowText, toQColor(ForeColor), known, &m_pictures);
}

void CodeElement::paint(Surface& s, QPointF at, const RowValues& row) const
{
    s.drawing(at.x(), at.y(), Width, Height,
              [this, &row](QPainter& painter, const QRectF& target) { paintCode(painter, target, row); });
}

void CodeElement::paintOnCanvas(QPainter& p, const QRectF& target, const RowValues& shown) const
{
    // Until a row is shown, the data of a code with markers is not known yet.
    const bool markers = !fieldMarkers(Data).isEmpty();
    if (markers && shown.empty())
        paintCodeMarkers(p, target, Data, toQColor(ForeColor));
    else if (!paintCode(p, target, shown))
        paintCodeMarkers(p, target, data(shown), toQColor(ForeColor));
}

}  // namespace plk
