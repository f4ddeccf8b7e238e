#pragma once
// What the windows ask of the main window that holds them: its commands, its pop-up
// menus, its status bar, the dialogs, the program's folders, the tool box, the project
// windows of its workspace and the help. Windows see the main window only through this.

#include "windows/ui/MenuCommands.h"

#include <QPoint>
#include <QString>
#include <functional>

class QColor;
class QMenu;
class QWidget;

namespace plk {

class AppPaths;
struct AppState;
class CommandRegistry;
class Dialogs;
class TPict;
class frmProjet;

/// The tool box as the project windows feed it.
class ToolBoxLink {
public:
    virtual ~ToolBoxLink() = default;
    /// An object was clicked and selected on tab `tab` of the window: the tool box
    /// edits that tab from now on (it follows the tab's changes itself).
    virtual void objectClicked(frmProjet& window, int tab) = 0;
    /// The object selected on tab `tab` of the window is to be edited: the tool box
    /// opens on the page of its kind.
    virtual void editObject(frmProjet& window, int tab) = 0;
    /// Nothing is selected any more.
    virtual void clearObject() = 0;
    /// Loads the tool box from tab `tab` of the window.
    virtual void Remplir_Outils(frmProjet& window, int tab) = 0;
    /// Shows the tool box (it was asked for).
    virtual void showToolBox() = 0;
    /// Hides it while the main window is minimised; it comes back with showToolBox.
    virtual void hideToolBox() = 0;
    /// Closes it (it is no longer asked for).
    virtual void closeToolBox() = 0;
};

/// Where the windows the main window opens come from; later parts of the program plug
/// theirs in (the wizard, the tool box, printing, export, preferences, help).
struct MainWindowParts {
    std::function<void(bool addTabMode, frmProjet* window)> showWizard;
    std::function<void()> showPrint;
    std::function<void()> showPreview;
    std::function<void()> showExport;
    std::function<void()> showOptions;
    std::function<void()> showAbout;
    std::function<void(const QString& key)> showHelp;
    std::function<void()> refreshTemplates;
    std::function<void()> saveAsTemplate;
    /// A project file was opened or saved (the recent projects remember it).
    std::function<void(const QString& path)> projectFileUsed;
};

class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;

    /// Runs a command in the menus' error trap: a failing step ends it there, keeping
    /// what was done. Every click that runs a command goes through it.
    virtual void runCommand(const std::function<void()>& command) = 0;
    /// The "Projet" and "Edition" menus, for the toolbar's drop-down arrows.
    virtual QMenu* projectMenu() = 0;
    virtual QMenu* editMenu() = 0;
    /// Pops up the "Edition" menu, with "Supprimer un objet" enabled or not.
    virtual void popupEditMenu(QPoint globalPos, bool deleteEnabled) = 0;
    virtual void setDeleteTabEnabled(bool enabled) = 0;
    /// Status bar panels 2 (size of the tab) and 3 (pointer position).
    virtual void setStatusSize(const QString& text) = 0;
    virtual void setStatusPosition(const QString& text) = 0;
    /// The status bar's last panel: the zoom of the tab in front ("Zoom : 150 %").
    virtual void setStatusZoom(const QString& text) = 0;
    /// Opens the wizard to add a tab to the window.
    virtual void addTabWithWizard(frmProjet& window) = 0;
    /// Saves the window's project as "Enregistrer" does; false when cancelled or failed.
    virtual bool saveProject(frmProjet& window) = 0;

    virtual Dialogs& dialogs() = 0;
    /// The commands of the menus as actions, which the toolbars and the task pane trigger.
    virtual CommandRegistry& commands() = 0;
    /// What the program shares for the whole run: the preferences, the tool box asked
    /// for, the object last clicked and the object clipboard.
    virtual AppState& app() = 0;
    virtual const AppPaths& paths() const = 0;
    /// The tool box, once it exists.
    virtual ToolBoxLink* toolBox() = 0;
    virtual void setToolBox(ToolBoxLink* toolBox) = 0;

    /// The main window itself: the parent of dialogs and the place they are centred on.
    virtual QWidget* mainWidget() = 0;
    /// The project window on screen in the workspace, or none.
    virtual frmProjet* activeProject() const = 0;
    /// Makes a project window that is shown only once its content is in.
    virtual frmProjet* createProjectWindow(const QString& firstTabCaption = QString()) = 0;
    virtual void showProjectWindow(frmProjet* window) = 0;
    /// Opens a project file in a new window as "Ouvrir un projet..." does with the file
    /// it is given: a ".prj" file through the legacy import, any other through the
    /// project reader, with the same messages.
    virtual void openProjectFile(const QString& path) = 0;
    /// Tells the user the settings file could not be written (`reason`, in French);
    /// a failure told before for the same reason is not told again. Nothing when the
    /// reason is empty.
    virtual void reportSettingsFailure(const QString& reason) = 0;
    /// The "Gabarits" menu, which lists the templates.
    virtual QMenu* templatesMenu() const = 0;
    /// Opens the help at the page of the key.
    virtual void showHelp(const QString& key) = 0;
    /// The windows and commands plugged into the main window.
    virtual MainWindowParts& commandParts() = 0;

    /// The task pane, docked on the left or on the right of the workspace, or none yet.
    virtual QWidget* taskPane() const = 0;
    virtual void setTaskPane(QWidget* pane, const QColor& background) = 0;
    virtual void setTaskPaneOnRight(bool right) = 0;
    virtual void setTaskPaneVisible(bool visible) = 0;
    /// The 16-pixel pictures of the task pane's items.
    virtual TPict& taskPaneIcons() = 0;
};

inline const QString kNoSizeStatus = QStringLiteral("L : 00 Mm - H : 00 Mm");
inline const QString kNoPositionStatus = QStringLiteral("X : 00 Mm - Y : 00 Mm");

}  // namespace plk
