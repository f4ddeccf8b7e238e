#include "export/core/cGdiPlus.h"

#include "base/core/FileWriter.h"
#include "base/core/SystemReason.h"

#include <optional>

namespace plk {

cGdiPlus::cGdiPlus(QObject* parent) : QObject(parent)
{
    LoadEncoders();
}

void cGdiPlus::LoadEncoders()
{
    m_encoders = installedEncoders();
    m_table.clear();
    // From the last encoder to the first: when two claim one pattern, the later keeps it.
    for (int i = int(m_encoders.size()) - 1; i >= 0; --i)
        m_table.AddEncoderKeys(m_encoders[std::size_t(i)].patterns, QLatin1Char(';'), i);
}

int cGdiPlus::encoderFor(const QString& sFilename) const
{
    return m_table.EncoderIndex(QStringLiteral("*.") + EncoderTable::FileExtension(sFilename));
}

bool cGdiPlus::fail(GdiStatus status, const QString& systemReason)
{
    // A file the system refused is explained by the system's own words.
    Q_EMIT Error(int(status), systemReason.isEmpty() ? GdiErrorString(int(status)) : systemReason);
    return false;
}

bool cGdiPlus::PictureBoxToFile(const QImage& picture, const QString& sFilename, int lQuality)
{
    const int index = encoderFor(sFilename);
    if (index < 0)
        return false;
    if (picture.isNull())
        return fail(GdiStatus::InvalidParameter);

    const QString extension = EncoderTable::FileExtension(sFilename);
    std::optional<int> quality;
    if (!extension.isEmpty() && extension.at(0).toUpper() == QLatin1Char('J')) {
        if (lQuality < 0 || lQuality > 100)
            return fail(GdiStatus::InvalidParameter);
        quality = lQuality;
    }

    WholeSaveFile file(sFilename);
    if (!file.openForWriting())
        return fail(file.error() == QFileDevice::PermissionsError ? GdiStatus::AccessDenied : GdiStatus::Win32Error,
                    inFrench(file.errorString()));
    // The label is opaque: what the screen shows, without an alpha channel.
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    const GdiStatus status = encodeImage(m_encoders[std::size_t(index)].format, opaque, file, quality);
    // On failure the temporary file goes with `file`; the old file stays. A write the
    // system refused is that failure, whatever the encoder made of it.
    if (file.writeFailed())
        return fail(GdiStatus::Win32Error, file.failure(QString()));
    if (status != GdiStatus::Ok)
        return fail(status, status == GdiStatus::Win32Error ? file.failure(QString()) : QString());
    if (!file.commitWhole())
        return fail(GdiStatus::Win32Error, file.failure(QString()));
    return true;
}

}  // namespace plk
