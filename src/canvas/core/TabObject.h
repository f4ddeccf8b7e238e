#pragma once
// An object on a tab, whatever its kind: what the tab, its outputs, the view and the
// undo history ask of every object, so that none of them lists the kinds. Each kind
// (TabElements.h) keeps its own record and plain data; the tab owns them all in one
// list and numbers them within their kind (the slots: text 1, 2 ..., logo 1 ...).

#include "base/core/RegionalFormat.h"
#include "base/core/Surface.h"
#include "merge/core/RowValues.h"

#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace plk {

enum class ObjectKind { Label, Logo, Code, Shape };
inline constexpr int kObjectKinds = 4;

/// The orders objects are drawn in: on the canvas, logos lie under texts (the selected
/// text in front, the selected logo at the back) and codes over both; in the tab's
/// snapshot and exports the logos are drawn over the texts; on printed sheets the
/// texts over the logos. Outside the canvas each kind goes in the order of its slots.
enum class DrawOrder { Canvas, Picture, Printed };

/// The kinds from the back to the front on the canvas and on sheets, and in the
/// snapshot and exports. Shapes lie behind everything: frames and boxes under the
/// texts they hold.
inline constexpr ObjectKind kCanvasLayers[kObjectKinds] = {ObjectKind::Shape, ObjectKind::Logo, ObjectKind::Label,
                                                           ObjectKind::Code};
inline constexpr ObjectKind kPictureLayers[kObjectKinds] = {ObjectKind::Shape, ObjectKind::Label, ObjectKind::Logo,
                                                            ObjectKind::Code};

/// Where a kind of object goes among its own kind when it is made or selected.
enum class Stacking { Front, Back, Stays };

class TabObject {
public:
    virtual ~TabObject() = default;

    virtual ObjectKind kind() const = 0;
    /// The keyword of its record, which is also the selection frame's kind.
    virtual QString keyword() const = 0;
    /// Its record, as the project file and the object clipboard hold it.
    virtual QString record(const RegionalFormat& format) const = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool shown) = 0;
    /// The rectangle it takes in mm; a text's depends on the row whose values it shows.
    virtual QRectF rect(const RowValues& shown) const = 0;
    /// Its top-left corner (left, top) in mm.
    virtual QPointF corner() const = 0;
    /// Its top-left corner, already within the lengths the file takes.
    virtual void moveTo(double top, double left) = 0;
    /// Drawn on a tab's surface (snapshot, export, sheet) with its corner at `at` mm,
    /// its texts and data filled from `row`.
    virtual void paint(Surface& surface, QPointF at, const RowValues& row) const = 0;
    /// Drawn on the canvas's painter into `target` (the painter's pixels at 100 %).
    virtual void paintOnCanvas(QPainter& painter, const QRectF& target, const RowValues& shown) const = 0;
    /// Where a new or selected object of the kind goes among its own kind on the canvas.
    virtual Stacking stacking() const = 0;
    /// How near, in pixels on screen, a click beside its outline still picks it: a thin
    /// line could hardly be hit otherwise.
    virtual double pickSlack() const { return 0; }

    /// Its number among the objects of its kind, from 1 in order of creation.
    int slot() const { return m_slot; }
    void setSlot(int slot) { m_slot = slot; }

    /// The angle it is turned by about the middle of its rectangle, in degrees
    /// anticlockwise, from 0 to 359.9 (Rotation.h draws and hit-tests it so).
    double rotation() const { return m_rotation; }
    void setRotation(double degrees) { m_rotation = degrees; }

    /// Whether its corner keeps the fractions of a millimetre it was placed at exactly (a
    /// drawing brought from another program): the sheets put it there rather than on the
    /// nearest whole millimetre, and the file keeps them (ExactPlaces.h). Moving it by
    /// hand drops them.
    bool exactCorner() const { return m_exact; }
    void setExactCorner(bool exact) { m_exact = exact; }

private:
    int m_slot = 0;
    double m_rotation = 0;
    bool m_exact = false;
};

}  // namespace plk
