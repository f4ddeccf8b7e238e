#include "app/ui/frmMenu.h"

#include "app/core/AppState.h"
#include "app/core/Settings.h"
#include "app/core/Version.h"
#include "canvas/core/Etiquette.h"
#include "document/core/ProjectFile.h"
#include "windows/ui/frmProjet.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QWindowStateChangeEvent>

namespace plk {

namespace {

const QString kSeparator = QStringLiteral("-");

QList<QKeySequence> keys(std::initializer_list<std::pair<int, QKeySequence>> entries, int count)
{
    QList<QKeySequence> list(count);
    for (const auto& [index, key] : entries)
        list[index] = key;
    return list;
}

}  // namespace

frmMenu::frmMenu(const AppPaths& paths, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_paths(paths), m_dialogs(dialogs), m_files(dialogs, m_paths), m_mdi(new QMdiArea(this))
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
    m_panels[0]->setText(kLegalNotice);
    m_panels[1]->setText(kNoSizeStatus);
    m_panels[2]->setText(kNoPositionStatus);

    buildMenus();
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (auto* window = sub ? qobject_cast<frmProjet*>(sub->widget()) : nullptr)
            window->activate();
    });

    resize(1024, 720);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
}

frmMenu::~frmMenu() = default;

// --- menus ------------------------------------------------------------------------------

QVector<QAction*> frmMenu::addEntries(QMenu* menu, const QStringList& captions, const QList<QKeySequence>& shortcuts,
                                      const std::function<void(int)>& handler)
{
    QVector<QAction*> actions;
    for (int i = 0; i < captions.size(); ++i) {
        if (captions[i] == kSeparator) {
            actions.append(menu->addSeparator());
            continue;
        }
        QAction* a = menu->addAction(captions[i]);
        if (i < shortcuts.size() && !shortcuts[i].isEmpty())
            a->setShortcut(shortcuts[i]);
        connect(a, &QAction::triggered, this, [this, handler, i] { runCommand([&handler, i] { handler(i); }); });
        actions.append(a);
    }
    return actions;
}

void frmMenu::buildMenus()
{
    m_fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    m_fileActions = addEntries(
        m_fichier,
        {QStringLiteral("Créer un nouveau projet"), QStringLiteral("Ouvrir un projet..."), kSeparator,
         QStringLiteral("Enregistrer le projet"), QStringLiteral("Enregistrer le projet sous..."),
         QStringLiteral("Enregistrer comme un gabarit"), kSeparator, QStringLiteral("Clôturer le projet"), kSeparator,
         QStringLiteral("Aperçu avant impression"), QStringLiteral("Imprimer le projet"), kSeparator,
         QStringLiteral("Préférences..."), kSeparator, QStringLiteral("Quitter")},
        keys({{0, QKeySequence(Qt::CTRL | Qt::Key_N)},
              {1, QKeySequence(Qt::CTRL | Qt::Key_O)},
              {3, QKeySequence(Qt::CTRL | Qt::Key_S)},
              {10, QKeySequence(Qt::CTRL | Qt::Key_P)},
              {14, QKeySequence(Qt::CTRL | Qt::Key_Q)}},
             15),
        [this](int i) { Mnu_ID_Fichier_Click(i); });

    m_edition = menuBar()->addMenu(QStringLiteral("&Edition"));
    m_editActions = addEntries(
        m_edition,
        {QStringLiteral("Ajouter un objet texte"), QStringLiteral("Ajouter un objet logo"), kSeparator,
         QStringLiteral("Supprimer un objet"), kSeparator, QStringLiteral("Copier"), QStringLiteral("Coller"), kSeparator,
         QStringLiteral("Exporter dans une image"), kSeparator, QStringLiteral("Boite à outils")},
        keys({{5, QKeySequence(Qt::CTRL | Qt::Key_C)},
              {6, QKeySequence(Qt::CTRL | Qt::Key_V)},
              {10, QKeySequence(Qt::CTRL | Qt::Key_B)}},
             11),
        [this](int i) { Mnu_ID_Edition_Click(i); });
    m_editActions[3]->setEnabled(false);

    m_gabarits = menuBar()->addMenu(QStringLiteral("&Gabarits"));
    QAction* refresh = m_gabarits->addAction(QStringLiteral("Actualiser la liste"));
    refresh->setShortcut(QKeySequence(Qt::Key_F5));
    connect(refresh, &QAction::triggered, this, [this] {
        if (parts.refreshTemplates)
            parts.refreshTemplates();
    });
    m_gabarits->addSeparator();

    m_fenetre = menuBar()->addMenu(QStringLiteral("Fe&nêtre"));
    m_windowActions = addEntries(m_fenetre,
                                 {QStringLiteral("Mosaïque horizontal"), QStringLiteral("Mosaïque vertical"),
                                  QStringLiteral("En cascade"), QStringLiteral("Réorganiser les icônes"), kSeparator,
                                  QStringLiteral("Fermer les fenêtres")},
                                 keys({{5, QKeySequence(Qt::CTRL | Qt::Key_F)}}, 6),
                                 [this](int i) { Mnu_ID_Fenetre_Click(i); });
    connect(m_fenetre, &QMenu::aboutToShow, this, &frmMenu::rebuildWindowList);

    m_aide = menuBar()->addMenu(QStringLiteral("&Aide"));
    m_helpActions = addEntries(m_aide,
                               {QStringLiteral("Rubrique de l'aide"), kSeparator, QStringLiteral("Historique des versions"),
                                QStringLiteral("Licence d'exploitation"), kSeparator, QStringLiteral("A propos de...")},
                               keys({{0, QKeySequence(Qt::Key_F1)}, {5, QKeySequence(Qt::Key_F2)}}, 6),
                               [this](int i) { Mnu_ID_Aide_Click(i); });

    // Not in the menu bar: the project windows' toolbar pops it up.
    m_projet = new QMenu(QStringLiteral("Projet"), this);
    m_projectActions = addEntries(m_projet,
                                  {QStringLiteral("Ajouter un nouvel onglet"), kSeparator,
                                   QStringLiteral("Renommer un onglet"), kSeparator, QStringLiteral("Supprimer un onglet")},
                                  {}, [this](int i) { Mnu_ID_Projet_Click(i); });
    m_projectActions[4]->setEnabled(false);
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
}

bool frmMenu::guard()
{
    if (activeProject())
        return true;
    m_dialogs.message(this, QStringLiteral("Vous devez créer ou ouvrir un projet pour pouvoir utiliser cette fonction."),
                      Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
    return false;
}

void frmMenu::Mnu_ID_Fichier_Click(int index)
{
    frmProjet* active = activeProject();
    switch (index) {
    case 0:
        if (parts.showWizard)
            parts.showWizard(false, nullptr);
        break;
    case 1: openProject(); break;
    case 3:
        if (active)
            m_files.save(*active, false);
        break;
    case 4:
        if (active)
            m_files.save(*active, true);
        break;
    case 5:
        if (active && parts.saveAsTemplate)
            parts.saveAsTemplate();
        break;
    case 7:
        if (active) {
            m_mdi->currentSubWindow()->close();
            setStatusSize(kNoSizeStatus);
            setStatusPosition(kNoPositionStatus);
        }
        break;
    case 9:
        if (!guard())
            break;
        if (m_toolBox)
            m_toolBox->closeToolBox();
        if (parts.showPreview)
            parts.showPreview();
        break;
    case 10:
        if (guard() && parts.showPrint)
            parts.showPrint();
        break;
    case 12:
        if (parts.showOptions)
            parts.showOptions();
        break;
    case 14: close(); break;
    default: break;
    }
}

void frmMenu::Mnu_ID_Edition_Click(int index)
{
    if (!guard())
        return;
    frmProjet& window = *activeProject();
    Etiquette& tab = window.surface(window.selectedTab());
    switch (index) {
    case 0: tab.NewLabel(); break;
    case 1: tab.NewLogo(); break;
    case 3:
        if (tab.LabelFocus != -1)
            tab.DelLabel();
        if (tab.LogoFocus != -1)
            tab.DelLogo();
        if (m_toolBox)
            m_toolBox->clearObject();
        m_editActions[3]->setEnabled(false);
        break;
    case 5: tab.Copier(ObjetActif); break;
    case 6: tab.Coller(); break;
    case 8:
        if (parts.showExport)
            parts.showExport();
        break;
    case 10:
        BoiteVisible = true;
        if (m_toolBox) {
            m_toolBox->Remplir_Outils(window, window.selectedTab());
            m_toolBox->showToolBox();
        }
        break;
    default: break;
    }
}

void frmMenu::Mnu_ID_Fenetre_Click(int index)
{
    const QList<QMdiSubWindow*> subs = m_mdi->subWindowList();
    const QRect area = m_mdi->viewport()->rect();
    switch (index) {
    case 0:  // one above the other, each as wide as the workspace
    case 1: {  // side by side
        QList<QMdiSubWindow*> shown;
        for (QMdiSubWindow* s : subs)
            if (!s->isMinimized())
                shown.append(s);
        for (int i = 0; i < shown.size(); ++i) {
            shown[i]->showNormal();
            if (index == 0) {
                const int h = area.height() / int(shown.size());
                shown[i]->setGeometry(0, i * h, area.width(), h);
            } else {
                const int w = area.width() / int(shown.size());
                shown[i]->setGeometry(i * w, 0, w, area.height());
            }
        }
        break;
    }
    case 2: m_mdi->cascadeSubWindows(); break;
    case 3: {
        int x = 0;
        for (QMdiSubWindow* s : subs)
            if (s->isMinimized()) {
                s->move(x, area.height() - s->height());
                x += s->width();
            }
        break;
    }
    case 5:
        if (QMdiSubWindow* active = m_mdi->currentSubWindow())
            active->close();
        break;
    default: break;
    }
}

void frmMenu::Mnu_ID_Aide_Click(int index)
{
    static const char* const kKeys[] = {"Index de l'aide", nullptr, "Historique des versions", "Licence d'exploitation"};
    if (index == 5) {
        if (parts.showAbout)
            parts.showAbout();
    } else if (index >= 0 && index <= 3 && kKeys[index] && parts.showHelp) {
        parts.showHelp(QString::fromUtf8(kKeys[index]));
    }
}

void frmMenu::Mnu_ID_Projet_Click(int index)
{
    if (!guard())
        return;
    frmProjet& window = *activeProject();
    switch (index) {
    case 0: window.Gestion_Onglet(1); break;
    case 2: window.Gestion_Onglet(2, window.selectedTab()); break;
    case 4: window.Gestion_Onglet(3, window.selectedTab()); break;
    default: break;
    }
}

void frmMenu::openProject()
{
    const auto choice = m_files.askOpen(this);
    if (!choice)
        return;
    frmProjet* window = createProjectWindow();
    if (!m_files.readInto(*window, *choice)) {
        delete window->parentWidget();  // never shown; nothing refers to it
        return;
    }
    showProjectWindow(window);
    if (Options.Boite == 1) {
        BoiteVisible = true;
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

frmProjet* frmMenu::createProjectWindow(const QString& firstTabCaption)
{
    auto* window = new frmProjet(*this, firstTabCaption);
    QMdiSubWindow* sub = m_mdi->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(windowIcon());
    sub->resize(760, 560);
    sub->hide();
    return window;
}

void frmMenu::showProjectWindow(frmProjet* window)
{
    QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (Options.Maximiser == 1)
        sub->showMaximized();
    else
        sub->show();
    m_mdi->setActiveSubWindow(sub);
    window->activate();
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
    m_editActions[3]->setEnabled(deleteEnabled);
    m_edition->popup(globalPos);
}

void frmMenu::setDeleteTabEnabled(bool enabled) { m_projectActions[4]->setEnabled(enabled); }
void frmMenu::setStatusSize(const QString& text) { m_panels[1]->setText(text); }
void frmMenu::setStatusPosition(const QString& text) { m_panels[2]->setText(text); }

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
    saveMainWindow(m_paths.settingsFile(), state,
                   QRectF(g.left() * 15.0, g.top() * 15.0, g.width() * 15.0, g.height() * 15.0),
                   RegionalFormat::system());
    // Every project asks its own question; one "Annuler" keeps the program running.
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        if (!sub->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void frmMenu::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && BoiteVisible && m_toolBox) {
        if (isMinimized())
            m_toolBox->hideToolBox();
        else
            m_toolBox->showToolBox();
    }
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && projectWindows().isEmpty() && m_toolBox)
        m_toolBox->closeToolBox();
}

}  // namespace plk
