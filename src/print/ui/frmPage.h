#pragma once
// The print preview: one A4 page picture per sheet with the labels where the printer
// puts them, a tab per page, navigation buttons and a page indicator, rulers along
// the page (movable on request) and a vertical scroll bar. Built afresh for every
// preview; closing it releases it.

#include <QDialog>
#include <QImage>
#include <array>
#include <cstdint>
#include <vector>

class QCheckBox;
class QLabel;
class QScrollBar;
class QTabBar;

namespace plk {

class Etiquette;
class PrintCommands;
class RulerWidget;
class ToolbarButton;
class ucToolbar;
struct LayoutValues;

class frmPage : public QDialog {
    Q_OBJECT

public:
    frmPage(PrintCommands& commands, QWidget* parent = nullptr);

    /// Builds a page picture per sheet of the tab with the layout values.
    void Print_Preview(const Etiquette& tab, const LayoutValues& values);
    /// Shows the window modally; the caller goes on at once.
    void showModal();

    /// 0 "Configurer", 1 "Imprimer", 2 "<<", 3 "<", 4 ">", 5 ">>", 6 "Fermer".
    void Bouton_Click(int index);
    ToolbarButton* Bouton(int index) const;
    /// Shows page `index` (1..PageCount) and makes it the current one.
    void selectPage(int index);

    /// The number of the last page.
    int PageCount() const { return int(m_pages.size()); }
    /// The current page: 0 until one has been selected.
    int currentPage() const { return m_current; }
    /// Page picture `index`, from 1.
    QLabel* Page(int index) const { return m_pages.at(std::size_t(index - 1)); }
    QImage pageImage(int index) const { return m_images.at(std::size_t(index - 1)); }
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
    void buildToolbar();
    void addPage(const QImage& picture);
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
    std::vector<QLabel*> m_pages;
    std::vector<QImage> m_images;
    std::int16_t m_current = 0;
    QPoint m_pageAt;  // top-left of the pages within the backdrop, pixels
};

}  // namespace plk
