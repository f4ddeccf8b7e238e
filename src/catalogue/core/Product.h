#pragma once
// A label product of a maker's catalogue: the sheet (or roll) it comes on, the shape
// and size of its labels, and where they sit.

#include <QSizeF>
#include <QString>
#include <vector>

namespace plk {

enum class LabelShape { Rectangle, Round, Ellipse, Cd, Continuous };

/// The shape's name as the catalogue's search and the batch tool give it.
QString shapeName(LabelShape shape);

/// One label of a product, millimetres.
struct ProductLabel {
    LabelShape shape = LabelShape::Rectangle;
    QSizeF size;
    double cornerRadius = 0;  // a rectangle's rounded corners
    double holeRadius = 0;    // a CD's centre hole
};

/// A grid of labels on the sheet: `across` x `down` labels from (left, top), each one
/// `pitchAcross` and `pitchDown` from the previous (millimetres).
struct ProductGrid {
    int across = 1;
    int down = 1;
    double left = 0;
    double top = 0;
    double pitchAcross = 0;
    double pitchDown = 0;
};

struct Product {
    QString brand;
    QString part;
    QString description;
    /// The paper's name ("A4", "US Letter"...); empty for a roll or a sheet of a size of its own.
    QString paper;
    QSizeF paperSize;  // mm; for a roll, the roll's width and the label's length
    ProductLabel label;
    std::vector<ProductGrid> layouts;  // at least one

    /// "BRAND PART", as the batch tool names a product.
    QString name() const { return brand + QLatin1Char(' ') + part; }
    int labelCount() const;
    bool roll() const { return paper.isEmpty(); }
};

}  // namespace plk
