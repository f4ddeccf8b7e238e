#include "app/ui/frmMenu.h"

#include "base/core/AppState.h"
#include "base/core/Version.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/NewObject.h"
#include "canvas/core/ShapeElement.h"
#include "document/core/ProjectFile.h"
#include "document/core/ProjectHistory.h"
#include "settings/core/Settings.h"
#include "windows/ui/frmProjet.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QWindowStateChangeEvent>
#include <algorithm>

namespace plk {

namespace {

constexpr int kProjectWindowWidth = 760;
constexpr int kProjectWindowHeight = 560;
constexpr int kCascadeSteps = 4;  // windows cascading before the next starts at the corner again

}  // namespace

frmMenu::frmMenu(const AppPaths& paths, Dialogs& dialogs, AppState& app, QWidget* parent)
    : QMainWindow(parent), m_paths(paths), m_dialogs(dialogs), m_app(app), m_files(dialogs, m_paths),
      m_undoCommands(new UndoCommands(this)),
      m_zoomCommands(new ZoomCommands(
          [this] {
              frmProjet* window = activeProject();
              return window ? window->view(window->selectedTab()) : nullptr;
          },
          this)),
      m_mdi(new QMdiArea(this))
{
    setWindowTitle(kProductName);
    m_mdi->setBackground(toQColor(kColorWindowBackground).darker(108));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_mdi, 1);
    setCentralWidget(central);

    for (QLabel*& panel : m_panels) {
        panel = new QLabel(this);
        panel->setContentsMargins(4, 0, 4, 0);
    }
    statusBar()->addWidget(m_panels[0], 1);
    statusBar()->addPermanentWidget(m_panels[1]);
    statusBar()->addPermanentWidget(m_panels[2]);
    statusBar()->addPermanentWidget(m_panels[3]);  // the zoom of the tab in front
    m_panels[0]->setText(kLegalNotice);
    m_panels[1]->setText(kNoSizeStatus);
    m_panels[2]->setText(kNoPositionStatus);

    m_files.used = [this](const QString& path) {
        if (parts.projectFileUsed)
            parts.projectFileUsed(path);
    };
    buildMenus();
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        auto* window = sub ? qobject_cast<frmProjet*>(sub->widget()) : nullptr;
        m_undoCommands->follow(window);
        if (window)
            window->activate();
        else if (!activeProject())
            setDeleteTabEnabled(false);
    });

    resize(1024, 720);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
}

frmMenu::~frmMenu() = default;

// --- menus ------------------------------------------------------------------------------

void frmMenu::buildCommands()
{
    struct Entry {
        Command command;
        const char* caption;
        QList<QKeySequence> keys;
    };
    const Entry entries[] = {
        {Fichier::Nouveau, "Créer un nouveau projet", standardKeys(QKeySequence::New)},
        {Fichier::Ouvrir, "Ouvrir un projet...", standardKeys(QKeySequence::Open)},
        {Fichier::Enregistrer, "Enregistrer le projet", standardKeys(QKeySequence::Save)},
        {Fichier::EnregistrerSous, "Enregistrer le projet sous...", {}},
        {Fichier::EnregistrerGabarit, "Enregistrer comme un gabarit", {}},
        {Fichier::Cloturer, "Clôturer le projet", {}},
        {Fichier::Apercu, "Aperçu avant impression", {}},
        {Fichier::Imprimer, "Imprimer le projet", standardKeys(QKeySequence::Print)},
        {Fichier::Preferences, "Préférences...", {}},
        {Fichier::Quitter, "Quitter", {QKeySequence(Qt::CTRL | Qt::Key_Q)}},
        {Edition::AjouterTexte, "Ajouter un objet texte", {}},
        {Edition::AjouterLogo, "Ajouter un objet logo", {}},
        {Edition::SupprimerObjet, "Supprimer un objet", standardKeys(QKeySequence::Delete)},
        {Edition::Copier, "Copier", standardKeys(QKeySequence::Copy)},
        {Edition::Coller, "Coller", standardKeys(QKeySequence::Paste)},
        {Edition::Exporter, "Exporter dans une image", {}},
        {Edition::BoiteOutils, "Boite à outils", {QKeySequence(Qt::CTRL | Qt::Key_B)}},
        {Edition::AjouterCode, "Ajouter un code-barres", {}},
        {Edition::AjouterForme, "Ajouter une forme", {}},
        {Edition::PivoterGauche, "Pivoter de 90° à gauche", {}},
        {Edition::PivoterDroite, "Pivoter de 90° à droite", {}},
        {Fenetre::MosaiqueHorizontal, "Mosaïque horizontal", {}},
        {Fenetre::MosaiqueVertical, "Mosaïque vertical", {}},
        {Fenetre::Cascade, "En cascade", {}},
        {Fenetre::ReorganiserIcones, "Réorganiser les icônes", {}},
        {Fenetre::FermerFenetres, "Fermer les fenêtres", {QKeySequence(Qt::CTRL | Qt::Key_F)}},
        {Aide::Rubrique, "Rubrique de l'aide", {QKeySequence(Qt::Key_F1)}},
        {Aide::Historique, "Historique des versions", {}},
        {Aide::Licence, "Licence d'exploitation", {}},
        {Aide::APropos, "A propos de...", {QKeySequence(Qt::Key_F2)}},
        {Projet::AjouterOnglet, "Ajouter un nouvel onglet", {}},
        {Projet::RenommerOnglet, "Renommer un onglet", {}},
        {Projet::SupprimerOnglet, "Supprimer un onglet", {}},
    };
    for (const Entry& e : entries) {
        const Command command = e.command;
        m_commands.add(command, QString::fromUtf8(e.caption), e.keys, [this, command] {
            runCommand([this, command] { std::visit([this](auto c) { handle(c); }, command); });
        });
    }
    // The commands that show beside their menu entry, in the task pane and on the
    // project windows' toolbars, each with its picture.
    struct Place {
        Command command;
        int paneGroup;
        const char* button;
        const char* theme;
        const char* resource;
    };
    const Place places[] = {
        {Edition::AjouterCode, 2, "Code-barres", "insert-object", ":/icons/pane/code.svg"},
        {Edition::AjouterForme, 2, "Forme", "draw-rectangle", ":/icons/pane/forme.svg"},
    };
    for (const Place& p : places) {
        const QIcon icon = themedIcon(p.theme, p.resource);
        m_commands.addPlaced({p.command, icon, p.paneGroup, QString::fromUtf8(p.button)});
        m_ico16.add(icon);  // the pane's item k shows picture k
    }

    // Suppr belongs to the canvas, which hands it to the command while it has the focus:
    // anywhere else (a field, the tab strip) the key keeps its own meaning. The menu
    // still shows it.
    editAction(Edition::SupprimerObjet)->setShortcutContext(Qt::WidgetShortcut);
    editAction(Edition::SupprimerObjet)->setEnabled(false);
    projectAction(Projet::SupprimerOnglet)->setEnabled(false);

    // Not in the menus: the selected object goes to the object clipboard and off the
    // tab, in one step.
    auto* cut = new QAction(QStringLiteral("Couper"), this);
    cut->setShortcuts(standardKeys(QKeySequence::Cut));
    connect(cut, &QAction::triggered, this, [this] {
        runCommand([this] {
            const frmProjet* window = activeProject();
            if (!window || !window->surface(window->selectedTab()).selected())
                return;
            Mnu_ID_Edition_Click(Edition::Copier);
            Mnu_ID_Edition_Click(Edition::SupprimerObjet);
        });
    });
    addAction(cut);
}

void frmMenu::buildMenus()
{
    buildCommands();
    m_fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    m_commands.addTo(m_fichier, {Fichier::Nouveau, Fichier::Ouvrir, Fichier::Enregistrer, Fichier::EnregistrerSous,
                                 Fichier::EnregistrerGabarit, Fichier::Cloturer, Fichier::Apercu, Fichier::Imprimer,
                                 Fichier::Preferences, Fichier::Quitter});

    m_edition = menuBar()->addMenu(QStringLiteral("&Edition"));
    m_undoCommands->addTo(m_edition);
    m_commands.addTo(m_edition, {Edition::AjouterTexte, Edition::AjouterLogo, Edition::SupprimerObjet, Edition::Copier,
                                 Edition::Coller, Edition::Exporter, Edition::BoiteOutils, Edition::AjouterCode,
                                 Edition::AjouterForme, Edition::PivoterGauche, Edition::PivoterDroite});

    m_gabarits = menuBar()->addMenu(QStringLiteral("&Gabarits"));
    QAction* refresh = m_gabarits->addAction(QStringLiteral("Actualiser la liste"));
    refresh->setShortcut(QKeySequence(Qt::Key_F5));
    connect(refresh, &QAction::triggered, this, [this] {
        if (parts.refreshTemplates)
            parts.refreshTemplates();
    });
    m_gabarits->addSeparator();

    m_fenetre = menuBar()->addMenu(QStringLiteral("Fe&nêtre"));
    m_commands.addTo(m_fenetre, {Fenetre::MosaiqueHorizontal, Fenetre::MosaiqueVertical, Fenetre::Cascade,
                                 Fenetre::ReorganiserIcones, Fenetre::FermerFenetres});
    m_zoomCommands->addTo(m_fenetre);
    connect(m_fenetre, &QMenu::aboutToShow, this, &frmMenu::rebuildWindowList);

    m_aide = menuBar()->addMenu(QStringLiteral("&Aide"));
    m_commands.addTo(m_aide, {Aide::Rubrique, Aide::Historique, Aide::Licence, Aide::APropos});

    // Not in the menu bar: the project windows' toolbar pops it up.
    m_projet = new QMenu(QStringLiteral("Projet"), this);
    m_commands.addTo(m_projet, {Projet::AjouterOnglet, Projet::RenommerOnglet, Projet::SupprimerOnglet});
}

void frmMenu::rebuildWindowList()
{
    qDeleteAll(m_windowList);
    m_windowList.clear();
    const QList<QMdiSubWindow*> subs = m_mdi->subWindowList();
    if (subs.isEmpty())
        return;
    m_windowList.append(m_fenetre->addSeparator());
    for (int i = 0; i < subs.size(); ++i) {
        QMdiSubWindow* sub = subs[i];
        QAction* a = m_fenetre->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(sub->widget()->windowTitle()));
        a->setCheckable(true);
        a->setChecked(sub == m_mdi->currentSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { m_mdi->setActiveSubWindow(sub); });
        m_windowList.append(a);
    }
}

// --- commands ---------------------------------------------------------------------------

void frmMenu::runCommand(const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception&) {
        // A failing step ends the command; what was done stays done.
    }
    endStep();
}

void frmMenu::endStep()
{
    // What a command changed is a step of its own, never part of the typing before it,
    // nor held back by a press on the canvas whose release went to the menu it opened.
    if (frmProjet* window = activeProject()) {
        window->history().release();
        window->history().separate();
    }
}

bool frmMenu::guard()
{
    if (activeProject())
        return true;
    m_dialogs.message(this, QStringLiteral("Vous devez créer ou ouvrir un projet pour pouvoir utiliser cette fonction."),
                      Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
    return false;
}

void frmMenu::Mnu_ID_Fichier_Click(Fichier index)
{
    endStep();
    frmProjet* active = activeProject();
    switch (index) {
    case Fichier::Nouveau:
        if (parts.showWizard)
            parts.showWizard(false, nullptr);
        break;
    case Fichier::Ouvrir: openProject(); break;
    case Fichier::Enregistrer:
        if (active)
            m_files.save(*active, false);
        break;
    case Fichier::EnregistrerSous:
        if (active)
            m_files.save(*active, true);
        break;
    case Fichier::EnregistrerGabarit:
        if (active && parts.saveAsTemplate)
            parts.saveAsTemplate();
        break;
    case Fichier::Cloturer:
        if (active) {
            m_mdi->currentSubWindow()->close();
            setStatusSize(kNoSizeStatus);
            setStatusPosition(kNoPositionStatus);
            setStatusZoom(QString());
            // The window that took the closed one's place in front shows its own tab.
            if (const frmProjet* front = activeProject(); front && front != active)
                front->showStatus();
        }
        break;
    case Fichier::Apercu:
        if (!guard())
            break;
        if (m_toolBox)
            m_toolBox->closeToolBox();
        if (parts.showPreview)
            parts.showPreview();
        break;
    case Fichier::Imprimer:
        if (guard() && parts.showPrint)
            parts.showPrint();
        break;
    case Fichier::Preferences:
        if (parts.showOptions)
            parts.showOptions();
        break;
    case Fichier::Quitter: close(); break;
    }
}

void frmMenu::Mnu_ID_Edition_Click(Edition index)
{
    endStep();
    if (!guard())
        return;
    frmProjet& window = *activeProject();
    Etiquette& tab = window.surface(window.selectedTab());
    switch (index) {
    case Edition::AjouterTexte: addSelectedObject(tab, Etiquette::ObjectKind::Label); break;
    case Edition::AjouterLogo: addSelectedObject(tab, Etiquette::ObjectKind::Logo); break;
    case Edition::SupprimerObjet:
        tab.deleteSelected();
        if (m_toolBox)
            m_toolBox->clearObject();
        editAction(Edition::SupprimerObjet)->setEnabled(false);
        break;
    case Edition::Copier: tab.Copier(m_app.ObjetActif, m_app.ObjectClipboard); break;
    case Edition::Coller: tab.Coller(m_app.ObjectClipboard); break;
    case Edition::Exporter:
        if (parts.showExport)
            parts.showExport();
        break;
    case Edition::BoiteOutils:
        m_app.BoiteVisible = true;
        if (m_toolBox) {
            m_toolBox->Remplir_Outils(window, window.selectedTab());
            m_toolBox->showToolBox();
        }
        break;
    case Edition::AjouterCode:
        // The new code is selected and the tool box opens on it, to give it its data.
        tab.NewCode(newCodeObject());
        tab.objectClick(Etiquette::ObjectKind::Code, tab.IDcode());
        m_app.BoiteVisible = true;
        if (m_toolBox)
            m_toolBox->editObject(window, window.selectedTab());
        break;
    case Edition::AjouterForme:
        addShape(tab, newShapeObject());
        tab.objectClick(ObjectKind::Shape, tab.objectCount(ObjectKind::Shape));
        m_app.BoiteVisible = true;
        if (m_toolBox)
            m_toolBox->editObject(window, window.selectedTab());
        break;
    case Edition::PivoterGauche:
    case Edition::PivoterDroite:
        if (const TabObject* o = tab.selected())
            tab.setObjectRotation(o->kind(), o->slot(), o->rotation() + (index == Edition::PivoterGauche ? 90 : -90));
        break;
    }
}

void frmMenu::Mnu_ID_Fenetre_Click(Fenetre index)
{
    const QList<QMdiSubWindow*> subs = m_mdi->subWindowList();
    const QRect area = m_mdi->viewport()->rect();
    switch (index) {
    case Fenetre::MosaiqueHorizontal:  // one above the other, each as wide as the workspace
    case Fenetre::MosaiqueVertical: {  // side by side
        QList<QMdiSubWindow*> shown;
        for (QMdiSubWindow* s : subs)
            if (!s->isMinimized())
                shown.append(s);
        for (int i = 0; i < shown.size(); ++i) {
            shown[i]->showNormal();
            if (index == Fenetre::MosaiqueHorizontal) {
                const int h = area.height() / int(shown.size());
                shown[i]->setGeometry(0, i * h, area.width(), h);
            } else {
                const int w = area.width() / int(shown.size());
                shown[i]->setGeometry(i * w, 0, w, area.height());
            }
        }
        break;
    }
    case Fenetre::Cascade: m_mdi->cascadeSubWindows(); break;
    case Fenetre::ReorganiserIcones: {
        int x = 0;
        for (QMdiSubWindow* s : subs)
            if (s->isMinimized()) {
                s->move(x, area.height() - s->height());
                x += s->width();
            }
        break;
    }
    case Fenetre::FermerFenetres: closeProjectWindows(); break;
    }
}

bool frmMenu::closeProjectWindows()
{
    // The window on screen first, then the others from the most recently used.
    QList<QMdiSubWindow*> order = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    std::reverse(order.begin(), order.end());
    if (QMdiSubWindow* current = m_mdi->currentSubWindow())
        order.move(order.indexOf(current), 0);
    for (QMdiSubWindow* sub : order) {
        m_mdi->setActiveSubWindow(sub);
        if (!sub->close())
            return false;  // "Annuler": the rest stay open, unasked
    }
    return true;
}

void frmMenu::Mnu_ID_Aide_Click(Aide index)
{
    switch (index) {
    case Aide::Rubrique: showHelp(QStringLiteral("Index de l'aide")); break;
    case Aide::Historique: showHelp(QStringLiteral("Historique des versions")); break;
    case Aide::Licence: showHelp(QStringLiteral("Licence d'exploitation")); break;
    case Aide::APropos:
        if (parts.showAbout)
            parts.showAbout();
        break;
    }
}

void frmMenu::Mnu_ID_Projet_Click(Projet index)
{
    endStep();
    if (!guard())
        return;
    frmProjet& window = *activeProject();
    switch (index) {
    case Projet::AjouterOnglet: window.addTab(); break;
    case Projet::RenommerOnglet: window.renameTab(window.selectedTab()); break;
    case Projet::SupprimerOnglet: window.deleteTab(window.selectedTab()); break;
    }
}

void frmMenu::openProject()
{
    if (const auto choice = m_files.askOpen(this))
        openChoice(*choice);
}

void frmMenu::openProjectFile(const QString& path)
{
    runCommand([this, &path] { openChoice(ProjectFiles::choiceFor(path)); });
}

void frmMenu::reportSettingsFailure(const QString& reason)
{
    if (reason.isEmpty() || m_settingsFailures.contains(reason))
        return;
    m_settingsFailures << reason;
    m_dialogs.message(this,
                      QStringLiteral("Les réglages n'ont pas pu être enregistrés dans « %1 » : %2.")
                          .arg(QDir::toNativeSeparators(m_paths.settingsFile()), reason),
                      Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

void frmMenu::openChoice(const ProjectFiles::Choice& choice)
{
    // A file has one window: two would each keep their own copy and the last save
    // would silently undo the other's work.
    if (frmProjet* open = windowOf(choice.path)) {
        QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(open->parentWidget());
        if (sub->isMinimized())
            sub->showNormal();
        m_mdi->setActiveSubWindow(sub);
        if (m_files.used)
            m_files.used(open->filePath());
        return;
    }
    frmProjet* window = createProjectWindow();
    if (!m_files.readInto(*window, choice)) {
        delete window->parentWidget();  // never shown; nothing refers to it
        return;
    }
    showProjectWindow(window);
    if (m_app.Options.Boite == 1) {
        m_app.BoiteVisible = true;
        if (m_toolBox) {
            m_toolBox->Remplir_Outils(*window, window->selectedTab());
            m_toolBox->showToolBox();
        }
    }
}

// --- project windows --------------------------------------------------------------------

frmProjet* frmMenu::activeProject() const
{
    // The current sub-window, not the active one: while a dialog, the tool box or a
    // print window has the focus the workspace has no active sub-window, yet the
    // command at hand is still for the project the user was working on.
    QMdiSubWindow* sub = m_mdi->currentSubWindow();
    return sub ? qobject_cast<frmProjet*>(sub->widget()) : nullptr;
}

QList<frmProjet*> frmMenu::projectWindows() const
{
    QList<frmProjet*> windows;
    for (QMdiSubWindow* sub : m_mdi->subWindowList())
        if (auto* w = qobject_cast<frmProjet*>(sub->widget()))
            windows.append(w);
    return windows;
}

frmProjet* frmMenu::windowOf(const QString& path) const
{
    const QString wanted = ProjectFiles::sameFileKey(path);
    for (frmProjet* window : projectWindows())
        if (!window->filePath().isEmpty() && ProjectFiles::sameFileKey(window->filePath()) == wanted)
            return window;
    return nullptr;
}

frmProjet* frmMenu::createProjectWindow(const QString& firstTabCaption)
{
    auto* window = new frmProjet(*this, firstTabCaption);
    m_undoCommands->addWindow(*window);
    QMdiSubWindow* sub = m_mdi->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(windowIcon());
    sub->resize(kProjectWindowWidth, kProjectWindowHeight);
    sub->hide();
    return window;
}

void frmMenu::showProjectWindow(frmProjet* window)
{
    QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (m_app.Options.Maximiser == 1) {
        sub->showMaximized();
    } else {
        placeInWorkspace(sub);
        sub->show();
    }
    window->startHistory();
    m_mdi->setActiveSubWindow(sub);
    m_undoCommands->follow(window);
    window->activate();
}

void frmMenu::placeInWorkspace(QMdiSubWindow* sub) const
{
    // Cascading from the top-left corner, one title bar further each time, and never
    // past the workspace's edge, where the canvas would hide behind scroll bars.
    // A small workspace makes the windows smaller rather than stacking them all at its corner.
    const QRect area = m_mdi->viewport()->rect();
    const int step = std::max(1, sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub));
    const QSize room = (area.size() - QSize(kCascadeSteps - 1, kCascadeSteps - 1) * step).expandedTo(area.size() / 2);
    const QSize size = QSize(kProjectWindowWidth, kProjectWindowHeight).boundedTo(room);
    const int steps = 1 + std::min(area.width() - size.width(), area.height() - size.height()) / step;
    const QList<QMdiSubWindow*> subs = m_mdi->subWindowList();
    const qsizetype shown =
        std::count_if(subs.cbegin(), subs.cend(), [sub](const QMdiSubWindow* w) { return w != sub && w->isVisible(); });
    const int offset = int(shown % steps) * step;
    sub->setGeometry(QRect(area.topLeft() + QPoint(offset, offset), size));
}

frmProjet* frmMenu::OpenProjectWindow(const QString& path, const QString& fileTitle)
{
    frmProjet* window = createProjectWindow();
    showProjectWindow(window);
    window->setCaption(captionFromFileTitle(fileTitle));
    window->setFilePath(path);
    return window;
}

// --- MainWindowServices -------------------------------------------------------------------

void frmMenu::popupEditMenu(QPoint globalPos, bool deleteEnabled)
{
    editAction(Edition::SupprimerObjet)->setEnabled(deleteEnabled);
    m_edition->popup(globalPos);
}

void frmMenu::setDeleteTabEnabled(bool enabled) { projectAction(Projet::SupprimerOnglet)->setEnabled(enabled); }
void frmMenu::setStatusSize(const QString& text) { m_panels[1]->setText(text); }
void frmMenu::setStatusPosition(const QString& text) { m_panels[2]->setText(text); }
void frmMenu::setStatusZoom(const QString& text) { m_panels[3]->setText(text); }

void frmMenu::addTabWithWizard(frmProjet& window)
{
    if (parts.showWizard)
        parts.showWizard(true, &window);
}

bool frmMenu::saveProject(frmProjet& window) { return m_files.save(window, false); }

// --- task pane ----------------------------------------------------------------------------

void frmMenu::setTaskPane(QWidget* pane, const QColor& background)
{
    m_taskPane = pane;
    // The pane sizes itself to its groups; the column it stands in keeps its colour
    // down to the status bar and scrolls when the groups are taller than the window.
    m_taskPaneColumn = new QScrollArea(centralWidget());
    m_taskPaneColumn->setFrameShape(QFrame::NoFrame);
    m_taskPaneColumn->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette pal = m_taskPaneColumn->palette();
    pal.setColor(QPalette::Window, background);
    m_taskPaneColumn->setPalette(pal);
    m_taskPaneColumn->setBackgroundRole(QPalette::Window);
    m_taskPaneColumn->setWidget(pane);
    m_taskPaneColumn->setFixedWidth(pane->sizeHint().width());
    static_cast<QHBoxLayout*>(centralWidget()->layout())->insertWidget(0, m_taskPaneColumn);
}

void frmMenu::setTaskPaneOnRight(bool right)
{
    if (!m_taskPaneColumn)
        return;
    auto* layout = static_cast<QHBoxLayout*>(centralWidget()->layout());
    layout->removeWidget(m_taskPaneColumn);
    layout->insertWidget(right ? 1 : 0, m_taskPaneColumn);
}

void frmMenu::setTaskPaneVisible(bool visible)
{
    if (m_taskPaneColumn)
        m_taskPaneColumn->setVisible(visible);
}

// --- window events ------------------------------------------------------------------------

void frmMenu::closeEvent(QCloseEvent* event)
{
    if (onQueryClose)
        onQueryClose();
    const int state = isMinimized() ? 1 : (isMaximized() ? 2 : 0);
    const QRect g = normalGeometry();
    reportSettingsFailure(saveMainWindow(m_paths.settingsFile(), state,
                                         QRectF(g.left() * 15.0, g.top() * 15.0, g.width() * 15.0, g.height() * 15.0),
                                         RegionalFormat::system()));
    // Every project asks its own question; one "Annuler" keeps the program running.
    if (closeProjectWindows())
        event->accept();
    else
        event->ignore();
}

void frmMenu::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && m_app.BoiteVisible && m_toolBox) {
        if (isMinimized())
            m_toolBox->hideToolBox();
        else
            m_toolBox->showToolBox();
    }
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && projectWindows().isEmpty() && m_toolBox)
        m_toolBox->closeToolBox();
}

}  // namespace plk
