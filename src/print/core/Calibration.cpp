#include "print/core/Calibration.h"

#include "base/core/IniFile.h"
#include "base/core/RegionalFormat.h"

#include <QStringList>
#include <array>
#include <cmath>

namespace plk {

namespace {

const QString kSection = QStringLiteral("ETALONNAGE");
constexpr int kValues = 6;

// Divided rather than multiplied by the step, so that 101.25 comes out as 101.25; plus
// zero, so that a value rounded to nothing is written "0", not "-0".
double toStep(double value, double step)
{
    const double perUnit = std::round(1 / step);
    return std::round(value * perUnit) / perUnit + 0.0;
}

bool offsetOk(double mm) { return std::fabs(mm) <= kMaxCalibrationOffset + 1e-9; }
bool scaleOk(double percent) { return percent >= kMinCalibrationScale - 1e-9 && percent <= kMaxCalibrationScale + 1e-9; }

/// A printer name as a key the settings file reads back: the characters that end a
/// key, start a comment or a section, and those beyond ASCII, percent-encoded.
QString keyOf(const QString& printer)
{
    QString key;
    for (const char32_t c : printer.toUcs4()) {
        if (c < 0x20 || c > 0x7E || QStringLiteral("%=[];").contains(QChar(c))) {
            for (const char byte : QString::fromUcs4(&c, 1).toUtf8())
                key += QLatin1Char('%') + QStringLiteral("%1").arg(uchar(byte), 2, 16, QLatin1Char('0')).toUpper();
        } else {
            key += QChar(c);
        }
    }
    return key;
}

std::array<double*, kValues> fields(Calibration& c)
{
    return {&c.offsetX, &c.offsetY, &c.scaleX, &c.scaleY, &c.backOffsetX, &c.backOffsetY};
}

}  // namespace

bool Calibration::isValid() const
{
    return offsetOk(offsetX) && offsetOk(offsetY) && scaleOk(scaleX) && scaleOk(scaleY) && offsetOk(backOffsetX) &&
           offsetOk(backOffsetY);
}

Calibration Calibration::rounded() const
{
    Calibration c = *this;
    for (double* v : {&c.offsetX, &c.offsetY, &c.backOffsetX, &c.backOffsetY})
        *v = toStep(*v, kCalibrationOffsetStep);
    for (double* v : {&c.scaleX, &c.scaleY})
        *v = toStep(*v, kCalibrationScaleStep);
    return c;
}

QTransform Calibration::correction(QPointF m, bool back, double unitsPerMm) const
{
    // A point p of the frame lies at p + m on the paper; corrected, it goes to
    // s (p + m) + offset there, that is s p + s m + offset - m in the frame.
    const double sx = scaleX / 100, sy = scaleY / 100;
    const double dx = sx * m.x() + offsetX + (back ? backOffsetX : 0) - m.x();
    const double dy = sy * m.y() + offsetY + (back ? backOffsetY : 0) - m.y();
    return QTransform(sx, 0, 0, sy, dx * unitsPerMm, dy * unitsPerMm);
}

Calibration CalibrationStore::forPrinter(const QString& printer) const
{
    const QStringList parts = IniDocument::load(m_file).value(kSection, keyOf(printer)).split(QLatin1Char(';'));
    if (parts.size() != kValues)
        return {};
    const RegionalFormat format = RegionalFormat::system();
    Calibration c;
    const auto targets = fields(c);
    for (int i = 0; i < kValues; ++i) {
        const std::optional<double> v = format.parseReal(parts[i].trimmed());
        if (!v)
            return {};
        *targets[std::size_t(i)] = *v;
    }
    return c.isValid() ? c : Calibration();
}

bool CalibrationStore::remember(const QString& printer, const Calibration& calibration, QString* reason) const
{
    Calibration c = calibration.rounded();
    const RegionalFormat format = RegionalFormat::system();
    QStringList parts;
    for (const double* v : fields(c))
        parts << format.formatReal(*v, 6);
    IniDocument ini = IniDocument::load(m_file);
    ini.setValue(kSection, keyOf(printer), parts.join(QLatin1Char(';')));
    return ini.save(m_file, reason);
}

}  // namespace plk
