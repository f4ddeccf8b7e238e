#include "base/core/Cp1252.h"

#include <algorithm>
#include <array>
#include <optional>

namespace plk {

namespace {

// 0x80..0x9F; 0 where the code page leaves a byte undefined (read as the C1 control).
constexpr std::array<char16_t, 32> kHigh{
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

/// The code page's byte for a character, or nothing when it has none.
std::optional<char> cp1252Byte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == u || (kHigh[i] == 0 && u == 0x80 + i))
            return char(0x80 + i);
    return std::nullopt;
}

}  // namespace

QByteArray toCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text)
        out.append(cp1252Byte(ch.unicode()).value_or('?'));
    return out;
}

bool fitsCp1252(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar ch) { return cp1252Byte(ch.unicode()).has_value(); });
}

QString fromCp1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0)
            out.append(QChar(kHigh[b - 0x80]));
        else
            out.append(QChar(b));
    }
    return out;
}

}  // namespace plk
