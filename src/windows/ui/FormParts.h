#pragma once
// Pieces the tool box and the wizard are built from: titled groups and the
// millimetre fields (a caption, a numeric field of 1 to 200 whose up arrow
// increases, and the unit "Millimètres").

#include <QList>
#include <QRect>
#include <QStringList>
#include <optional>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QListWidget;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace plk {

class TxtBox;

struct MillimetreField {
    QLabel* caption = nullptr;
    TxtBox* box = nullptr;
    QLabel* unit = nullptr;

    /// The caption, the field and its unit together.
    void setEnabled(bool enabled) const;
};

inline constexpr int kFieldLowest = 1;
inline constexpr int kFieldHighest = 200;

/// A field on row `row` of the grid (caption, field, unit in three columns).
MillimetreField addMillimetreField(QGridLayout* grid, int row, const QString& caption, int initial);

/// The vertical layout of a page or dialog.
QVBoxLayout* pageLayout(QWidget* page);

/// A titled group added to `layout`, with a vertical layout of its own.
QGroupBox* addGroup(QLayout* layout, const QString& title);
QVBoxLayout* contents(QGroupBox* group);
/// A grid for fields inside a group.
QGridLayout* addGrid(QGroupBox* group);

/// A push button added to `row`, with a tool tip; Return never presses it.
QPushButton* addButton(QLayout* row, const QString& caption, const QString& tip = QString());

/// The whole number in a field's text, when there is one.
std::optional<int> number(const TxtBox* field);

/// A list of fixed entries, as tall as its entries so that it never scrolls.
QListWidget* addList(QLayout* layout, const QStringList& entries);

/// The available area of every screen, where a window may be placed.
QList<QRect> screenAreas();

}  // namespace plk
