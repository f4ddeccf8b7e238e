#pragma once
// Text at its true size on any device. Qt sizes a font given in points in whole
// device pixels, so at a coarse resolution a 7-point text comes out noticeably
// smaller or larger (at 75 dpi, 10 points become 9.6). Drawn in twips, through a
// painter whose units are twips, the font's size is a whole number of twips instead:
// a twentieth of a point, close enough at every resolution.

#include "base/core/Surface.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;

namespace plk {

inline constexpr double kTwipsPerPoint = 20.0;

/// The font sized in twips (a point is 20), for a painter whose units are twips.
QFont fontInTwips(const QFont& font);

/// How a text reaches the device: as text in its font, or as the outlines of its
/// letters over the same text unseen (for a file that other programs draw, which may
/// not have the font, yet where its words can still be found).
enum class TextForm { Glyphs, Outlines };

/// Draws one line of text with its top-left corner at `topLeft` (twips) on a painter
/// whose units are twips.
void drawTextInTwips(QPainter& painter, QPointF topLeft, const QString& text, const QFont& font, const QColor& colour,
                     TextForm form = TextForm::Glyphs);

}  // namespace plk
