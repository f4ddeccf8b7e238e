#pragma once
// The print preview: one A4 page picture per sheet with the labels where the printer
// puts them, a tab per page, navigation buttons and a page indicator, rulers along
// the page (movable on request) and a vertical scroll bar. Built afresh for every
// preview; closing it releases it.
//
// A tab filled from a data file may make thousands of sheets: a page's picture is
// drawn when the page is first shown, and only the pages seen last are kept. The tab
// strip shows the pages by twenties, with a tab at either end for the twenty before
// and the twenty after.

#include "print/core/SheetPlan.h"

#include <QDialog>
#include <QImage>
#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>

class QCheckBox;
class QLabel;
class QScrollBar;
class QTabBar;

namespace plk {

class DataTable;
class Etiquette;
class PreviewPages;
class PrintCommands;
class RulerWidget;
class ToolbarButton;
class ucToolbar;
struct LayoutValues;

class frmPage : public QDialog {
    Q_OBJECT

public:
    /// Pages shown together in the tab strip.
    static constexpr int kTabsPerStrip = 20;
    /// Page pictures kept once drawn.
    static constexpr int kKeptPages = 8;

    frmPage(PrintCommands& commands, QWidget* parent = nullptr);
    ~frmPage() override;

    /// Previews the sheets of the tab with the layout values; with `data`, one label
    /// per row; other tabs' designs and the backs of the labels from `designs`. The tab
    /// must outlive the window (which is modal).
    void Print_Preview(const Etiquette& tab, const LayoutValues& values,
                       std::shared_ptr<const DataTable> data = nullptr, DesignLookup designs = {});
    /// Shows the window modally; the caller goes on at once.
    void showModal();

    /// 0 "Configurer", 1 "Imprimer", 2 "<<", 3 "<", 4 ">", 5 ">>", 6 "Fermer".
    void Bouton_Click(int index);
    ToolbarButton* Bouton(int index) const;
    /// Shows page `index` (1..PageCount) and makes it the current one.
    void selectPage(int index);

    /// The number of the last page.
    int PageCount() const { return m_pageCount; }
    /// The current page: 0 until one has been selected.
    int currentPage() const { return m_current; }
    /// Page picture `index`, from 1 (drawn now if it is not at hand).
    QLabel* Page(int index);
    QImage pageImage(int index);
    /// The page a tab of the strip leads to.
    int tabPage(int tabIndex) const;
    QTabBar* Tab1() const { return m_tabs; }
    QLabel* LabelA() const { return m_indicator; }
    QLabel* Label1() const { return m_footer; }
    QWidget* Fond() const { return m_backdrop; }
    QWidget* Ombre() const { return m_shadow; }
    RulerWidget* Regle(int index) const { return m_rulers.at(std::size_t(index)); }
    QCheckBox* Check1() const { return m_moveRulers; }
    QScrollBar* VScroll1() const { return m_scroll; }
    ucToolbar* Toolbar1() const { return m_toolbar; }

    /// Where a page's top goes for a scroll position, in twips within the backdrop.
    static int pageTopTwips(int scrollValue);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PageView {
        QLabel* label;
        QImage picture;
    };
    void buildToolbar();
    /// The page's view, drawn when missing; the views seen longest ago go.
    PageView& pageView(int index);
    void forgetOldPages();
    /// Fills the strip with the twenty pages around `page` when it is not there.
    void showTabsAround(int page);
    void relayout();
    void scrolled(int value);
    void placeAroundPage(bool rulersToo);

    PrintCommands& m_commands;
    ucToolbar* m_toolbar;
    std::array<int, 7> m_buttonNumbers{};
    QLabel* m_indicator;
    QCheckBox* m_moveRulers;
    QTabBar* m_tabs;
    QWidget* m_backdrop;
    QWidget* m_shadow;
    std::array<RulerWidget*, 2> m_rulers{};
    QScrollBar* m_scroll;
    QLabel* m_footer;
    std::unique_ptr<PreviewPages> m_source;
    std::shared_ptr<const DataTable> m_data;
    DesignLookup m_designs;  // keeps the other tabs' rows
    int m_pageCount = 1;
    std::map<int, PageView> m_pages;
    std::deque<int> m_seen;  // pages drawn, the one seen last at the back
    int m_shown = 1;         // the page on view
    int m_firstTab = 1;      // the page of the strip's first page tab
    bool m_earlierTab = false;
    QSize m_pageSize;
    int m_current = 0;
    QPoint m_pageAt;  // top-left of the pages within the backdrop, pixels
};

}  // namespace plk
