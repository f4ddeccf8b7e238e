#pragma once
// The last projects opened or saved, newest first, kept in the settings file's section
// "RECENTS" as "Projet1" … "Projet8". Every change is written at once, so a later
// start (or a crash) finds the list as it was.

#include <QString>
#include <QStringList>

namespace plk {

class RecentProjects {
public:
    static constexpr int kMaxProjects = 8;

    /// The list stored in the settings file.
    explicit RecentProjects(const QString& settingsFile);

    const QStringList& paths() const { return m_paths; }
    /// Puts the file first (once); the oldest beyond eight goes. Both return why the
    /// settings file could not be written, or nothing.
    QString add(const QString& path);
    QString remove(const QString& path);

    /// Whether the settings file can keep the path as it is: a settings value holds at
    /// most 254 Windows-1252 characters on one line, without blanks around it.
    static bool storable(const QString& path);

private:
    QString save();

    QString m_file;
    QStringList m_paths;
    int m_stored = 0;  // the last key that holds a project in the file
};

}  // namespace plk
