// Each entry of the main window's menus, and each item of its task pane, reaches its
// own command: what it opens or asks, which help key it passes, what it changes in the
// active project or the workspace. Every entry runs on a fresh main window with two
// projects open, the second one active and its file gone.

#include "MainWindowTests.h"
#include "support/RecordingToolBox.h"
#include "widgets/ui/TaskPaneParts.h"

#include <map>

using namespace plk;

namespace {

const QString kCloseQuestion = QStringLiteral("message: Souhaitez-vous enregistrer les modifications de ce projet ?");

struct Entry {
    const char* menu;
    const char* caption;
    QStringList effects;  // what running it leaves, in the order effects() lists them
};

// Every entry of every menu, in menu order.
const std::vector<Entry>& entries()
{
    static const std::vector<Entry> table = {
        {"Fichier", "Créer un nouveau projet", {"wizard for a new project"}},
        {"Fichier", "Ouvrir un projet...", {"open: Ouvrir un projet"}},
        {"Fichier", "Enregistrer le projet", {"file: absent → written"}},
        {"Fichier", "Enregistrer le projet sous...", {"save: Enregistrer le projet sous..."}},
        {"Fichier", "Enregistrer comme un gabarit", {"template saved"}},
        {"Fichier", "Clôturer le projet", {kCloseQuestion, "size: L : 85,5 Mm - H : 54 Mm → L : 00 Mm - H : 00 Mm", "zoom: Zoom : 100 % → "}},
        {"Fichier", "Aperçu avant impression", {"preview", "tool box: close"}},
        {"Fichier", "Imprimer le projet", {"print set-up"}},
        {"Fichier", "Préférences...", {"preferences"}},
        {"Fichier", "Quitter", {"query close", kCloseQuestion}},
        {"Edition", "Annuler", {}},  // nothing done yet: nothing to undo or redo
        {"Edition", "Rétablir", {}},
        {"Edition", "Ajouter un objet texte", {"texts: 1, last at 5;5 → 2, last at 5;5"}},
        {"Edition", "Ajouter un objet logo", {"logos: 0 → 1"}},
        {"Edition", "Supprimer un objet", {"texts: 1, last at 5;5 → 0"}},
        {"Edition", "Copier", {"clipboard: - → LABEL"}},
        {"Edition", "Coller", {"texts: 1, last at 5;5 → 2, last at 10;10"}},
        {"Edition", "Exporter dans une image", {"export"}},
        {"Edition", "Boite à outils", {"tool box: show", "tool box asked: no → yes"}},
        {"Edition", "Ajouter un code-barres", {"tool box: edit object of tab 1", "codes: 0 → 1", "tool box asked: no → yes"}},
        {"Edition", "Ajouter une forme", {"tool box: edit object of tab 1", "tool box asked: no → yes"}},
        {"Edition", "Pivoter de 90° à gauche", {}},
        {"Edition", "Pivoter de 90° à droite", {}},
        {"Gabarits", "Actualiser la liste", {"template list refreshed"}},
        {"Fenêtre", "Mosaïque horizontal", {"layout: free → rows"}},
        {"Fenêtre", "Mosaïque vertical", {"layout: free → columns"}},
        {"Fenêtre", "En cascade", {"layout: free → cascade"}},
        {"Fenêtre", "Réorganiser les icônes", {"icons: 200;100 → bottom left"}},
        {"Fenêtre", "Fermer les fenêtres", {kCloseQuestion}},
        {"Fenêtre", "Zoom avant", {"zoom: Zoom : 100 % → Zoom : 125 %"}},
        {"Fenêtre", "Zoom arrière", {"zoom: Zoom : 100 % → Zoom : 75 %"}},
        {"Fenêtre", "Zoom 100 %", {}},  // the view is at 100 % already
        {"Fenêtre", "Ajuster à la fenêtre", {"zoom: Zoom : 100 % → Zoom : 56 %"}},
        {"Aide", "Rubrique de l'aide", {"help: Index de l'aide"}},
        {"Aide", "Historique des versions", {"help: Historique des versions"}},
        {"Aide", "Licence d'exploitation", {"help: Licence d'exploitation"}},
        {"Aide", "A propos de...", {"about"}},
        {"Projet", "Ajouter un nouvel onglet", {"wizard for a new tab of Second"}},
        {"Projet", "Renommer un onglet", {"input: Renommer l'onglet courant."}},
        {"Projet", "Supprimer un onglet", {"message: Souhaitez-vous vraiment supprimer cet onglet du projet ?"}},
    };
    return table;
}

const Entry* entryFor(const QString& caption)
{
    for (const Entry& e : entries())
        if (caption == QString::fromUtf8(e.caption))
            return &e;
    return nullptr;
}

}  // namespace

class TestMenuCommands : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;
    test::RecordingToolBox m_toolBox;
    QStringList m_calls;  // what the plugged-in windows were asked

    frmProjet* active() const { return m_fx.menu->activeProject(); }
    Etiquette& tab() const { return active()->surface(active()->selectedTab()); }

    QMenu* menuNamed(const QString& name) const
    {
        frmMenu& m = *m_fx.menu;
        const std::map<QString, QMenu*> menus = {
            {"Fichier", m.fileMenu()},   {"Edition", m.editMenu()}, {"Gabarits", m.templatesMenu()},
            {"Fenêtre", m.windowMenu()}, {"Aide", m.helpMenu()},    {"Projet", m.projectMenu()},
        };
        return menus.at(name);
    }

    /// How the shown project windows lie in the workspace.
    QString layout() const
    {
        const QRect area = m_fx.menu->workspace()->viewport()->rect();
        QList<QRect> shown;
        for (QMdiSubWindow* s : m_fx.menu->workspace()->subWindowList())
            if (!s->isMinimized())
                shown.append(s->geometry());
        bool rows = true, columns = true, cascade = true;
        for (qsizetype i = 0; i < shown.size(); ++i) {
            rows = rows && shown[i].left() == 0 && shown[i].width() == area.width();
            columns = columns && shown[i].top() == 0 && shown[i].height() == area.height();
            if (i > 0)
                cascade = cascade && shown[i].size() == shown[0].size() && shown[i].left() > shown[i - 1].left() &&
                          shown[i].top() > shown[i - 1].top();
        }
        return rows ? "rows" : columns ? "columns" : cascade ? "cascade" : "free";
    }

    /// Where the minimised project windows lie.
    QString icons() const
    {
        const QRect area = m_fx.menu->workspace()->viewport()->rect();
        QStringList places;
        for (QMdiSubWindow* s : m_fx.menu->workspace()->subWindowList())
            if (s->isMinimized())
                places << (s->pos() == QPoint(0, area.height() - s->height())
                               ? QStringLiteral("bottom left")
                               : QStringLiteral("%1;%2").arg(s->x()).arg(s->y()));
        return places.join(' ');
    }

    std::map<QString, QString> state() const
    {
        std::map<QString, QString> s;
        s["windows"] = QString::number(m_fx.menu->projectWindows().size());
        s["size"] = m_fx.menu->statusPanel(2)->text();
        s["zoom"] = m_fx.menu->statusPanel(4)->text();
        s["clipboard"] = m_fx.app.ObjectClipboard.isEmpty() ? "-" : m_fx.app.ObjectClipboard.section('|', 0, 0);
        s["tool box asked"] = m_fx.app.BoiteVisible ? "yes" : "no";
        s["layout"] = layout();
        s["icons"] = icons();
        if (!active())
            return s;
        s["tabs"] = QString::number(active()->tabCount());
        s["file"] = QFile::exists(active()->filePath()) ? "written" : "absent";
        const Etiquette& t = tab();
        int texts = 0, logos = 0, last = 0;
        for (int i = 1; i <= t.labelCount(); ++i)
            if (t.label(i).Visible)
                ++texts, last = i;
        for (int i = 1; i <= t.logoCount(); ++i)
            logos += t.logo(i).Visible ? 1 : 0;
        s["texts"] = QString::number(texts);
        if (last)
            s["texts"] += QStringLiteral(", last at %1;%2").arg(t.label(last).Top).arg(t.label(last).Left);
        s["logos"] = QString::number(logos);
        int codes = 0;
        for (int i = 1; i <= t.codeCount(); ++i)
            codes += t.code(i).Visible ? 1 : 0;
        s["codes"] = QString::number(codes);
        return s;
    }

    /// Runs the command and tells what it did: the windows it asked for, the dialogs it
    /// showed, what it asked of the tool box, then each value of state() it changed.
    QStringList effects(const std::function<void()>& command)
    {
        m_calls.clear();
        const qsizetype dialogs = m_fx.dialogs->shown.size();
        const qsizetype toolBox = m_toolBox.calls.size();
        const auto before = state();
        command();
        QStringList seen = m_calls;
        for (qsizetype i = dialogs; i < m_fx.dialogs->shown.size(); ++i)
            seen << m_fx.dialogs->shown[i].kind + ": " + m_fx.dialogs->shown[i].text;
        for (qsizetype i = toolBox; i < m_toolBox.calls.size(); ++i)
            seen << "tool box: " + m_toolBox.calls[i];
        for (const auto& [key, value] : state())
            if (before.count(key) && before.at(key) != value)
                seen << key + ": " + before.at(key) + " → " + value;
        return seen;
    }

    /// What some entries need before they can show what they do.
    void prepare(const QString& caption)
    {
        if (caption == "Supprimer un objet" || caption == "Copier" || caption == "Coller")
            tab().objectClick(Etiquette::ObjectKind::Label, 1);
        if (caption == "Supprimer un objet")
            m_fx.menu->editAction(Edition::SupprimerObjet)->setEnabled(true);
        if (caption == "Coller")
            tab().Copier(1, m_fx.app.ObjectClipboard);
        if (caption == "Supprimer un onglet")
            m_fx.menu->setDeleteTabEnabled(true);
        if (caption == "Réorganiser les icônes") {
            QMdiSubWindow* first = m_fx.menu->workspace()->subWindowList().first();
            first->showMinimized();
            first->move(200, 100);
        }
    }

private Q_SLOTS:

    void init()
    {
        m_fx.start();
        m_fx.app.Options.Animation = 1;  // the task pane's groups open at once
        m_toolBox.calls.clear();
        m_toolBox.app = &m_fx.app;
        m_fx.menu->setToolBox(&m_toolBox);
        MainWindowParts& parts = m_fx.menu->parts;
        parts.showWizard = [this](bool addTab, frmProjet* window) {
            m_calls << (addTab ? "wizard for a new tab of " + window->caption()
                               : QStringLiteral("wizard for a new project"));
        };
        const auto record = [this](const char* call) { return [this, call] { m_calls << call; }; };
        parts.showPrint = record("print set-up");
        parts.showPreview = record("preview");
        parts.showExport = record("export");
        parts.showOptions = record("preferences");
        parts.showAbout = record("about");
        parts.refreshTemplates = record("template list refreshed");
        parts.saveAsTemplate = record("template saved");
        parts.showHelp = [this](const QString& key) { m_calls << "help: " + key; };
        m_fx.menu->onQueryClose = record("query close");

        m_fx.menu->resize(1000, 720);
        m_fx.open();
        m_fx.open(test::kExampleProject, 0, QStringLiteral("Second.plk"));
        const QList<QMdiSubWindow*> subs = m_fx.menu->workspace()->subWindowList();
        subs[0]->setGeometry(0, 0, 400, 300);
        subs[1]->setGeometry(300, 100, 300, 200);
        QFile::remove(active()->filePath());
    }

    void cleanup() { m_fx.stop(); }

    void everyEntryIsWalked()
    {
        QStringList menus, walked;
        for (const Entry& e : entries()) {
            walked << QString::fromUtf8(e.menu) + " / " + QString::fromUtf8(e.caption);
            if (!menus.contains(QString::fromUtf8(e.menu)))
                menus << QString::fromUtf8(e.menu);
        }
        QStringList present;
        for (const QString& name : menus)
            for (QAction* a : menuNamed(name)->actions())
                if (!a->isSeparator())
                    present << name + " / " + a->text();
        QCOMPARE(present, walked);
    }

    void addedEntriesComeAfterTheOthers()
    {
        // The entries run by their place in the menu: new ones never move the others.
        const std::pair<Edition, const char*> edition[] = {
            {Edition::AjouterTexte, "Ajouter un objet texte"}, {Edition::AjouterLogo, "Ajouter un objet logo"},
            {Edition::SupprimerObjet, "Supprimer un objet"},   {Edition::Copier, "Copier"},
            {Edition::Coller, "Coller"},                       {Edition::Exporter, "Exporter dans une image"},
            {Edition::BoiteOutils, "Boite à outils"},          {Edition::AjouterCode, "Ajouter un code-barres"},
            {Edition::AjouterForme, "Ajouter une forme"},      {Edition::PivoterGauche, "Pivoter de 90° à gauche"},
            {Edition::PivoterDroite, "Pivoter de 90° à droite"},
        };
        // Counted from the first of them (the undo entries stand above).
        const QList<QAction*> actions = m_fx.menu->editMenu()->actions();
        const qsizetype first = actions.indexOf(m_fx.menu->editAction(Edition::AjouterTexte));
        QCOMPARE(actions.size() - first, qsizetype(Edition::PivoterDroite) + 1);
        for (const auto& [entry, caption] : edition)
            QCOMPARE(actions.at(first + int(entry))->text(), QString::fromUtf8(caption));
        // The task pane's new item (14, named in the walk below) ends its group.
        BarreXP* pane = buildTaskPane(*m_fx.menu);
        QCOMPARE(pane->Label2(14)->parentWidget(), pane->CTRFond(2));
        QVERIFY(pane->Label2(14)->y() > pane->Label2(8)->y());
        // On the project window's toolbar, after "Clôturer".
        QCOMPARE(active()->toolbar()->ButtonCaption(20), QStringLiteral("Code-barres"));
        QCOMPARE(active()->toolbar()->ButtonTipText(20), QStringLiteral("Ajouter un code-barres"));
        Q_EMIT active()->toolbar()->ButtonClick(20);
        QCOMPARE(tab().IDcode(), std::int16_t(1));
        QCOMPARE(tab().CodeFocus(), std::int16_t(1));
    }

    void eachEntryReachesItsCommand_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("expected");
        for (const Entry& e : entries())
            QTest::newRow(e.caption) << QString::fromUtf8(e.menu) << QString::fromUtf8(e.caption) << e.effects;
    }

    void eachEntryReachesItsCommand()
    {
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        QFETCH(QStringList, expected);
        QAction* entry = nullptr;
        for (QAction* a : menuNamed(menu)->actions())
            if (a->text() == caption)
                entry = a;
        QVERIFY(entry);
        prepare(caption);
        QCOMPARE(effects([entry] { entry->trigger(); }), expected);
    }

    void eachTaskPaneItemRunsItsMenuEntry_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("caption");
        const char* const captions[] = {
            "Créer un nouveau projet", "Ouvrir un projet...",     "Enregistrer le projet", "Clôturer le projet",
            "Ajouter un objet texte",  "Ajouter un objet logo",   "Exporter dans une image", "Boite à outils",
            "Aperçu avant impression", "Imprimer le projet",      "Rubrique de l'aide",    "A propos de...",
            "Quitter",                 "Ajouter un code-barres",
        };
        for (int i = 0; i < int(std::size(captions)); ++i)
            QTest::newRow(captions[i]) << i + 1 << QString::fromUtf8(captions[i]);
    }

    void eachTaskPaneItemRunsItsMenuEntry()
    {
        QFETCH(int, item);
        QFETCH(QString, caption);
        BarreXP* pane = buildTaskPane(*m_fx.menu);
        pane->Maximise_Tout();
        TaskItem* label = pane->Label2(item);
        QCOMPARE(label->text(), caption);
        const Entry* entry = entryFor(caption);
        QVERIFY(entry);
        prepare(caption);
        QCOMPARE(effects([label] { QTest::mouseClick(label, Qt::LeftButton, {}, label->captionRect().center()); }),
                 entry->effects);
    }
};

PLK_TEST_CLASS(TestMenuCommands)
#include "tst_MenuCommands.moc"
