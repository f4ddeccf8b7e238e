#include "canvas/core/Etiquette.h"

#include "base/core/AppState.h"
#include "base/core/Rounding.h"
#include "canvas/core/CanvasPainter.h"
#include "canvas/core/LogoPicture.h"
#include "canvas/core/ObjectRecords.h"
#include "gradient/core/ColorGradient.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>

namespace plk {

namespace {

constexpr std::int16_t kMaxSlot = 32767;
constexpr double kFrameMarginX = 2.0;  // mm left of an object, the same again right
constexpr double kFrameMarginY = 1.0;  // mm above, the same again below
// While dragging, the frame is fitted in twips with slightly different margins.
constexpr double kDragMarginLeft = 100, kDragMarginTop = 70, kDragExtraWidth = 200, kDragExtraHeight = 150;
constexpr double kJustifyGapTwips = 150;

QString stripSpaces(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

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

}  // namespace

Etiquette::Etiquette(QObject* parent)
    : QObject(parent), m_canvas(QSize(0, 0))
{
    m_labels.resize(1);
    m_logos.resize(1);
    m_logos[0].picture = placeholderLogoPicture();
    const QSizeF own = naturalSizeMm(m_logos[0].picture);
    m_logos[0].Width = float(own.width());
    m_logos[0].Height = float(own.height());
    m_labelOrder = {1};
    m_logoOrder = {1};
    resizeCanvas();
}

Etiquette::~Etiquette() = default;

// --- properties --------------------------------------------------------------------

QSizeF Etiquette::canvasTwips() const
{
    return {double(float(m_width * kTwipsPerMm)), double(float(m_height * kTwipsPerMm))};
}

void Etiquette::setPrjWidth(double mm)
{
    m_width = mm;
    resizeCanvas();
}

void Etiquette::setPrjHeight(double mm)
{
    m_height = mm;
    resizeCanvas();
}

void Etiquette::setBackColor(OleColor colour)
{
    m_backColor = colour;
    m_canvas.clear(toQColor(colour));
    Q_EMIT changed();
}

void Etiquette::resizeCanvas()
{
    const QSizeF twips = canvasTwips();
    m_canvas = ImageSurface::fromTwips(std::max(0.0, twips.width()), std::max(0.0, twips.height()));
    m_canvas.clear(toQColor(m_backColor));
    Refresh();
    Q_EMIT sizeChanged();
}

// --- the tab as a whole ------------------------------------------------------------

void Etiquette::NewProjet(const QString& name, double width, double height, OleColor backColor,
                          OleColor borderColor, bool cadenas, bool depRegle, bool bordure)
{
    m_width = width;
    m_height = height;
    UnloadObjet(IDlabel, IDlogo);
    NameProjet = withoutSeparators(name);
    m_backColor = backColor;
    m_borderColor = borderColor;
    Cadenas = cadenas;
    DepRegle = depRegle;
    Bordure = bordure;
    TypeFond = std::int16_t(BackgroundKind::Plain);
    resizeCanvas();
}

QString Etiquette::RecupererObjet(int kind, const RegionalFormat& f)
{
    QStringList records;
    switch (kind) {
    case 1:
        records << QStringList{QStringLiteral("PROJET"), NameProjet, f.formatReal(m_width), f.formatReal(m_height),
                               QString::number(m_backColor), QString::number(m_borderColor), f.formatBool(Cadenas),
                               f.formatBool(DepRegle), f.formatBool(Bordure), f.formatBool(CD_Disque),
                               f.formatBool(CD_Pochette)}
                       .join(QLatin1Char('|'));
        break;
    case 2:
        for (const TextObject& o : m_labels)
            if (o.Visible)
                records << labelRecord(o, f);
        break;
    case 3:
        for (const LogoElement& o : m_logos)
            if (o.Visible)
                records << logoRecord(o);
        break;
    case 4:
        switch (TypeFond) {
        case 0: records << QStringLiteral("FOND|0"); break;
        case 1: records << QStringLiteral("FOND|1|%1").arg(m_backColor); break;
        case 2: records << QStringLiteral("FOND|2|") + Chemin_Image; break;
        case 3:
            records << QStringLiteral("FOND|3|%1|%2|%3|%4").arg(gradAngle).arg(gradColor1).arg(gradColor2).arg(gradColor3);
            break;
        default: break;
        }
        break;
    case 5: {
        for (std::int16_t* count : {&print.ImpNbrP, &print.ImpNbrH, &print.ImpNbrV})
            if (*count == 0)
                *count = 1;
        const PrintSettings& p = print;
        QStringList fields{QStringLiteral("PRINT")};
        for (const std::int16_t v : {p.ImpDefaut, p.ImpMargeG, p.ImpMargeH, p.ImpResol, p.ImpNbrP, p.ImpPosX, p.ImpPosY,
                                     p.ImpSepH, p.ImpSepV, p.ImpNbrH, p.ImpNbrV})
            fields << QString::number(v);
        records << fields.join(QLatin1Char('|'));
        break;
    }
    default: break;
    }
    return stripSpaces(records.join(QStringLiteral("\r\n")));
}

// --- background ------------------------------------------------------------------------

void Etiquette::beginBackground() { m_canvas.clear(toQColor(m_backColor)); }

void Etiquette::endBackground(std::int16_t kind)
{
    const CanvasDecor decor{Bordure, m_borderColor, m_drawStyle, CD_Disque, CD_Pochette};
    drawBorder(m_canvas, decor);
    drawCdGuides(m_canvas, decor);
    TypeFond = kind;
    Q_EMIT changed();
}

void Etiquette::pctDefaut()
{
    m_backColor = kColorWindowBackground;
    beginBackground();
    endBackground(std::int16_t(BackgroundKind::Default));
}

void Etiquette::pctFond(OleColor colour)
{
    m_backColor = colour;
    beginBackground();
    endBackground(std::int16_t(BackgroundKind::Plain));
}

void Etiquette::pctPicture(const QString& path)
{
    if (!pictureFileExists(path)) {
        pctDefaut();
        return;
    }
    beginBackground();
    const auto picture = loadPictureFile(path);
    if (!picture) {
        Q_EMIT changed();
        throw EtiquetteError("image illisible : " + path.toStdString());
    }
    m_canvas.picture(*picture, 0, 0, m_canvas.scaleWidth(), m_canvas.scaleHeight());
    Chemin_Image = path;
    endBackground(std::int16_t(BackgroundKind::Picture));
}

void Etiquette::pctDegrade(int direction, OleColor colour1, OleColor colour2, OleColor colour3)
{
    beginBackground();
    gradAngle = std::int16_t(direction);
    gradColor1 = colour1;
    gradColor2 = colour2;
    gradColor3 = colour3;
    if (!m_gradient)
        m_gradient = std::make_unique<ColorGradient>();
    m_gradient->SetColor(0, colour1);
    m_gradient->SetColor(5, colour2);
    m_gradient->SetColor(10, colour3);
    // The editor's directions, clockwise from the top left, onto the painter's.
    static constexpr int kPainterDirection[8] = {0, 1, 2, 7, 3, 6, 5, 4};
    if (direction >= 0 && direction <= 7) {
        m_canvas.setScaleMode(Surface::ScaleMode::Twips);
        m_gradient->PaintObject(m_canvas, kPainterDirection[direction]);
        m_canvas.setScaleMode(Surface::ScaleMode::Millimetres);
    }
    endBackground(std::int16_t(BackgroundKind::Gradient));
}

void Etiquette::Refresh()
{
    switch (TypeFond) {
    case 0: pctDefaut(); break;
    case 1: pctFond(m_backColor); break;
    case 2: pctPicture(Chemin_Image); break;
    case 3: pctDegrade(gradAngle, gradColor1, gradColor2, gradColor3); break;
    default: Q_EMIT changed(); break;
    }
}

QString Etiquette::DimProjet(const RegionalFormat& f) const
{
    return f.formatReal(m_canvas.widthTwips() / kTwipsPerMm) + QStringLiteral(" x ") +
           f.formatReal(m_canvas.heightTwips() / kTwipsPerMm) + QStringLiteral(" Mm");
}

QImage Etiquette::Picture(bool backgroundOnly) const
{
    const QSizeF twips = canvasTwips();
    ImageSurface tempo = ImageSurface::fromTwips(std::max(0.0, twips.width()), std::max(0.0, twips.height()));
    tempo.setImage(m_canvas.image());
    if (backgroundOnly)
        return tempo.image();
    for (int i = 1; i <= labelCount(); ++i) {
        const TextObject& o = label(i);
        if (o.Visible)
            tempo.text(o.Left, o.Top, o.Caption, labelFont(i), toQColor(o.ForeColor));
    }
    for (const LogoElement& o : m_logos)
        if (o.Visible)
            tempo.picture(o.picture, o.Left, o.Top, o.Width, o.Height);
    drawBorder(tempo, CanvasDecor{Bordure, m_borderColor, m_drawStyle, false, false});
    return tempo.image();
}

// --- text objects ------------------------------------------------------------------------

std::int16_t Etiquette::nextSlot(std::int16_t count)
{
    if (count >= kMaxSlot)
        throw EtiquetteError("Nombre maximal d'objets atteint sur cet onglet.");
    return std::int16_t(count + 1);
}

TextObject& Etiquette::labelAt(int index) { return m_labels.at(std::size_t(index - 1)); }
Etiquette::LogoElement& Etiquette::logoAt(int index) { return m_logos.at(std::size_t(index - 1)); }

void Etiquette::NewLabel(double top, double left)
{
    IDlabel = nextSlot(IDlabel);
    const bool placed = top != 0 && left != 0;
    if (IDlabel != 1) {
        TextObject o;
        o.Top = float(placed ? top : kDefaultObjectPosition);
        o.Left = float(placed ? left : kDefaultObjectPosition);
        o.Visible = true;
        m_labels.push_back(o);
        m_labelOrder.push_back(IDlabel);
    } else {
        TextObject& o = labelAt(1);
        if (placed) {
            o.Top = float(top);
            o.Left = float(left);
        }
        o.Visible = true;
    }
    bringLabelToFront(IDlabel);
    Q_EMIT changed();
}

QString Etiquette::Caption(int index, const QString& text)
{
    if (!hasLabel(index))
        return QString();
    TextObject& o = labelAt(index);
    const QString previous = o.Caption;
    if (!text.isEmpty()) {
        o.Caption = withoutSeparators(text);
        fitFrameToLabel(index);
        Q_EMIT changed();
    }
    return previous;
}

QFont Etiquette::labelFont(int index) const
{
    const TextObject& o = label(index);
    QFont font(o.FontName);
    font.setPointSizeF(std::max(1.0f, o.FontSize));
    font.setBold(o.FontBold);
    font.setItalic(o.FontItalic);
    font.setUnderline(o.FontUnderline);
    font.setStrikeOut(o.FontStrikethru);
    return font;
}

QRectF Etiquette::labelRect(int index) const
{
    const TextObject& o = label(index);
    const QFontMetricsF fm(labelFont(index), &metricsDevice());
    return {o.Left, o.Top, pixelsToMm(fm.horizontalAdvance(o.Caption)), pixelsToMm(fm.height())};
}

void Etiquette::copyFontToMirror(const TextObject& o)
{
    FontName = o.FontName;
    FontSize = std::int16_t(roundHalfEven(o.FontSize));
    FontBold = o.FontBold;
    FontItalic = o.FontItalic;
    FontUnderline = o.FontUnderline;
    FontStrikethru = o.FontStrikethru;
    FontColor = o.ForeColor;
}

void Etiquette::FontStyle(int index, const QString& fontName, int size, bool bold, bool italic, bool underline,
                          bool strikethru)
{
    if (!hasLabel(index))
        return;
    TextObject& o = labelAt(index);
    o.FontName = fontName;
    o.FontSize = float(size);
    o.FontBold = bold;
    o.FontItalic = italic;
    o.FontUnderline = underline;
    o.FontStrikethru = strikethru;
    fitFrameToLabel(index);
    const OleColor colour = FontColor;
    copyFontToMirror(o);
    FontColor = colour;
    // The mirror shows the size the font actually takes, which may differ.
    FontSize = std::int16_t(roundHalfEven(QFontInfo(labelFont(index)).pointSizeF()));
    Q_EMIT changed();
}

void Etiquette::FontStyle2(int index, int style, bool value)
{
    if (!hasLabel(index))
        return;
    TextObject& o = labelAt(index);
    switch (style) {
    case 0: o.FontBold = FontBold = value; break;
    case 1: o.FontItalic = FontItalic = value; break;
    case 2: o.FontUnderline = FontUnderline = value; break;
    case 3: o.FontStrikethru = FontStrikethru = value; break;
    default: break;
    }
    fitFrameToLabel(index);
    Q_EMIT changed();
}

void Etiquette::FontCouleur(int index, OleColor colour)
{
    if (!hasLabel(index))
        return;
    labelAt(index).ForeColor = colour;
    FontColor = colour;
    Q_EMIT changed();
}

// --- logos --------------------------------------------------------------------------------

void Etiquette::NewLogo(double top, double left)
{
    IDlogo = nextSlot(IDlogo);
    const bool placed = top != 0 && left != 0;
    if (IDlogo != 1) {
        LogoElement o;
        o.Top = float(placed ? top : kDefaultObjectPosition);
        o.Left = float(placed ? left : kDefaultObjectPosition);
        o.Visible = true;
        m_logos.push_back(o);
        m_logoOrder.push_back(IDlogo);
    } else {
        LogoElement& o = logoAt(1);
        if (placed) {
            o.Top = float(top);
            o.Left = float(left);
        }
        o.Visible = true;
    }
    LogoElement& o = logoAt(IDlogo);
    if (o.Tag.isEmpty()) {
        o.picture = placeholderLogoPicture();
        if (!o.Stretch) {
            const QSizeF own = naturalSizeMm(o.picture);
            o.Width = float(own.width());
            o.Height = float(own.height());
        }
    }
    sendLogoToBack(IDlogo);
    Q_EMIT changed();
}

QString Etiquette::Image(int index, const QString& path, bool readOnly)
{
    if (!hasLogo(index))
        return QString();
    LogoElement& o = logoAt(index);
    auto takeOwnSize = [&o] {
        const QSizeF own = naturalSizeMm(o.picture);
        o.Width = float(own.width());
        o.Height = float(own.height());
    };
    o.Stretch = false;
    takeOwnSize();
    if (readOnly) {
        Q_EMIT changed();
        return o.Tag;
    }
    if (pictureFileExists(path)) {
        const auto picture = loadPictureFile(path);
        if (!picture) {  // not a picture: the logo keeps what it had
            Q_EMIT changed();
            return QString();
        }
        o.picture = *picture;
        o.Tag = path;
    } else {
        o.picture = placeholderLogoPicture();
        o.Tag.clear();
    }
    takeOwnSize();
    fitFrameToLogo(index);
    Q_EMIT changed();
    return QString();
}

void Etiquette::SizeLogo(int index, double width, double height)
{
    if (!hasLogo(index))
        return;
    LogoElement& o = logoAt(index);
    o.Stretch = true;
    o.Width = float(width);
    o.Height = float(height);
    fitFrameToLogo(index);
    Q_EMIT changed();
}

void Etiquette::DimensionLogo(int index, double width, double height)
{
    if (width != 0 && height != 0 && index > 0 && m_frame.kind == QLatin1String("LOGO"))
        SizeLogo(index, width, height);
}

QRectF Etiquette::logoRect(int index) const
{
    const LogoElement& o = logo(index);
    return {o.Left, o.Top, o.Width, o.Height};
}

QVariant Etiquette::ProprietesObjet(const QString& kind, int index, const QString& property) const
{
    if (index < 1)
        return {};
    const bool isLabel = kind == QLatin1String("LABEL");
    if (isLabel ? !hasLabel(index) : !hasLogo(index))
        return {};
    const QRectF r = isLabel ? labelRect(index) : logoRect(index);
    if (property == QLatin1String("Caption"))
        return isLabel ? QVariant(label(index).Caption) : QVariant();
    if (property == QLatin1String("Top"))
        return r.top();
    if (property == QLatin1String("Left"))
        return r.left();
    if (property == QLatin1String("Width"))
        return r.width();
    if (property == QLatin1String("Height"))
        return r.height();
    if (property == QLatin1String("Tag"))
        return isLabel ? QString() : logo(index).Tag;
    return {};
}

// --- selection, moving, alignment ------------------------------------------------------

void Etiquette::fitFrame(const QRectF& r)
{
    m_frame.rect = QRectF(r.left() - kFrameMarginX, r.top() - kFrameMarginY, r.width() + 2 * kFrameMarginX,
                          r.height() + 2 * kFrameMarginY);
}

void Etiquette::fitFrameToLabel(int index) { fitFrame(labelRect(index)); }
void Etiquette::fitFrameToLogo(int index) { fitFrame(logoRect(index)); }

QRectF Etiquette::selectedRect(int index) const
{
    return m_frame.kind == QLatin1String("LABEL") ? labelRect(index) : logoRect(index);
}

void Etiquette::moveObject(bool isLabel, int index, double top, double left)
{
    float& t = isLabel ? labelAt(index).Top : logoAt(index).Top;
    float& l = isLabel ? labelAt(index).Left : logoAt(index).Left;
    t = float(top);
    l = float(left);
}

void Etiquette::bringLabelToFront(int index)
{
    std::erase(m_labelOrder, index);
    m_labelOrder.push_back(index);
}

void Etiquette::sendLogoToBack(int index)
{
    std::erase(m_logoOrder, index);
    m_logoOrder.insert(m_logoOrder.begin(), index);
}

void Etiquette::selectLabel(int index)
{
    const TextObject& o = label(index);
    copyFontToMirror(o);
    fitFrameToLabel(index);
    m_frame.kind = QStringLiteral("LABEL");
    m_frame.visible = true;
    bringLabelToFront(index);
    LogoFocus = -1;
    LabelFocus = std::int16_t(index);
    Q_EMIT changed();
    Q_EMIT LabelClick(index, int(roundHalfEven(o.Top)), int(roundHalfEven(o.Left)));
}

void Etiquette::selectLogo(int index)
{
    const LogoElement& o = logo(index);
    fitFrameToLogo(index);
    m_frame.kind = QStringLiteral("LOGO");
    m_frame.visible = true;
    sendLogoToBack(index);
    LabelFocus = -1;
    LogoFocus = std::int16_t(index);
    Q_EMIT changed();
    Q_EMIT LogoClick(index, int(roundHalfEven(o.Top)), int(roundHalfEven(o.Left)), int(roundHalfEven(o.Width)),
                     int(roundHalfEven(o.Height)));
}

void Etiquette::PositionObjet(int index, double top, double left)
{
    if (index < 1 || m_frame.kind.isEmpty())
        return;
    const bool isLabel = m_frame.kind == QLatin1String("LABEL");
    if (isLabel ? !hasLabel(index) : !hasLogo(index))
        return;
    moveObject(isLabel, index, top, left);
    fitFrame(selectedRect(index));
    Q_EMIT changed();
}

void Etiquette::AlignObjet(int index, int mode)
{
    if (index == 0 || m_frame.kind.isEmpty())
        return;
    const bool isLabel = m_frame.kind == QLatin1String("LABEL");
    if (isLabel ? !hasLabel(index) : !hasLogo(index))
        return;
    const QRectF r = selectedRect(index);
    // The alignment works in twips on the canvas's whole-pixel size.
    const double wc = m_canvas.widthTwips(), hc = m_canvas.heightTwips();
    const double w = r.width() * kTwipsPerMm, h = r.height() * kTwipsPerMm;
    double left = r.left() * kTwipsPerMm, top = r.top() * kTwipsPerMm;
    switch (mode) {
    case 0: left = wc / 2 - w / 2; break;
    case 1: top = hc / 2 - h / 2; break;
    case 2: left = wc / 2 - w / 2; top = hc / 2 - h / 2; break;
    case 3: left = kJustifyGapTwips; break;
    case 4: left = wc - (w + kJustifyGapTwips); break;
    default: break;
    }
    moveObject(isLabel, index, top / kTwipsPerMm, left / kTwipsPerMm);
    const QRectF moved = selectedRect(index);
    ObjetTop = std::int16_t(roundHalfEven(moved.top()));
    ObjetLeft = std::int16_t(roundHalfEven(moved.left()));
    fitFrame(selectedRect(index));
    Q_EMIT changed();
}

void Etiquette::DelLabel()
{
    if (LabelFocus == 0 || LabelFocus == -1 || !hasLabel(LabelFocus))
        return;
    labelAt(LabelFocus).Visible = false;
    LabelFocus = -1;
    m_frame.visible = false;
    m_frame.kind.clear();
    Q_EMIT changed();
}

void Etiquette::DelLogo()
{
    if (LogoFocus == 0 || LogoFocus == -1 || !hasLogo(LogoFocus))
        return;
    logoAt(LogoFocus).Visible = false;
    LogoFocus = -1;
    m_frame.visible = false;
    m_frame.kind.clear();
    Q_EMIT changed();
}

void Etiquette::ResetFocus()
{
    m_frame.visible = false;
    LabelFocus = -1;
    LogoFocus = -1;
    Q_EMIT changed();
}

void Etiquette::UnloadObjet(std::int16_t& labelCount, std::int16_t& logoCount)
{
    labelCount = std::int16_t(labelCount - (qsizetype(m_labels.size()) - 1));
    logoCount = std::int16_t(logoCount - (qsizetype(m_logos.size()) - 1));
    m_labels.resize(1);
    m_logos.resize(1);
    m_labelOrder = {1};
    m_logoOrder = {1};
    TextObject& first = m_labels.front();
    first = TextObject();
    first.ForeColor = 0;
    first.Visible = false;
    LogoElement& logo1 = m_logos.front();
    logo1.Visible = false;
    logo1.picture = placeholderLogoPicture();
    // Selection indices may name objects that are gone now.
    LabelFocus = -1;
    LogoFocus = -1;
    m_frame.visible = false;
    m_frame.kind.clear();
    Q_EMIT changed();
}

// --- object clipboard -------------------------------------------------------------------

void Etiquette::Copier(int index, const RegionalFormat& format)
{
    if (index == 0 || m_frame.kind.isEmpty())
        return;
    QString record;
    if (m_frame.kind == QLatin1String("LABEL") && hasLabel(index))
        record = labelRecord(label(index), format);
    else if (m_frame.kind == QLatin1String("LOGO") && hasLogo(index))
        record = logoRecord(logo(index));
    if (!record.isEmpty())
        App.ObjectClipboard = record;
}

void Etiquette::Coller(const RegionalFormat& format)
{
    if (App.ObjectClipboard.isEmpty())
        return;
    constexpr double kPasteOffset = 5.0;  // mm below and right of the copied object
    const QStringList fields = App.ObjectClipboard.split(QLatin1Char('|'));
    if (fields.at(0) == QLatin1String("LABEL"))
        addLabelFromRecord(*this, fields, kPasteOffset, format);
    else if (fields.at(0) == QLatin1String("LOGO"))
        addLogoFromRecord(*this, fields, kPasteOffset, format);
}

// --- pointer input -----------------------------------------------------------------------

void Etiquette::objectMouseDown(ObjectKind kind, int index, int button, int shift, double x, double y)
{
    m_grab = QPointF(x, y);
    if (kind == ObjectKind::Label && hasLabel(index)) {
        selectLabel(index);
        Q_EMIT LabelMouseDown(index, button, shift, float(x), float(y));
    } else if (kind == ObjectKind::Logo && hasLogo(index)) {
        selectLogo(index);
        Q_EMIT LogoMouseDown(index, button, shift, float(x), float(y));
    }
}

void Etiquette::objectMouseMove(ObjectKind kind, int index, int buttons, double x, double y)
{
    constexpr int kLeftButton = 1;
    if (buttons != kLeftButton || Cadenas)
        return;
    const bool isLabel = kind == ObjectKind::Label;
    if (isLabel ? !hasLabel(index) : !hasLogo(index))
        return;
    const QRectF before = isLabel ? labelRect(index) : logoRect(index);
    moveObject(isLabel, index, before.top() + (y - m_grab.y()), before.left() + (x - m_grab.x()));
    const QRectF r = isLabel ? labelRect(index) : logoRect(index);
    m_frame.rect = QRectF(r.left() - kDragMarginLeft / kTwipsPerMm, r.top() - kDragMarginTop / kTwipsPerMm,
                          r.width() + kDragExtraWidth / kTwipsPerMm, r.height() + kDragExtraHeight / kTwipsPerMm);
    m_frame.visible = true;
    Q_EMIT changed();
}

void Etiquette::objectClick(ObjectKind kind, int index)
{
    if (kind == ObjectKind::Label && hasLabel(index))
        selectLabel(index);
    else if (kind == ObjectKind::Logo && hasLogo(index))
        selectLogo(index);
}

void Etiquette::objectDoubleClick(ObjectKind kind, int index)
{
    if (kind == ObjectKind::Label)
        Q_EMIT LabelDblClick(index);
    else
        Q_EMIT LogoDblClick(index);
}

void Etiquette::backgroundMouseDown(int button, int shift, double x, double y)
{
    Q_EMIT FondMouseDown(button, shift, float(x), float(y));
}

void Etiquette::backgroundMouseMove(double x, double y) { Q_EMIT ProjetMouseMove(float(x), float(y)); }

void Etiquette::backgroundClick()
{
    m_frame.visible = false;
    LabelFocus = -1;
    LogoFocus = -1;
    Q_EMIT changed();
    Q_EMIT FondClick();
}

}  // namespace plk
