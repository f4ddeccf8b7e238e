#pragma once
// The program's folder and what lives in it: the templates ("Gabarits"), the
// default place of project files ("Projets") and of pictures ("Images"), and the
// settings file "Plakatorium.ini". The folder is the executable's own when it is
// writable (a portable install), otherwise the user's data folder.

#include <QString>

namespace plk {

class AppPaths {
public:
    /// Paths under an explicit folder (tests, portable installs).
    explicit AppPaths(const QString& programFolder) : m_root(programFolder) {}
    /// The folder the running program uses.
    static AppPaths forRunningProgram();

    const QString& programFolder() const { return m_root; }
    QString templatesFolder() const { return m_root + QStringLiteral("/Gabarits"); }
    QString projectsFolder() const { return m_root + QStringLiteral("/Projets"); }
    QString imagesFolder() const { return m_root + QStringLiteral("/Images"); }
    QString settingsFile() const { return m_root + QStringLiteral("/Plakatorium.ini"); }

    /// Creates the templates, projects and pictures folders (an existing one is no
    /// error); true when the templates folder did not exist before.
    bool createFolders() const;

private:
    QString m_root;
};

}  // namespace plk
