#include "barcode/core/CodeObject.h"

#include "base/core/ValueReader.h"

#include <algorithm>
#include <array>

namespace plk {

namespace {

constexpr QSizeF kSquareCode(20, 20);
constexpr QSizeF kStackedCode(40, 15);
constexpr QSizeF kLinearCode(40, 25);

// What a record cannot hold as it is, and the letter that stands for it after a backslash.
struct Escape {
    char plain;
    char written;
};
constexpr std::array<Escape, 3> kEscapes{{{'\\', '\\'}, {'|', 'p'}, {'\n', 'n'}}};
// Any other control character but the tab (which records carry as it is) is written
// "\x" and two hexadecimal digits.
constexpr QLatin1Char kHexEscape('x');

bool isWrittenInHex(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t' && u != u'\n') || (u >= 0x7F && u < 0xA0);
}

double codeLength(const RecordFields& r, int field)
{
    const double value = r.real(field);
    if (!(value > 0 && value <= kMaxCodeSize))
        throw FormatError("taille de code hors limites : « " + r.text(field).toStdString() + " »");
    return value;
}

}  // namespace

QSizeF defaultCodeSize(BarcodeKind kind)
{
    if (isLinear(kind))
        return kLinearCode;
    return kind == BarcodeKind::PDF417 ? kStackedCode : kSquareCode;
}

CodeObject newCodeObject()
{
    CodeObject code;
    code.Kind = BarcodeKind::QR;
    code.Data = QStringLiteral("https://www.exemple.fr");
    const QSizeF size = defaultCodeSize(code.Kind);
    code.Width = size.width();
    code.Height = size.height();
    return code;
}

QString escapeCodeData(const QString& data)
{
    QString out;
    out.reserve(data.size());
    for (const QChar c : data) {
        if (isWrittenInHex(c)) {
            out += QLatin1String("\\x") + QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0')).toUpper();
            continue;
        }
        const auto e = std::find_if(kEscapes.begin(), kEscapes.end(), [c](const Escape& x) { return x.plain == c; });
        if (e == kEscapes.end()) {
            out += c;
            continue;
        }
        out += QLatin1Char('\\');
        out += QLatin1Char(e->written);
    }
    return out;
}

QString unescapeCodeData(const QString& field, const char* what)
{
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field.at(i) != QLatin1Char('\\')) {
            out += field.at(i);
            continue;
        }
        const QChar next = ++i < field.size() ? field.at(i) : QChar();
        bool hex = false;
        const int code = next == kHexEscape ? field.mid(i + 1, 2).toInt(&hex, 16) : 0;
        if (hex && field.mid(i + 1, 2).size() == 2 && isWrittenInHex(QChar(code))) {
            out += QChar(code);
            i += 2;
            continue;
        }
        const auto e = std::find_if(kEscapes.begin(), kEscapes.end(), [next](const Escape& x) { return x.written == next; });
        if (e == kEscapes.end()) {
            const QString shown = next.isNull() ? QString() : QString(next);
            throw FormatError(std::string("séquence inconnue dans ") + what + " : « \\" + shown.toStdString() + " »");
        }
        out += QLatin1Char(e->plain);
    }
    return out;
}

QString codeRecord(const CodeObject& c, const RegionalFormat& f)
{
    return QStringList{kCodeKeyword,
                       barcodeKindName(c.Kind),
                       escapeCodeData(c.Data),
                       f.formatReal(c.Top),
                       f.formatReal(c.Left),
                       f.formatReal(c.Width),
                       f.formatReal(c.Height),
                       QString::number(c.ForeColor),
                       f.formatBool(c.ShowText)}
        .join(QLatin1Char('|'));
}

CodeObject codeFromRecord(const QStringList& fields, const RegionalFormat& format)
{
    const RecordFields r(fields, format);
    CodeObject c;
    const auto kind = barcodeKindFromName(r.text(1));
    if (!kind)
        throw FormatError("type de code inconnu : « " + r.text(1).toStdString() + " »");
    c.Kind = *kind;
    c.Data = unescapeCodeData(r.text(2));
    c.Top = r.length(3);
    c.Left = r.length(4);
    c.Width = codeLength(r, 5);
    c.Height = codeLength(r, 6);
    c.ForeColor = r.colour(7);
    c.ShowText = r.boolean(8);
    return c;
}

}  // namespace plk
