#include "merge/core/DataText.h"

#include "base/core/Cp1252.h"

#include <QStringDecoder>

namespace plk {

namespace {

/// The length of the valid UTF-8 sequence of more than one byte at `at`, and its
/// code point; 0 when there is none there.
int utf8Sequence(const QByteArray& bytes, qsizetype at, char32_t& codePoint)
{
    const auto byte = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, least = 0x80, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, least = 0x800, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, least = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(at + k);
        if ((next & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and code points past Unicode are no UTF-8.
    if (codePoint < least || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
        return 0;
    return length;
}

/// The line (from 1) where byte `at` stands.
int lineOf(const QByteArray& bytes, qsizetype at)
{
    int line = 1;
    for (qsizetype i = 0; i < at; ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    }
    return line;
}

DataText mixedText(const QByteArray& bytes)
{
    DataText result;
    result.text.reserve(bytes.size());
    qsizetype firstStray = -1;
    bool utf8Seen = false;
    const qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    for (qsizetype at = start; at < bytes.size();) {
        const unsigned char b = static_cast<unsigned char>(bytes[at]);
        if (b < 0x80) {
            result.text += QChar(b);
            ++at;
            continue;
        }
        char32_t codePoint = 0;
        if (const int length = utf8Sequence(bytes, at, codePoint)) {
            result.text += QString::fromUcs4(&codePoint, 1);
            utf8Seen = true;
            at += length;
            continue;
        }
        if (firstStray < 0)
            firstStray = at;
        result.text += fromCp1252(bytes.mid(at, 1));
        ++at;
    }
    // A file without a single UTF-8 sequence is a Windows-1252 file, read as such quietly.
    if (utf8Seen || start > 0)
        result.mixedLine = lineOf(bytes, firstStray);
    return result;
}

}  // namespace

DataText decodeData(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return {QStringDecoder(QStringConverter::Utf16LE).decode(bytes)};
    if (bytes.startsWith("\xFE\xFF"))
        return {QStringDecoder(QStringConverter::Utf16BE).decode(bytes)};
    // The UTF-8 decoder drops a leading byte-order mark itself.
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return {std::move(text)};
    return mixedText(bytes);
}

}  // namespace plk
