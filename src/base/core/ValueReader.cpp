#include "base/core/ValueReader.h"

namespace plk {

double ValueReader::real(const QString& text) const
{
    if (const auto v = m_format.parseReal(text))
        return *v;
    throw FormatError("nombre attendu : « " + text.toStdString() + " »");
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
