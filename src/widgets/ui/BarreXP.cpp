#include "widgets/ui/BarreXP.h"

#include "base/core/MouseCodes.h"
#include "base/core/Twips.h"
#include "widgets/core/TPict.h"
#include "widgets/core/TaskPaneLayout.h"

#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace plk {

namespace L = TaskPaneLayout;

namespace {

constexpr int kOpenEntry = 0;
constexpr int kCloseEntry = 2;
constexpr OleColor kDefaultBackColor = rgbColor(0x65, 0x78, 0xD7);
const char* const kDesignFontName = "MS Sans Serif";

}  // namespace

BarreXP::BarreXP(QWidget* parent)
    : QWidget(parent), m_menu(new QMenu(this)), m_fontName(QString::fromLatin1(kDesignFontName)),
      m_backColor(kDefaultBackColor)
{
    setMouseTracking(true);
    m_menu->addAction(QString())->setObjectName(QStringLiteral("Mnu_OutGroupe0"));
    m_menu->addSeparator()->setObjectName(QStringLiteral("Mnu_OutGroupe1"));
    m_menu->addAction(QString())->setObjectName(QStringLiteral("Mnu_OutGroupe2"));
    connect(m_menu, &QMenu::triggered, this, [this](QAction* entry) {
        setGroupOpen(entry->data().toInt(), entry == m_menu->actions().at(kOpenEntry));
    });
    setAffichage(m_affichage);
}

BarreXP::~BarreXP() = default;

// --- filling ---------------------------------------------------------------------------

QFont BarreXP::elementFont(const QString& fontName, int fontSize) const
{
    QFont f(fontName.isEmpty() ? m_fontName : fontName);
    f.setPointSize(fontSize);
    return f;
}

int BarreXP::Creation_Groupe(const QString& caption, const QString& fontName, int fontSize)
{
    const int number = int(m_groups.size()) + 1;
    auto* panel = new TaskGroupPanel(m_colors, this);
    auto* title = new TaskGroupTitle(m_colors, caption, elementFont(fontName, fontSize), this);
    auto* timer = new QTimer(this);
    timer->setInterval(1);
    connect(timer, &QTimer::timeout, this, [this, number] { Timer1_Timer(number); });
    connect(title, &TaskGroupTitle::leftClicked, this, [this, number] { toggle(number); });
    connect(title, &TaskGroupTitle::rightPressed, this,
            [this, number](const QPoint& at) { showGroupMenu(number, at); });
    connect(title, &TaskGroupTitle::hovered, this, [this, number] { hoverTitle(number); });
    connect(panel, &TaskGroupPanel::hovered, this, &BarreXP::Mouse_Up);
    m_groups.push_back(Group{title, panel, timer, TaskGroupMotion(L::kTitleHeight), {}});
    Layout();
    panel->show();
    title->show();
    return number;
}

int BarreXP::Creation_Label(int groupNumber, int image, const QString& text, const QString& toolTip,
                            const QString& fontName, int fontSize)
{
    Group* g = group(groupNumber);
    if (!g)
        return 0;
    const int number = int(m_items.size()) + 1;
    const QIcon icon = ImageList ? ImageList->ListImages(image) : QIcon();
    auto* item = new TaskItem(m_colors, number, icon, text, elementFont(fontName, fontSize), g->panel);
    item->setToolTip(toolTip);
    connect(item, &TaskItem::clicked, this, &BarreXP::itemClicked);
    connect(item, &TaskItem::hovered, this, &BarreXP::hoverItem);
    g->items.push_back(item);
    m_items.push_back(item);
    g->motion.setOpenHeight(L::openHeight(int(g->items.size())));
    Layout();
    item->show();
    return number;
}

void BarreXP::Reinitialise()
{
    Mouse_Up();
    for (Group& g : m_groups) {
        delete g.timer;
        delete g.title;
        delete g.panel;  // and its items
    }
    m_groups.clear();
    m_items.clear();
    m_grpActif = 0;
    Layout();
}

int BarreXP::Count(int kind) const
{
    switch (kind) {
    case 1: return int(m_groups.size());
    case 2: return int(m_items.size());
    default: return 0;
    }
}

// --- state -----------------------------------------------------------------------------

const BarreXP::Group* BarreXP::group(int number) const
{
    return number >= 1 && number <= int(m_groups.size()) ? &m_groups[std::size_t(number - 1)] : nullptr;
}

BarreXP::Group* BarreXP::group(int number)
{
    return const_cast<Group*>(std::as_const(*this).group(number));
}

bool BarreXP::GRP_Etat(int number) const
{
    const Group* g = group(number);
    return g && g->motion.isOpen();
}

void BarreXP::setGRP_Actif(int number)
{
    m_grpActif = number;
    setGroupOpen(number, true);
}

void BarreXP::Maximise_Tout()
{
    for (int i = 1; i <= Count(1); ++i)
        setGroupOpen(i, true);
}

void BarreXP::Minimise_Tout()
{
    for (int i = 1; i <= Count(1); ++i)
        setGroupOpen(i, false);
}

void BarreXP::setGroupOpen(int number, bool open)
{
    Group* g = group(number);
    if (!g)
        return;
    g->motion.setOpen(open, m_animation);
    if (g->motion.isMoving())
        g->timer->start();
    else
        g->timer->stop();
    g->title->setShowsOpen(open);
    g->panel->update();
    Layout();
}

void BarreXP::toggle(int number)
{
    setGroupOpen(number, !GRP_Etat(number));
    Q_EMIT ClickGroupe(number);
}

void BarreXP::Timer1_Timer(int number)
{
    Group* g = group(number);
    if (!g)
        return;
    if (!g->motion.step())
        g->timer->stop();
    g->panel->update();
    Layout();
}

void BarreXP::GRP_Picture(int number, const QPixmap& picture)
{
    if (Group* g = group(number))
        g->panel->setPicture(picture);
}

void BarreXP::showGroupMenu(int number, const QPoint& globalPos)
{
    const QString caption = group(number)->title->caption();
    const bool open = GRP_Etat(number);
    QAction* openEntry = m_menu->actions().at(kOpenEntry);
    QAction* closeEntry = m_menu->actions().at(kCloseEntry);
    openEntry->setText(QStringLiteral("Ouvrir ") + caption);
    closeEntry->setText(QStringLiteral("Fermer ") + caption);
    openEntry->setData(number);
    closeEntry->setData(number);
    openEntry->setEnabled(!open);
    closeEntry->setEnabled(open);
    m_menu->popup(globalPos);
}

// --- hover -----------------------------------------------------------------------------

void BarreXP::Mouse_Up()
{
    for (TaskItem* item : m_items)
        item->setHovered(false);
    for (Group& g : m_groups)
        g.title->setHovered(false);
}

void BarreXP::hoverTitle(int number)
{
    group(number)->title->setHovered(true);
}

void BarreXP::hoverItem(int number)
{
    m_items[std::size_t(number - 1)]->setHovered(true);
}

void BarreXP::itemClicked(int number)
{
    Mouse_Up();
    Q_EMIT ClickLabel(number);
}

// --- properties ------------------------------------------------------------------------

void BarreXP::setAutoResize(bool on)
{
    m_autoResize = on;
    Layout();
}

void BarreXP::setAffichage(int style)
{
    m_affichage = style;
    if (style == 1)
        setFixedWidth(twipsToPixels(L::kFixedPaneWidth));
    else {
        setMinimumWidth(0);
        setMaximumWidth(QWIDGETSIZE_MAX);
    }
    Layout();
}

void BarreXP::setBackGround(bool on)
{
    m_backGround = on;
    update();
}

void BarreXP::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void BarreXP::setBackColor(OleColor colour)
{
    m_backColor = colour;
    update();
}

void BarreXP::setColour(OleColor& slot, OleColor value)
{
    slot = value;
    repaintAll();
}

void BarreXP::repaintAll()
{
    update();
    for (const Group& g : m_groups) {
        g.title->update();
        g.panel->update();
        for (TaskItem* item : g.items)
            item->update();
    }
}

void BarreXP::defaut()
{
    m_colors = TaskPaneColors();
    m_backColor = kDefaultBackColor;
    m_fontName = QString::fromLatin1(kDesignFontName);
    m_backGround = true;
    m_animation = false;
    m_autoResize = false;
    m_picture = QPixmap();
    setEnabled(true);
    setAffichage(1);
    repaintAll();
}

int BarreXP::ScaleWidth() const { return m_affichage == 1 ? L::kFixedPaneWidth : pixelsToTwips(width()); }
int BarreXP::ScaleHeight() const { return pixelsToTwips(height()); }

void BarreXP::About()
{
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Barre XP"),
                                QStringLiteral("Barre XP\n\nVolet de groupes de commandes repliables, "
                                               "avec ouverture animée, effets de survol et "
                                               "mémorisation de l'état de chaque groupe."),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// --- parts -----------------------------------------------------------------------------

TaskGroupTitle* BarreXP::Titre(int number) const { return group(number) ? group(number)->title : nullptr; }
TaskGroupPanel* BarreXP::CTRFond(int number) const { return group(number) ? group(number)->panel : nullptr; }
QTimer* BarreXP::Timer1(int number) const { return group(number) ? group(number)->timer : nullptr; }

TaskItem* BarreXP::Label2(int item) const
{
    return item >= 1 && item <= int(m_items.size()) ? m_items[std::size_t(item - 1)] : nullptr;
}

QRect BarreXP::titleRect(int number) const
{
    const Group* g = group(number);
    return g ? QRect(L::kGroupLeft, g->top, L::groupWidth(ScaleWidth()), L::kTitleHeight) : QRect();
}

QRect BarreXP::panelRect(int number) const
{
    const Group* g = group(number);
    return g ? QRect(L::kGroupLeft, g->top, L::groupWidth(ScaleWidth()), g->motion.height()) : QRect();
}

int BarreXP::panelHeight(int number) const { return group(number) ? group(number)->motion.height() : 0; }
int BarreXP::openHeight(int number) const { return group(number) ? group(number)->motion.openHeight() : 0; }
bool BarreXP::isSliding(int number) const { return group(number) && group(number)->motion.isMoving(); }

// --- layout and painting ---------------------------------------------------------------

void BarreXP::Layout()
{
    std::vector<int> heights;
    for (const Group& g : m_groups)
        heights.push_back(g.motion.height());
    const std::vector<int> tops = L::stackTops(L::kFirstGroupTop, heights);
    const int width = L::groupWidth(ScaleWidth());
    for (std::size_t i = 0; i < m_groups.size(); ++i) {
        Group& g = m_groups[i];
        g.top = tops[i];
        const int number = int(i) + 1;
        g.title->setGeometry(twipsToPixels(titleRect(number)));
        g.panel->setGeometry(twipsToPixels(panelRect(number)));
        const int itemWidth = width - L::kIconLeft - L::kCaptionLeft;
        for (std::size_t k = 0; k < g.items.size(); ++k)
            g.items[k]->setGeometry(twipsToPixels(QRect(L::kIconLeft, L::iconTop(int(k)), itemWidth, L::kIconSize)));
    }
    updateGeometry();
    if (m_autoResize)
        resize(this->width(), twipsToPixels(contentHeight()));
}

int BarreXP::contentHeight() const
{
    if (m_groups.empty())
        return L::kFirstGroupTop;
    const QRect last = panelRect(Count(1));
    return L::contentHeight(last.top() + last.height());
}

QSize BarreXP::sizeHint() const
{
    return twipsToPixels(QSize(ScaleWidth(), contentHeight()));
}

void BarreXP::resizeEvent(QResizeEvent*)
{
    Layout();
}

void BarreXP::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_backColor));
    if (m_backGround && !m_picture.isNull())
        painter.drawPixmap(rect(), m_picture);
}

void BarreXP::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position() * kTwipsPerPixel;
    Q_EMIT MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

void BarreXP::mouseMoveEvent(QMouseEvent*) { Mouse_Up(); }

}  // namespace plk
