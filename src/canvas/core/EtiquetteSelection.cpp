// The tab's selection and what acts on the selected object: picking and the frame,
// moving, aligning and deleting, the object clipboard, and the pointer input the
// view hands in.

#include "canvas/core/Etiquette.h"

#include "base/core/Rounding.h"
#include "base/core/ValueReader.h"
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
    auto* o = const_cast<TabObject*>(object(kind, index));
    o->moveTo(boundedLength(top), boundedLength(left));
    o->setExactCorner(false);
}

void Etiquette::select(const QRectF& objectRect, const QString& kind, std::int16_t labelFocus,
                       std::int16_t logoFocus, std::int16_t codeFocus, std::int16_t shapeFocus)
{
    fitFrame(objectRect);
    m_frame.kind = kind;
    m_frame.visible = true;
    m_labelFocus = labelFocus;
    m_logoFocus = logoFocus;
    m_codeFocus = codeFocus;
    m_shapeFocus = shapeFocus;
    notify(Change::Selection);
}

void Etiquette::selectLabel(int index)
{
    const TextElement& o = label(index);
    copyFontToMirror(o);
    restack(o);
    select(labelRect(index), QStringLiteral("LABEL"), std::int16_t(index), -1);
    Q_EMIT LabelClick(index, roundClamped<int>(o.Top), roundClamped<int>(o.Left));
}

void Etiquette::selectLogo(int index)
{
    const LogoElement& o = logo(index);
    restack(o);
    select(logoRect(index), QStringLiteral("LOGO"), -1, std::int16_t(index));
    Q_EMIT LogoClick(index, roundClamped<int>(o.Top), roundClamped<int>(o.Left), roundClamped<int>(o.Width),
                     roundClamped<int>(o.Height));
}

void Etiquette::selectCode(int index)
{
    select(codeRect(index), kCodeKeyword, -1, -1, std::int16_t(index));
    Q_EMIT CodeClick(index);
}

void Etiquette::selectShape(int index)
{
    select(object(ObjectKind::Shape, index)->rect({}), kShapeKeyword, -1, -1, -1, std::int16_t(index));
    Q_EMIT ShapeClick(index);
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
void Etiquette::DelLabel()
{
    if (hasLabel(m_labelFocus))
        hideSelected(labelAt(m_labelFocus).Visible, m_labelFocus);
}

void Etiquette::DelLogo()
{
    if (hasLogo(m_logoFocus))
        hideSelected(logoAt(m_logoFocus).Visible, m_logoFocus);
}

void Etiquette::DelCode()
{
    if (hasCode(m_codeFocus))
        hideSelected(codeAt(m_codeFocus).Visible, m_codeFocus);
}

void Etiquette::DelShape()
{
    if (hasShape(m_shapeFocus))
        hideSelected(element<ShapeElement>(m_shapeFocus).Visible, m_shapeFocus);
}

void Etiquette::hideSelected(bool& visible, std::int16_t& focus)
{
    visible = false;
    focus = -1;
    m_frame.visible = false;
    m_frame.kind.clear();
    notify(Change::Objects | Change::Selection);
}

void Etiquette::clearSelection()
{
    m_frame.visible = false;
    m_labelFocus = -1;
    m_logoFocus = -1;
    m_codeFocus = -1;
    m_shapeFocus = -1;
    notify(Change::Selection);
}

void Etiquette::ResetFocus() { clearSelection(); }

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
    // A turned object takes its turn along, on a line of its own.
    if (o.rotation() != 0)
        records += QStringLiteral("\r\n") + rotationRecord(o, 1, format);
    clipboard = records;
}

void Etiquette::Coller(const QString& clipboard, const RegionalFormat& format)
{
    if (clipboard.isEmpty())
        return;
    constexpr double kPasteOffset = 5.0;  // mm below and right of the copied object
    // An object's record, then those of its extensions (a text's box, a turn).
    const QStringList records = clipboard.split(QStringLiteral("\r\n"));
    const Batch batch(*this);
    addObjectFromRecord(*this, records.first().split(QLatin1Char('|')), kPasteOffset, format);
    const QString keyword = records.first().section(QLatin1Char('|'), 0, 0);
    for (const QString& record : records.mid(1)) {
        const QString extension = record.section(QLatin1Char('|'), 0, 0);
        if (extension == kTextBoxKeyword) {
            readTextBoxRecord(*this, m_idLabel, record.split(QLatin1Char('|')), format);
            continue;
        }
        if (extension != kRotationKeyword)
            continue;
        // The pasted object took the last slot its kind gave.
        if (const std::optional<ObjectKind> kind = kindOfKeyword(keyword)) {
            const int slot = kind == ObjectKind::Label ? m_idLabel : kind == ObjectKind::Logo ? m_idLogo : count(*kind);
            setObjectRotation(*kind, slot, RecordFields(record.split(QLatin1Char('|')), format).real(3));
        }
    }
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
    } else if (kind == ObjectKind::Code && hasCode(index)) {
        selectCode(index);
        Q_EMIT CodeMouseDown(index, button, shift, float(x), float(y));
    } else if (kind == ObjectKind::Shape && hasShape(index)) {
        selectShape(index);
        Q_EMIT ShapeMouseDown(index, button, shift, float(x), float(y));
    }
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
    if (kind == ObjectKind::Label && hasLabel(index))
        selectLabel(index);
    else if (kind == ObjectKind::Logo && hasLogo(index))
        selectLogo(index);
    else if (kind == ObjectKind::Code && hasCode(index))
        selectCode(index);
    else if (kind == ObjectKind::Shape && hasShape(index))
        selectShape(index);
}

void Etiquette::objectDoubleClick(ObjectKind kind, int index)
{
    switch (kind) {
    case ObjectKind::Label: Q_EMIT LabelDblClick(index); break;
    case ObjectKind::Logo: Q_EMIT LogoDblClick(index); break;
    case ObjectKind::Code: Q_EMIT CodeDblClick(index); break;
    case ObjectKind::Shape: Q_EMIT ShapeDblClick(index); break;
    }
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
