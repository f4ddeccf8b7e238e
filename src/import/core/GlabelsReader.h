#pragma once
// Reads the XML of a gLabels project into a GlabelsDocument. Both dialects are read:
// gLabels 3 (texts as <Span> runs with <Field> and <NL>) and glabels-qt 4 (texts as
// attributes and lines, fields as ${name}). Elements this reader does not know are
// named in the document's `unknown` list rather than dropped silently.

#include "import/core/GlabelsDocument.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace plk {

/// A project holds at most this many objects.
inline constexpr int kMaxGlabelsObjects = 10000;

struct GlabelsReadResult {
    std::optional<GlabelsDocument> document;
    int line = 0;   // where the XML went wrong, from 1
    QString error;  // why, in French
};

GlabelsReadResult readGlabelsXml(const QByteArray& xml);

/// A gLabels length ("12.5mm", "1in", "36pt", "36": points) in millimetres.
std::optional<double> glabelsLength(const QString& text);

}  // namespace plk
