#pragma once
// The records of a tab: its text objects, logos, background and print settings,
// with the defaults a new tab and a new object start from.

#include "base/core/Colors.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace plk {

inline const QString kDefaultCaption = QStringLiteral("ZONE DE TEXTE");
inline const QString kDefaultFontName = QStringLiteral("Tahoma");
inline constexpr float kDefaultFontSize = 8.0f;
inline constexpr double kDefaultObjectPosition = 5.0;  // mm, for an object created without one

/// Texts and names are stored in "|"-separated one-line records: they lose every
/// "|" and line break when they are set, so that a saved file always reads back.
inline QString withoutSeparators(QString text)
{
    text.remove(QLatin1Char('|'));
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

/// Whether a text goes into a record as it is, without "|" nor line break: a file path,
/// which cannot lose them, is refused instead when it does not.
inline bool fitsRecord(const QString& text) { return withoutSeparators(text).size() == text.size(); }

struct TextObject {
    QString Caption = kDefaultCaption;
    float Top = float(kDefaultObjectPosition);
    float Left = float(kDefaultObjectPosition);
    QString FontName = kDefaultFontName;
    float FontSize = kDefaultFontSize;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikethru = false;
    OleColor ForeColor = kColorButtonText;
    bool Visible = false;
};

struct LogoObject {
    QString Tag;  // picture path; empty for the placeholder picture
    float Top = float(kDefaultObjectPosition);
    float Left = float(kDefaultObjectPosition);
    float Width = 0;
    float Height = 0;
    bool Stretch = false;  // picture scaled to Width x Height; otherwise its own size
    bool Visible = false;
};

enum class BackgroundKind : std::int16_t { Default = 0, Plain = 1, Picture = 2, Gradient = 3 };

/// The exact grid of a manufacturer's sheet of labels, in millimetres from the paper's
/// corner: where the first label's left and top edges are, and how far one label's
/// corner is from the next across and down. Sheets are made to fractions of a
/// millimetre (63,5 x 38,1 labels 66,04 apart) that whole-millimetre positions and gaps
/// cannot follow down a sheet of 13 rows; templates of such sheets carry their grid.
struct SheetGrid {
    double left = 0;
    double top = 0;
    double pitchAcross = 0;
    double pitchDown = 0;

    bool operator==(const SheetGrid&) const = default;
};
/// Each value of a stored grid lies within 0 .. this many millimetres.
inline constexpr double kMaxSheetGrid = 400;

/// One grid of a maker's sheet: `across` x `down` labels on `place`. A sheet may hold
/// several (rows set off from each other, a card beside its labels), and a grid may
/// hold more labels across or down than the print set-up's fields count.
struct LabelGrid {
    int across = 1;
    int down = 1;
    SheetGrid place;

    bool operator==(const LabelGrid&) const = default;
};
/// The print set-up's fields count at most this many labels across and down.
inline constexpr int kMaxAcross = 20;
inline constexpr int kMaxDown = 20;
// Bounds of the grids a tab keeps: enough for every maker's sheet (40 down is the
// most), few enough that a hostile file asks for no more labels than a page can hold.
inline constexpr int kMaxGridCount = 100;     // labels across or down a grid
inline constexpr int kMaxGrids = 10;          // grids on a sheet
inline constexpr int kMaxSheetLabels = 2000;  // labels on a sheet, every grid together

/// Positions `first` to `last` of the sheet (from 1, across then down) show the
/// design of tab `tab` (from 1) of the same project instead of the tab's own.
struct DesignRange {
    int first = 1;
    int last = 1;
    int tab = 1;

    bool operator==(const DesignRange&) const = default;
};

/// How a duplex sheet turns: about its long edge (the back's columns mirrored) or
/// its short edge (the rows mirrored).
enum class SheetFlip : std::int16_t { LongEdge = 0, ShortEdge = 1 };

/// The tab whose design is printed on the back of the tab's labels.
struct BackSide {
    int tab = 1;
    SheetFlip flip = SheetFlip::LongEdge;

    bool operator==(const BackSide&) const = default;
};
/// The paper a tab's sheets are printed on when it is not A4 portrait: a named size
/// ("A5", "US Letter"...), a sheet or a label printer's page of its own size (no
/// name), upright or turned a quarter.
struct Paper {
    QString name;
    double width = 210;   // mm, upright
    double height = 297;  // mm, upright
    bool landscape = false;

    bool operator==(const Paper&) const = default;
};
/// Each side of a stored paper lies within 1 .. this many millimetres.
inline constexpr double kMaxPaperSide = 1000;

/// The outline of a maker's label within the tab's rectangle, when it is not a plain
/// rectangle: rounded corners, a circle or an ellipse, a disc with its centre hole.
/// The canvas shows it as a guide; printed outlines follow it.
struct LabelOutline {
    enum class Shape : std::int16_t { Rectangle = 0, Ellipse = 1, Disc = 2 };
    Shape shape = Shape::Rectangle;
    double cornerRadius = 0;  // mm, a rectangle's
    double holeRadius = 0;    // mm, a disc's

    bool operator==(const LabelOutline&) const = default;
};

/// How the sheets are printed, beyond the layout: copies of the whole job (collated:
/// sheet 1, 2, 3, then again), the labels' outlines, crop marks at their corners, and
/// the whole sheet mirrored (transfer paper, printed on its back).
struct PrintOptions {
    std::int16_t copies = 1;
    bool collate = true;
    bool outlines = false;
    bool cropMarks = false;
    bool mirror = false;

    bool operator==(const PrintOptions&) const = default;
};
inline constexpr int kMaxCopies = 999;

// The ranges of the print set-up's fields. The counts of a layout are held to them
// whatever their source, so that a damaged or hostile project file cannot ask for
// millions of labels.
inline constexpr int kMaxSheets = 10;
inline constexpr int kMaxPosition = 200;  // positions and gaps, mm
inline constexpr int kMaxMargin = 10;     // unprintable margins, mm

struct PrintSettings {
    std::int16_t ImpDefaut = 0;
    std::int16_t ImpMargeG = 0;
    std::int16_t ImpMargeH = 0;
    std::int16_t ImpResol = 0;
    std::int16_t ImpNbrP = 0;
    std::int16_t ImpPosX = 0;
    std::int16_t ImpPosY = 0;
    std::int16_t ImpSepH = 0;
    std::int16_t ImpSepV = 0;
    std::int16_t ImpNbrH = 0;
    std::int16_t ImpNbrV = 0;
    /// The sheet's exact grid, when the tab was made for a known sheet of labels.
    std::optional<SheetGrid> sheetGrid;
    /// Ranges of positions given to other tabs' designs.
    std::vector<DesignRange> designs;
    /// The back of the tab's labels, for a duplex job.
    std::optional<BackSide> back;
    /// The paper, when it is not A4 portrait.
    std::optional<Paper> paper;
    /// The label's outline, when the tab was made for a product whose labels are not
    /// plain rectangles.
    std::optional<LabelOutline> outline;
    /// The options, when they are not the defaults.
    std::optional<PrintOptions> options;
    /// Every grid of the maker's sheet, when the whole-millimetre fields and the
    /// sheet's exact grid cannot carry them (several grids, more than the fields'
    /// counts); the first is the one those fields describe.
    std::vector<LabelGrid> grids;

    bool operator==(const PrintSettings&) const = default;
};

}  // namespace plk
