#pragma once
// The file side of the project commands: the open and save dialogs, reading a file
// into a project window (or importing a legacy one), and saving a window's project.

#include "widgets/ui/Dialogs.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace plk {

class AppPaths;
class frmProjet;

class ProjectFiles {
public:
    ProjectFiles(Dialogs& dialogs, const AppPaths& paths) : m_dialogs(dialogs), m_paths(paths) {}

    /// Enregistrer (or Enregistrer sous): asks for a file when the window has none or
    /// when `saveAs`; true when the project was written.
    bool save(frmProjet& window, bool saveAs);

    /// The file chosen in the open dialog; `legacy` when the old format's filter was in
    /// use, `glabels` for a gLabels project.
    struct Choice {
        QString path;
        QString fileTitle;
        bool legacy = false;
        bool glabels = false;
    };
    std::optional<Choice> askOpen(QWidget* parent);
    /// A file named without the dialog (command line, recent projects): the legacy
    /// import for a ".prj" file, the gLabels import for a ".glabels" file, the project
    /// reader for any other.
    static Choice choiceFor(const QString& path);

    /// Reads a project file into a new window (the reader keeps what it read before a
    /// bad record and the user is told where it stopped), or imports a legacy file.
    /// False when nothing could be read: the window is to be dropped.
    bool readInto(frmProjet& window, const Choice& file);

    /// What two names of one file have in common: the canonical path when the file
    /// exists (links resolved), the absolute clean path otherwise.
    static QString sameFileKey(const QString& path);

    static QStringList openFilters();
    static QStringList saveFilters();

    /// Told the path of every project file read into a window or saved.
    std::function<void(const QString& path)> used;

private:
    bool readOrImport(frmProjet& window, const Choice& file);
    bool importGlabels(frmProjet& window, const Choice& file);

    Dialogs& m_dialogs;
    const AppPaths& m_paths;
};

}  // namespace plk
