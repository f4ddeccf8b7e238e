#pragma once
// A main window over a temporary program folder, answered by scripted dialogs: the
// starting point of the tests that drive the program's windows and commands.

#include "base/core/AppState.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <memory>

namespace plk {
class frmAssist;
class frmMenu;
class frmOutils;
class frmProjet;
}  // namespace plk

namespace plk::test {

class MainWindowFixture {
public:
    MainWindowFixture();
    ~MainWindowFixture();

    /// Shows a fresh main window over the application-wide state as the program starts with it;
    /// with the folder of an installed program's templates when one is given.
    void start(const QString& installedTemplates = QString());
    /// Makes the tool box and plugs it into the main window, as the program does.
    frmOutils& startToolBox();
    /// Makes the wizard the menu's "Nouveau projet" and "Ajouter un nouvel onglet" show,
    /// shown without waiting on it.
    frmAssist& startWizard();
    /// Shows the wizard as the menu's command does: a new project, or a tab of the active one.
    void showWizard(bool addTabMode);
    /// Closes every project window without saving.
    void closeProjects();
    /// Closes the project windows, then the tool box and the main window.
    void stop();
    /// Opens the bytes, written to a file of the program's folder, through "Ouvrir".
    frmProjet* open(const QByteArray& bytes = kExampleProject, int filter = 0,
                    const QString& name = QStringLiteral("Exemple.plk"));

    QTemporaryDir dir;
    /// What the program shares for the whole run, as it starts.
    AppState app;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<frmMenu> menu;
    std::unique_ptr<frmOutils> toolBox;
    std::unique_ptr<frmAssist> wizard;
};

}  // namespace plk::test
