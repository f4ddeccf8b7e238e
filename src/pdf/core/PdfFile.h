#pragma once
// The bones of a PDF file: numbered objects written one after another, and the table
// that tells a reader where each starts. Everything goes straight to the device; only
// the objects' places are kept.

#include <QByteArray>
#include <QString>
#include <vector>

class QIODevice;

namespace plk {

/// Appends a number as a PDF file writes it: at most `decimals` decimals, no trailing zeros.
void appendPdfNumber(QByteArray& out, double value, int decimals = 3);

/// The bytes squeezed with zlib (a stream's FlateDecode), at a level that favours speed.
QByteArray deflated(const QByteArray& bytes);

class PdfFile {
public:
    /// Starts the file (its header) on an open device.
    explicit PdfFile(QIODevice& out);

    /// A new object's number, for objects that refer to each other before they are written.
    int reserve();
    /// Writes object `number` whose content is `body` (a dictionary, an array ...).
    void object(int number, const QByteArray& body);
    /// Writes object `number` as a stream of `data` with the dictionary's other entries.
    void stream(int number, const QByteArray& entries, const QByteArray& data);
    /// The table of places and the trailer naming the catalogue and the document's information.
    void finish(int catalogue, int information);
    /// Whether the device refused a write.
    bool failed() const { return m_failed; }

private:
    void put(const QByteArray& bytes);
    void begin(int number);

    QIODevice& m_out;
    qint64 m_offset = 0;
    std::vector<qint64> m_places;  // each object's offset, by number from 1
    bool m_failed = false;
};

}  // namespace plk
