#include "barcode/core/BarcodeData.h"


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

/// Code 128 carries Latin-1, control characters included (but not NUL, which ends a C string).
bool isLatin1(char32_t c) { return c > 0 && c <= 0xFF; }

bool isCodabar(char32_t c) { return isDigit(c) || QStringLiteral("-$:/.+").contains(QChar(char16_t(c))); }

bool isCodabarGuard(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('D'); }

/// Two-dimensional codes carry any text, in UTF-8 when it is not ASCII: line breaks
/// and tabs, but no other control character.
bool isText(char32_t c) { return c == U'\n' || c == U'\t' || !isControl(c); }

QString lengthError(BarcodeKind kind, qsizetype size, int least, int most)
{
    if (size >= least && size <= most)
        return {};
    return QStringLiteral("%1 compte de %2 à %3 chiffres.").arg(capitalised(barcodeKindPhrase(kind))).arg(least).arg(most);
}

QString upceError(const QString& data)
{
    constexpr BarcodeKind kind = BarcodeKind::UPCE;
    if (QString e = charactersError(kind, data, "des chiffres", isDigit); !e.isEmpty())
        return e;
    if (QString e = lengthError(kind, data.size(), 6, 8); !e.isEmpty())
        return e;
    // With its number system written, a UPC-E starts 0 or 1.
    if (data.size() > 6 && data.front() != QLatin1Char('0') && data.front() != QLatin1Char('1'))
        return QStringLiteral("Un code UPC-E de 7 ou 8 chiffres commence par 0 ou 1.");
    return {};
}

QString addOnError(const QString& data)
{
    const qsizetype plus = data.indexOf(QLatin1Char('+'));
    const QString addOn = plus < 0 ? QString() : data.mid(plus + 1);
    if (plus < 0 || firstRefused(addOn, isDigit) || (addOn.size() != 2 && addOn.size() != 5))
        return QStringLiteral("Un code EAN-13 avec supplément s'écrit comme un EAN-13, suivi de « + » et de 2 ou 5 chiffres.");
    return gtinError(BarcodeKind::EAN13, data.left(plus), gtinDigits(BarcodeKind::EAN13));
}

QString gs1Error(BarcodeKind kind, const QString& data)
{
    if (QString e = charactersError(kind, data, "les caractères ASCII imprimables", isPrintableAscii); !e.isEmpty())
        return e;
    if (!data.startsWith(QLatin1Char('(')))
        return QStringLiteral("%1 commence par un identifiant d'application entre parenthèses, comme (01).")
            .arg(capitalised(barcodeKindPhrase(kind)));
    return {};
}

QString codabarError(const QString& data)
{
    // The start and stop letters A to D are optional, but go together.
    QString inner = data;
    if (isCodabarGuard(data.front()) && data.size() > 2 && isCodabarGuard(data.back()))
        inner = data.mid(1, data.size() - 2);
    return charactersError(BarcodeKind::Codabar, inner,
                           "des chiffres et les signes - $ : / . +, entre deux lettres de A à D facultatives",
                           isCodabar);
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
        return charactersError(kind, data,
                               "les lettres, chiffres et signes de l'alphabet Latin-1 et des caractères de contrôle",
                               isLatin1);
    case BarcodeKind::Code39:
    case BarcodeKind::Code93:
        return charactersError(kind, data, "les caractères ASCII imprimables (lettres sans accent, chiffres, espace, ponctuation)",
                               isPrintableAscii);
    case BarcodeKind::QR:
    case BarcodeKind::DataMatrix:
    case BarcodeKind::PDF417:
    case BarcodeKind::Aztec:
        return charactersError(kind, data, "du texte, des sauts de ligne et des tabulations, sans autre caractère de contrôle", isText);
    case BarcodeKind::UPCE: return upceError(data);
    case BarcodeKind::EAN13AddOn: return addOnError(data);
    case BarcodeKind::GS1128:
    case BarcodeKind::GS1DataMatrix: return gs1Error(kind, data);
    case BarcodeKind::Codabar: return codabarError(data);
    case BarcodeKind::I2of5: return charactersError(kind, data, "des chiffres", isDigit);
    }
    return {};
}

}  // namespace plk
