// The tab's selection and what acts on the selected object: picking and the frame,
// moving, aligning and deleting, the object clipboard, and the pointer input the
// view hands in.

#include "canvas/core/Etiquette.h"

#include "base/core/Rounding.h"
#include "base/core/ValueReader.h"
#include "canvas/core/ExactPlaces.h"
#include "canvas/core/ObjectOrdinals.h"
#include "canvas/core/ObjectRecords.h"
#include "canvas/core/Rotation.h"
#include "canvas/core/TextBoxText.h"

namespace plk {

namespace {

constexpr double kFrameMarginX = 2.0;  // mm left of an object, the same again right
constexpr double kFrameMarginY = 1.0;  // mm above, the same again below
// While dragging, the frame is fitted in twips with slightly different margins.
constexpr double kDragMarginLeft = 100, kDragMarginTop = 70, kDragExtraWidth = 200, kDragExtraHeight = 150;
constexpr double kJustifyGapTwips = 150;

}  // namespace

// --- selection, moving, alignment ------------------------------------------------------

void Etiquette::fitFrame(const QRectF& r)
{
    m_frame.rect = QRectF(r.left() - kFrameMarginX, r.top() - kFrameMarginY, r.width() + 2 * kFrameMarginX,
                          r.height() + 2 * kFrameMarginY);
}

void Etiquette::fitFrameToLabel(int index) { fitFrame(labelRect(index)); }
void Etiquette::fitFrameToLogo(int index) { fitFrame(logoRect(index)); }

bool Etiquette::hasObject(ObjectKind kind, int index) const { return object(kind, index) != nullptr; }

QRectF Etiquette::objectRect(ObjectKind kind, int index) const
{
    const TabObject* o = object(kind, index);
    return o ? o->rect(shownValues()) : QRectF();
}

std::optional<Etiquette::ObjectKind> Etiquette::frameKind() const
{
    return kindOfKeyword(m_frame.kind);
}

std::optional<Etiquette::ObjectKind> Etiquette::selectedObject(int index) const
{
    const auto kind = frameKind();
    if (!kind || !hasObject(*kind, index))
        return std::nullopt;
    return kind;
}

void Etiquette::moveObject(ObjectKind kind, int index, double top, double left)
{
    // Within the bounds the project file takes, however far the object is pushed; an
    // object moved by hand goes to the whole millimetre on sheets, as any other.
    TabObject* o = objectAt(kind, index);
    o->moveTo(boundedLength(top), boundedLength(left));
    o->setExactCorner(false);
}

void Etiquette::selectObject(ObjectKind kind, int index)
{
    const TabObject& o = *object(kind, index);
    // The tool box's font follows the text last selected.
    if (kind == ObjectKind::Label)
        copyFontToMirror(label(index));
    restack(o);
    fitFrame(o.rect(shownValues()));
    m_frame.kind = o.keyword();
    m_frame.visible = true;
    m_focus = {kind, std::int16_t(index)};
    notify(Change::Selection);
    if (kind == ObjectKind::Label) {
        const TextElement& t = label(index);
        Q_EMIT LabelClick(index, roundClamped<int>(t.Top), roundClamped<int>(t.Left));
    } else if (kind == ObjectKind::Logo) {
        const LogoElement& g = logo(index);
        Q_EMIT LogoClick(index, roundClamped<int>(g.Top), roundClamped<int>(g.Left), roundClamped<int>(g.Width),
                         roundClamped<int>(g.Height));
    }
    Q_EMIT objectClicked(kind, index);
}

void Etiquette::PositionObjet(int index, double top, double left)
{
    const auto kind = index < 1 ? std::nullopt : selectedObject(index);
    if (!kind)
        return;
    moveObject(*kind, index, top, left);
    fitFrame(objectRect(*kind, index));
    notify(Change::Objects | Change::Selection);
}

void Etiquette::AlignObjet(int index, int mode)
{
    const auto kind = index == 0 ? std::nullopt : selectedObject(index);
    if (!kind)
        return;
    // A turned object is aligned by the upright rectangle around its outline; its corner
    // keeps its distance to that rectangle's (none for an upright object).
    const TabObject& o = *object(*kind, index);
    const QRectF r = outlineBounds(o, shownValues());
    const QPointF offset = o.corner() - r.topLeft();
    // The alignment works in twips on the canvas's whole-pixel size.
    const QSize canvas = canvasPixels();
    const double wc = canvas.width() * kTwipsPerPixel, hc = canvas.height() * kTwipsPerPixel;
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
    moveObject(*kind, index, top / kTwipsPerMm + offset.y(), left / kTwipsPerMm + offset.x());
    const QRectF moved = objectRect(*kind, index);
    m_objetTop = roundClamped<std::int16_t>(moved.top());
    m_objetLeft = roundClamped<std::int16_t>(moved.left());
    fitFrame(moved);
    notify(Change::Objects | Change::Selection);
}

// A deleted object only hides: it keeps its slot until the tab's objects are unloaded.
void Etiquette::deleteSelected()
{
    TabObject* o = objectAt(m_focus.kind, m_focus.slot);
    if (!o)
        return;
    o->setVisible(false);
    m_focus.slot = -1;
    m_frame.visible = false;
    m_frame.kind.clear();
    notify(Change::Objects | Change::Selection);
}

void Etiquette::DelLabel()
{
    if (LabelFocus() != -1)
        deleteSelected();
}

void Etiquette::DelLogo()
{
    if (LogoFocus() != -1)
        deleteSelected();
}

void Etiquette::clearSelection()
{
    m_frame.visible = false;
    m_focus.slot = -1;
    notify(Change::Selection);
}

void Etiquette::ResetFocus() { clearSelection(); }

// --- the turn and the exact place of any object -------------------------------------------

void Etiquette::setObjectRotation(ObjectKind kind, int index, double degrees)
{
    TabObject* o = objectAt(kind, index);
    const double angle = normalisedAngle(degrees);
    if (!o || o->rotation() == angle)
        return;
    o->setRotation(angle);
    notify(o == selected() ? Change::Objects | Change::Selection : Changes(Change::Objects));
}

void Etiquette::placeExactly(ObjectKind kind, int index, double top, double left)
{
    TabObject* o = objectAt(kind, index);
    if (!o)
        return;
    o->moveTo(boundedLength(top), boundedLength(left));
    o->setExactCorner(true);
    notify(Change::Objects);
}

// --- object clipboard -------------------------------------------------------------------

void Etiquette::Copier(int index, QString& clipboard, const RegionalFormat& format)
{
    const auto kind = index == 0 ? std::nullopt : selectedObject(index);
    if (!kind)
        return;
    const TabObject& o = *object(*kind, index);
    QString records = o.record(format);
    if (*kind == ObjectKind::Label && label(index).box)
        records += QStringLiteral("\r\n") + textBoxRecord(label(index), 1, format);
    // A turned object takes its turn along, on a line of its own; one placed finer than
    // the millimetre its exact corner.
    if (o.rotation() != 0)
        records += QStringLiteral("\r\n") + rotationRecord(o, 1, format);
    if (o.exactCorner())
        if (const QString place = placeRecord(o.keyword(), 1, o.corner(), format); !place.isEmpty())
            records += QStringLiteral("\r\n") + place;
    clipboard = records;
}

void Etiquette::Coller(const QString& clipboard, const RegionalFormat& format)
{
    if (clipboard.isEmpty())
        return;
    constexpr double kPasteOffset = 5.0;  // mm below and right of the copied object
    // An object's record, then those of its extensions (a text's box, a turn, an exact place).
    const QStringList records = clipboard.split(QStringLiteral("\r\n"));
    const Batch batch(*this);
    addObjectFromRecord(*this, records.first().split(QLatin1Char('|')), kPasteOffset, format);
    const std::optional<ObjectKind> kind = kindOfKeyword(records.first().section(QLatin1Char('|'), 0, 0));
    if (!kind)
        return;
    // The pasted object took the last slot its kind gave.
    const int slot = kind == ObjectKind::Label ? m_idLabel : kind == ObjectKind::Logo ? m_idLogo : count(*kind);
    for (const QString& record : records.mid(1)) {
        const QStringList fields = record.split(QLatin1Char('|'));
        if (fields.first() == kTextBoxKeyword)
            readTextBoxRecord(*this, m_idLabel, fields, format);
        else if (fields.first() == kRotationKeyword)
            setObjectRotation(*kind, slot, RecordFields(fields, format).real(3));
        else if (fields.first() == kPlaceKeyword) {
            const RecordFields place(fields, format);
            placeExactly(*kind, slot, place.length(4) + kPasteOffset, place.length(3) + kPasteOffset);
        }
    }
}

// --- pointer input -----------------------------------------------------------------------

void Etiquette::objectPress(ObjectKind kind, int index, int button, int shift, double x, double y)
{
    m_grab = QPointF(x, y);
    if (!hasObject(kind, index))
        return;
    selectObject(kind, index);
    if (kind == ObjectKind::Label)
        Q_EMIT LabelMouseDown(index, button, shift, float(x), float(y));
    else if (kind == ObjectKind::Logo)
        Q_EMIT LogoMouseDown(index, button, shift, float(x), float(y));
    Q_EMIT objectMouseDown(kind, index, button, shift, float(x), float(y));
}

void Etiquette::objectMouseMove(ObjectKind kind, int index, int buttons, double x, double y)
{
    constexpr int kLeftButton = 1;
    if (buttons != kLeftButton || m_cadenas)
        return;
    if (!hasObject(kind, index))
        return;
    const QRectF before = objectRect(kind, index);
    moveObject(kind, index, before.top() + (y - m_grab.y()), before.left() + (x - m_grab.x()));
    const QRectF r = objectRect(kind, index);
    m_frame.rect = QRectF(r.left() - kDragMarginLeft / kTwipsPerMm, r.top() - kDragMarginTop / kTwipsPerMm,
                          r.width() + kDragExtraWidth / kTwipsPerMm, r.height() + kDragExtraHeight / kTwipsPerMm);
    m_frame.visible = true;
    notify(Change::Objects | Change::Selection);
}

void Etiquette::objectClick(ObjectKind kind, int index)
{
    if (hasObject(kind, index))
        selectObject(kind, index);
}

void Etiquette::objectDoubleClick(ObjectKind kind, int index)
{
    if (kind == ObjectKind::Label)
        Q_EMIT LabelDblClick(index);
    else if (kind == ObjectKind::Logo)
        Q_EMIT LogoDblClick(index);
    Q_EMIT objectDoubleClicked(kind, index);
}

void Etiquette::backgroundMouseDown(int button, int shift, double x, double y)
{
    Q_EMIT FondMouseDown(button, shift, float(x), float(y));
}

void Etiquette::backgroundMouseMove(double x, double y) { Q_EMIT ProjetMouseMove(float(x), float(y)); }

void Etiquette::backgroundClick()
{
    clearSelection();
    Q_EMIT FondClick();
}

}  // namespace plk
