#pragma once
// The window of one open project: a tab strip with one design surface per tab, a
// toolbar of the most used commands, and the handling of the surfaces' events
// (tool box updates, status texts, context menus, the two edit dialogs, the tool box
// opened on a code).

#include "document/core/Project.h"
#include "merge/core/LinkedFiles.h"
#include "merge/core/RowValues.h"

#include <QWidget>
#include <memory>
#include <vector>

class QTabBar;
class QStackedWidget;

namespace plk {

class EtiquetteView;
class MainWindowServices;
class ProjectHistory;
class ucToolbar;

class frmProjet : public QWidget {
    Q_OBJECT

public:
    /// A new window with one tab; `firstTabCaption` names that tab.
    frmProjet(MainWindowServices& main, const QString& firstTabCaption = QString(), QWidget* parent = nullptr);
    ~frmProjet() override;

    Project& project() const { return *m_project; }
    QString filePath() const { return m_project->filePath; }
    void setFilePath(const QString& path) { m_project->filePath = path; }
    /// The user's answers about data files outside the project's folder tree.
    LinkedFileAnswers linkedFileAnswers() const;
    QString caption() const { return m_project->caption; }
    void setCaption(const QString& caption);
    /// The undo history; the caption carries "*" while the project is not as last opened or saved.
    ProjectHistory& history() const { return *m_history; }
    /// The content is in (new, opened): the history starts here, unmodified.
    void startHistory();
    /// The project was just saved.
    void markSaved();
    /// The name last chosen in this window's save dialog.
    QString lastSaveName;

    int tabCount() const { return m_project->tabCount(); }
    /// The selected tab, counted from 1.
    int selectedTab() const;
    void selectTab(int index);
    Etiquette& surface(int index) const { return m_project->tab(index); }
    EtiquetteView* view(int index) const { return m_views.at(std::size_t(index - 1)); }
    QTabBar* tabStrip() const { return m_tabs; }
    ucToolbar* toolbar() const { return m_toolbar; }

    /// 1 add a tab, 2 rename tab `index`, 3 delete tab `index` (only the last one).
    void Gestion_Onglet(int action, int index = 0);
    /// Opens the wizard for a new tab.
    void addTab();
    /// Asks the tab's new name.
    void renameTab(int index);
    /// Deletes the tab once the user confirms; only the last tab can go.
    void deleteTab(int index);
    /// Runs when the window becomes the active one.
    void activate();
    /// The text of status panel 2 for the selected tab.
    QString sizeStatus() const;
    /// Shows the selected tab's size and zoom in the main window's status bar.
    void showStatus() const;

    /// The toolbar's "Aperçu des données": the selected tab shows its chosen row's
    /// values instead of its markers (when it has a data file that can be read).
    void showData(bool shown);
    bool dataShown() const;
    /// Another row for the selected tab (the toolbar's arrows after the toggle).
    void moveDataRow(RowMove move);
    /// The toolbar's button numbers of the toggle and its four arrows.
    static constexpr int kDataButton = 14;
    static constexpr int kFirstRowButton = 15;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolbar();
    void addView(int index);
    void removeView(int index);
    void tabSwitch();
    /// Shows the values on the selected tab alone, while the toggle is down.
    void applyDataPreview(bool quietly);
    void connectSurface(int index);
    void backgroundClicked();
    void editText(int tab, int object);
    void replaceLogo(int tab, int object);
    void showModified(bool clean);
    void focusMoved(QWidget* now);
    bool canvasEvent(EtiquetteView& view, QEvent* event);

    MainWindowServices& m_main;
    std::unique_ptr<Project> m_project;
    std::unique_ptr<ProjectHistory> m_history;
    QTabBar* m_tabs;
    ucToolbar* m_toolbar;
    QStackedWidget* m_stack;
    std::vector<EtiquetteView*> m_views;
};

}  // namespace plk
