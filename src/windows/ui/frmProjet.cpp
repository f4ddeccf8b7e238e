#include "windows/ui/frmProjet.h"

#include "base/core/AppState.h"
#include "base/core/Rounding.h"
#include "canvas/core/CanvasKeys.h"
#include "canvas/core/ZoomSteps.h"
#include "canvas/ui/CanvasWidget.h"
#include "canvas/ui/EtiquetteView.h"
#include "canvas/ui/TabDataPrompts.h"
#include "document/core/ProjectHistory.h"
#include "merge/core/DataTable.h"
#include "settings/core/AppPaths.h"
#include "widgets/core/ProgramIcons.h"
#include "widgets/ui/Dialogs.h"
#include "widgets/ui/ucToolbar.h"
#include "windows/ui/CommandRegistry.h"
#include "windows/ui/MainWindowServices.h"
#include "windows/ui/PictureRequests.h"
#include "windows/ui/UndoCommands.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <QCursor>
#include <QEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <QMenu>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

namespace plk {

namespace {

constexpr int kRightButton = 2;

// The toolbar's buttons, numbered as the toolbar counts them (separators too).
constexpr int kProjectButton = 1;
constexpr int kSaveButton = 3;
constexpr int kEditButton = 4;
constexpr int kPreviewButton = 6;
constexpr int kPrintButton = 7;
constexpr int kCloseButton = 9;
constexpr int kUndoButton = 11;
constexpr int kRedoButton = 12;

// The toolbar's own buttons that run a command of the menus, through its action.
constexpr std::pair<int, Command> kCommandButtons[] = {
    {kProjectButton, Projet::AjouterOnglet}, {kSaveButton, Fichier::Enregistrer}, {kEditButton, Edition::BoiteOutils},
    {kPreviewButton, Fichier::Apercu},       {kPrintButton, Fichier::Imprimer},   {kCloseButton, Fichier::Cloturer},
};

QString positionStatus(float x, float y)
{
    return QStringLiteral("X : %1 Mm - Y : %2 Mm").arg(qint64(clampTo<int>(std::floor(x))) + 1).arg(qint64(clampTo<int>(std::floor(y))) + 1);
}

/// The text of status panel 2 for a tab: "L : " width " Mm - H : " height " Mm".
QString tabSizeStatus(const Etiquette& t)
{
    const RegionalFormat f = RegionalFormat::system();
    return QStringLiteral("L : %1 Mm - H : %2 Mm").arg(f.formatReal(t.prjWidth()), f.formatReal(t.prjHeight()));
}

}  // namespace

frmProjet::frmProjet(MainWindowServices& main, const QString& firstTabCaption, QWidget* parent)
    : QWidget(parent),
      m_main(main),
      m_project(std::make_unique<Project>(firstTabCaption)),
      m_tabs(new QTabBar(this)),
      m_toolbar(new ucToolbar(this)),
      m_stack(new QStackedWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(320, 240);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    m_tabs->setExpanding(false);
    m_tabs->setDrawBase(true);
    layout->addWidget(m_tabs);
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabPage"));
    page->setStyleSheet(QStringLiteral("#tabPage { border: 1px solid palette(mid); border-top: none; }"));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(4, 4, 4, 4);
    pageLayout->setSpacing(2);
    pageLayout->addWidget(m_toolbar);
    pageLayout->addWidget(m_stack, 1);
    layout->addWidget(page, 1);
    m_history = std::make_unique<ProjectHistory>(
        *m_project, [this] { return selectedTab(); }, [this](int index) { selectTab(index); });
    buildToolbar();

    addView(1);
    connect(m_project.get(), &Project::tabAdded, this, &frmProjet::addView);
    connect(m_project.get(), &Project::tabRemoved, this, &frmProjet::removeView);
    connect(m_project.get(), &Project::tabCaptionChanged, this,
            [this](int i) { m_tabs->setTabText(i - 1, m_project->tabCaption(i)); });
    connect(m_tabs, &QTabBar::currentChanged, this, &frmProjet::tabSwitch);
    m_tabs->installEventFilter(this);
    connect(&m_history->stack(), &QUndoStack::cleanChanged, this, &frmProjet::showModified);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
    tabSwitch();
}

frmProjet::~frmProjet()
{
    // The views draw the tabs: they go before the project that owns the tabs; the
    // history listens to the tabs and goes before them too.
    disconnect(qApp, nullptr, this, nullptr);
    m_history.reset();
    // Out of the list first: a view being deleted is no longer one to filter events for.
    qDeleteAll(std::exchange(m_views, {}));
}

void frmProjet::buildToolbar()
{
    m_toolbar->Initialize(16, true, true, 0);
    static constexpr std::pair<const char*, const char*> kImages[] = {
        {"document-new", ":/icons/toolbar/projet.svg"},          {"document-save", ":/icons/toolbar/enregistrer.svg"},
        {"document-properties", ":/icons/toolbar/edition.svg"},  {"document-print-preview", ":/icons/toolbar/apercu.svg"},
        {"document-print", ":/icons/toolbar/imprimer.svg"},      {"document-close", ":/icons/toolbar/cloturer.svg"},
        {"edit-undo", ":/icons/toolbar/annuler.svg"},            {"edit-redo", ":/icons/toolbar/retablir.svg"},
        {"x-office-address-book", ":/icons/toolbar/donnees.svg"},
    };
    for (const auto& [theme, resource] : kImages)
        m_toolbar->AddIcon(themedIcon(theme, resource));
    m_toolbar->AddButton(QStringLiteral("Projet"), 0, QStringLiteral("Projet"), ucToolbar::StyleDropDown);
    m_toolbar->AddButton(QString(), 0, QString(), ucToolbar::StyleSeparator);
    m_toolbar->AddButton(QStringLiteral("Enregistrer"), 1, QStringLiteral("Enregistrer"));
    m_toolbar->AddButton(QStringLiteral("Edition"), 2, QStringLiteral("Edition"), ucToolbar::StyleDropDown);
    m_toolbar->AddButton(QString(), 0, QString(), ucToolbar::StyleSeparator);
    m_toolbar->AddButton(QStringLiteral("Aperçu"), 3, QStringLiteral("Aperçu"));
    m_toolbar->AddButton(QStringLiteral("Imprimer"), 4, QStringLiteral("Imprimer"));
    m_toolbar->AddButton(QString(), 0, QString(), ucToolbar::StyleSeparator);
    m_toolbar->AddButton(QStringLiteral("Clôturer"), 5, QStringLiteral("Clôturer"));
    m_toolbar->AddButton(QString(), 0, QString(), ucToolbar::StyleSeparator);
    m_toolbar->AddButton(QStringLiteral("Annuler"), 6, undoText(QString()), ucToolbar::StyleCompact);
    m_toolbar->AddButton(QStringLiteral("Rétablir"), 7, redoText(QString()), ucToolbar::StyleCompact);
    QUndoStack& steps = m_history->stack();
    const auto follow = [this, &steps] {
        m_toolbar->setButtonEnabled(kUndoButton, steps.canUndo());
        m_toolbar->setButtonEnabled(kRedoButton, steps.canRedo());
        m_toolbar->setButtonTipText(kUndoButton, undoText(steps.undoText()));
        m_toolbar->setButtonTipText(kRedoButton, redoText(steps.redoText()));
    };
    connect(&steps, &QUndoStack::indexChanged, this, follow);
    follow();
    m_toolbar->AddButton(QString(), 0, QString(), ucToolbar::StyleSeparator);
    m_toolbar->AddButton(QStringLiteral("Aperçu des données"), 8,
                         QStringLiteral("Afficher les valeurs d'une ligne du fichier de données"),
                         ucToolbar::StyleCheck | ucToolbar::StyleCompact);
    static const char* const kRowButtons[4][2] = {
        {"|<", "Première ligne"}, {"<", "Ligne précédente"}, {">", "Ligne suivante"}, {">|", "Dernière ligne"}};
    for (const auto& [caption, tip] : kRowButtons)
        m_toolbar->AddButton(QString::fromUtf8(caption), -1, QString::fromUtf8(tip));
    m_toolbar->AddButton(QString(), 0, QString(), ucToolbar::StyleSeparator);
    std::vector<std::pair<int, Command>> commandButtons(std::begin(kCommandButtons), std::end(kCommandButtons));
    // Then the commands placed beside their menu entries, each with its picture.
    int image = int(std::size(kImages));
    for (const CommandRegistry::Placed& placed : m_main.commands().placed()) {
        m_toolbar->AddIcon(placed.icon);
        m_toolbar->AddButton(placed.button, image++, m_main.commands().action(placed.command)->text(),
                             ucToolbar::StyleCompact);
        commandButtons.emplace_back(m_toolbar->ButtonCount(), placed.command);
    }
    // A command button shows its action's state and triggers it, as the menu entry does.
    for (const auto& [button, command] : commandButtons) {
        QAction* action = m_main.commands().action(command);
        const auto follow = [this, button = button, action] { m_toolbar->setButtonEnabled(button, action->isEnabled()); };
        connect(action, &QAction::changed, this, follow);
        follow();
    }
    connect(m_toolbar, &ucToolbar::ButtonClick, this, [this, commandButtons](int button) {
        for (const auto& [number, command] : commandButtons)
            if (number == button) {
                // The commands act on the project in front: the window of the button is brought there.
                if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()); sub && sub->mdiArea())
                    sub->mdiArea()->setActiveSubWindow(sub);
                m_main.commands().action(command)->trigger();
                return;
            }
        m_main.runCommand([this, button] {
            switch (button) {
            case kUndoButton: m_history->undo(); break;
            case kRedoButton: m_history->redo(); break;
            case kDataButton: showData(m_toolbar->ButtonChecked(kDataButton)); break;
            default:
                if (button >= kFirstRowButton && button < kFirstRowButton + 4)
                    moveDataRow(RowMove(button - kFirstRowButton));
                break;
            }
        });
    });
    connect(m_toolbar, &ucToolbar::ButtonDropDown, this, [this](int button, int x, int y) {
        QWidget* container = m_toolbar->parentWidget();
        const QPoint at = container->mapToGlobal(QPoint(x / kTwipsPerPixel, y / kTwipsPerPixel));
        if (button == kProjectButton)
            m_main.projectMenu()->popup(at);
        else if (button == kEditButton)
            m_main.editMenu()->popup(at);
    });
}

void frmProjet::setCaption(const QString& caption)
{
    m_project->caption = caption;
    showModified(m_history->stack().isClean());
}

void frmProjet::showModified(bool clean) { setWindowTitle(m_project->caption + (clean ? QString() : QStringLiteral("*"))); }

void frmProjet::startHistory()
{
    m_history->reset();
    showModified(true);
}

void frmProjet::markSaved() { m_history->markSaved(); }

void frmProjet::focusMoved(QWidget* now)
{
    // Typing in one field of the tool box is one step for the whole visit of the field.
    const bool field = qobject_cast<QLineEdit*>(now) || qobject_cast<QAbstractSpinBox*>(now) ||
                       qobject_cast<QTextEdit*>(now) || qobject_cast<QPlainTextEdit*>(now) ||
                       qobject_cast<QComboBox*>(now);
    m_history->setMergeKey(field && !isAncestorOf(now) ? now : nullptr);
}

int frmProjet::selectedTab() const { return m_tabs->currentIndex() + 1; }

void frmProjet::selectTab(int index) { m_tabs->setCurrentIndex(index - 1); }

void frmProjet::addView(int index)
{
    auto* view = new EtiquetteView(m_project->tab(index), m_stack);
    m_views.push_back(view);
    m_stack->addWidget(view);
    view->canvas()->installEventFilter(this);
    connect(view, &EtiquetteView::zoomChanged, this, [this, view](int percent) {
        if (m_main.activeProject() == this && view == m_stack->currentWidget())
            m_main.setStatusZoom(zoomStatus(percent));
    });
    connectSurface(index);
    const QSignalBlocker block(m_tabs);
    m_tabs->addTab(m_project->tabCaption(index));
}

void frmProjet::removeView(int index)
{
    EtiquetteView* view = m_views.at(std::size_t(index - 1));
    m_views.erase(m_views.begin() + (index - 1));
    m_stack->removeWidget(view);
    delete view;
    const QSignalBlocker block(m_tabs);
    m_tabs->removeTab(index - 1);
}

void frmProjet::tabSwitch()
{
    const int s = selectedTab();
    if (s < 1 || s > tabCount())
        return;
    m_stack->setCurrentWidget(view(s));
    surface(s).ResetFocus();
    view(s)->canvas()->setFocus();
    showStatus();
    m_main.setDeleteTabEnabled(s != 1);
    // The tool box edits the tab on screen, also one that a command brought forward
    // (a tab just added, the one left after a deletion).
    if (m_main.app().BoiteVisible && m_main.toolBox() && m_main.activeProject() == this)
        m_main.toolBox()->Remplir_Outils(*this, s);
    applyDataPreview(true);
}

LinkedFileAnswers frmProjet::linkedFileAnswers() const
{
    return LinkedFileAnswers(m_main.paths().settingsFile(), filePath());
}

bool frmProjet::dataShown() const { return m_toolbar->ButtonChecked(kDataButton); }

void frmProjet::showData(bool shown)
{
    m_toolbar->setButtonChecked(kDataButton, shown);
    applyDataPreview(false);
}

void frmProjet::applyDataPreview(bool quietly)
{
    const int selected = selectedTab();
    for (int i = 1; i <= tabCount(); ++i)
        if (i != selected || !dataShown())
            surface(i).showValues(nullptr);
    if (dataShown() && !showRowValues(m_main.dialogs(), this, surface(selected), linkedFileAnswers(), quietly)) {
        m_toolbar->setButtonChecked(kDataButton, false);
        surface(selected).showValues(nullptr);
    }
    for (int i = 0; i < 4; ++i)
        m_toolbar->setButtonEnabled(kFirstRowButton + i, dataShown());
}

void frmProjet::moveDataRow(RowMove move)
{
    Etiquette& tab = surface(selectedTab());
    if (const DataTable* table = tab.shownValues().table())
        tab.setDataRow(movedRow(tab.dataRow(), table->rowCount(), move));
}

QString frmProjet::sizeStatus() const { return tabSizeStatus(surface(selectedTab())); }

void frmProjet::connectSurface(int index)
{
    Etiquette& t = surface(index);
    // Another data file (or none) for the tab on show: its values follow.
    connect(&t, &Etiquette::changed, this, [this, index](Etiquette::Changes what) {
        if (what.testFlag(Etiquette::Change::Print) && dataShown() && index == selectedTab())
            applyDataPreview(true);
    });
    const auto contextMenu = [this](bool deleteEnabled) {
        m_main.popupEditMenu(QCursor::pos(), deleteEnabled);
    };
    connect(&t, &Etiquette::objectMouseDown, this, [contextMenu](ObjectKind, int, int button, int, float, float) {
        if (button == kRightButton)
            contextMenu(true);
    });
    connect(&t, &Etiquette::FondMouseDown, this, [contextMenu](int button, int, float, float) {
        if (button == kRightButton)
            contextMenu(false);
    });
    // A clicked object is the tool box's from now on: it edits this tab and shows the object.
    connect(&t, &Etiquette::objectClicked, this, [this, &t, index](ObjectKind, int o) {
        m_main.app().ObjetActif = std::int16_t(o);
        if (t.selected() && m_main.toolBox())
            m_main.toolBox()->objectClicked(*this, index);
    });
    connect(&t, &Etiquette::FondClick, this, &frmProjet::backgroundClicked);
    // A text and a logo are edited through dialogs; any other object in the tool box,
    // which opens on its kind's page with that object.
    connect(&t, &Etiquette::objectDoubleClicked, this, [this, &t, index](ObjectKind kind, int o) {
        if (kind == ObjectKind::Label) {
            editText(index, o);
            return;
        }
        if (kind == ObjectKind::Logo) {
            replaceLogo(index, o);
            return;
        }
        if (t.focus(kind) != o)
            t.objectClick(kind, o);
        m_main.app().BoiteVisible = true;
        if (m_main.toolBox())
            m_main.toolBox()->editObject(*this, index);
    });
    connect(&t, &Etiquette::ProjetMouseMove, this,
            [this](float x, float y) { m_main.setStatusPosition(positionStatus(x, y)); });
    // The status bar shows the size of the tab on screen in the active window.
    connect(&t, &Etiquette::changed, this, [this, index](Etiquette::Changes what) {
        if (what.testFlag(Etiquette::Change::Geometry) && index == selectedTab() && m_main.activeProject() == this)
            m_main.setStatusSize(sizeStatus());
    });
}

void frmProjet::backgroundClicked()
{
    m_main.app().ObjetActif = 0;
    if (m_main.app().BoiteVisible && m_main.toolBox())
        m_main.toolBox()->clearObject();
}

void frmProjet::editText(int tab, int object)
{
    Etiquette& t = surface(tab);
    const auto text = m_main.dialogs().inputText(
        this,
        QStringLiteral("Personnalisez cet objet en y ajoutant votre propre texte.\n\n"
                       "Apuyez ensuite sur le bouton OK pour modifier la police de cet objet."),
        QStringLiteral("Modifier l'objet"), t.Caption(object));
    if (!text || text->isEmpty())
        return;
    QFont initial(t.FontName());
    initial.setPointSize(std::max<int>(1, t.FontSize()));
    initial.setBold(t.FontBold());
    initial.setItalic(t.FontItalic());
    initial.setUnderline(t.FontUnderline());
    initial.setStrikeOut(t.FontStrikethru());
    const auto choice = m_main.dialogs().fontWithEffects(this, {initial, toQColor(t.FontColor())});
    if (!choice)
        return;  // the text changes only once the font is confirmed
    const QFont& font = choice->font;
    const Etiquette::Batch batch(t);  // one change: text, font and colour together
    t.Caption(object, *text);
    t.FontStyle(object, font.family(), clampTo<int>(std::round(font.pointSizeF())), font.bold(), font.italic(),
                font.underline(), font.strikeOut());
    // A colour the dialog shows unchanged keeps its system colour as it is stored.
    if (choice->colour != toQColor(t.FontColor()))
        t.FontCouleur(object, fromQColor(choice->colour));
}

void frmProjet::replaceLogo(int tab, int object)
{
    Etiquette& t = surface(tab);
    const QString current = t.Image(object, QString(), true);
    const auto chosen = m_main.dialogs().openFile(this, logoPictureRequest(current, m_main.paths()));
    if (!chosen)
        return;
    t.Image(object, chosen->path);
}

void frmProjet::Gestion_Onglet(int action, int index)
{
    switch (action) {
    case 1: addTab(); break;
    case 2: renameTab(index); break;
    case 3: deleteTab(index); break;
    default: break;
    }
}

void frmProjet::addTab() { m_main.addTabWithWizard(*this); }

void frmProjet::renameTab(int index)
{
    const auto answer = m_main.dialogs().inputText(this, QStringLiteral("Renommer l'onglet courant."),
                                                   QStringLiteral("Renommer l'onglet"), m_project->tabCaption(index));
    if (!answer || answer->isEmpty())
        return;
    m_project->setTabCaption(index, *answer);
    surface(index).setNameProjet(*answer);
}

void frmProjet::deleteTab(int index)
{
    Dialogs& dialogs = m_main.dialogs();
    if (index != tabCount()) {
        dialogs.message(this, QStringLiteral("Vous ne pouvez supprimer que le dernier onglet de chaque projet."),
                        Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return;
    }
    if (dialogs.message(this, QStringLiteral("Souhaitez-vous vraiment supprimer cet onglet du projet ?"),
                        Dialogs::Icon::Question, Dialogs::Buttons::YesNo, QString(),
                        Dialogs::Answer::No) != Dialogs::Answer::Yes)
        return;
    if (m_project->removeLastTab())
        tabSwitch();
}

void frmProjet::showStatus() const
{
    m_main.setStatusSize(sizeStatus());
    m_main.setStatusZoom(zoomStatus(view(selectedTab())->zoom()));
}

void frmProjet::activate()
{
    if (m_project->caption.isEmpty())
        setCaption(surface(selectedTab()).NameProjet());
    showStatus();
    m_main.setDeleteTabEnabled(selectedTab() != 1);
    if (m_main.app().BoiteVisible && m_main.toolBox()) {
        m_main.toolBox()->Remplir_Outils(*this, selectedTab());
        m_main.toolBox()->showToolBox();
    }
    backgroundClicked();
}

bool frmProjet::canvasEvent(EtiquetteView& v, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_history->release();  // a release may have gone elsewhere
        m_history->separate();
        m_history->hold();
        break;
    case QEvent::MouseButtonRelease:
        // After the release has done its work (the click selects), so the step keeps the selection.
        QTimer::singleShot(0, m_history.get(), &ProjectHistory::release);
        break;
    case QEvent::KeyPress: {
        m_history->separate();
        const auto* key = static_cast<QKeyEvent*>(event);
        // Suppr runs the menu's command, one step of its own like the menu entry.
        if (key->matches(QKeySequence::Delete)) {
            if (v.tab().selected())
                m_main.commands().run(Edition::SupprimerObjet);
            return true;
        }
        return handleCanvasKey(v.tab(), key->key(), key->modifiers().testFlag(Qt::ShiftModifier));
    }
    default: break;
    }
    return false;
}

bool frmProjet::eventFilter(QObject* watched, QEvent* event)
{
    for (EtiquetteView* v : m_views)
        if (watched == v->canvas())
            return canvasEvent(*v, event);
    if (watched == m_tabs && event->type() == QEvent::MouseButtonRelease && m_main.app().BoiteVisible && m_main.toolBox())
        m_main.toolBox()->Remplir_Outils(*this, selectedTab());
    return QWidget::eventFilter(watched, event);
}

void frmProjet::closeEvent(QCloseEvent* event)
{
    const Dialogs::Answer answer = m_main.dialogs().message(
        this, QStringLiteral("Souhaitez-vous enregistrer les modifications de ce projet ?"), Dialogs::Icon::Question,
        Dialogs::Buttons::YesNoCancel, QStringLiteral("Enregistrez - [%1] ?").arg(caption()));
    // A save that was cancelled or failed keeps the window open, so no work is lost.
    if (answer == Dialogs::Answer::Cancel || (answer == Dialogs::Answer::Yes && !m_main.saveProject(*this))) {
        event->ignore();
        return;
    }
    event->accept();
    m_main.setStatusSize(kNoSizeStatus);
    m_main.setStatusPosition(kNoPositionStatus);
    m_main.setStatusZoom(QString());
}

}  // namespace plk
