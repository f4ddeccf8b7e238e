#include "app/ui/RecentProjectsMenu.h"

#include "settings/core/AppPaths.h"
#include "widgets/ui/Dialogs.h"
#include "windows/ui/MainWindowServices.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace plk {

RecentProjectsMenu::RecentProjectsMenu(MainWindowServices& menu, QMenu* fileMenu)
    : QObject(menu.mainWidget()), m_main(menu), m_projects(menu.paths().settingsFile())
{
    fileMenu->addSeparator();
    m_menu = fileMenu->addMenu(QStringLiteral("Projets récents"));
    menu.commandParts().projectFileUsed = [this](const QString& path) { remember(path); };
    rebuild();
}

RecentProjectsMenu::~RecentProjectsMenu() { m_main.commandParts().projectFileUsed = nullptr; }

void RecentProjectsMenu::openEntry(int index)
{
    if (index < 0 || index >= m_projects.paths().size())
        return;
    const QString path = m_projects.paths().at(index);
    if (!QFileInfo(path).isFile()) {
        m_main.reportSettingsFailure(m_projects.remove(path));
        rebuild();
        m_main.dialogs().message(m_main.mainWidget(),
                                 QStringLiteral("Le projet « %1 » n'existe plus. Il est retiré de la liste des "
                                                "projets récents.")
                                     .arg(QDir::toNativeSeparators(path)),
                                 Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return;
    }
    m_main.openProjectFile(path);
}

void RecentProjectsMenu::remember(const QString& path)
{
    m_main.reportSettingsFailure(m_projects.add(path));
    rebuild();
}

void RecentProjectsMenu::rebuild()
{
    // An entry may be the one being chosen right now: it goes once its signal is done.
    for (QAction* old : m_menu->actions()) {
        m_menu->removeAction(old);
        old->deleteLater();
    }
    const QStringList& paths = m_projects.paths();
    for (int i = 0; i < paths.size(); ++i) {
        // "&" would be taken for a shortcut mark in a menu caption.
        const QString shown = QDir::toNativeSeparators(paths[i]).replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = m_menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        connect(entry, &QAction::triggered, this, [this, i] { openEntry(i); });
    }
    m_menu->setEnabled(!paths.isEmpty());
}

}  // namespace plk
