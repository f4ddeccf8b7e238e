#pragma once
// The main window: project windows live in its workspace; it carries the menu bar,
// the task pane, a three-panel status bar, and the handlers every command goes to.

#include "settings/core/AppPaths.h"
#include "widgets/core/ProgramIcons.h"
#include "windows/ui/CommandRegistry.h"
#include "windows/ui/MainWindowServices.h"
#include "windows/ui/MenuCommands.h"
#include "windows/ui/ProjectFiles.h"
#include "windows/ui/UndoCommands.h"
#include "windows/ui/ZoomCommands.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QScrollArea;

namespace plk {

class frmProjet;

class frmMenu : public QMainWindow, public MainWindowServices {
    Q_OBJECT

public:
    frmMenu(const AppPaths& paths, Dialogs& dialogs, AppState& app, QWidget* parent = nullptr);
    ~frmMenu() override;

    MainWindowParts parts;

    // --- command handlers, one per menu ---------------------------------------------
    void Mnu_ID_Fichier_Click(Fichier index);
    void Mnu_ID_Edition_Click(Edition index);
    void runCommand(const std::function<void()>& command) override;
    void Mnu_ID_Fenetre_Click(Fenetre index);
    void Mnu_ID_Aide_Click(Aide index);
    void Mnu_ID_Projet_Click(Projet index);

    frmProjet* activeProject() const override;
    QList<frmProjet*> projectWindows() const;
    /// The window holding the file (through a link or a relative name alike), or none.
    frmProjet* windowOf(const QString& path) const;
    /// Makes, shows and activates a project window (maximised when the preference says so).
    frmProjet* OpenProjectWindow(const QString& path, const QString& fileTitle);
    frmProjet* createProjectWindow(const QString& firstTabCaption = QString()) override;
    void showProjectWindow(frmProjet* window) override;
    void openProjectFile(const QString& path) override;
    void reportSettingsFailure(const QString& reason) override;

    QMenu* fileMenu() const { return m_fichier; }
    QMenu* templatesMenu() const override { return m_gabarits; }
    QMenu* windowMenu() const { return m_fenetre; }
    QMenu* helpMenu() const { return m_aide; }
    QAction* editAction(Edition index) const { return m_commands.action(index); }
    QAction* projectAction(Projet index) const { return m_commands.action(index); }
    /// "Annuler" and "Rétablir", above the other entries of "Edition".
    UndoCommands& undoCommands() const { return *m_undoCommands; }
    /// The zoom entries at the end of "Fenêtre".
    ZoomCommands& zoomCommands() const { return *m_zoomCommands; }
    QLabel* statusPanel(int panel) const { return m_panels[panel - 1]; }
    QMdiArea* workspace() const { return m_mdi; }
    void setTaskPane(QWidget* pane, const QColor& background) override;
    void setTaskPaneOnRight(bool right) override;
    void setTaskPaneVisible(bool visible) override;
    QWidget* taskPane() const override { return m_taskPane; }
    TPict& taskPaneIcons() override { return m_ico16; }

    // --- MainWindowServices ----------------------------------------------------------
    QMenu* projectMenu() override { return m_projet; }
    QMenu* editMenu() override { return m_edition; }
    void popupEditMenu(QPoint globalPos, bool deleteEnabled) override;
    void setDeleteTabEnabled(bool enabled) override;
    void setStatusSize(const QString& text) override;
    void setStatusPosition(const QString& text) override;
    void setStatusZoom(const QString& text) override;
    void addTabWithWizard(frmProjet& window) override;
    bool saveProject(frmProjet& window) override;
    Dialogs& dialogs() override { return m_dialogs; }
    CommandRegistry& commands() override { return m_commands; }
    AppState& app() override { return m_app; }
    const AppPaths& paths() const override { return m_paths; }
    ToolBoxLink* toolBox() override { return m_toolBox; }
    void setToolBox(ToolBoxLink* toolBox) override { m_toolBox = toolBox; }
    QWidget* mainWidget() override { return this; }
    MainWindowParts& commandParts() override { return parts; }
    void showHelp(const QString& key) override
    {
        if (parts.showHelp)
            parts.showHelp(key);
    }

    /// Runs before the window closes: a callback saves the task pane's state.
    std::function<void()> onQueryClose;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildCommands();
    // Each command to the handler of its menu.
    void handle(Fichier c) { Mnu_ID_Fichier_Click(c); }
    void handle(Edition c) { Mnu_ID_Edition_Click(c); }
    void handle(Projet c) { Mnu_ID_Projet_Click(c); }
    void handle(Fenetre c) { Mnu_ID_Fenetre_Click(c); }
    void handle(Aide c) { Mnu_ID_Aide_Click(c); }
    void buildMenus();
    void rebuildWindowList();
    /// Gives a project window about to show its place in the workspace.
    void placeInWorkspace(QMdiSubWindow* sub) const;
    bool guard();
    void openProject();
    /// Closes every project window in turn, each asking its question; false when one stays.
    bool closeProjectWindows();
    void openChoice(const ProjectFiles::Choice& choice);
    /// Closes the active window's current step (a command starts or ended).
    void endStep();

    AppPaths m_paths;
    Dialogs& m_dialogs;
    AppState& m_app;
    ProjectFiles m_files;
    CommandRegistry m_commands;
    UndoCommands* m_undoCommands;
    ZoomCommands* m_zoomCommands;
    QMdiArea* m_mdi;
    QMenu* m_fichier = nullptr;
    QMenu* m_edition = nullptr;
    QMenu* m_gabarits = nullptr;
    QMenu* m_fenetre = nullptr;
    QMenu* m_aide = nullptr;
    QStringList m_settingsFailures;  // the reasons already told
    QMenu* m_projet = nullptr;
    QList<QAction*> m_windowList;
    QLabel* m_panels[4];
    QWidget* m_taskPane = nullptr;
    QScrollArea* m_taskPaneColumn = nullptr;
    ToolBoxLink* m_toolBox = nullptr;
    TPict m_ico16 = taskPaneImages();
};

}  // namespace plk
