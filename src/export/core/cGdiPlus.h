#pragma once
// Saves a picture as a file in the format its name's extension asks for (BMP, JPEG,
// GIF, TIFF or PNG). One object serves one export: it lists the encoders when it is
// made and reports each failure through Error before PictureBoxToFile returns false.

#include "export/core/EncoderTable.h"
#include "export/core/ImageEncoders.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <vector>

namespace plk {

class cGdiPlus : public QObject {
    Q_OBJECT

public:
    explicit cGdiPlus(QObject* parent = nullptr);

    /// Writes the picture to sFilename with the encoder that claims "*." + its
    /// extension (case ignored). An extension whose first letter is J (the JPEG
    /// names) passes lQuality (0..100) to the encoder; the others ignore it.
    /// False, without Error, when no encoder claims the extension; false after
    /// Error when the picture is empty, the quality is out of range or writing fails
    /// (a file the system refused is described by the system's own reason).
    /// An existing file is replaced only once the new one is complete.
    bool PictureBoxToFile(const QImage& picture, const QString& sFilename, int lQuality);

    static QString GdiErrorString(int status) { return plk::GdiErrorString(status); }

    /// Reports a file another writer could not write (a PDF or SVG page) as this
    /// object's own failures are reported: Error with the reason; returns false.
    bool reportWriteFailure(const QString& reason) { return fail(GdiStatus::Win32Error, reason); }

    /// The encoder that would write a file name, or -1.
    int encoderFor(const QString& sFilename) const;
    const std::vector<ImageEncoder>& encoders() const { return m_encoders; }

Q_SIGNALS:
    void Error(int lGdiError, const QString& sErrorDesc);

private:
    void LoadEncoders();
    bool fail(GdiStatus status, const QString& systemReason = QString());

    std::vector<ImageEncoder> m_encoders;
    EncoderTable m_table;
};

}  // namespace plk
