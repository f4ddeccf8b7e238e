#include "base/core/RegionalFormat.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace plk {

namespace {

struct BoolWords {
    const char* language;
    const char* trueWord;
    const char* falseWord;
};

// The words the desktop's own conversions use, by language.
constexpr std::array<BoolWords, 10> kBoolWords{{
    {"fr", "Vrai", "Faux"},
    {"en", "True", "False"},
    {"de", "Wahr", "Falsch"},
    {"es", "Verdadero", "Falso"},
    {"it", "Vero", "Falso"},
    {"pt", "Verdadeiro", "Falso"},
    {"nl", "Waar", "Onwaar"},
    {"sv", "Sant", "Falskt"},
    {"da", "Sand", "Falsk"},
    {"pl", "Prawda", "Fałsz"},
}};

}  // namespace

RegionalFormat RegionalFormat::forLocale(const QString& name)
{
    RegionalFormat f;
    QString base = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (base.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX"))
        return f;
    const QLocale locale(base);
    if (locale.language() != QLocale::C)
        f.m_decimal = locale.decimalPoint().at(0);
    const QString language = base.section(QLatin1Char('_'), 0, 0).toLower();
    for (const auto& w : kBoolWords) {
        if (language == QLatin1String(w.language)) {
            f.m_true = QString::fromUtf8(w.trueWord);
            f.m_false = QString::fromUtf8(w.falseWord);
        }
    }
    return f;
}

RegionalFormat RegionalFormat::system()
{
    for (const char* var : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(var);
        if (value && *value)
            return forLocale(QString::fromLocal8Bit(value));
    }
    return RegionalFormat();
}

QString RegionalFormat::formatReal(double value, int significantDigits) const
{
    QString text = QLocale::c().toString(value, 'g', significantDigits);
    // Exponent forms only arise for lengths no one draws; keep them plain anyway, with
    // as many decimals as the significant digits need (a tiny length must not become 0).
    if (text.contains(QLatin1Char('e'))) {
        const QString scientific = QLocale::c().toString(value, 'e', significantDigits - 1);
        const int exponent = scientific.section(QLatin1Char('e'), 1).toInt();
        text = QLocale::c().toString(value, 'f', std::max(0, significantDigits - 1 - exponent));
        if (text.contains(QLatin1Char('.'))) {
            while (text.endsWith(QLatin1Char('0')))
                text.chop(1);
            if (text.endsWith(QLatin1Char('.')))
                text.chop(1);
        }
    }
    text.replace(QLatin1Char('.'), m_decimal);
    return text;
}

std::optional<double> RegionalFormat::parseReal(const QString& text) const
{
    QString t = text.trimmed();
    if (t.count(QLatin1Char(',')) + t.count(QLatin1Char('.')) > 1)
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<bool> RegionalFormat::parseBool(const QString& text) const
{
    const QString t = text.trimmed();
    if (t.compare(m_true, Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(m_false, Qt::CaseInsensitive) == 0)
        return false;
    for (const auto& w : kBoolWords) {
        if (t.compare(QString::fromUtf8(w.trueWord), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QString::fromUtf8(w.falseWord), Qt::CaseInsensitive) == 0)
            return false;
    }
    if (const auto number = parseReal(t))
        return *number != 0.0;
    return std::nullopt;
}

}  // namespace plk
