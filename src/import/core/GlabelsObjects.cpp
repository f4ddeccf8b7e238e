#include "import/core/GlabelsObjects.h"

#include "barcode/core/BarcodeData.h"
#include "barcode/core/CodeObject.h"
#include "base/core/Records.h"
#include "base/core/Rounding.h"
#include "base/core/ValueReader.h"
#include "canvas/core/ExactPlaces.h"
#include "canvas/core/LogoPicture.h"
#include "canvas/core/ObjectRecords.h"
#include "canvas/core/Rotation.h"
#include "canvas/core/ShapeElement.h"
#include "canvas/core/TabElements.h"
#include "canvas/core/TextBoxText.h"
#include "import/core/GlabelsReader.h"

#include <QDir>
#include <QLineF>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace plk {

void GlabelsLosses::add(const QString& what)
{
    if (!m_counts.contains(what))
        m_order << what;
    ++m_counts[what];
}

QStringList GlabelsLosses::lines() const
{
    QStringList out;
    for (const QString& what : m_order)
        out << (m_counts[what] > 1 ? QStringLiteral("%1 (%2)").arg(what).arg(m_counts[what]) : what);
    return out;
}

namespace {

constexpr double kMmPerPoint = 25.4 / 72;
// gLabels draws a text this far in from its box's left and right edges.
constexpr double kTextMargin = 3 * kMmPerPoint;
// Matrices are written to six decimals.
constexpr double kMatrixSlack = 1e-4;

OleColor oleColour(std::uint32_t rgba)
{
    return OleColor(((rgba >> 24) & 0xFF) | (((rgba >> 16) & 0xFF) << 8) | (((rgba >> 8) & 0xFF) << 16));
}

std::uint32_t opacity(std::uint32_t rgba) { return rgba & 0xFF; }

/// The object's own frame on the label: its matrix, then its corner's place.
QTransform frameOf(const GlabelsObject& o) { return o.matrix * QTransform::fromTranslate(o.x, o.y); }

/// Whether the matrix does more than turn: a mirror, a skew, a stretch.
bool distorted(const QTransform& m)
{
    return std::abs(m.m11() - m.m22()) > kMatrixSlack || std::abs(m.m12() + m.m21()) > kMatrixSlack ||
           std::abs(m.m11() * m.m11() + m.m12() * m.m12() - 1) > kMatrixSlack;
}

/// Lengths to the hundredth of a millimetre, as our records keep places, and within
/// the bounds they take.
double hundredths(double mm) { return std::round(boundedLength(mm) * 100) / 100 + 0.0; }
QRectF hundredths(const QRectF& r)
{
    return {hundredths(r.left()), hundredths(r.top()), hundredths(r.width()), hundredths(r.height())};
}

/// Where an object lands on our tab: its box upright, and the turn about its middle.
struct Placed {
    QRectF box;
    double angle = 0;  // degrees anticlockwise
};

/// A box of `size` whose middle is where the object's matrix takes the middle of its own
/// box, turned as the matrix turns its first axis (gLabels' y goes down, as ours).
Placed placed(const GlabelsObject& o, QSizeF size)
{
    const QPointF centre = frameOf(o).map(QPointF(o.w / 2, o.h / 2));
    const double angle = -qRadiansToDegrees(std::atan2(o.matrix.m12(), o.matrix.m11()));
    return {hundredths(QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size)), angle};
}

/// A length of our records' whole millimetres for a size, never 0.
// Less than anything a print shows: a size this close to a whole one is the whole one.
constexpr double kUnseen = 0.005;

double wholeSize(double mm) { return std::max(1.0, roundHalfEven(std::min(std::abs(mm), kMaxTabSizeMm))); }

struct Context {
    const GlabelsDocument& doc;
    const GlabelsTarget& target;
    const RegionalFormat& format;
    GlabelsLosses& losses;
    QStringList labels, logos, codes, zones, shapes;
    QStringList turns[kObjectKinds], places[kObjectKinds];  // by our kind
    QList<QRectF> drawn;  // on the label, what the objects other than shapes cover

    /// The turn and the exact place of the object just written as the `ordinal`th of `keyword`.
    void keep(ObjectKind kind, const QString& keyword, int ordinal, const Placed& p)
    {
        if (normalisedAngle(p.angle) != 0)
            turns[int(kind)] << rotationRecord(keyword, ordinal, p.angle, format);
        if (const QString place = placeRecord(keyword, ordinal, p.box.topLeft(), format); !place.isEmpty())
            places[int(kind)] << place;
    }
};

TextBox boxOf(const GlabelsObject& o, double width)
{
    TextBox box;
    box.width = hundredths(std::clamp(width, TextBox::kMinSide, kMaxTabSizeMm));
    box.height = hundredths(std::clamp(o.h, TextBox::kMinSide, kMaxTabSizeMm));
    box.align = o.align == GlabelsObject::Align::Center  ? BoxAlign::Centre
                : o.align == GlabelsObject::Align::Right ? BoxAlign::Right
                : o.align == GlabelsObject::Align::Justify ? BoxAlign::Justified
                                                           : BoxAlign::Left;
    box.valign = o.valign == GlabelsObject::VAlign::Center   ? BoxVAlign::Middle
                 : o.valign == GlabelsObject::VAlign::Bottom ? BoxVAlign::Bottom
                                                             : BoxVAlign::Top;
    box.spacing = hundredths(std::clamp(o.style.lineSpacing, TextBox::kMinSpacing, TextBox::kMaxSpacing));
    // gLabels shrinks a text as far as it must.
    box.fit = o.autoShrink;
    box.minSize = TextBox::kMinFontSize;
    return box;
}

void writeText(const GlabelsObject& o, Context& c)
{
    QStringList lines;
    for (const QString& line : o.lines)
        lines << withoutSeparators(line);
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return;
    QString caption = lines.join(QLatin1Char('\n'));
    if (caption.size() > kMaxTextLength) {
        caption.truncate(kMaxTextLength);
        c.losses.add(QStringLiteral("fin d'un texte de plus de %1 caractères").arg(kMaxTextLength));
    }
    const GlabelsTextStyle& s = o.style;
    TextElement text;
    text.Caption = caption;
    text.FontName = withoutSeparators(s.family);
    text.FontSize = float(std::clamp(s.size, TextBox::kMinFontSize, TextBox::kMaxFontSize));
    if (std::abs(s.size - std::round(s.size)) > kUnseen)
        c.losses.add(QStringLiteral("taille de police arrondie au point"));
    text.FontBold = s.bold;
    text.FontItalic = s.italic;
    text.FontUnderline = s.underline;
    text.ForeColor = oleColour(s.colour);
    // One line set left and upright stays a text of one line; anything gLabels lays out
    // in its box (several lines, a line it wraps, alignment, shrinking, a turn about the
    // box's middle) goes in a box of ours, within the margins gLabels keeps.
    const double inner = o.w - 2 * kTextMargin;
    Placed p = placed(o, QSizeF(std::abs(o.w), std::abs(o.h)));
    const bool wraps = c.target.textWidth && c.target.textWidth(s, lines.first()) > inner;
    if (lines.size() > 1 || wraps || o.align != GlabelsObject::Align::Left || o.valign != GlabelsObject::VAlign::Top ||
        o.autoShrink || normalisedAngle(p.angle) != 0) {
        text.box = boxOf(o, inner);
        p.box = hundredths(QRectF(p.box.center() - QPointF(text.box->width / 2, text.box->height / 2),
                                  QSizeF(text.box->width, text.box->height)));
    } else {
        p.box = hundredths(p.box.translated(kTextMargin, 0));
    }
    text.Left = float(p.box.left());
    text.Top = float(p.box.top());
    c.labels << text.record(c.format);
    if (text.box)
        c.zones << textBoxRecord(text, int(c.labels.size()), c.format);
    c.keep(ObjectKind::Label, text.keyword(), int(c.labels.size()), p);
    if (o.severalStyles)
        c.losses.add(QStringLiteral("plusieurs polices dans un même texte (la première est gardée)"));
}

void writeImage(const GlabelsObject& o, Context& c)
{
    if (!o.sourceField.isEmpty()) {
        c.losses.add(QStringLiteral("image tirée d'un champ de fusion (« %1 »)").arg(o.sourceField));
        return;
    }
    QString path;
    const auto embedded = std::find_if(c.doc.pictures.begin(), c.doc.pictures.end(),
                                       [&o](const GlabelsPicture& p) { return p.name == o.source; });
    if (embedded != c.doc.pictures.end()) {
        QString reason = QStringLiteral("image intégrée non écrite");
        if (c.target.placePicture)
            path = c.target.placePicture(*embedded, &reason);
        if (path.isEmpty()) {
            c.losses.add(reason);
            return;
        }
    } else if (!o.source.isEmpty()) {
        path = QDir::cleanPath(QDir(c.target.documentFolder).absoluteFilePath(o.source));
        if (!pictureFileExists(path)) {
            c.losses.add(QStringLiteral("image « %1 » introuvable").arg(QDir::toNativeSeparators(path)));
        } else if (!loadPictureFile(path)) {
            c.losses.add(QStringLiteral("image « %1 » illisible").arg(QDir::toNativeSeparators(path)));
            return;
        }
    }
    if (!storablePath(path)) {
        c.losses.add(QStringLiteral("image au nom impossible à enregistrer (« %1 »)").arg(path));
        return;
    }
    // The record holds a whole size: it is centred where the picture's middle is.
    const Placed p = placed(o, QSizeF(wholeSize(o.w), wholeSize(o.h)));
    if (std::abs(p.box.width() - std::abs(o.w)) > kUnseen || std::abs(p.box.height() - std::abs(o.h)) > kUnseen)
        c.losses.add(QStringLiteral("taille d'image arrondie au millimètre"));
    LogoElement logo;
    logo.Tag = path;
    logo.Left = float(p.box.left());
    logo.Top = float(p.box.top());
    logo.Width = float(p.box.width());
    logo.Height = float(p.box.height());
    c.logos << logo.record(c.format);
    c.keep(ObjectKind::Logo, logo.keyword(), int(c.logos.size()), p);
}

/// Our kind for gLabels' names of codes (of its own encoder, GNU Barcode, Zint,
/// libqrencode and libiec16022, as gLabels 3 and glabels-qt write them).
std::optional<BarcodeKind> codeKind(const QString& style)
{
    static const QHash<QString, BarcodeKind> kinds{
        {QStringLiteral("ean-13"), BarcodeKind::EAN13},   {QStringLiteral("ean13"), BarcodeKind::EAN13},
        {QStringLiteral("ean"), BarcodeKind::EAN13},      {QStringLiteral("ean-8"), BarcodeKind::EAN8},
        {QStringLiteral("ean8"), BarcodeKind::EAN8},      {QStringLiteral("upc-a"), BarcodeKind::UPCA},
        {QStringLiteral("upc"), BarcodeKind::UPCA},       {QStringLiteral("upca"), BarcodeKind::UPCA},
        {QStringLiteral("upc-e"), BarcodeKind::UPCE},     {QStringLiteral("upce"), BarcodeKind::UPCE},
        {QStringLiteral("code39"), BarcodeKind::Code39},  {QStringLiteral("code39ext"), BarcodeKind::Code39},
        {QStringLiteral("c39"), BarcodeKind::Code39},     {QStringLiteral("excode39"), BarcodeKind::Code39},
        {QStringLiteral("code128"), BarcodeKind::Code128}, {QStringLiteral("code128b"), BarcodeKind::Code128},
        {QStringLiteral("code128c"), BarcodeKind::Code128}, {QStringLiteral("c128"), BarcodeKind::Code128},
        {QStringLiteral("code93"), BarcodeKind::Code93},  {QStringLiteral("c93"), BarcodeKind::Code93},
        {QStringLiteral("i25"), BarcodeKind::I2of5},      {QStringLiteral("i2of5"), BarcodeKind::I2of5},
        {QStringLiteral("itf14"), BarcodeKind::ITF14},    {QStringLiteral("itf-14"), BarcodeKind::ITF14},
        {QStringLiteral("cbr"), BarcodeKind::Codabar},    {QStringLiteral("codabar"), BarcodeKind::Codabar},
        {QStringLiteral("iec18004"), BarcodeKind::QR},    {QStringLiteral("qr"), BarcodeKind::QR},
        {QStringLiteral("qrcode"), BarcodeKind::QR},      {QStringLiteral("iec16022"), BarcodeKind::DataMatrix},
        {QStringLiteral("datamatrix"), BarcodeKind::DataMatrix}, {QStringLiteral("dm"), BarcodeKind::DataMatrix},
        {QStringLiteral("pdf"), BarcodeKind::PDF417},     {QStringLiteral("pdf417"), BarcodeKind::PDF417},
        {QStringLiteral("aztec"), BarcodeKind::Aztec},    {QStringLiteral("azteccode"), BarcodeKind::Aztec},
        {QStringLiteral("ean128"), BarcodeKind::GS1128},  {QStringLiteral("gs1-128"), BarcodeKind::GS1128},
        {QStringLiteral("gs1128"), BarcodeKind::GS1128}};
    // "zint::QR", "gnu-barcode::EAN": the encoder does not change the kind.
    const QString name = style.section(QStringLiteral("::"), -1).toLower().remove(QLatin1Char(' '));
    const auto kind = kinds.constFind(name);
    return kind == kinds.cend() ? std::nullopt : std::optional<BarcodeKind>(*kind);
}

void writeCode(const GlabelsObject& o, Context& c)
{
    const std::optional<BarcodeKind> kind = codeKind(o.codeStyle);
    if (!kind) {
        c.losses.add(QStringLiteral("code-barres de type « %1 »").arg(o.codeStyle));
        return;
    }
    CodeObject code;
    code.Kind = *kind;
    code.Data = normalisedBarcodeData(o.codeData);
    // gLabels reads "EAN" as an EAN-8 when it holds 7 or 8 digits.
    if (*kind == BarcodeKind::EAN13 && code.Data.size() <= 8 && !code.Data.contains(QStringLiteral("«")))
        code.Kind = BarcodeKind::EAN8;
    if (!code.Data.contains(QStringLiteral("«"))) {
        if (const QString why = barcodeContentError(code.Kind, code.Data); !why.isEmpty()) {
            c.losses.add(QStringLiteral("code %1 « %2 » : %3").arg(barcodeKindTitle(code.Kind), code.Data, why));
            return;
        }
    }
    Placed p = placed(o, QSizeF(std::min(std::abs(o.w), kMaxCodeSize), std::min(std::abs(o.h), kMaxCodeSize)));
    p.box.moveTo(std::clamp(p.box.left(), 0.0, kMaxCodeSize), std::clamp(p.box.top(), 0.0, kMaxCodeSize));
    code.Top = p.box.top();
    code.Left = p.box.left();
    code.Width = p.box.width();
    code.Height = p.box.height();
    code.ForeColor = oleColour(o.lineColour);
    code.ShowText = o.codeText;
    c.codes << codeRecord(code, c.format);
    c.keep(ObjectKind::Code, kCodeKeyword, int(c.codes.size()), p);
}

/// Boxes, ellipses and lines. gLabels strokes a box's edge on its middle, ours lies
/// inside the box: the box grows by half the line. A line of any slope is a level line
/// of ours as long, turned about its middle.
void writeShape(const GlabelsObject& o, Context& c)
{
    const bool line = o.kind == GlabelsObject::Kind::Line;
    const bool stroked = opacity(o.lineColour) != 0 && o.lineWidth > 0;
    const bool filled = !line && opacity(o.fillColour) != 0;
    if (!stroked && !filled)
        return;  // it draws nothing
    ShapeObject s = newShapeObject();
    s.Kind = line ? ShapeKind::Line : o.kind == GlabelsObject::Kind::Ellipse ? ShapeKind::Ellipse : ShapeKind::Rectangle;
    // Without a line, a line of the fill's colour within the box draws nothing more.
    s.LineWidth = stroked ? hundredths(std::clamp(o.lineWidth, kMinLineWidth, kMaxLineWidth)) : kMinLineWidth;
    s.LineColour = oleColour(stroked ? o.lineColour : o.fillColour);
    if (filled)
        s.Fill = oleColour(o.fillColour);
    Placed p;
    if (line) {
        const QTransform frame = frameOf(o);
        const QLineF across(frame.map(QPointF(0, 0)), frame.map(QPointF(o.w, o.h)));
        const double length = std::min(across.length(), kMaxShapeSize);
        p = {hundredths(QRectF(across.center() - QPointF(length / 2, 0), QSizeF(length, 0))), across.angle()};
    } else {
        const double grow = stroked ? s.LineWidth : 0;
        p = placed(o, QSizeF(std::min(std::abs(o.w) + grow, kMaxShapeSize), std::min(std::abs(o.h) + grow, kMaxShapeSize)));
    }
    s.Left = p.box.left();
    s.Top = p.box.top();
    s.Width = p.box.width();
    s.Height = p.box.height();
    c.shapes << shapeRecord(s, c.format);
    c.keep(ObjectKind::Shape, kShapeKeyword, int(c.shapes.size()), p);
    // Ours lie behind every other object: a filled one no longer hides what it covered.
    const QRectF covered = frameOf(o).mapRect(QRectF(0, 0, o.w, o.h).normalized());
    if (filled && std::any_of(c.drawn.begin(), c.drawn.end(), [&](const QRectF& r) { return r.intersects(covered); }))
        c.losses.add(QStringLiteral("forme remplie passée derrière les objets qu'elle couvrait"));
}

// Properties of any object that our records do not carry.
struct PropertyLoss {
    bool (*applies)(const GlabelsObject&);
    const char* what;
};
constexpr PropertyLoss kPropertyLosses[] = {
    {[](const GlabelsObject& o) { return distorted(o.matrix); }, "miroir ou déformation (objet seulement tourné)"},
    {[](const GlabelsObject& o) { return o.shadow; }, "ombre"},
    {[](const GlabelsObject& o) { return o.fieldColour || o.style.colourFromField; },
     "couleur tirée d'un champ de fusion"},
    {[](const GlabelsObject& o) {
         const auto partly = [](std::uint32_t rgba) { return opacity(rgba) != 0 && opacity(rgba) != 0xFF; };
         return partly(o.lineColour) || partly(o.fillColour) || partly(o.style.colour);
     },
     "couleur semi-transparente (rendue opaque)"},
};

}  // namespace

GlabelsObjectRecords glabelsObjectRecords(const GlabelsDocument& doc, const GlabelsTarget& target,
                                          const RegionalFormat& format, GlabelsLosses& losses)
{
    Context c{doc, target, format, losses, {}, {}, {}, {}, {}, {}, {}, {}};
    for (const GlabelsObject& o : doc.objects) {
        switch (o.kind) {
        case GlabelsObject::Kind::Text: writeText(o, c); break;
        case GlabelsObject::Kind::Image: writeImage(o, c); break;
        case GlabelsObject::Kind::Barcode: writeCode(o, c); break;
        case GlabelsObject::Kind::Box:
        case GlabelsObject::Kind::Ellipse:
        case GlabelsObject::Kind::Line: writeShape(o, c); break;
        }
        if (o.kind != GlabelsObject::Kind::Box && o.kind != GlabelsObject::Kind::Ellipse &&
            o.kind != GlabelsObject::Kind::Line)
            c.drawn << frameOf(o).mapRect(QRectF(0, 0, o.w, o.h).normalized());
        for (const PropertyLoss& p : kPropertyLosses)
            if (p.applies(o))
                losses.add(QString::fromUtf8(p.what));
    }
    for (const QString& element : doc.unknown)
        losses.add(QStringLiteral("élément « %1 » non reconnu").arg(element));
    const auto lines = [](const QStringList& records) {
        QString text;
        for (const QString& r : records)
            text += r + QStringLiteral("\r\n");
        return text;
    };
    GlabelsObjectRecords records{lines(c.labels) + lines(c.logos) + lines(c.codes), lines(c.zones) + lines(c.shapes)};
    for (const QStringList& turns : c.turns)
        records.extensions += lines(turns);
    for (const QStringList& places : c.places)
        records.extensions += lines(places);
    return records;
}

}  // namespace plk
