#include "canvas/core/Etiquette.h"

#include "base/core/Rounding.h"
#include "base/core/ValueReader.h"
#include "canvas/core/LogoPicture.h"
#include "canvas/core/ObjectRecords.h"
#include "canvas/core/TabRenderer.h"
#include "gradient/core/ColorGradient.h"
#include "merge/core/MergeSettings.h"

#include <QFontInfo>
#include <algorithm>
#include <utility>

namespace plk {

namespace {

constexpr std::int16_t kMaxSlot = 32767;

QString stripSpaces(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

std::int16_t nextSlot(std::int16_t count)
{
    if (count >= kMaxSlot)
        throw EtiquetteError("Nombre maximal d'objets atteint sur cet onglet.");
    return std::int16_t(count + 1);
}

}  // namespace

// --- telling the listeners -----------------------------------------------------------

Etiquette::Batch::Batch(Etiquette& tab)
    : m_tab(tab)
{
    ++m_tab.m_batchDepth;
}

Etiquette::Batch::~Batch() { m_tab.endBatch(); }

void Etiquette::notify(Changes what)
{
    m_pending |= what;
    if (m_batchDepth == 0 && m_pending)
        Q_EMIT changed(std::exchange(m_pending, {}));
}

void Etiquette::endBatch()
{
    if (--m_batchDepth > 0)
        return;
    if (m_repaintPending) {
        try {
            replayBackground();
        } catch (const EtiquetteError&) {
            // A background picture that can no longer be read leaves the plain canvas.
        }
    }
    notify({});
}

template <typename T>
void Etiquette::setState(T& member, T value, Change what)
{
    if (member == value)
        return;
    member = std::move(value);
    notify(what);
}

template <typename T>
void Etiquette::setShown(T& member, T value)
{
    if (member == value)
        return;
    member = std::move(value);
    Refresh();
}

Etiquette::Etiquette(QObject* parent)
    : QObject(parent), m_canvas(QSize(0, 0))
{
    append(std::make_unique<TextElement>());
    auto logo = std::make_unique<LogoElement>();
    logo->picture = placeholderLogoPicture();
    logo->takeOwnSize();
    append(std::move(logo));
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
    mm = boundedTabSize(mm, m_width);
    if (mm == m_width)
        return;
    m_width = mm;
    resizeCanvas();
}

void Etiquette::setPrjHeight(double mm)
{
    mm = boundedTabSize(mm, m_height);
    if (mm == m_height)
        return;
    m_height = mm;
    resizeCanvas();
}

void Etiquette::setBackColor(OleColor colour)
{
    if (colour == m_backColor)
        return;
    m_backColor = colour;
    m_clearedOnly = true;
    m_canvasPainted = false;
    notify(Change::Background);
}

void Etiquette::setNameProjet(const QString& name)
{
    setState(m_nameProjet, withoutSeparators(name), Change::Settings);
}

void Etiquette::setBorderColor(OleColor colour) { setShown(m_borderColor, colour); }
void Etiquette::setDrawStyle(std::int16_t style) { setShown(m_drawStyle, style); }
void Etiquette::setBordure(bool on) { setShown(m_bordure, on); }
void Etiquette::setCD_Disque(bool shown) { setShown(m_cdDisque, shown); }
void Etiquette::setCD_Pochette(bool shown) { setShown(m_cdPochette, shown); }
void Etiquette::setCadenas(bool locked) { setState(m_cadenas, locked, Change::Settings); }
void Etiquette::setDepRegle(bool movable) { setState(m_depRegle, movable, Change::Settings); }
void Etiquette::setIDlabel(std::int16_t count) { setState(m_idLabel, count, Change::Objects); }
void Etiquette::setPrint(const PrintSettings& settings) { setState(m_print, settings, Change::Print); }
void Etiquette::setResolution(std::int16_t code) { setState(m_resolution, code, Change::Print); }
void Etiquette::setPrinterName(const QString& name) { setState(m_printerName, name, Change::Print); }
void Etiquette::setMergeSettings(const MergeSettings& settings) { setState(m_merge, settings, Change::Print); }

void Etiquette::setDataRow(int row)
{
    if (row == m_dataRow)
        return;
    m_dataRow = row;
    if (!m_shownTable) {
        notify(Change::Settings);
        return;
    }
    // The canvas shows the row's values: the selected text's frame follows them.
    if (m_frame.kind == QLatin1String("LABEL") && hasLabel(LabelFocus()))
        fitFrameToLabel(LabelFocus());
    notify(Change::Settings | Change::Objects | Change::Selection);
}

void Etiquette::showValues(std::shared_ptr<const DataTable> table)
{
    if (table == m_shownTable)
        return;
    m_shownTable = std::move(table);
    // The selected text's frame follows the text it now shows.
    if (m_frame.kind == QLatin1String("LABEL") && hasLabel(LabelFocus()))
        fitFrameToLabel(LabelFocus());
    notify(Change::Objects | Change::Selection);
}

void Etiquette::setFocus(ObjectKind kind, std::int16_t index)
{
    if (focus(kind) == index)
        return;
    m_focus = {kind, index};
    notify(Change::Selection);
}

QSize Etiquette::canvasPixels() const
{
    const QSizeF twips = canvasTwips();
    return ImageSurface::pixelsForTwips(std::max(0.0, twips.width()), std::max(0.0, twips.height()));
}

const QImage& Etiquette::canvasImage() const
{
    if (!m_canvasPainted) {
        if (m_canvas.image().size() != canvasPixels())
            m_canvas = ImageSurface(canvasPixels());
        paintCanvas(m_canvas);
        m_canvasPainted = true;
    }
    return m_canvas.image();
}

void Etiquette::resizeCanvas()
{
    m_canvasPainted = false;  // painted at its new size when it is next shown
    m_pending |= Change::Geometry;  // announced with the background
    Refresh();
}

// --- the tab as a whole ------------------------------------------------------------

void Etiquette::NewProjet(const QString& name, double width, double height, OleColor backColor,
                          OleColor borderColor, bool cadenas, bool depRegle, bool bordure)
{
    const Batch batch(*this);
    m_width = boundedTabSize(width, m_width);
    m_height = boundedTabSize(height, m_height);
    UnloadObjet(m_idLabel, m_idLogo);
    m_nameProjet = withoutSeparators(name);
    m_backColor = backColor;
    m_borderColor = borderColor;
    m_cadenas = cadenas;
    m_depRegle = depRegle;
    m_bordure = bordure;
    m_typeFond = std::int16_t(BackgroundKind::Plain);
    notify(Change::Settings);
    resizeCanvas();
}

QString Etiquette::RecupererObjet(int kind, const RegionalFormat& f)
{
    QStringList records;
    switch (kind) {
    case 1:
        records << QStringList{QStringLiteral("PROJET"), m_nameProjet, f.formatReal(m_width), f.formatReal(m_height),
                               QString::number(m_backColor), QString::number(m_borderColor), f.formatBool(m_cadenas),
                               f.formatBool(m_depRegle), f.formatBool(m_bordure), f.formatBool(m_cdDisque),
                               f.formatBool(m_cdPochette)}
                       .join(QLatin1Char('|'));
        break;
    case 2: records << objectRecords(ObjectKind::Label, f); break;
    case 3: records << objectRecords(ObjectKind::Logo, f); break;
    case kCodeRecords: records << objectRecords(ObjectKind::Code, f); break;
    case 4:
        switch (m_typeFond) {
        case 0: records << QStringLiteral("FOND|0"); break;
        case 1: records << QStringLiteral("FOND|1|%1").arg(m_backColor); break;
        case 2: records << QStringLiteral("FOND|2|") + m_cheminImage; break;
        case 3:
            records << QStringLiteral("FOND|3|%1|%2|%3|%4")
                           .arg(m_gradAngle)
                           .arg(m_gradColor1)
                           .arg(m_gradColor2)
                           .arg(m_gradColor3);
            break;
        default: break;
        }
        break;
    case 5: {
        PrintSettings counted = m_print;
        for (std::int16_t* count : {&counted.ImpNbrP, &counted.ImpNbrH, &counted.ImpNbrV})
            if (*count == 0)
                *count = 1;
        setPrint(counted);
        const PrintSettings& p = m_print;
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

// A background is chosen in two steps: the canvas is cleared, then the kind is set.
// Nothing is painted here; the canvas shows the state when it is next asked for.
void Etiquette::beginBackground()
{
    m_repaintPending = false;
    m_clearedOnly = true;
    m_canvasPainted = false;
}

void Etiquette::endBackground(BackgroundKind kind)
{
    m_typeFond = std::int16_t(kind);
    if (kind != BackgroundKind::Picture)
        m_backgroundPicture = QImage();
    m_clearedOnly = false;
    notify(Change::Background);
}

void Etiquette::paintCanvas(ImageSurface& s) const
{
    if (m_clearedOnly) {
        s.setScaleMode(Surface::ScaleMode::Millimetres);
        s.clear(toQColor(m_backColor));
        return;
    }
    if (!m_gradient)
        m_gradient = std::make_unique<ColorGradient>();
    TabRenderer(*this).paintCanvas(s, true, *m_gradient);
}

void Etiquette::pctDefaut()
{
    m_backColor = kColorWindowBackground;
    beginBackground();
    endBackground(BackgroundKind::Default);
}

void Etiquette::pctFond(OleColor colour)
{
    m_backColor = colour;
    beginBackground();
    endBackground(BackgroundKind::Plain);
}

void Etiquette::pctPicture(const QString& path)
{
    if (!pictureFileExists(path)) {
        pctDefaut();
        return;
    }
    // A path no record can hold would leave a project that does not read back.
    if (!fitsRecord(path))
        throw EtiquetteError("chemin impossible à enregistrer : " + path.toStdString());
    beginBackground();
    // Whether the file is a picture is found out now (it is decoded once and shared);
    // it is drawn when the canvas is next shown.
    std::optional<QImage> picture = loadPictureFile(path, QSizeF(m_width, m_height));
    if (!picture) {
        notify(Change::Background);
        throw EtiquetteError("image illisible : " + path.toStdString());
    }
    m_cheminImage = path;
    m_backgroundPicture = std::move(*picture);
    endBackground(BackgroundKind::Picture);
}

void Etiquette::pctDegrade(int direction, OleColor colour1, OleColor colour2, OleColor colour3)
{
    beginBackground();
    m_gradAngle = std::int16_t(direction);
    m_gradColor1 = colour1;
    m_gradColor2 = colour2;
    m_gradColor3 = colour3;
    endBackground(BackgroundKind::Gradient);
}

void Etiquette::Refresh()
{
    // Inside a batch the canvas keeps showing what it showed: the state is half made
    // until the batch ends, and the repaint is replayed then.
    if (m_batchDepth > 0) {
        m_repaintPending = true;
        m_pending |= Change::Background;
        return;
    }
    replayBackground();
}

void Etiquette::replayBackground()
{
    switch (m_typeFond) {
    case 0: pctDefaut(); break;
    case 1: pctFond(m_backColor); break;
    case 2: pctPicture(m_cheminImage); break;
    case 3: pctDegrade(m_gradAngle, m_gradColor1, m_gradColor2, m_gradColor3); break;
    default:
        m_repaintPending = false;
        m_canvasPainted = false;
        notify(Change::Background);
        break;
    }
}

QString Etiquette::DimProjet(const RegionalFormat& f) const
{
    const QSize pixels = canvasPixels();
    return f.formatReal(pixels.width() * kTwipsPerPixel / kTwipsPerMm) + QStringLiteral(" x ") +
           f.formatReal(pixels.height() * kTwipsPerPixel / kTwipsPerMm) + QStringLiteral(" Mm");
}

QImage Etiquette::Picture(bool backgroundOnly, const RowValues& row) const
{
    const QSizeF twips = canvasTwips();
    ImageSurface tempo = ImageSurface::fromTwips(std::max(0.0, twips.width()), std::max(0.0, twips.height()));
    // A canvas already painted is reused; otherwise the snapshot is painted itself, so
    // that printing or exporting a tab that is not shown leaves no canvas behind.
    if (m_canvasPainted)
        tempo.setImage(m_canvas.image());
    else
        paintCanvas(tempo);
    if (!backgroundOnly)
        TabRenderer(*this).paintObjects(tempo, row);
    return tempo.image();
}

// --- objects of any kind ------------------------------------------------------------------

TabObject& Etiquette::append(std::unique_ptr<TabObject> object)
{
    std::vector<TabObject*>& slots = m_slots[std::size_t(object->kind())];
    slots.push_back(object.get());
    object->setSlot(int(slots.size()));
    return *m_objects.emplace_back(std::move(object));
}

TabObject& Etiquette::takeSlot(ObjectKind kind, std::int16_t& counter, double top, double left)
{
    counter = nextSlot(counter);
    const bool placed = top != 0 && left != 0;
    TabObject* o = m_slots[std::size_t(kind)].front();
    if (counter != 1) {
        o = &append(kind == ObjectKind::Label ? std::unique_ptr<TabObject>(std::make_unique<TextElement>())
                                              : std::make_unique<LogoElement>());
        if (!placed)
            top = left = kDefaultObjectPosition;
    }
    if (placed || counter != 1)
        o->moveTo(float(boundedLength(top)), float(boundedLength(left)));
    o->setVisible(true);
    restack(*o);
    return *o;
}

void Etiquette::restack(const TabObject& object)
{
    const auto at = std::find_if(m_objects.begin(), m_objects.end(),
                                 [&object](const std::unique_ptr<TabObject>& o) { return o.get() == &object; });
    switch (object.stacking()) {
    case Stacking::Front: std::rotate(at, at + 1, m_objects.end()); break;
    case Stacking::Back: std::rotate(m_objects.begin(), at, at + 1); break;
    case Stacking::Stays: break;
    }
}

void Etiquette::insertObject(std::unique_ptr<TabObject> object)
{
    if (count(object->kind()) >= kMaxSlot)
        throw EtiquetteError("Nombre maximal d'objets atteint sur cet onglet.");
    object->setVisible(true);
    append(std::move(object));
    notify(Change::Objects);
}

void Etiquette::changeObject(ObjectKind kind, int index, const std::function<void(TabObject&)>& change)
{
    TabObject* o = objectAt(kind, index);
    if (!o)
        return;
    change(*o);
    Changes what = Change::Objects;
    if (o == selected()) {
        fitFrame(objectRect(kind, index));
        what |= Change::Selection;
    }
    notify(what);
}

QString Etiquette::objectRecords(ObjectKind kind, const RegionalFormat& format) const
{
    QStringList records;
    for (const TabObject* o : m_slots[std::size_t(kind)])
        if (o->visible())
            records << o->record(format);
    return stripSpaces(records.join(QStringLiteral("\r\n")));
}

void Etiquette::addObject(ObjectKind kind, double top, double left, const std::function<void(TabObject&)>& fill)
{
    fill(takeSlot(kind, kind == ObjectKind::Label ? m_idLabel : m_idLogo, top, left));
    notify(Change::Objects);
}

const TabObject* Etiquette::object(ObjectKind kind, int index) const
{
    const std::vector<TabObject*>& slots = m_slots[std::size_t(kind)];
    return index >= 1 && index <= int(slots.size()) ? slots[std::size_t(index - 1)] : nullptr;
}

const TabObject* Etiquette::selected() const
{
    const auto kind = frameKind();
    return kind ? object(*kind, focus(*kind)) : nullptr;
}

// --- text objects ------------------------------------------------------------------------

void Etiquette::NewLabel(double top, double left)
{
    takeSlot(ObjectKind::Label, m_idLabel, top, left);
    notify(Change::Objects);
}

QString Etiquette::Caption(int index, const QString& text)
{
    if (!hasLabel(index))
        return QString();
    TextObject& o = labelAt(index);
    const QString previous = o.Caption;
    if (!text.isEmpty()) {
        // A text in a box keeps its lines.
        const QString kept = QString(text.left(kMaxTextLength)).remove(QLatin1Char('\r'));
        o.Caption = labelAt(index).box ? QString(kept).remove(QLatin1Char('|')) : withoutSeparators(kept);
        fitFrameToLabel(index);
        notify(Change::Objects | Change::Selection);
    }
    return previous;
}

void Etiquette::changeText(int index, const std::function<void(TextElement&)>& change)
{
    if (!hasLabel(index))
        return;
    change(labelAt(index));
    if (frameKind() == ObjectKind::Label && LabelFocus() == index)
        fitFrameToLabel(index);
    notify(Change::Objects | Change::Selection);
}

QRectF Etiquette::labelRect(int index) const { return label(index).rect(shownValues()); }

void Etiquette::copyFontToMirror(const TextObject& o)
{
    m_fontName = o.FontName;
    m_fontSize = roundClamped<std::int16_t>(o.FontSize);
    m_fontBold = o.FontBold;
    m_fontItalic = o.FontItalic;
    m_fontUnderline = o.FontUnderline;
    m_fontStrikethru = o.FontStrikethru;
    m_fontColor = o.ForeColor;
}

void Etiquette::FontStyle(int index, const QString& fontName, int size, bool bold, bool italic, bool underline,
                          bool strikethru)
{
    if (!hasLabel(index))
        return;
    TextObject& o = labelAt(index);
    o.FontName = withoutSeparators(fontName);
    o.FontSize = float(std::clamp(size, -32768, 32767));  // what the file holds
    o.FontBold = bold;
    o.FontItalic = italic;
    o.FontUnderline = underline;
    o.FontStrikethru = strikethru;
    fitFrameToLabel(index);
    const OleColor colour = m_fontColor;
    copyFontToMirror(o);
    m_fontColor = colour;
    // The mirror shows the size the font actually takes, which may differ.
    m_fontSize = roundClamped<std::int16_t>(QFontInfo(labelFont(index)).pointSizeF());
    notify(Change::Objects | Change::Selection);
}

void Etiquette::FontStyle2(int index, int style, bool value)
{
    if (!hasLabel(index))
        return;
    TextObject& o = labelAt(index);
    switch (style) {
    case 0: o.FontBold = m_fontBold = value; break;
    case 1: o.FontItalic = m_fontItalic = value; break;
    case 2: o.FontUnderline = m_fontUnderline = value; break;
    case 3: o.FontStrikethru = m_fontStrikethru = value; break;
    default: break;
    }
    fitFrameToLabel(index);
    notify(Change::Objects | Change::Selection);
}

void Etiquette::FontCouleur(int index, OleColor colour)
{
    if (!hasLabel(index))
        return;
    labelAt(index).ForeColor = colour;
    m_fontColor = colour;
    notify(Change::Objects | Change::Selection);
}

// --- logos --------------------------------------------------------------------------------

void Etiquette::NewLogo(double top, double left)
{
    auto& o = static_cast<LogoElement&>(takeSlot(ObjectKind::Logo, m_idLogo, top, left));
    if (o.Tag.isEmpty()) {
        o.picture = placeholderLogoPicture();
        if (!o.Stretch)
            o.takeOwnSize();
    }
    notify(Change::Objects);
}

QString Etiquette::Image(int index, const QString& path, bool readOnly)
{
    if (!hasLogo(index))
        return QString();
    LogoElement& o = logoAt(index);
    o.Stretch = false;
    o.takeOwnSize();
    if (readOnly) {
        notify(Change::Objects);
        return o.Tag;
    }
    if (pictureFileExists(path)) {
        // A path no record can hold would leave a project that does not read back.
        const auto picture = fitsRecord(path) ? loadPictureFile(path) : std::nullopt;
        if (!picture) {  // not a picture: the logo keeps what it had
            notify(Change::Objects);
            return QString();
        }
        o.picture = *picture;
        o.Tag = path;
    } else {
        o.picture = placeholderLogoPicture();
        o.Tag.clear();
    }
    o.takeOwnSize();
    fitFrameToLogo(index);
    notify(Change::Objects | Change::Selection);
    return QString();
}

void Etiquette::SizeLogo(int index, double width, double height)
{
    if (!hasLogo(index))
        return;
    LogoElement& o = logoAt(index);
    o.Stretch = true;
    o.Width = float(boundedLength(width));
    o.Height = float(boundedLength(height));
    o.fitPicture();
    fitFrameToLogo(index);
    notify(Change::Objects | Change::Selection);
}

void Etiquette::setLogoPictureField(int index, const QString& field)
{
    // A field's name goes into a record: one that no record can hold is not taken.
    if (!hasLogo(index) || logo(index).pictureField == field || !storableText(field))
        return;
    logoAt(index).pictureField = field;
    notify(Change::Objects);
}

void Etiquette::DimensionLogo(int index, double width, double height)
{
    if (width != 0 && height != 0 && index > 0 && m_frame.kind == QLatin1String("LOGO"))
        SizeLogo(index, width, height);
}

QRectF Etiquette::logoRect(int index) const { return logo(index).rect({}); }

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

// --- removing every object -------------------------------------------------------------

void Etiquette::UnloadObjet(std::int16_t& labelCount, std::int16_t& logoCount)
{
    labelCount = std::int16_t(labelCount - (this->labelCount() - 1));
    logoCount = std::int16_t(logoCount - (this->logoCount() - 1));
    // Object 1 of texts and logos stays, for the next first slot; the rest go.
    TextElement& first = labelAt(1);
    static_cast<TextObject&>(first) = TextObject();
    first.box.reset();
    first.ForeColor = 0;
    LogoElement& logo1 = logoAt(1);
    logo1.Visible = false;
    logo1.picture = placeholderLogoPicture();
    logo1.pictureField.clear();
    m_slots = {{{&first}, {&logo1}, {}, {}}};
    std::erase_if(m_objects, [&first, &logo1](const std::unique_ptr<TabObject>& o) {
        return o.get() != &first && o.get() != &logo1;
    });
    // Selection indices may name objects that are gone now.
    m_focus = {};
    m_frame.visible = false;
    m_frame.kind.clear();
    notify(Change::Objects | Change::Selection);
}

}  // namespace plk
