#pragma once
// What a project window asks of the main window that holds it: its commands, its
// pop-up menus, its status bar, the dialogs, the program's folders and the tool box.

#include <QPoint>
#include <QString>

class QMenu;

namespace plk {

class AppPaths;
class Dialogs;
class frmProjet;

/// The tool box as the project windows feed it.
class ToolBoxLink {
public:
    virtual ~ToolBoxLink() = default;
    /// A text object was clicked on tab `tab`.
    virtual void showTextObject(frmProjet& window, int tab, const QString& caption, bool bold, bool italic,
                                bool underline, bool strikethru, int left, int top) = 0;
    /// A logo was clicked on tab `tab`.
    virtual void showLogo(frmProjet& window, int tab, int left, int top, int width, int height) = 0;
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

class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;

    virtual void Mnu_ID_Fichier_Click(int index) = 0;
    virtual void Mnu_ID_Edition_Click(int index) = 0;
    /// The "Projet" and "Edition" menus, for the toolbar's drop-down arrows.
    virtual QMenu* projectMenu() = 0;
    virtual QMenu* editMenu() = 0;
    /// Pops up the "Edition" menu, with "Supprimer un objet" enabled or not.
    virtual void popupEditMenu(QPoint globalPos, bool deleteEnabled) = 0;
    virtual void setDeleteTabEnabled(bool enabled) = 0;
    /// Status bar panels 2 (size of the tab) and 3 (pointer position).
    virtual void setStatusSize(const QString& text) = 0;
    virtual void setStatusPosition(const QString& text) = 0;
    /// Opens the wizard to add a tab to the window.
    virtual void addTabWithWizard(frmProjet& window) = 0;
    /// Saves the window's project as "Enregistrer" does; false when cancelled or failed.
    virtual bool saveProject(frmProjet& window) = 0;

    virtual Dialogs& dialogs() = 0;
    virtual const AppPaths& paths() const = 0;
    /// The tool box, once it exists.
    virtual ToolBoxLink* toolBox() = 0;
};

inline const QString kNoSizeStatus = QStringLiteral("L : 00 Mm - H : 00 Mm");
inline const QString kNoPositionStatus = QStringLiteral("X : 00 Mm - Y : 00 Mm");

}  // namespace plk
