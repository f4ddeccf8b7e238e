// The tool box as a window: its pages, where it stands, what it remembers between
// runs, and how it is filled from a tab. The pages' controls and handlers are in
// frmOutilsObjets.cpp (PROJET, TEXTE, LOGO), frmOutilsOnglet.cpp (FOND, OPTIONS) and
// frmOutilsCode.cpp (CODE); the pages added after them are classes of their own
// (ShapePage), which register the kind of object they edit.

#include "windows/ui/frmOutils.h"

#include "base/core/AppState.h"
#include "base/core/Rounding.h"
#include "base/core/Twips.h"
#include "canvas/core/Etiquette.h"
#include "gradient/ui/ucDegrade.h"
#include "settings/core/AppPaths.h"
#include "settings/core/Settings.h"
#include "widgets/core/WindowPlacement.h"
#include "widgets/ui/Dialogs.h"
#include "widgets/ui/ReadingOrder.h"
#include "widgets/ui/TabRows.h"
#include "widgets/ui/TxtBox.h"
#include "windows/ui/ContentField.h"
#include "windows/ui/DataPage.h"
#include "windows/ui/LogoFieldBox.h"
#include "windows/ui/MainWindowServices.h"
#include "windows/ui/ShapePage.h"
#include "windows/ui/TextBoxPanel.h"
#include "windows/ui/frmProjet.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace plk {

namespace {

const char* const kPageCaptions[8] = {"PROJET", "TEXTE", "LOGO", "FOND", "OPTIONS", "FUSION", "CODE", "FORMES"};

// The fields hold three characters: a number that needs more shows as the nearest
// one that fits.
constexpr double kShownLowest = -99;
constexpr double kShownHighest = 999;

int pixels(double twips) { return clampTo<int>(std::trunc(twips / kTwipsPerPixel)); }

}  // namespace

frmOutils::frmOutils(MainWindowServices& menu)
    : QWidget(menu.mainWidget(), Qt::Tool | Qt::WindowStaysOnTopHint),
      m_menu(menu),
      m_tabs(new TabRows(this)),
      m_stack(new QStackedWidget(this))
{
    setWindowTitle(QStringLiteral(" Boite à outils"));
    // It is shown only while asked for, and then stays above the other windows
    // without taking the focus from the project.
    setAttribute(Qt::WA_ShowWithoutActivating);
    for (const char* caption : kPageCaptions)
        m_tabs->addTab(QString::fromUtf8(caption));
    // The captions share the narrow window in tight tabs, on as many rows as they need.
    m_tabs->setCaptionSpace(2);
    m_dataPage = new DataPage(menu.dialogs());
    m_pages = {buildProjetPage(), buildTextePage(), buildLogoPage(), buildFondPage(), buildOptionsPage(), m_dataPage,
               buildCodePage(), new ShapePage(*this, menu.dialogs())};
    for (QWidget* page : m_pages) {
        // Pages are painted in the button-face colour of the desktop.
        page->setAutoFillBackground(true);
        QPalette pal = page->palette();
        pal.setColor(QPalette::Window, pal.color(QPalette::Button));
        page->setPalette(pal);
        m_stack->addWidget(page);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(pixels(150) - 4, 6, 6, 6);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_stack, 1);
    connect(m_tabs, &TabRows::currentChanged, this, &frmOutils::pageSwitch);
    connect(m_dataPage, &DataPage::insertField, this, &frmOutils::insertField);
    connect(m_dataPage, &DataPage::fieldsShown, m_logoField, &LogoFieldBox::showTab);

    setFixedWidth(twipsToPixels(kWidthTwips));
    setFixedHeight(heightForWidth(width()));
    pageSwitch();
    ReadingOrder::follow(this);
}

frmOutils::~frmOutils()
{
    if (m_menu.toolBox() == this)
        m_menu.setToolBox(nullptr);
}

// --- pages --------------------------------------------------------------------------------

int frmOutils::selectedPage() const { return m_tabs->currentIndex() + 1; }

void frmOutils::selectPage(int index)
{
    if (index >= 1 && index <= int(m_pages.size()))
        m_tabs->setCurrentIndex(index - 1);
}

void frmOutils::pageSwitch()
{
    m_stack->setCurrentWidget(page(selectedPage()));
    if (isVisible())
        ReadingOrder::apply(this);
}

// --- life of the window -----------------------------------------------------------------

void frmOutils::load()
{
    m_loaded = true;
    firstPlace();
    selectPage(PageProjet);
    pageSwitch();
    const ToolBoxSettings saved = loadToolBox(m_menu.paths().settingsFile(), RegionalFormat::system());
    if (saved.page)
        selectPage(*saved.page);
    if (const auto place = storedToolBoxPosition(saved, frameGeometry(), screenAreas()))
        move(*place);
}

void frmOutils::firstPlace()
{
    // Beside the project window, so that the canvas stays in sight; centred over the
    // main window while no project is open.
    const QWidget* project = activeWindow() ? activeWindow()->parentWidget() : nullptr;
    const QScreen* screen = m_menu.mainWidget()->screen();
    if (project && screen) {
        const QRect around(project->mapToGlobal(QPoint(0, 0)), project->size());
        move(placeBeside(around, frameGeometry().size(), screen->availableGeometry()).topLeft());
        return;
    }
    const QRect main = m_menu.mainWidget()->frameGeometry();
    move(main.left() + main.width() / 2 - width() / 2, main.top() + main.height() / 2 - height() / 2);
}

void frmOutils::unload()
{
    // Pages are stored counted from 1, "PROJET" being page 1.
    m_loaded = false;
    m_menu.app().BoiteVisible = false;
    m_menu.reportSettingsFailure(saveToolBox(m_menu.paths().settingsFile(), selectedPage(),
                                             double(pixelsToTwips(y())), double(pixelsToTwips(x())),
                                             RegionalFormat::system()));
}

void frmOutils::activation()
{
    const bool project = activeWindow() != nullptr;
    for (int p = PageProjet; p <= PageFond; ++p)
        page(p)->setEnabled(project);
    for (const ObjectPage& p : m_objectPages)
        p.page->setEnabled(project);
}

void frmOutils::showEvent(QShowEvent* event)
{
    activation();
    QWidget::showEvent(event);
}

bool frmOutils::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        activation();
    return QWidget::event(event);
}

void frmOutils::closeEvent(QCloseEvent* event)
{
    if (m_loaded)
        unload();
    event->accept();
}

void frmOutils::showToolBox()
{
    if (!m_loaded)
        load();
    show();
    // The frame the window manager adds is known only now: the whole box, frame
    // included, is kept on the screen.
    if (const QScreen* screen = this->screen()) {
        const QRect frame = frameGeometry();
        const QRect kept = keptWithin(frame, screen->availableGeometry());
        if (kept != frame)
            move(kept.topLeft());
    }
    raise();
    activation();
}

void frmOutils::hideToolBox() { hide(); }

void frmOutils::closeToolBox()
{
    hide();
    if (m_loaded)
        unload();
}

// --- the tab being edited ---------------------------------------------------------------

frmProjet* frmOutils::activeWindow() const { return m_menu.activeProject(); }

Etiquette* frmOutils::surface() const
{
    frmProjet* window = activeWindow();
    if (!window || OngletOutils < 1 || OngletOutils > window->tabCount())
        return nullptr;
    return &window->surface(OngletOutils);
}

void frmOutils::edit(const std::function<void(Etiquette&)>& change)
{
    Etiquette* tab = surface();
    if (!tab)
        return;
    const QScopedValueRollback applying(m_applying, true);
    try {
        change(*tab);
    } catch (const EtiquetteError& e) {
        m_menu.dialogs().message(this, QString::fromStdString(e.what()), Dialogs::Icon::Exclamation,
                                 Dialogs::Buttons::Ok);
    }
}

void frmOutils::showNumber(TxtBox* field, double value)
{
    const QScopedValueRollback filling(m_filling, true);
    const int whole = clampTo<int>(std::clamp(roundHalfEven(value), kShownLowest, kShownHighest));
    // The spin bar goes to the nearest end of its range; the text shows the number.
    field->setValue(std::clamp(whole, kFieldLowest, kFieldHighest));
    field->setText(QString::number(whole));
}

void frmOutils::showStyles(bool bold, bool italic, bool underline, bool strikethru)
{
    const bool values[4] = {bold, italic, underline, strikethru};
    for (std::size_t k = 0; k < m_styles.size(); ++k)
        m_styles[k]->setChecked(values[k]);
}

void frmOutils::clearAlignment()
{
    const QScopedValueRollback filling(m_filling, true);
    m_alignment->setCurrentRow(-1);
    m_alignment->clearSelection();
}

// --- following the tab being edited ----------------------------------------------------

void frmOutils::watch(Etiquette& tab)
{
    if (m_watched == &tab)
        return;
    disconnect(m_watch);
    m_watched = &tab;
    m_watch = connect(&tab, &Etiquette::changed, this,
                      [this, &tab](Etiquette::Changes what) { tabChanged(tab, what); });
    const frmProjet* window = activeWindow();
    const QString file = window ? window->filePath() : QString();
    m_dataPage->showTab(&tab, file.isEmpty() ? QString() : QFileInfo(file).absolutePath(),
                        window ? std::optional(window->linkedFileAnswers()) : std::nullopt);
}

void frmOutils::tabChanged(const Etiquette& tab, Etiquette::Changes what)
{
    // Edits of the tool box's own are shown as they are made (a field being typed in
    // is never rewritten); the fields follow every other change of the tab it edits.
    if (m_applying || &tab != surface())
        return;
    showTab(tab, what);
    using C = Etiquette::Change;
    // A selection that went (a deletion, a click beside the objects) empties the fields.
    if (what.testAnyFlags(C::Objects | C::Selection) && !showSelectedObject(tab) && what.testFlag(C::Selection))
        clearObject();
}

void frmOutils::showTab(const Etiquette& s, Etiquette::Changes what)
{
    using C = Etiquette::Change;
    const QScopedValueRollback filling(m_filling, true);
    if (what.testFlag(C::Background)) {
        m_background->setCurrentRow(s.TypeFond());
        showBackgroundControls(s.TypeFond());
        if (s.TypeFond() == 3) {
            m_degrade->Color1 = s.gradColor1();
            m_degrade->Color2 = s.gradColor2();
            m_degrade->Color3 = s.gradColor3();
            m_degrade->Direction = s.gradAngle();
            m_degrade->Refresh();  // shows the tab's colours and direction
        }
        m_display->setCurrentRow(s.CD_Pochette() ? 2 : (s.CD_Disque() ? 1 : 0));
        m_preferences[2]->setChecked(!s.Bordure());
    }
    if (what.testFlag(C::Geometry)) {
        showNumber(m_tabWidth.box, s.prjWidth());
        showNumber(m_tabHeight.box, s.prjHeight());
    }
    if (what.testFlag(C::Settings)) {
        m_preferences[0]->setChecked(s.Cadenas());
        m_preferences[1]->setChecked(s.DepRegle());
    }
}

bool frmOutils::showSelectedObject(const Etiquette& t)
{
    const QScopedValueRollback filling(m_filling, true);
    const TabObject* o = t.selected();
    showRotation(o);
    if (!o)
        return false;
    m_content->clear();
    showStyles(false, false, false, false);
    showNumber(m_x.box, o->corner().x());
    showNumber(m_y.box, o->corner().y());
    if (const ObjectPage& page = m_objectPages[std::size_t(o->kind())]; page.show)
        page.show(*o);
    return true;
}

void frmOutils::editsKind(ObjectKind kind, QWidget* page, std::function<void(const TabObject&)> show,
                          std::function<void()> opening)
{
    m_objectPages[std::size_t(kind)] = {page, std::move(show), std::move(opening)};
}

// --- what the project windows ask of it ---------------------------------------------------

void frmOutils::objectClicked(frmProjet& window, int tab)
{
    if (!m_loaded)
        load();
    OngletOutils = std::int16_t(tab);
    Etiquette& t = window.surface(tab);
    watch(t);
    showSelectedObject(t);
}

void frmOutils::editObject(frmProjet& window, int tab)
{
    objectClicked(window, tab);
    using C = Etiquette::Change;
    showTab(window.surface(tab), C::Background | C::Geometry | C::Settings);
    if (const TabObject* o = window.surface(tab).selected()) {
        const ObjectPage& page = m_objectPages[std::size_t(o->kind())];
        if (page.opening)
            page.opening();
        m_tabs->setCurrentIndex(int(std::find(m_pages.begin(), m_pages.end(), page.page) - m_pages.begin()));
    }
    showToolBox();
}

void frmOutils::clearObject()
{
    clearCode();
    showRotation(nullptr);
    const QScopedValueRollback filling(m_filling, true);
    m_content->clear();
    m_textBox->showBox(std::nullopt);
    clearAlignment();
    showStyles(false, false, false, false);
    for (TxtBox* field : {m_x.box, m_y.box, m_logoWidth.box, m_logoHeight.box})
        showNumber(field, 1);
}

void frmOutils::Remplir_Outils(frmProjet& window, int t)
{
    if (!m_loaded)
        load();
    Etiquette& s = window.surface(t);
    {
        const QScopedValueRollback filling(m_filling, true);
        m_content->clear();
        clearAlignment();
    }
    OngletOutils = std::int16_t(t);
    watch(s);
    using C = Etiquette::Change;
    showTab(s, C::Background | C::Geometry | C::Settings);
    const QScopedValueRollback applying(m_applying, true);
    s.ResetFocus();
}

}  // namespace plk
