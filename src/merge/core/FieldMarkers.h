#pragma once
// Field markers: «Nom» in a text stands for the value of the field "Nom" of the
// row being printed. Blanks inside the guillemets are ignored, so that « Nom »
// typed the French way names the same field.

#include "merge/core/DataTable.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace plk {

/// The names of the markers in a text, in order, each once.
QStringList fieldMarkers(QStringView text);

/// What a marker stands for: its value, or nothing when the name stands for none.
using MarkerValue = std::function<std::optional<QString>(QStringView name)>;

struct MergedText {
    QString text;
    /// The text held markers, and nothing but blanks and empty values once filled: a
    /// line of an address whose fields are empty, which is better left out.
    bool onlyEmptyMarkers = false;
};

/// The text with every marker that stands for a value replaced by it (a line break
/// in a value shows as a space, unless the text keeps its line breaks); a marker that
/// stands for none stays as typed.
MergedText fillMarkers(const QString& text, const MarkerValue& valueOf, bool keepLineBreaks = false);

/// The text with every marker that names a field of the table replaced by the
/// row's value. The text is one line: a line break in a value shows as a space.
/// A marker that names no field stays as typed.
QString mergeText(const QString& text, const DataTable& table, int row);

/// The markers of the texts that name no field, each once, in order of appearance:
/// what the user is warned about before printing.
QStringList unknownMarkers(const QStringList& texts, const QStringList& fields);

}  // namespace plk
