#pragma once
// The outline of a maker's label (rounded corners, a circle or an ellipse, a disc and
// its hole) drawn within the label's rectangle: a guide on the canvas, an outline on
// paper.

#include "base/core/Records.h"

#include <QPainterPath>
#include <QRectF>

namespace plk {

/// The outline within `label`, where `perMm` units of the painter make a millimetre.
QPainterPath outlinePath(const LabelOutline& outline, const QRectF& label, double perMm);

}  // namespace plk
