#include "import/core/GzipData.h"

#include <zlib.h>

namespace plk {

bool isGzip(const QByteArray& data) { return data.startsWith("\x1f\x8b"); }

std::optional<QByteArray> gunzip(const QByteArray& data, qint64 maxBytes, QString* reason)
{
    const auto fail = [reason](const QString& why) -> std::optional<QByteArray> {
        if (reason)
            *reason = why;
        return std::nullopt;
    };
    z_stream stream{};
    // 16 + the largest window: gzip framing, not zlib's.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return fail(QStringLiteral("décompression impossible"));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    QByteArray out;
    char chunk[64 * 1024];
    int status = Z_OK;
    while (true) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        const qint64 produced = qint64(sizeof chunk - stream.avail_out);
        if (out.size() + produced > maxBytes) {
            inflateEnd(&stream);
            return fail(QStringLiteral("contenu décompressé de plus de %1 Mio").arg(maxBytes >> 20));
        }
        out.append(chunk, produced);
        if (status == Z_STREAM_END && stream.avail_in > 0 && isGzip(QByteArray::fromRawData(
                                                                 reinterpret_cast<const char*>(stream.next_in),
                                                                 qsizetype(stream.avail_in)))) {
            inflateReset(&stream);  // another member follows
            continue;
        }
        if (status != Z_OK)
            break;
        if (stream.avail_in == 0 && produced == 0)
            break;
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return fail(QStringLiteral("données compressées abîmées ou incomplètes"));
    return out;
}

}  // namespace plk
