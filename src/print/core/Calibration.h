#pragma once
// Correcting a printer that misplaces its sheets. Few printers put a sheet exactly
// where they are asked: one shifts everything a millimetre to the right, another
// feeds the paper so that the labels drift down the page, a driver scales the page
// by a percent. The user prints the test sheet, measures where its marks fell and
// enters the correction, kept per printer name in the settings file:
//
//     [ETALONNAGE]
//     <printer name>=<offset x>;<offset y>;<scale x>;<scale y>;<back offset x>;<back offset y>
//
// Offsets are millimetres (the back offset is added on the back of a duplex sheet,
// whose registration is rarely that of the front), scales percent; the scale is
// about the sheet's top-left corner. Numbers take the user's regional form.

#include <QPointF>
#include <QString>
#include <QTransform>

namespace plk {

inline constexpr double kMaxCalibrationOffset = 10;  // mm, either way
inline constexpr double kMinCalibrationScale = 95;   // percent
inline constexpr double kMaxCalibrationScale = 105;
inline constexpr double kCalibrationOffsetStep = 0.1;
inline constexpr double kCalibrationScaleStep = 0.01;

struct Calibration {
    double offsetX = 0;  // mm: how far every mark moves
    double offsetY = 0;
    double scaleX = 100;  // percent
    double scaleY = 100;
    double backOffsetX = 0;  // mm, more on the back of a duplex sheet
    double backOffsetY = 0;

    bool operator==(const Calibration&) const = default;
    bool isIdentity() const { return *this == Calibration(); }
    /// Every value within its range.
    bool isValid() const;
    /// The values at the steps they are entered to (0.1 mm, 0.01 %).
    Calibration rounded() const;

    /// The correction of a side of the sheet, in a frame whose origin is the corner of
    /// the device's printable area, `marginMm` from the paper's corner (none for a
    /// file), at `unitsPerMm` of the frame's units a millimetre.
    QTransform correction(QPointF marginMm, bool back, double unitsPerMm) const;
};

/// The settings file's calibrations, per printer name.
class CalibrationStore {
public:
    explicit CalibrationStore(QString settingsFile) : m_file(std::move(settingsFile)) {}

    /// The printer's calibration; none (no correction) when nothing valid is kept.
    Calibration forPrinter(const QString& printer) const;
    /// Keeps the printer's calibration; false (with the system's reason) when the
    /// settings file could not be written.
    bool remember(const QString& printer, const Calibration& calibration, QString* reason = nullptr) const;

private:
    QString m_file;
};

}  // namespace plk
