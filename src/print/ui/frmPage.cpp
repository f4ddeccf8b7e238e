#include "print/ui/frmPage.h"

#include "base/core/Rounding.h"
#include "base/core/Twips.h"
#include "base/core/Version.h"
#include "canvas/core/CanvasLayout.h"
#include "canvas/ui/RulerWidget.h"
#include "print/core/PrintJob.h"
#include "print/ui/PrintCommands.h"
#include "settings/core/AppPaths.h"
#include "widgets/ui/Dialogs.h"
#include "widgets/ui/ReadingOrder.h"
#include "widgets/ui/ToolbarButton.h"
#include "widgets/ui/ucToolbar.h"
#include "windows/ui/MainWindowServices.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <algorithm>
#include <cmath>

namespace plk {

namespace {

constexpr int kPageTopTwips = 700;       // page top below the view's top at scroll 0
constexpr double kScrollDivisor = 205;   // scroll value x page height / 205 twips
constexpr int kShadowTwips = 100;        // shadow offset right of and below the page
constexpr int kFooterTwips = 290;        // footer band at the bottom edge
constexpr int kBelowPageAreaTwips = 150;
constexpr int kMargin = 8;               // pixels around the window's parts

// The bar runs over a hundredth of the page per step of its value.
const int kScrollMaximum = int(roundHalfEven(std::floor(kPageHeightTwips * 100) / kPageHeightTwips));

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

frmPage::frmPage(PrintCommands& commands, QWidget* parent)
    : QDialog(parent),
      m_commands(commands),
      m_toolbar(new ucToolbar(this)),
      m_indicator(new QLabel(QStringLiteral("Page 99/99"), this)),
      m_moveRulers(new QCheckBox(QStringLiteral(" Déplacer les règles"), this)),
      m_tabs(new QTabBar(this)),
      m_backdrop(new QWidget(this)),
      m_shadow(new QWidget(m_backdrop)),
      m_scroll(new QScrollBar(Qt::Vertical, this)),
      m_footer(new QLabel(QStringLiteral("Gestionnaire d'impression v") + kVersion, this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Aperçu avant impression"));
    setSizeGripEnabled(true);
    buildToolbar();

    QFont bold = m_indicator->font();
    bold.setBold(true);
    m_indicator->setFont(bold);
    m_indicator->setFrameShape(QFrame::StyledPanel);
    m_indicator->setAlignment(Qt::AlignCenter);
    m_indicator->setMinimumWidth(m_indicator->sizeHint().width() + 16);
    m_moveRulers->setFocusPolicy(Qt::NoFocus);

    m_tabs->setDrawBase(true);
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    showTabsAround(1);

    m_backdrop->setObjectName(QStringLiteral("Fond"));
    m_backdrop->setAutoFillBackground(true);
    QPalette backdrop = m_backdrop->palette();
    backdrop.setColor(QPalette::Window, QColor(0x7A, 0x82, 0x8E));
    m_backdrop->setPalette(backdrop);
    m_backdrop->setFocusPolicy(Qt::StrongFocus);
    m_backdrop->installEventFilter(this);
    m_shadow->setAutoFillBackground(true);
    QPalette shadow = m_shadow->palette();
    shadow.setColor(QPalette::Window, QColor(0x3A, 0x3F, 0x47));
    m_shadow->setPalette(shadow);
    const auto movable = [this] { return m_moveRulers->isChecked(); };
    m_rulers = {new RulerWidget(Qt::Horizontal, movable, m_backdrop), new RulerWidget(Qt::Vertical, movable, m_backdrop)};

    m_scroll->setRange(0, kScrollMaximum);
    m_scroll->setPageStep(kScrollMaximum / 2);
    m_scroll->setSingleStep(kScrollMaximum / 5);

    QPalette footer = m_footer->palette();
    footer.setColor(QPalette::WindowText, QColor(0x60, 0x66, 0x70));
    m_footer->setPalette(footer);
    m_footer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Page(1)->show();  // page 1 is always there

    connect(m_tabs, &QTabBar::currentChanged, this, [this](int i) { selectPage(tabPage(i)); });
    connect(m_scroll, &QScrollBar::valueChanged, this, &frmPage::scrolled);
    connect(m_toolbar, &ucToolbar::ButtonClick, this, [this](int number) {
        for (std::size_t i = 0; i < m_buttonNumbers.size(); ++i)
            if (m_buttonNumbers[i] == number)
                Bouton_Click(int(i));
    });

    const QRect main = m_commands.menu().mainWidget()->geometry();
    QSize size(std::max(960, main.width() * 9 / 10), std::max(720, main.height() * 9 / 10));
    if (const QScreen* s = m_commands.menu().mainWidget()->screen())
        size = size.boundedTo(s->availableGeometry().size());
    resize(size);
    move(main.center() - QPoint(size.width() / 2, size.height() / 2));
    ReadingOrder::follow(this);
}

void frmPage::buildToolbar()
{
    m_toolbar->Initialize(16, true, true, 0);
    const int configure = m_toolbar->AddIcon(QIcon(QStringLiteral(":/icons/preview/configurer.svg")));
    const int print = m_toolbar->AddIcon(QIcon(QStringLiteral(":/icons/toolbar/imprimer.svg")));
    const int close = m_toolbar->AddIcon(QIcon(QStringLiteral(":/icons/preview/fermer.svg")));
    constexpr int kNoImage = -1;
    struct Entry {
        const char* caption;
        const char* tip;
        int image;
    };
    const Entry entries[7] = {
        {"Configurer", "Configurer l'impression", configure}, {"Imprimer", "Imprimer le document", print},
        {"<<", "Première page", kNoImage},                      {"<", "Page précédente", kNoImage},
        {">", "Page suivante", kNoImage},                        {">>", "Dernière page", kNoImage},
        {"Fermer", "Quitter l'aperçu", close},
    };
    for (std::size_t i = 0; i < 7; ++i) {
        if (i == 2 || i == 6)
            m_toolbar->AddButton(QString(), 0, QString(), ucToolbar::StyleSeparator);
        m_toolbar->AddButton(QString::fromUtf8(entries[i].caption), entries[i].image, QString::fromUtf8(entries[i].tip),
                             ucToolbar::StyleButton, i < 2 || i == 6);
        m_buttonNumbers[i] = m_toolbar->ButtonCount();
    }
}

ToolbarButton* frmPage::Bouton(int index) const
{
    return m_toolbar->buttonWidget(m_buttonNumbers.at(std::size_t(index)));
}

frmPage::~frmPage() = default;

frmPage::PageView& frmPage::pageView(int index)
{
    const auto found = m_pages.find(index);
    if (found != m_pages.end()) {
        std::erase(m_seen, index);
        m_seen.push_back(index);
        return found->second;
    }
    forgetOldPages();
    const QImage picture = m_source ? m_source->page(index) : QImage();
    auto* page = new QLabel(m_backdrop);
    page->setAutoFillBackground(true);
    QPalette white = page->palette();
    white.setColor(QPalette::Window, Qt::white);
    page->setPalette(white);
    page->setPixmap(QPixmap::fromImage(picture));
    page->setGeometry(QRect(m_pageAt, m_pageSize));
    page->setVisible(index == m_shown);
    for (RulerWidget* ruler : m_rulers)
        ruler->raise();
    m_seen.push_back(index);
    return m_pages.emplace(index, PageView{page, picture}).first->second;
}

void frmPage::forgetOldPages()
{
    while (int(m_seen.size()) >= kKeptPages) {
        const auto old = std::find_if(m_seen.begin(), m_seen.end(), [this](int page) { return page != m_shown; });
        if (old == m_seen.end())
            return;
        delete m_pages.at(*old).label;
        m_pages.erase(*old);
        m_seen.erase(old);
    }
}

QLabel* frmPage::Page(int index) { return pageView(index).label; }

QImage frmPage::pageImage(int index) { return pageView(index).picture; }

int frmPage::tabPage(int tabIndex) const { return m_tabs->tabData(tabIndex).toInt(); }

void frmPage::showTabsAround(int page)
{
    const int first = (page - 1) / kTabsPerStrip * kTabsPerStrip + 1;
    if (first == m_firstTab && m_tabs->count() > 0)
        return;
    const QSignalBlocker block(m_tabs);
    while (m_tabs->count() > 0)
        m_tabs->removeTab(m_tabs->count() - 1);
    const int last = std::min(m_pageCount, first + kTabsPerStrip - 1);
    m_earlierTab = first > 1;
    if (m_earlierTab) {
        const int from = first - kTabsPerStrip;
        m_tabs->setTabData(m_tabs->addTab(QStringLiteral("« Pages %1 à %2").arg(from).arg(first - 1)), from);
    }
    for (int n = first; n <= last; ++n) {
        // In a two-sided job every other page holds the backs of the one before it.
        const QString back = m_source && m_source->isBack(n) ? QStringLiteral(" (verso)") : QString();
        m_tabs->setTabData(m_tabs->addTab(QStringLiteral("Page n°") + QString::number(n) + back), n);
    }
    if (last < m_pageCount) {
        const int to = std::min(m_pageCount, last + kTabsPerStrip);
        m_tabs->setTabData(m_tabs->addTab(QStringLiteral("Pages %1 à %2 »").arg(last + 1).arg(to)), last + 1);
    }
    m_firstTab = first;
}

void frmPage::Print_Preview(const Etiquette& tab, const LayoutValues& values, std::shared_ptr<const DataTable> data,
                            DesignLookup designs)
{
    m_data = std::move(data);
    m_designs = std::move(designs);
    m_source = std::make_unique<PreviewPages>(tab, values, kScreenDpi, m_data.get(), m_designs);
    m_pageCount = std::max(1, m_source->count());
    for (auto& [number, view] : m_pages)
        delete view.label;
    m_pages.clear();
    m_seen.clear();
    m_pageSize = pageImage(1).size();
    m_firstTab = 0;
    showTabsAround(1);
    const bool several = PageCount() > 1;
    m_indicator->setText(QStringLiteral("Page 01/") + twoDigits(PageCount()));
    for (int i = 2; i <= 5; ++i)
        Bouton(i)->setEnabled(several);
    relayout();
}

void frmPage::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void frmPage::selectPage(int index)
{
    if (index < 1 || index > PageCount())
        return;  // no such page: nothing to show
    const int before = m_shown;
    m_shown = index;
    QLabel* page = Page(index);
    if (before != index && m_pages.count(before))
        m_pages.at(before).label->hide();
    page->show();
    for (RulerWidget* ruler : m_rulers)
        ruler->raise();
    m_current = index;
    showTabsAround(index);
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex((m_earlierTab ? 1 : 0) + index - m_firstTab);
    }
    m_indicator->setText(QStringLiteral("Page ") + twoDigits(index) + QLatin1Char('/') + twoDigits(PageCount()));
    m_backdrop->setFocus(Qt::OtherFocusReason);
}

void frmPage::Bouton_Click(int index)
{
    // Before a page is chosen the first one shows: the arrows count from it.
    const int at = m_current == 0 ? 1 : m_current;
    switch (index) {
    case 0: m_commands.configureFromPreview(); break;
    case 1: m_commands.ConfirmAndPrint(); break;
    case 2: m_current = 1; break;
    case 3:
        if (at != 1)
            m_current = (at - 1);
        break;
    case 4:
        if (at != PageCount())
            m_current = (at + 1);
        break;
    case 5: m_current = (PageCount()); break;
    case 6: close(); return;
    default: return;
    }
    selectPage(m_current);
}

int frmPage::pageTopTwips(int scrollValue)
{
    return kPageTopTwips - clampTo<int>(std::floor(scrollValue * kPageHeightTwips / kScrollDivisor));
}

void frmPage::scrolled(int value)
{
    const int top = twipsToPixels(pageTopTwips(value));
    const int dy = top - m_pageAt.y();
    m_pageAt.setY(top);
    for (auto& [number, view] : m_pages)
        view.label->move(m_pageAt);
    m_shadow->move(m_shadow->pos() + QPoint(0, dy));
    for (RulerWidget* ruler : m_rulers)
        ruler->move(ruler->pos() + QPoint(0, dy));
}

void frmPage::placeAroundPage(bool rulersToo)
{
    const QSize page = m_pageSize;
    const int ruler = twipsToPixels(kRulerThickness);
    m_pageAt = QPoint(std::max(ruler + 2 * kMargin, (m_backdrop->width() - page.width()) / 2),
                      twipsToPixels(pageTopTwips(m_scroll->value())));
    for (auto& [number, view] : m_pages)
        view.label->setGeometry(QRect(m_pageAt, page));
    const int offset = twipsToPixels(kShadowTwips);
    m_shadow->setGeometry(QRect(m_pageAt + QPoint(offset, offset), page));
    if (rulersToo) {
        m_rulers[0]->setGeometry(m_pageAt.x(), m_pageAt.y() - ruler, page.width(), ruler);
        m_rulers[1]->setGeometry(m_pageAt.x() - ruler, m_pageAt.y(), ruler, page.height());
    } else {
        m_rulers[0]->resize(page.width(), ruler);
        m_rulers[1]->resize(ruler, page.height());
    }
}

void frmPage::relayout()
{
    const int w = width(), h = height();
    const int toolbarHeight = m_toolbar->sizeHint().height();
    m_toolbar->setGeometry(0, 0, w, toolbarHeight);
    const QSize indicator = m_indicator->sizeHint().expandedTo(m_indicator->minimumSize());
    m_indicator->setGeometry(w - kMargin - indicator.width(), (toolbarHeight - indicator.height()) / 2,
                             indicator.width(), indicator.height());
    const QSize check = m_moveRulers->sizeHint();
    m_moveRulers->setGeometry(m_indicator->x() - 2 * kMargin - check.width(), (toolbarHeight - check.height()) / 2,
                              check.width(), check.height());
    const int tabsTop = toolbarHeight + kMargin / 2;
    const int tabsHeight = m_tabs->sizeHint().height();
    m_tabs->setGeometry(kMargin, tabsTop, w - 2 * kMargin, tabsHeight);

    const int footerTop = h - twipsToPixels(kFooterTwips);
    m_footer->setGeometry(kMargin, footerTop, w - 2 * kMargin, twipsToPixels(kFooterTwips));
    const int areaTop = tabsTop + tabsHeight;
    const int areaHeight = std::max(0, footerTop - twipsToPixels(kBelowPageAreaTwips) - areaTop);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_backdrop->setGeometry(kMargin, areaTop, std::max(0, w - 2 * kMargin - bar), areaHeight);
    m_scroll->setGeometry(m_backdrop->geometry().right() + 1, areaTop, bar, areaHeight);
    placeAroundPage(!m_moveRulers->isChecked());
    for (RulerWidget* ruler : m_rulers)
        ruler->update();
}

void frmPage::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    relayout();
}

bool frmPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_backdrop)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(m_scroll, event);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        static const std::pair<int, QAbstractSlider::SliderAction> kKeys[] = {
            {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd}, {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},
            {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},   {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
            {Qt::Key_Home, QAbstractSlider::SliderToMinimum},       {Qt::Key_End, QAbstractSlider::SliderToMaximum},
        };
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (const auto& [k, action] : kKeys)
            if (k == key) {
                m_scroll->triggerAction(action);
                return true;
            }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace plk
