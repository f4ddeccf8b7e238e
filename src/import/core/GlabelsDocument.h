#pragma once
// What a gLabels project (".glabels", of gLabels 3 or glabels-qt 4) describes, read
// from its XML and not yet turned into our records: the label's template, its
// objects in drawing order, the merge source and the pictures it embeds. Lengths
// are millimetres, colours 0xRRGGBBAA as gLabels writes them.

#include "catalogue/core/Product.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <cstdint>
#include <vector>

namespace plk {

/// A grid of labels on the sheet, as a catalogue product's.
using GlabelsLayout = ProductGrid;

struct GlabelsTemplate {
    enum class Shape { Rectangle, Round, Ellipse, Cd, Other };
    QString brand;
    QString part;
    QString paper;  // "A4", "US-Letter", "Other" ...
    double paperWidth = 0;   // 0 when the file names the paper only
    double paperHeight = 0;
    Shape shape = Shape::Rectangle;
    QString shapeName;  // the element's name ("Label-rectangle"); empty when the file gives none
    double width = 0;
    double height = 0;
    double cornerRadius = 0;
    double holeRadius = 0;  // a CD's
    std::vector<GlabelsLayout> layouts;

    /// Whether the file describes the label (a file may name its product only).
    bool described() const { return !shapeName.isEmpty() && !layouts.empty(); }
};

/// One run of a text: the words and «markers» of one line, in one font.
struct GlabelsTextStyle {
    QString family = QStringLiteral("Sans");
    double size = 10;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::uint32_t colour = 0x000000FF;
    double lineSpacing = 1;
    bool colourFromField = false;
};

struct GlabelsObject {
    enum class Kind { Text, Box, Ellipse, Line, Image, Barcode };
    enum class Align { Left, Center, Right, Justify };
    enum class VAlign { Top, Center, Bottom };

    Kind kind = Kind::Text;
    int line = 0;  // of its element in the XML, for messages
    double x = 0, y = 0, w = 0, h = 0;  // a line's w and h are its dx and dy
    QTransform matrix;  // the object's own rotation and scale, about its corner
    bool shadow = false;

    // Texts: the lines, each with «markers» where the file has merge fields.
    QStringList lines;
    GlabelsTextStyle style;
    bool severalStyles = false;
    Align align = Align::Left;
    VAlign valign = VAlign::Top;
    bool autoShrink = false;

    // Shapes.
    double lineWidth = 0;
    std::uint32_t lineColour = 0;
    std::uint32_t fillColour = 0;

    // Pictures: a file (relative to the project) or the name of an embedded picture;
    // or a merge field naming the file on each row.
    QString source;
    QString sourceField;

    // Codes: gLabels' name of the kind ("EAN-13", "zint::QR" ...), the data with
    // «markers», the colour and whether the digits are printed under the bars.
    QString codeStyle;
    QString codeData;
    bool codeText = true;
    bool fieldColour = false;  // a colour taken from a merge field
};

struct GlabelsMerge {
    QString type;    // "Text/Comma/Line1Keys", "ebook/eds" ...; empty or "None" for none
    QString source;  // the data file as the project names it
};

struct GlabelsPicture {
    QString name;
    QString format;  // "png", "svg" ... the file's extension
    QByteArray data;
};

struct GlabelsDocument {
    int version = 3;  // 3 for gLabels 3, 4 for glabels-qt
    GlabelsTemplate label;
    bool rotated = false;  // the label is designed turned a quarter
    std::vector<GlabelsObject> objects;
    GlabelsMerge merge;
    std::vector<GlabelsPicture> pictures;
    QStringList unknown;  // elements of the objects we do not know, by name
};

}  // namespace plk
