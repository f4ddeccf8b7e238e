#include "import/core/GlabelsRecords.h"

#include "barcode/core/BarcodeData.h"
#include "barcode/core/CodeObject.h"
#include "base/core/Records.h"
#include "base/core/Rounding.h"
#include "base/core/ValueReader.h"
#include "canvas/core/LogoPicture.h"
#include "catalogue/core/PaperSizes.h"
#include "catalogue/core/ProductLayout.h"
#include "import/core/GlabelsReader.h"
#include "merge/core/MergeSettings.h"

#include <QDir>
#include <QHash>
#include <cmath>

namespace plk {

namespace {

constexpr double kMmPerPoint = 25.4 / 72;
// Lines of a text follow each other at this many times the font's size, as the
// peers lay out one-spaced text.
constexpr double kLineHeight = 1.2;
// gLabels draws a text this far in from its box's left and right edges.
constexpr double kTextMargin = 3 * kMmPerPoint;
constexpr OleColor kWhite = 0x00FFFFFF;

/// What was not carried over, counted by kind, in the order first met.
class Losses {
public:
    void add(const QString& what)
    {
        if (!m_counts.contains(what))
            m_order << what;
        ++m_counts[what];
    }
    QStringList lines() const
    {
        QStringList out;
        for (const QString& what : m_order)
            out << (m_counts[what] > 1 ? QStringLiteral("%1 (%2)").arg(what).arg(m_counts[what]) : what);
        return out;
    }

private:
    QStringList m_order;
    QHash<QString, int> m_counts;
};

OleColor oleColour(std::uint32_t rgba)
{
    return OleColor(((rgba >> 24) & 0xFF) | (((rgba >> 16) & 0xFF) << 8) | (((rgba >> 8) & 0xFF) << 16));
}

/// A whole millimetre for a LABEL or LOGO record; 0 would read back as "no place".
int wholeMm(double mm)
{
    const int v = roundClamped<int>(boundedLength(mm));
    return v == 0 ? 1 : v;
}

bool whole(double mm) { return std::abs(mm - std::round(mm)) < 1e-9; }

struct Context {
    const GlabelsDocument& doc;
    const GlabelsTarget& target;
    const RegionalFormat& format;
    Losses& losses;
    QStringList labels, logos, codes;
};

/// The object's box where its rotation leaves its centre, unturned.
QRectF unturnedBox(const GlabelsObject& o)
{
    const QPointF centre = QPointF(o.x, o.y) + o.matrix.map(QPointF(o.w / 2, o.h / 2));
    return {centre.x() - o.w / 2, centre.y() - o.h / 2, o.w, o.h};
}

void writeText(const GlabelsObject& o, Context& c)
{
    const GlabelsTextStyle& s = o.style;
    const QRectF box = unturnedBox(o);
    const double lineHeight = s.size * s.lineSpacing * kLineHeight * kMmPerPoint;
    const double height = lineHeight * double(o.lines.size());
    double top = box.top();
    if (o.valign == GlabelsObject::VAlign::Center)
        top += (box.height() - height) / 2;
    else if (o.valign == GlabelsObject::VAlign::Bottom)
        top += box.height() - height;
    const bool aligned = o.align == GlabelsObject::Align::Center || o.align == GlabelsObject::Align::Right;
    if (o.align == GlabelsObject::Align::Justify)
        c.losses.add(QStringLiteral("texte justifié (aligné à gauche)"));
    for (qsizetype i = 0; i < o.lines.size(); ++i) {
        QString caption = withoutSeparators(o.lines[i]);
        if (caption.trimmed().isEmpty())
            continue;
        if (c.labels.size() >= kMaxGlabelsObjects) {
            c.losses.add(QStringLiteral("lignes de texte au-delà de %1").arg(kMaxGlabelsObjects));
            break;
        }
        if (caption.size() > kMaxTextLength) {
            caption.truncate(kMaxTextLength);
            c.losses.add(QStringLiteral("fin d'un texte de plus de %1 caractères").arg(kMaxTextLength));
        }
        double left = box.left() + kTextMargin;
        if (aligned && caption.contains(QStringLiteral("«"))) {
            c.losses.add(QStringLiteral("alignement centré ou à droite d'un texte de fusion (aligné à gauche)"));
        } else if (aligned && !c.target.textWidth) {
            c.losses.add(QStringLiteral("alignement centré ou à droite (aligné à gauche)"));
        } else if (aligned) {
            const double spare = box.width() - 2 * kTextMargin - c.target.textWidth(s, caption);
            left += o.align == GlabelsObject::Align::Center ? spare / 2 : spare;
        }
        c.labels << QStringList{QStringLiteral("LABEL"), caption, QString::number(wholeMm(top + lineHeight * double(i))),
                                QString::number(wholeMm(left)), withoutSeparators(s.family),
                                c.format.formatReal(s.size, 7), c.format.formatBool(s.bold),
                                c.format.formatBool(s.italic), c.format.formatBool(s.underline),
                                c.format.formatBool(false), QString::number(oleColour(s.colour))}
                        .join(QLatin1Char('|'));
    }
    if (o.lines.size() > 1)
        c.losses.add(QStringLiteral("texte de plusieurs lignes (une zone de texte par ligne)"));
    if (o.severalStyles)
        c.losses.add(QStringLiteral("plusieurs polices dans un même texte (la première est gardée)"));
    if (o.autoShrink)
        c.losses.add(QStringLiteral("taille de texte ajustée à la zone"));
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
    const QRectF box = unturnedBox(o);
    c.logos << QStringList{QStringLiteral("LOGO"), path, QString::number(wholeMm(box.top())),
                           QString::number(wholeMm(box.left())), QString::number(wholeMm(box.width())),
                           QString::number(wholeMm(box.height()))}
                   .join(QLatin1Char('|'));
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
    const QRectF box = unturnedBox(o);
    code.Top = std::clamp(box.top(), 0.0, kMaxCodeSize);
    code.Left = std::clamp(box.left(), 0.0, kMaxCodeSize);
    code.Width = std::clamp(box.width(), 0.0, kMaxCodeSize);
    code.Height = std::clamp(box.height(), 0.0, kMaxCodeSize);
    code.ForeColor = oleColour(o.lineColour);
    code.ShowText = o.codeText;
    c.codes << codeRecord(code, c.format);
}

// How each kind of gLabels object is carried: by a writer of our records, or not yet,
// and then named for the user. A kind our tabs learn to hold gets its writer here.
using ObjectWriter = void (*)(const GlabelsObject&, Context&);
struct ObjectMapping {
    GlabelsObject::Kind kind;
    ObjectWriter write;
    const char* lost;  // when there is no writer
};
constexpr ObjectMapping kObjectMappings[] = {
    {GlabelsObject::Kind::Text, writeText, nullptr},
    {GlabelsObject::Kind::Image, writeImage, nullptr},
    {GlabelsObject::Kind::Barcode, writeCode, nullptr},
    {GlabelsObject::Kind::Box, nullptr, "rectangle"},
    {GlabelsObject::Kind::Ellipse, nullptr, "ellipse"},
    {GlabelsObject::Kind::Line, nullptr, "ligne"},
};

// Properties of any object that our records do not carry yet.
struct PropertyLoss {
    bool (*applies)(const GlabelsObject&);
    const char* what;
};
constexpr PropertyLoss kPropertyLosses[] = {
    {[](const GlabelsObject& o) {
         return std::abs(o.matrix.m11() - 1) > 1e-6 || std::abs(o.matrix.m22() - 1) > 1e-6 ||
                std::abs(o.matrix.m12()) > 1e-6 || std::abs(o.matrix.m21()) > 1e-6;
     },
     "rotation (objet remis droit)"},
    {[](const GlabelsObject& o) { return o.shadow; }, "ombre"},
    {[](const GlabelsObject& o) { return o.fieldColour || o.style.colourFromField; },
     "couleur tirée d'un champ de fusion"},
};

void writeObjects(Context& c)
{
    for (const GlabelsObject& o : c.doc.objects) {
        for (const ObjectMapping& m : kObjectMappings) {
            if (m.kind != o.kind)
                continue;
            if (m.write)
                m.write(o, c);
            else
                c.losses.add(QString::fromUtf8(m.lost));
        }
        if (std::any_of(std::begin(kObjectMappings), std::end(kObjectMappings),
                        [&o](const ObjectMapping& m) { return m.kind == o.kind && m.write; }))
            for (const PropertyLoss& p : kPropertyLosses)
                if (p.applies(o))
                    c.losses.add(QString::fromUtf8(p.what));
    }
    for (const QString& element : c.doc.unknown)
        c.losses.add(QStringLiteral("élément « %1 » non reconnu").arg(element));
}

/// The paper of the sheets, when it is not A4: one of the print set-up's by its
/// catalogue name or its size, else a size of its own.
std::optional<Paper> paperOf(const GlabelsTemplate& t, Losses& losses)
{
    const auto& papers = standardPapers();
    const auto sameSize = [&t](const PaperSize& p) {
        return std::abs(p.size.width() - t.paperWidth) < 0.5 && std::abs(p.size.height() - t.paperHeight) < 0.5;
    };
    auto known = std::find_if(papers.begin(), papers.end(), [&t](const PaperSize& p) {
        return p.id.compare(t.paper, Qt::CaseInsensitive) == 0 || p.name.compare(t.paper, Qt::CaseInsensitive) == 0;
    });
    if (known == papers.end() && t.paperWidth > 0)
        known = std::find_if(papers.begin(), papers.end(), sameSize);
    if (known == papers.end()) {
        if (t.paperWidth >= 1 && t.paperHeight >= 1 && t.paperWidth <= kMaxPaperSide && t.paperHeight <= kMaxPaperSide)
            return Paper{QString(), t.paperWidth, t.paperHeight, false};
        if (!t.paper.isEmpty())
            losses.add(QStringLiteral("papier « %1 » (imprimé sur A4)").arg(t.paper));
        return std::nullopt;
    }
    if (known == papers.begin())  // A4, the sheets' default
        return std::nullopt;
    return Paper{known->name, known->size.width(), known->size.height(), false};
}

/// The label's outline, when it is not a plain rectangle.
std::optional<LabelOutline> outlineOf(const GlabelsDocument& doc, Losses& losses)
{
    const GlabelsTemplate& t = doc.label;
    if (doc.rotated)
        losses.add(QStringLiteral("étiquette tournée d'un quart de tour"));
    // No radius passes half the label's smaller side.
    const auto radius = [&t](double mm) { return std::clamp(mm, 0.0, std::min(t.width, t.height) / 2); };
    switch (t.shape) {
    case GlabelsTemplate::Shape::Round:
    case GlabelsTemplate::Shape::Ellipse: return LabelOutline{LabelOutline::Shape::Ellipse, 0, 0};
    case GlabelsTemplate::Shape::Cd: return LabelOutline{LabelOutline::Shape::Disc, 0, radius(t.holeRadius)};
    case GlabelsTemplate::Shape::Other:
        losses.add(QStringLiteral("forme d'étiquette « %1 »").arg(t.shapeName));
        return std::nullopt;
    default: break;
    }
    if (t.cornerRadius > 0)
        return LabelOutline{LabelOutline::Shape::Rectangle, radius(t.cornerRadius), 0};
    return std::nullopt;
}

/// Every grid of the sheet, when the PRINT and PLANCHE records cannot carry them; the
/// labels neither can are listed.
std::vector<LabelGrid> sheetGrids(const GlabelsTemplate& t, const GlabelsTarget& target, Losses& losses)
{
    std::vector<LabelGrid> grids = makerGrids(t.layouts);
    const auto labels = [](int across, int down) { return qint64(across) * down; };
    qint64 wanted = 0, carried = 0;
    for (const GlabelsLayout& l : t.layouts)
        wanted += labels(l.across, l.down);
    for (const LabelGrid& g : grids)
        carried += labels(g.across, g.down);
    if (grids.empty() && !t.layouts.empty())
        carried = labels(std::min(t.layouts[0].across, target.maxAcross), std::min(t.layouts[0].down, target.maxDown));
    if (carried < wanted)
        losses.add(QStringLiteral("étiquettes de la planche au-delà de %1 (%2 non imprimées)").arg(carried).arg(wanted - carried));
    return grids;
}

QString printRecords(const GlabelsTemplate& t, const GlabelsTarget& target, const RegionalFormat& f)
{
    GlabelsLayout l = t.layouts.empty() ? GlabelsLayout{1, 1, 0, 0, t.width, t.height} : t.layouts.front();
    l.across = std::min(l.across, target.maxAcross);
    l.down = std::min(l.down, target.maxDown);
    const auto position = [&target](double mm) { return std::clamp(int(roundHalfEven(mm)), 0, target.maxPosition); };
    QString text = QStringList{QStringLiteral("PRINT"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                               QStringLiteral("0"), QStringLiteral("1"), QString::number(position(l.left)),
                               QString::number(position(l.top)),
                               QString::number(position(l.pitchAcross - t.width)),
                               QString::number(position(l.pitchDown - t.height)), QString::number(l.across),
                               QString::number(l.down)}
                       .join(QLatin1Char('|')) +
                   QStringLiteral("\r\n");
    const double grid[] = {l.left, l.top, l.pitchAcross, l.pitchDown};
    const bool inRange = std::all_of(std::begin(grid), std::end(grid), [](double v) { return v >= 0 && v <= kMaxSheetGrid; });
    if (inRange && !std::all_of(std::begin(grid), std::end(grid), whole))
        text += QStringList{QStringLiteral("PLANCHE"), f.formatReal(l.left), f.formatReal(l.top),
                            f.formatReal(l.pitchAcross), f.formatReal(l.pitchDown)}
                    .join(QLatin1Char('|')) +
                QStringLiteral("\r\n");
    return text;
}

QString mergeText(const GlabelsDocument& doc, const GlabelsTarget& target, Losses& losses)
{
    const QString type = doc.merge.type.toLower();
    if (type.isEmpty() || type == QLatin1String("none"))
        return QString();
    if (type.startsWith(QLatin1String("ebook/"))) {
        losses.add(type.contains(QLatin1String("vcard")) ? QStringLiteral("fusion depuis un fichier vCard")
                                                         : QStringLiteral("fusion depuis un carnet d'adresses Evolution"));
        return QString();
    }
    const bool separatorKnown = type.contains(QLatin1String("comma")) || type.contains(QLatin1String("tab")) ||
                                type.contains(QLatin1String("semicolon"));
    if (!type.startsWith(QLatin1String("text/")) || !separatorKnown) {
        losses.add(QStringLiteral("fusion de type « %1 »").arg(doc.merge.type));
        return QString();
    }
    if (!type.endsWith(QLatin1String("line1keys")))
        losses.add(QStringLiteral("fusion depuis un fichier sans ligne de titres (sa première ligne nomme les champs)"));
    const QString path = QDir::cleanPath(QDir(target.documentFolder).absoluteFilePath(doc.merge.source));
    if (doc.merge.source.isEmpty() || !storablePath(path)) {
        losses.add(QStringLiteral("fichier de fusion « %1 »").arg(doc.merge.source));
        return QString();
    }
    return mergeRecord(chosenDataFile(path, target.documentFolder), target.documentFolder) + QStringLiteral("\r\n");
}

}  // namespace

GlabelsConversion glabelsProjectText(const GlabelsDocument& doc, const GlabelsTarget& target,
                                     const RegionalFormat& f)
{
    Losses losses;
    const std::optional<Paper> paper = paperOf(doc.label, losses);
    const std::optional<LabelOutline> outline = outlineOf(doc, losses);
    Context c{doc, target, f, losses, {}, {}, {}};
    writeObjects(c);
    const QString name = withoutSeparators(target.name);
    const GlabelsTemplate& t = doc.label;
    const double width = boundedTabSize(t.width, 1), height = boundedTabSize(t.height, 1);
    QString text = QStringLiteral("ONGLET|") + name + QStringLiteral("\r\n");
    text += QStringList{QStringLiteral("PROJET"), name, f.formatReal(width), f.formatReal(height),
                        QString::number(kWhite), QString::number(kColorWindowFrame), f.formatBool(false),
                        f.formatBool(false), f.formatBool(false),
                        f.formatBool(t.shape == GlabelsTemplate::Shape::Cd), f.formatBool(false)}
                .join(QLatin1Char('|')) +
            QStringLiteral("\r\n");
    for (const QStringList* records : {&c.labels, &c.logos, &c.codes})
        for (const QString& record : *records)
            text += record + QStringLiteral("\r\n");
    text += QStringLiteral("FOND|1|%1\r\n").arg(kWhite);
    text += printRecords(t, target, f);
    text += mergeText(doc, target, losses);
    std::vector<LabelGrid> grids = sheetGrids(t, target, losses);
    return {text, paper, outline, std::move(grids), losses.lines()};
}

}  // namespace plk
