#pragma once
// The program's folder and what lives in it: the templates ("Gabarits"), the
// default place of project files ("Projets") and of pictures ("Images"), and the
// settings file "Plakatorium.ini". A program unpacked in a folder of its own keeps
// them beside itself when it may write there (a portable install). An installed
// program, whose executable sits in a prefix's "bin" beside the prefix's
// "share/plakatorium", keeps them in the user's data folder, even for a user who could
// write into the prefix, and offers the templates installed with it beside the user's.

#include <QString>

namespace plk {

class AppPaths {
public:
    /// Paths under an explicit folder (tests, portable installs), with the read-only
    /// folder of installed templates when there is one.
    explicit AppPaths(const QString& programFolder, const QString& installedTemplates = QString())
        : m_root(programFolder), m_installedTemplates(installedTemplates)
    {
    }
    /// The folders of the running program.
    static AppPaths forRunningProgram();
    /// The folders of a program whose executable is in `executableFolder`.
    static AppPaths forExecutableIn(const QString& executableFolder);

    const QString& programFolder() const { return m_root; }
    QString templatesFolder() const { return m_root + QStringLiteral("/Gabarits"); }
    QString projectsFolder() const { return m_root + QStringLiteral("/Projets"); }
    QString imagesFolder() const { return m_root + QStringLiteral("/Images"); }
    QString settingsFile() const { return m_root + QStringLiteral("/Plakatorium.ini"); }
    /// The templates installed with the program; empty for a portable program.
    const QString& installedTemplatesFolder() const { return m_installedTemplates; }

    /// Creates the templates, projects and pictures folders (an existing one is no
    /// error); true when the templates folder did not exist before.
    bool createFolders() const;

private:
    QString m_root;
    QString m_installedTemplates;
};

}  // namespace plk
