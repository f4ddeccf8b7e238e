#include "pdf/core/PdfFile.h"

#include <QIODevice>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <zlib.h>

namespace plk {

void appendPdfNumber(QByteArray& out, double value, int decimals)
{
    static constexpr double kHalfUnit[] = {0.5, 0.05, 0.005, 0.0005, 0.00005, 0.000005, 0.0000005};
    decimals = std::clamp(decimals, 0, 6);
    char text[32];
    if (!std::isfinite(value) || std::abs(value) < kHalfUnit[decimals])
        value = 0;
    auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (error != std::errc())
        end = std::to_chars(text, text + sizeof text, 0).ptr;
    char* last = end;
    if (std::find(text, end, '.') != end) {
        while (last[-1] == '0')
            --last;
        if (last[-1] == '.')
            --last;
    }
    out.append(text, last - text);
}

QByteArray deflated(const QByteArray& bytes)
{
    uLongf size = compressBound(uLong(bytes.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    // Level 1: most of the gain of the default level for a page's operators, in a
    // fraction of the time.
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.constData()),
                  uLong(bytes.size()), 1) != Z_OK)
        throw std::bad_alloc();
    out.truncate(qsizetype(size));
    return out;
}

PdfFile::PdfFile(QIODevice& out) : m_out(out)
{
    // The second line's bytes above 127 tell readers that the file is binary.
    put("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

int PdfFile::reserve()
{
    m_places.push_back(-1);
    return int(m_places.size());
}

void PdfFile::put(const QByteArray& bytes)
{
    if (m_failed)
        return;
    if (m_out.write(bytes) != bytes.size())
        m_failed = true;
    m_offset += bytes.size();
}

void PdfFile::begin(int number)
{
    m_places.at(std::size_t(number - 1)) = m_offset;
    put(QByteArray::number(number) + " 0 obj\n");
}

void PdfFile::object(int number, const QByteArray& body)
{
    begin(number);
    put(body);
    put("\nendobj\n");
}

void PdfFile::stream(int number, const QByteArray& entries, const QByteArray& data)
{
    begin(number);
    put("<< /Length " + QByteArray::number(data.size()) + ' ' + entries + " >>\nstream\n");
    put(data);
    put("\nendstream\nendobj\n");
}

void PdfFile::finish(int catalogue, int information)
{
    const qint64 table = m_offset;
    QByteArray xref = "xref\n0 " + QByteArray::number(qsizetype(m_places.size() + 1)) + "\n0000000000 65535 f \n";
    xref.reserve(xref.size() + qsizetype(m_places.size()) * 20);
    for (const qint64 place : m_places) {
        // Each entry is exactly twenty bytes.
        xref += QByteArray::number(std::max<qint64>(place, 0)).rightJustified(10, '0') + " 00000 n \n";
    }
    put(xref);
    put("trailer\n<< /Size " + QByteArray::number(qsizetype(m_places.size() + 1)) + " /Root " +
        QByteArray::number(catalogue) + " 0 R /Info " + QByteArray::number(information) + " 0 R >>\nstartxref\n" +
        QByteArray::number(table) + "\n%%EOF\n");
}

}  // namespace plk
