#include "pdf/core/TrueTypeSubset.h"

#include <QtEndian>
#include <algorithm>
#include <map>
#include <set>

namespace plk {

namespace {

quint16 u16(const QByteArray& b, qsizetype at)
{
    return at + 2 <= b.size() ? qFromBigEndian<quint16>(b.constData() + at) : 0;
}
quint32 u32(const QByteArray& b, qsizetype at)
{
    return at + 4 <= b.size() ? qFromBigEndian<quint32>(b.constData() + at) : 0;
}
void put16(QByteArray& b, quint16 v)
{
    const char bytes[2] = {char(v >> 8), char(v)};
    b.append(bytes, 2);
}
void put32(QByteArray& b, quint32 v)
{
    put16(b, quint16(v >> 16));
    put16(b, quint16(v));
}

quint32 checksum(const QByteArray& table)
{
    quint32 sum = 0;
    for (qsizetype at = 0; at < table.size(); at += 4) {
        quint32 word = 0;
        for (int i = 0; i < 4; ++i)
            word = (word << 8) | quint8(at + i < table.size() ? table[at + i] : 0);
        sum += word;
    }
    return sum;
}

/// Where each glyph's outline starts in `glyf` (one more entry than glyphs).
std::vector<quint32> glyphPlaces(const QByteArray& loca, bool longOffsets, int glyphs)
{
    std::vector<quint32> places(std::size_t(glyphs) + 1);
    for (int i = 0; i <= glyphs; ++i)
        places[std::size_t(i)] = longOffsets ? u32(loca, 4 * i) : 2u * u16(loca, 2 * i);
    return places;
}

/// The glyphs a composite outline is made of.
void addParts(const QByteArray& outline, std::set<quint32>& glyphs, std::vector<quint32>& pending)
{
    if (outline.size() < 10 || qint16(u16(outline, 0)) >= 0)
        return;
    constexpr quint16 wordArgs = 0x0001, scale = 0x0008, more = 0x0020, xyScale = 0x0040, matrix = 0x0080;
    qsizetype at = 10;
    quint16 flags = more;
    while ((flags & more) && at + 4 <= outline.size()) {
        flags = u16(outline, at);
        const quint32 part = u16(outline, at + 2);
        if (glyphs.insert(part).second)
            pending.push_back(part);
        at += 4 + ((flags & wordArgs) ? 4 : 2) + ((flags & scale) ? 2 : 0) + ((flags & xyScale) ? 4 : 0) +
              ((flags & matrix) ? 8 : 0);
    }
}

}  // namespace

QByteArray trueTypeSubset(const QRawFont& font, const std::vector<quint32>& used)
{
    QByteArray head = font.fontTable("head");
    const QByteArray maxp = font.fontTable("maxp");
    const QByteArray loca = font.fontTable("loca");
    const QByteArray glyf = font.fontTable("glyf");
    const int count = u16(maxp, 4);
    if (head.size() < 54 || glyf.isEmpty() || count == 0 || font.fontTable("hhea").isEmpty())
        return {};
    const bool longOffsets = u16(head, 50) != 0;
    if (loca.size() < (count + 1) * (longOffsets ? 4 : 2))
        return {};
    const std::vector<quint32> places = glyphPlaces(loca, longOffsets, count);

    std::set<quint32> glyphs{0};
    std::vector<quint32> pending{0};
    for (const quint32 g : used)
        if (g < quint32(count) && glyphs.insert(g).second)
            pending.push_back(g);
    const auto outline = [&](quint32 g) {
        if (g >= quint32(count))
            return QByteArray();
        const quint32 from = places[g], to = places[g + 1];
        return from < to && to <= quint32(glyf.size()) ? glyf.mid(from, to - from) : QByteArray();
    };
    while (!pending.empty()) {
        const quint32 g = pending.back();
        pending.pop_back();
        addParts(outline(g), glyphs, pending);
    }

    QByteArray newGlyf, newLoca;
    for (int g = 0; g < count; ++g) {
        put32(newLoca, quint32(newGlyf.size()));
        if (glyphs.count(quint32(g))) {
            newGlyf += outline(quint32(g));
            while (newGlyf.size() % 4)
                newGlyf += '\0';
        }
    }
    put32(newLoca, quint32(newGlyf.size()));
    head[8] = head[9] = head[10] = head[11] = 0;  // the file's checksum, set below
    head[50] = 0;
    head[51] = 1;  // long offsets in loca

    std::map<QByteArray, QByteArray> tables{{"head", head}, {"loca", newLoca}, {"glyf", newGlyf}, {"maxp", maxp}};
    for (const char* tag : {"hhea", "hmtx", "cvt ", "fpgm", "prep"}) {
        const QByteArray table = font.fontTable(tag);
        if (!table.isEmpty())
            tables[tag] = table;
    }
    const quint16 n = quint16(tables.size());
    quint16 power = 1, log2 = 0;
    while (power * 2 <= n) {
        power *= 2;
        ++log2;
    }
    QByteArray file;
    put32(file, 0x00010000);
    put16(file, n);
    put16(file, quint16(power * 16));
    put16(file, log2);
    put16(file, quint16(n * 16 - power * 16));
    quint32 offset = 12 + 16u * n;
    QByteArray body;
    for (const auto& [tag, table] : tables) {
        file += tag;
        put32(file, checksum(table));
        put32(file, offset + quint32(body.size()));
        put32(file, quint32(table.size()));
        body += table;
        while (body.size() % 4)
            body += '\0';
    }
    file += body;
    const quint32 adjustment = 0xB1B0AFBAu - checksum(file);
    const qsizetype at = 12 + 16 * std::distance(tables.begin(), tables.find("head"));
    const quint32 headOffset = u32(file, at + 8) + 8;
    for (int i = 0; i < 4; ++i)
        file[headOffset + i] = char(adjustment >> (24 - 8 * i));
    return file;
}

}  // namespace plk
