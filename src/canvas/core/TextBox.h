#pragma once
// A text laid out in a box: its lines wrapped at the box's width, aligned across and
// down, spaced, and, when asked, set smaller until they fit. One routine lays a box
// out for every output (canvas, snapshot, export, sheet), in the fonts those outputs
// draw with, so that a justified line ends at the box's edge on paper as on screen.

#include "base/core/Surface.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

class QPainter;

namespace plk {

enum class BoxAlign { Left, Centre, Right, Justified };
enum class BoxVAlign { Top, Middle, Bottom };

struct TextBox {
    static constexpr double kMinSide = 1.0;       // mm
    static constexpr double kMinSpacing = 0.5;    // times the font's line height
    static constexpr double kMaxSpacing = 5.0;
    static constexpr double kMinFontSize = 1.0;   // points
    static constexpr double kMaxFontSize = 1000.0;

    double width = 40;   // mm
    double height = 10;  // mm
    BoxAlign align = BoxAlign::Left;
    BoxVAlign valign = BoxVAlign::Top;
    double spacing = 1.0;
    /// The font shrinks, down to minSize points, until the text fits the box.
    bool fit = false;
    double minSize = 6.0;

    bool operator==(const TextBox&) const = default;
};

/// A piece of a laid-out line: its text and its top-left corner in mm from the box's.
struct TextRun {
    QString text;
    QPointF at;
};

struct TextBoxLayout {
    QFont font;           // the font the runs are drawn in (its size once fitted)
    QList<TextRun> runs;
    double textHeight = 0;  // mm, every line (those left out too)
    bool fits = true;       // every word within the width and every line within the height
};

/// Lays out `lines` (the text's lines, each wrapped at the box's width) in `font`.
/// Lines that pass the box's bottom are left out, but never the first.
TextBoxLayout layoutTextBox(const QStringList& lines, const QFont& font, const TextBox& box);

/// The runs drawn on a surface, the box's corner at `at` mm.
void paintTextBox(Surface& surface, QPointF at, const TextBoxLayout& layout, const QColor& colour);
/// The runs drawn on a painter whose units are pixels, the box in `target`.
void paintTextBox(QPainter& painter, const QRectF& target, double widthMm, const TextBoxLayout& layout,
                  const QColor& colour);

/// The height in mm of `lines` lines of the font at the spacing.
double textBoxHeight(const QFont& font, int lines, double spacing);

}  // namespace plk
