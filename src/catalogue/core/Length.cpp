#include "catalogue/core/Length.h"

#include <QString>
#include <cmath>

namespace plk {

namespace {

constexpr double kMmPerInch = 25.4;

struct Unit {
    const char* name;
    double mm;
};
constexpr Unit kUnits[] = {{"pt", kMmPerInch / 72}, {"in", kMmPerInch}, {"mm", 1}, {"cm", 10}, {"pc", kMmPerInch / 6}};

}  // namespace

std::optional<double> parseLength(QStringView text)
{
    const QStringView t = text.trimmed();
    double perUnit = kUnits[0].mm;
    QStringView number = t;
    for (const Unit& u : kUnits) {
        if (t.endsWith(QLatin1String(u.name))) {
            perUnit = u.mm;
            number = t.chopped(2).trimmed();
            break;
        }
    }
    bool ok = false;
    const double value = number.toDouble(&ok);  // C locale: a decimal point
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // To the micrometre: points and inches give endless fractions of a millimetre
    // that no sheet is cut to.
    const double mm = std::round(value * perUnit * 1000) / 1000;
    if (mm < 0 || mm > kMostLengthMm)
        return std::nullopt;
    return mm;
}

}  // namespace plk
