#include "barcode/core/BarcodeData.h"

#include "base/core/Cp1252.h"

#include <QList>
#include <optional>

namespace plk {

namespace {

QString capitalised(QString sentence)
{
    if (!sentence.isEmpty())
        sentence[0] = sentence.at(0).toUpper();
    return sentence;
}

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

/// A character as the user recognises it in a message.
QString named(char32_t c)
{
    if (c == U'\n')
        return QStringLiteral("le saut de ligne");
    if (c == U'\t')
        return QStringLiteral("la tabulation");
    if (c == U' ')
        return QStringLiteral("l'espace");
    if (isControl(c))
        return QStringLiteral("le caractère de contrôle %1").arg(uint(c));
    return QStringLiteral("« %1 »").arg(QString::fromUcs4(&c, 1));
}

/// The first character the predicate refuses, if any.
template <typename Allowed>
std::optional<char32_t> firstRefused(const QString& data, Allowed allowed)
{
    for (const uint c : data.toUcs4()) {
        if (!allowed(c))
            return c;
    }
    return std::nullopt;
}

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

/// Digits only, of the short length (without check digit) or one more; a given
/// check digit must be right.
QString gtinError(BarcodeKind kind, const QString& data, int lengthWithoutCheck)
{
    const QString kindPhrase = capitalised(barcodeKindPhrase(kind));
    if (const auto c = firstRefused(data, isDigit))
        return QStringLiteral("%1 ne porte que des chiffres : %2 n'en est pas un.").arg(kindPhrase, named(*c));
    if (data.size() != lengthWithoutCheck && data.size() != lengthWithoutCheck + 1)
        return QStringLiteral("%1 compte %2 ou %3 chiffres.")
            .arg(kindPhrase)
            .arg(lengthWithoutCheck)
            .arg(lengthWithoutCheck + 1);
    if (data.size() == lengthWithoutCheck)
        return {};
    const int expected = gtinCheckDigit(data.left(lengthWithoutCheck));
    const int given = data.back().digitValue();
    if (given != expected)
        return QStringLiteral("Le dernier chiffre d'%1 est sa clé de contrôle : elle devrait être %2, pas %3.")
            .arg(barcodeKindPhrase(kind))
            .arg(expected)
            .arg(given);
    return {};
}

QString charactersError(BarcodeKind kind, const QString& data, const char* what, bool (*allowed)(char32_t))
{
    if (const auto c = firstRefused(data, allowed))
        return QStringLiteral("%1 ne porte que %2 : %3 n'en est pas un.")
            .arg(capitalised(barcodeKindPhrase(kind)), QString::fromUtf8(what), named(*c));
    return {};
}

bool isPrintableAscii(char32_t c) { return c >= 0x20 && c < 0x7F; }

bool isCode39(char32_t c)
{
    return isDigit(c) || (c >= U'A' && c <= U'Z') || QStringLiteral(" -.$/+%").contains(QChar(char16_t(c)));
}

/// Two-dimensional codes carry any text the project file can hold: Windows-1252
/// characters, line breaks and tabs, but no other control character.
bool isText(char32_t c)
{
    if (c == U'\n' || c == U'\t')
        return true;
    if (isControl(c))
        return false;
    const QString one = QString::fromUcs4(&c, 1);
    return fromCp1252(toCp1252(one)) == one;
}

}  // namespace

QString normalisedBarcodeData(QString data)
{
    data.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    data.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return data;
}

int gtinDigits(BarcodeKind kind)
{
    switch (kind) {
    case BarcodeKind::EAN13: return 12;
    case BarcodeKind::EAN8: return 7;
    case BarcodeKind::UPCA: return 11;
    case BarcodeKind::ITF14: return 13;
    default: return 0;
    }
}

int gtinCheckDigit(const QString& digits)
{
    // Weights 3 and 1 alternate from the rightmost digit leftwards.
    int sum = 0;
    int weight = 3;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        sum += weight * digits.at(i).digitValue();
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10;
}

QString barcodeContentError(BarcodeKind kind, const QString& data)
{
    if (data.isEmpty())
        return QStringLiteral("Les données du code sont vides.");
    if (data.size() > kMaxBarcodeDataLength)
        return QStringLiteral("Les données du code dépassent %1 caractères.").arg(kMaxBarcodeDataLength);
    switch (kind) {
    case BarcodeKind::EAN13:
    case BarcodeKind::EAN8:
    case BarcodeKind::UPCA:
    case BarcodeKind::ITF14: return gtinError(kind, data, gtinDigits(kind));
    case BarcodeKind::Code128:
        return charactersError(kind, data, "les caractères ASCII imprimables (lettres sans accent, chiffres, espace, ponctuation)",
                               isPrintableAscii);
    case BarcodeKind::Code39:
        return charactersError(kind, data, "les chiffres, les majuscules sans accent, l'espace et les signes - . $ / + %",
                               isCode39);
    case BarcodeKind::QR:
    case BarcodeKind::DataMatrix:
    case BarcodeKind::PDF417:
        return charactersError(kind, data, "les lettres, chiffres et signes d'un clavier occidental, des sauts de ligne et des tabulations", isText);
    }
    return {};
}

}  // namespace plk
