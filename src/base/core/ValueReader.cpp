#include "base/core/ValueReader.h"

#include <cmath>

namespace plk {

double ValueReader::real(const QString& text) const
{
    if (const auto v = m_format.parseReal(text))
        return *v;
    throw FormatError("nombre attendu : « " + text.toStdString() + " »");
}

namespace {

std::string shown(double value) { return QString::number(value, 'g', 15).toStdString(); }

}  // namespace

double ValueReader::checkedLength(double mm)
{
    if (!(std::fabs(mm) <= kMaxLengthMm))
        throw FormatError("longueur hors limites (32767 mm au plus) : " + shown(mm));
    return mm;
}

double ValueReader::checkedTabSize(double mm)
{
    if (!(mm > 0 && mm <= kMaxTabSizeMm))
        throw FormatError("dimension d'onglet hors limites (de 0 à 1000 mm) : " + shown(mm));
    return mm;
}

bool ValueReader::boolean(const QString& text) const
{
    if (const auto v = m_format.parseBool(text))
        return *v;
    throw FormatError("booléen attendu : « " + text.toStdString() + " »");
}

const QString& RecordFields::text(int i) const
{
    if (i < 0 || i >= m_fields.size())
        throw FormatError("champ " + std::to_string(i) + " manquant");
    return m_fields.at(i);
}

}  // namespace plk
