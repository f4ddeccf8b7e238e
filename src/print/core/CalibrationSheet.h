#pragma once
// The test sheet of a printer's calibration: millimetre rulers along the top and left
// edges of the paper, crosshairs at known places, and what to measure and enter. It
// is printed without any calibration, so that it shows the printer's own error.

#include "base/core/FileWriter.h"

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace plk {

/// The centres of the sheet's crosshairs, mm from the paper's top-left corner: near
/// the four corners and in the middle of an A4 sheet.
const std::vector<QPointF>& calibrationMarks();

/// Draws the test sheet for `printer` through a painter begun on a device whose
/// printable area (`pageMm` at `dotsPerInch`) starts `marginMm` from the paper's corner.
void paintCalibrationSheet(QPainter& painter, QSizeF pageMm, QSizeF dotsPerInch, QPointF marginMm,
                           const QString& printer);

/// Writes the test sheet as a one-page A4 PDF file; an empty string on success,
/// otherwise the reason.
QString calibrationSheetToPdf(const QString& pdfFile, const QString& printer, const FileWriter& writer = FileWriter());

}  // namespace plk
