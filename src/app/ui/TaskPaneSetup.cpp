#include "app/ui/TaskPaneSetup.h"

#include "base/core/AppState.h"
#include "settings/core/AppPaths.h"
#include "settings/core/Settings.h"
#include "widgets/ui/BarreXP.h"
#include "windows/ui/CommandRegistry.h"
#include "windows/ui/MainWindowServices.h"

#include <QAction>

namespace plk {

namespace {

struct Item {
    int group;
    const char* caption;
    Command command;
};

// Item k of the pane (counted from 1) triggers the action of its command; the commands
// placed beside their menu entry (CommandRegistry::placed) come after these, each in its
// group, so that the first items keep their numbers.
constexpr Item kItems[] = {
    {1, "Créer un nouveau projet", Fichier::Nouveau},
    {1, "Ouvrir un projet...", Fichier::Ouvrir},
    {1, "Enregistrer le projet", Fichier::Enregistrer},
    {1, "Clôturer le projet", Fichier::Cloturer},
    {2, "Ajouter un objet texte", Edition::AjouterTexte},
    {2, "Ajouter un objet logo", Edition::AjouterLogo},
    {2, "Exporter dans une image", Edition::Exporter},
    {2, "Boite à outils", Edition::BoiteOutils},
    {3, "Aperçu avant impression", Fichier::Apercu},
    {3, "Imprimer le projet", Fichier::Imprimer},
    {4, "Rubrique de l'aide", Aide::Rubrique},
    {4, "A propos de...", Aide::APropos},
    {4, "Quitter", Fichier::Quitter},
};

constexpr const char* kGroups[] = {"Gestion du projet", "Propriétés du projet", "Mise en page", "Aide utilisateur"};

BarreXP* pane(MainWindowServices& menu) { return qobject_cast<BarreXP*>(menu.taskPane()); }

}  // namespace

BarreXP* buildTaskPane(MainWindowServices& menu)
{
    auto* bar = new BarreXP;
    bar->ImageList = &menu.taskPaneIcons();
    bar->setAutoResize(true);
    bar->setFontName(QStringLiteral("Tahoma"));
    for (const char* caption : kGroups)
        bar->Creation_Groupe(QString::fromUtf8(caption));
    std::vector<Command> commands;
    for (const Item& item : kItems) {
        commands.push_back(item.command);
        bar->Creation_Label(item.group, int(commands.size()), QString::fromUtf8(item.caption));
    }
    for (const CommandRegistry::Placed& placed : menu.commands().placed()) {
        commands.push_back(placed.command);
        bar->Creation_Label(placed.paneGroup, int(commands.size()), menu.commands().action(placed.command)->text());
    }
    QObject::connect(bar, &BarreXP::ClickLabel, menu.mainWidget(), [&menu, commands](int item) {
        if (item < 1 || item > int(commands.size()))
            return;
        if (QAction* action = menu.commands().action(commands[std::size_t(item - 1)]))
            action->trigger();
    });
    menu.setTaskPane(bar, toQColor(bar->BackColor()));
    applyTaskPaneOptions(menu);
    return bar;
}

void applyTaskPaneOptions(MainWindowServices& menu)
{
    BarreXP* bar = pane(menu);
    if (!bar)
        return;
    bar->setAnimation(menu.app().Options.Animation == 0);
    menu.setTaskPaneOnRight(menu.app().Options.Position == 1);
    menu.setTaskPaneVisible(menu.app().Options.Afficher != 1);
}

void SaveLoadTaskPane(MainWindowServices& menu, int mode)
{
    BarreXP* bar = pane(menu);
    if (!bar)
        return;
    const QString ini = menu.paths().settingsFile();
    const RegionalFormat format = RegionalFormat::system();
    const int groups = bar->Count(1);
    if (mode == -1) {
        std::vector<bool> open;
        for (int n = 1; n <= groups; ++n)
            open.push_back(bar->GRP_Etat(n));
        menu.reportSettingsFailure(saveTaskPane(ini, open, format));
    } else if (mode == 0) {
        const std::vector<bool> open = loadTaskPane(ini, groups, format);
        for (int n = 1; n <= groups; ++n)
            if (open[std::size_t(n - 1)])
                bar->setGRP_Actif(n);
    }
}

}  // namespace plk
