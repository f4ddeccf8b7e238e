#pragma once
// Initialisation files: "[section]" lines followed by "key=value" lines, Windows-1252,
// CR LF. Sections and keys match without regard to case; every other section, key,
// comment and blank line is left as it was; the file is created by the first write.
// A missing file or key reads as "".
//
// IniDocument holds a file's lines in memory, so that an operation reading or writing
// many keys parses the file once; ReadIni and WriteIni are one-key operations on it.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace plk {

inline constexpr int kIniValueMax = 254;
/// Settings and legacy projects are a few kilobytes; no such file is larger than this.
inline constexpr qint64 kIniMaxBytes = 16LL << 20;

class IniDocument {
public:
    IniDocument() = default;
    /// The file's lines; a missing or unreadable file (or anything but a regular
    /// file) gives an empty document. An unreadable one (`reason` says why) is marked
    /// so: such a document is never saved over it.
    static IniDocument load(const QString& file, QString* reason = nullptr);
    static IniDocument fromBytes(const QByteArray& bytes);

    /// The value of the key, cut to 254 characters. Where a section or a key occurs
    /// more than once, the first occurrence in the file wins.
    QString value(const QString& section, const QString& key) const;
    /// Sets the key in the first occurrence of its section: an existing key keeps its
    /// line and the case of its name; a new key goes after the section's last line
    /// that is not blank; a new section goes at the end.
    void setValue(const QString& section, const QString& key, const QString& value);

    QByteArray bytes() const;
    /// Whether the file it was loaded from exists but could not be read.
    bool unreadable() const { return m_unreadable; }
    /// Writes the document through a temporary file renamed into place; false (with
    /// the system's reason) when it could not be written, or when it was loaded from
    /// an unreadable file, which it would replace by a file of nearly nothing.
    bool save(const QString& file, QString* reason = nullptr) const;

private:
    void index() const;

    QStringList m_lines;
    mutable QHash<QString, QString> m_values;  // "section\nkey" (case-folded) -> value
    mutable bool m_indexed = false;
    bool m_unreadable = false;
};

/// The value of the key, cut to 254 characters.
QString ReadIni(const QString& file, const QString& section, const QString& key);
/// Writes the key; returns "1" when the file was written and "0" otherwise.
QString WriteIni(const QString& file, const QString& section, const QString& key, const QString& value);

}  // namespace plk
