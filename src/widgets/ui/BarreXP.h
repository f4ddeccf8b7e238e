#pragma once
// A vertical pane of collapsible command groups in the manner of a desktop task pane.
// Groups and items are numbered from 1 in order of creation; items are numbered
// across the whole pane, and that number is what a click reports. Geometry is kept
// in twips and turned into pixels only where the child widgets are placed.

#include "base/core/Colors.h"
#include "widgets/core/TaskGroupMotion.h"
#include "widgets/ui/TaskPaneParts.h"

#include <QPixmap>
#include <QWidget>
#include <vector>

class QMenu;
class QTimer;

namespace plk {

class TPict;

class BarreXP : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Animation READ Animation WRITE setAnimation)
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(bool BackGround READ BackGround WRITE setBackGround)
    Q_PROPERTY(int GRP_Actif READ GRP_Actif WRITE setGRP_Actif)
    Q_PROPERTY(int ColorTitre READ ColorTitre WRITE setColorTitre)
    Q_PROPERTY(int ColorLabel READ ColorLabel WRITE setColorLabel)
    Q_PROPERTY(int ColorTitreOver READ ColorTitreOver WRITE setColorTitreOver)
    Q_PROPERTY(int ColorLabelOver READ ColorLabelOver WRITE setColorLabelOver)
    Q_PROPERTY(int Grp_BackColor1 READ Grp_BackColor1 WRITE setGrp_BackColor1)
    Q_PROPERTY(int Grp_BackColor2 READ Grp_BackColor2 WRITE setGrp_BackColor2)
    Q_PROPERTY(int Grp_BorderColor READ Grp_BorderColor WRITE setGrp_BorderColor)
    Q_PROPERTY(int Affichage READ Affichage WRITE setAffichage)
    Q_PROPERTY(int HeaderColor1 READ HeaderColor1 WRITE setHeaderColor1)
    Q_PROPERTY(int HeaderColor2 READ HeaderColor2 WRITE setHeaderColor2)
    Q_PROPERTY(QPixmap Picture READ Picture WRITE setPicture)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName)
    Q_PROPERTY(bool AutoResize READ AutoResize WRITE setAutoResize)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)

public:
    explicit BarreXP(QWidget* parent = nullptr);
    ~BarreXP() override;

    // --- filling ---
    /// Appends a closed group below the last one; returns its number. An empty font
    /// name means the pane's `FontName`.
    int Creation_Groupe(const QString& caption, const QString& fontName = {}, int fontSize = 8);
    /// Appends an item to `group` with picture `image` of the image list; returns the
    /// item's pane-wide number, or 0 when the group does not exist.
    int Creation_Label(int group, int image, const QString& text, const QString& toolTip = {},
                       const QString& fontName = {}, int fontSize = 8);
    /// Removes every group and item.
    void Reinitialise();
    /// 1: number of groups; 2: number of items.
    int Count(int kind) const;

    // --- state ---
    bool GRP_Etat(int group) const;
    int GRP_Actif() const { return m_grpActif; }
    /// Records `group` and opens it.
    void setGRP_Actif(int group);
    void Maximise_Tout();
    void Minimise_Tout();
    /// Ends every hover effect.
    void Mouse_Up();
    /// One animation tick of `group`; its timer calls it.
    void Timer1_Timer(int group);
    /// A picture painted over one group's panel.
    void GRP_Picture(int group, const QPixmap& picture);
    /// Puts every look-and-behaviour property back to its default.
    void defaut();
    /// Shows a short description of the control in an information box titled "Barre XP".
    void About();

    // --- fields and properties ---
    TPict* ImageList = nullptr;
    bool Animation() const { return m_animation; }
    void setAnimation(bool on) { m_animation = on; }
    bool AutoResize() const { return m_autoResize; }
    void setAutoResize(bool on);
    QString FontName() const { return m_fontName; }
    void setFontName(const QString& name) { m_fontName = name; }
    int Affichage() const { return m_affichage; }
    void setAffichage(int style);
    bool BackGround() const { return m_backGround; }
    void setBackGround(bool on);
    QPixmap Picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor colour);
    OleColor ColorTitre() const { return m_colors.titre; }
    void setColorTitre(OleColor c) { setColour(m_colors.titre, c); }
    OleColor ColorLabel() const { return m_colors.label; }
    void setColorLabel(OleColor c) { setColour(m_colors.label, c); }
    OleColor ColorTitreOver() const { return m_colors.titreOver; }
    void setColorTitreOver(OleColor c) { setColour(m_colors.titreOver, c); }
    OleColor ColorLabelOver() const { return m_colors.labelOver; }
    void setColorLabelOver(OleColor c) { setColour(m_colors.labelOver, c); }
    OleColor Grp_BackColor1() const { return m_colors.groupBack1; }
    void setGrp_BackColor1(OleColor c) { setColour(m_colors.groupBack1, c); }
    OleColor Grp_BackColor2() const { return m_colors.groupBack2; }
    void setGrp_BackColor2(OleColor c) { setColour(m_colors.groupBack2, c); }
    OleColor Grp_BorderColor() const { return m_colors.groupBorder; }
    void setGrp_BorderColor(OleColor c) { setColour(m_colors.groupBorder, c); }
    OleColor HeaderColor1() const { return m_colors.header1; }
    void setHeaderColor1(OleColor c) { setColour(m_colors.header1, c); }
    OleColor HeaderColor2() const { return m_colors.header2; }
    void setHeaderColor2(OleColor c) { setColour(m_colors.header2, c); }
    /// Inner size of the pane in twips.
    int ScaleWidth() const;
    int ScaleHeight() const;

    // --- parts, for the owner and for tests (numbers from 1; null when absent) ---
    TaskGroupTitle* Titre(int group) const;
    TaskGroupPanel* CTRFond(int group) const;
    TaskItem* Label2(int item) const;
    QTimer* Timer1(int group) const;
    QMenu* Mnu_Groupe() const { return m_menu; }
    /// Where a group's title and panel lie in the pane, in twips.
    QRect titleRect(int group) const;
    QRect panelRect(int group) const;
    /// The panel's current height (twips), its height when open, and whether it slides.
    int panelHeight(int group) const;
    int openHeight(int group) const;
    bool isSliding(int group) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void ClickGroupe(int group);
    void ClickLabel(int item);
    /// Button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; x and y in twips.
    void MouseDown(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Group {
        TaskGroupTitle* title;
        TaskGroupPanel* panel;
        QTimer* timer;
        TaskGroupMotion motion;
        std::vector<TaskItem*> items;
        int top = 0;
    };

    const Group* group(int number) const;
    Group* group(int number);
    QFont elementFont(const QString& fontName, int fontSize) const;
    void setGroupOpen(int number, bool open);
    void toggle(int number);
    void showGroupMenu(int number, const QPoint& globalPos);
    void hoverTitle(int number);
    void hoverItem(int number);
    void itemClicked(int number);
    void setColour(OleColor& slot, OleColor value);
    void repaintAll();
    void Layout();
    int contentHeight() const;

    TaskPaneColors m_colors;
    std::vector<Group> m_groups;
    std::vector<TaskItem*> m_items;
    QMenu* m_menu;
    QPixmap m_picture;
    QString m_fontName;
    OleColor m_backColor;
    int m_affichage = 1;
    int m_grpActif = 0;
    bool m_animation = false;
    bool m_autoResize = false;
    bool m_backGround = true;
};

}  // namespace plk
