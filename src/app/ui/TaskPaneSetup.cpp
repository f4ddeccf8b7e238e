#include "app/ui/TaskPaneSetup.h"

#include "app/core/AppState.h"
#include "app/core/Settings.h"
#include "app/ui/frmMenu.h"
#include "widgets/ui/BarreXP.h"

namespace plk {

namespace {

enum class Handler { Fichier, Edition, Aide };

struct Item {
    int group;
    const char* caption;
    Handler handler;
    int index;
};

// Item k of the pane (counted from 1) runs entry `index` of its menu.
constexpr Item kItems[] = {
    {1, "Créer un nouveau projet", Handler::Fichier, 0},
    {1, "Ouvrir un projet...", Handler::Fichier, 1},
    {1, "Enregistrer le projet", Handler::Fichier, 3},
    {1, "Clôturer le projet", Handler::Fichier, 7},
    {2, "Ajouter un objet texte", Handler::Edition, 0},
    {2, "Ajouter un objet logo", Handler::Edition, 1},
    {2, "Exporter dans une image", Handler::Edition, 8},
    {2, "Boite à outils", Handler::Edition, 10},
    {3, "Aperçu avant impression", Handler::Fichier, 9},
    {3, "Imprimer le projet", Handler::Fichier, 10},
    {4, "Rubrique de l'aide", Handler::Aide, 0},
    {4, "A propos de...", Handler::Aide, 5},
    {4, "Quitter", Handler::Fichier, 14},
};

constexpr const char* kGroups[] = {"Gestion du projet", "Propriétés du projet", "Mise en page", "Aide utilisateur"};

BarreXP* pane(frmMenu& menu) { return qobject_cast<BarreXP*>(menu.taskPane()); }

}  // namespace

BarreXP* buildTaskPane(frmMenu& menu)
{
    auto* bar = new BarreXP;
    bar->ImageList = &menu.ico16;
    bar->setAutoResize(true);
    bar->setFontName(QStringLiteral("Tahoma"));
    for (const char* caption : kGroups)
        bar->Creation_Groupe(QString::fromUtf8(caption));
    for (std::size_t i = 0; i < std::size(kItems); ++i)
        bar->Creation_Label(kItems[i].group, int(i) + 1, QString::fromUtf8(kItems[i].caption));
    QObject::connect(bar, &BarreXP::ClickLabel, &menu, [&menu](int item) {
        if (item < 1 || item > int(std::size(kItems)))
            return;
        const Item& it = kItems[item - 1];
        switch (it.handler) {
        case Handler::Fichier: menu.Mnu_ID_Fichier_Click(it.index); break;
        case Handler::Edition: menu.Mnu_ID_Edition_Click(it.index); break;
        case Handler::Aide: menu.Mnu_ID_Aide_Click(it.index); break;
        }
    });
    menu.setTaskPane(bar, toQColor(bar->BackColor()));
    applyTaskPaneOptions(menu);
    return bar;
}

void applyTaskPaneOptions(frmMenu& menu)
{
    BarreXP* bar = pane(menu);
    if (!bar)
        return;
    bar->setAnimation(Options.Animation == 0);
    menu.setTaskPaneOnRight(Options.Position == 1);
    menu.setTaskPaneVisible(Options.Afficher != 1);
}

void SaveLoadTaskPane(frmMenu& menu, int mode)
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
        saveTaskPane(ini, open, format);
    } else if (mode == 0) {
        const std::vector<bool> open = loadTaskPane(ini, groups, format);
        for (int n = 1; n <= groups; ++n)
            if (open[std::size_t(n - 1)])
                bar->setGRP_Actif(n);
    }
}

}  // namespace plk
