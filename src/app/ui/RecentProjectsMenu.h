#pragma once
// "Projets récents", the submenu at the end of the Fichier menu: the last projects
// opened or saved, newest first. Choosing one opens it as "Ouvrir un projet..." would;
// a file that is gone is taken off the list with a message.

#include "settings/core/RecentProjects.h"

#include <QObject>

class QMenu;

namespace plk {

class MainWindowServices;

class RecentProjectsMenu : public QObject {
    Q_OBJECT

public:
    /// Adds the submenu, after a separator, at the end of `fileMenu`.
    RecentProjectsMenu(MainWindowServices& menu, QMenu* fileMenu);
    ~RecentProjectsMenu() override;

    QMenu* menu() const { return m_menu; }
    const RecentProjects& projects() const { return m_projects; }
    /// Opens entry `index` (from 0).
    void openEntry(int index);

private:
    void remember(const QString& path);
    void rebuild();

    MainWindowServices& m_main;
    RecentProjects m_projects;
    QMenu* m_menu;
};

}  // namespace plk
