#pragma once
// How numbers and booleans are turned into text and back: the decimal separator
// and the words for true and false of the user's regional settings.
//
// Reading is lenient on purpose: a real accepts "," or "." as its decimal
// separator (the writer never writes a thousands separator, so nothing that read
// before reads differently) and a boolean accepts the words of every language we
// know, the English words and numbers. A file written on a French desktop thus
// reads on an English one instead of giving 125 for 12,5.

#include <QString>
#include <optional>

namespace plk {

class RegionalFormat {
public:
    /// From a locale name such as "fr_FR.UTF-8", "en_US" or "C".
    static RegionalFormat forLocale(const QString& name);
    /// From the user's settings: LC_ALL, then LC_NUMERIC, then LANG.
    static RegionalFormat system();

    QChar decimalSeparator() const { return m_decimal; }
    const QString& trueWord() const { return m_true; }
    const QString& falseWord() const { return m_false; }

    /// Shortest decimal form with at most `significantDigits` significant digits,
    /// no thousands separator, no decimal part for whole values.
    QString formatReal(double value, int significantDigits = 15) const;
    QString formatBool(bool value) const { return value ? m_true : m_false; }
    static QString formatInteger(long long value) { return QString::number(value); }

    std::optional<double> parseReal(const QString& text) const;
    std::optional<bool> parseBool(const QString& text) const;

private:
    QChar m_decimal = QLatin1Char('.');
    QString m_true = QStringLiteral("True");
    QString m_false = QStringLiteral("False");
};

}  // namespace plk
