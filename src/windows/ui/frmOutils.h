#pragma once
// " Boite à outils": the floating tool box that edits the selected object and the
// settings of one tab of the active project window. It holds no document data:
// every edit goes at once to the tab's surface, and the fields are filled from the
// tab when an object is clicked, the tab changes or the tool box opens. In between
// they follow the tab: whatever changes it elsewhere (a drag on the canvas, a menu,
// a dialog) shows in the fields at once.
//
// Filling the fields from a tab never writes to the tab: only what the user types,
// spins, ticks or picks is applied. A tab of 85.5 mm shows 86 and stays 85.5 mm; a
// value outside a field's range (a tab wider than 200 mm, an object dragged off the
// canvas) is shown as it is and left alone.

#include "canvas/core/Etiquette.h"
#include "windows/ui/FormParts.h"
#include "windows/ui/MainWindowServices.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QPlainTextEdit;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace plk {

class DataPage;
class LogoFieldBox;
class MainWindowServices;
class ucDegrade;
class ContentField;
class TextBoxPanel;
class TabRows;

class frmOutils : public QWidget, public ToolBoxLink {
    Q_OBJECT

public:
    static constexpr int kWidthTwips = 4170;
    enum Page { PageProjet = 1, PageTexte, PageLogo, PageFond, PageOptions, PageDonnees, PageCode };
    /// Name, organisation, phone, e-mail and web address of the business-card helper.
    static constexpr int kVCardFields = 5;

    /// Made once for the whole run; it is placed and shown when first asked for.
    explicit frmOutils(MainWindowServices& menu);
    ~frmOutils() override;

    /// The tab being edited in the active project window, counted from 1.
    std::int16_t OngletOutils = 0;

    // --- ToolBoxLink ----------------------------------------------------------------
    void objectClicked(frmProjet& window, int tab) override;
    void editObject(frmProjet& window, int tab) override;
    void clearObject() override;
    void Remplir_Outils(frmProjet& window, int tab) override;
    void showToolBox() override;
    void hideToolBox() override;
    void closeToolBox() override;

    // --- the window's parts ---------------------------------------------------------
    TabRows* Tab1() const { return m_tabs; }
    /// Page 1 "PROJET" … 5 "OPTIONS", 6 "FUSION", 7 "CODE", then the pages added after them.
    QWidget* page(int index) const { return m_pages.at(std::size_t(index - 1)); }
    int selectedPage() const;
    void selectPage(int index);

    // PROJET
    QPushButton* textObjectButton() const { return m_textObject; }
    QPushButton* logoObjectButton() const { return m_logoObject; }
    TxtBox* fieldX() const { return m_x.box; }
    TxtBox* fieldY() const { return m_y.box; }
    QListWidget* alignmentList() const { return m_alignment; }
    /// The selected object's turn, in degrees anticlockwise.
    QDoubleSpinBox* rotationField() const { return m_rotation; }
    // TEXTE
    ContentField* contentField() const { return m_content; }
    QPushButton* fontButton() const { return m_fontButton; }
    QPushButton* colourButton() const { return m_colourButton; }
    /// 0 "Gras", 1 "Italique", 2 "Souligné", 3 "Barré".
    QCheckBox* styleBox(int index) const { return m_styles.at(std::size_t(index)); }
    /// "Zone de texte :", after the styles.
    TextBoxPanel* textBoxPanel() const { return m_textBox; }
    // LOGO
    QPushButton* importButton() const { return m_import; }
    QPushButton* defaultSizeButton() const { return m_defaultSize; }
    TxtBox* logoWidthField() const { return m_logoWidth.box; }
    const MillimetreField& logoHeight() const { return m_logoHeight; }
    QCheckBox* proportionsBox() const { return m_proportions; }
    /// "Image selon la colonne :", after the preferences.
    LogoFieldBox* logoFieldBox() const { return m_logoField; }
    // FOND
    QListWidget* backgroundList() const { return m_background; }
    QPushButton* backgroundButton() const { return m_backgroundButton; }
    QGroupBox* gradientGroup() const { return m_gradientGroup; }
    ucDegrade* Degrade() const { return m_degrade; }
    QListWidget* displayList() const { return m_display; }
    // OPTIONS
    TxtBox* tabWidthField() const { return m_tabWidth.box; }
    TxtBox* tabHeightField() const { return m_tabHeight.box; }
    /// 0 "Verrouiller tous les objets du projet", 1 "Déplacer les règles du projet",
    /// 2 "Désactiver la bordure du projet".
    QCheckBox* preferenceBox(int index) const { return m_preferences.at(std::size_t(index)); }
    // FUSION
    DataPage* dataPage() const { return m_dataPage; }
    // CODE
    QComboBox* codeKindList() const { return m_codeKind; }
    QPlainTextEdit* codeDataField() const { return m_codeData; }
    QPushButton* codeApplyButton() const { return m_codeApply; }
    TxtBox* codeWidthField() const { return m_codeWidth.box; }
    TxtBox* codeHeightField() const { return m_codeHeight.box; }
    QPushButton* codeColourButton() const { return m_codeColour; }
    QCheckBox* codeTextBox() const { return m_codeText; }
    /// The page's two panels: 0 the code, 1 the business-card helper.
    QStackedWidget* codePanels() const { return m_codePanels; }
    QPushButton* vCardButton() const { return m_vCard; }
    QLineEdit* vCardField(int index) const { return m_vCardFields.at(std::size_t(index)); }
    QPushButton* vCardCreateButton() const { return m_vCardCreate; }

    // --- for the pages of the kinds of objects ------------------------------------------
    /// Page `page` edits objects of the kind, showing one through `show`; each page
    /// registers its kind as it is built.
    void editsKind(ObjectKind kind, QWidget* page, std::function<void(const TabObject&)> show,
                   std::function<void()> opening = {});
    /// The tab being edited, when there is an active project window holding it.
    Etiquette* surface() const;
    /// Runs an edit; a failure the user should know of is told, nothing else happens.
    void edit(const std::function<void(Etiquette&)>& change);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Construction, one page each.
    QWidget* buildProjetPage();
    QWidget* buildTextePage();
    QWidget* buildLogoPage();
    QWidget* buildFondPage();
    QWidget* buildOptionsPage();
    QWidget* buildCodePage();
    QWidget* buildVCardPanel();
    void addRotationField(QGridLayout* grid, int row);
    /// How the tool box shows an object of a kind: the page that edits it, what that
    /// page shows of one (beside the position on PROJET) and what it does when it opens
    /// on one.
    struct ObjectPage {
        QWidget* page = nullptr;
        std::function<void(const TabObject&)> show;
        std::function<void()> opening;
    };

    // Life of the window.
    void load();
    /// Where the tool box stands until it has a place of its own in the settings.
    void firstPlace();
    void unload();
    void activation();
    void pageSwitch();

    frmProjet* activeWindow() const;
    /// Shows a whole number without running the field's change handling.
    void showNumber(TxtBox* field, double value);
    void showStyles(bool bold, bool italic, bool underline, bool strikethru);
    void clearAlignment();

    // Following the tab being edited.
    void watch(Etiquette& tab);
    void tabChanged(const Etiquette& tab, Etiquette::Changes what);
    /// Shows the tab's own settings of the kinds given.
    void showTab(const Etiquette& tab, Etiquette::Changes what);
    /// Shows the selected object; false when nothing is selected.
    bool showSelectedObject(const Etiquette& tab);

    // PROJET
    void positionChanged();
    void alignmentClicked(int entry);
    // TEXTE
    void contentEdited(const QString& text);
    void chooseFont();
    void chooseColour();
    void styleClicked(int style, bool ticked);
    void textBoxEdited();
    // LOGO
    void importLogo();
    void restoreLogoSize();
    void showLogoSize(Etiquette& tab, int logo);
    void logoSizeChanged();
    void proportionsToggled(bool ticked);
    // FOND
    void backgroundClicked(int entry);
    void showBackgroundControls(int entry);
    void backgroundButtonClicked();
    void paintPicture(Etiquette& tab, const QString& path);
    void drawDegrade();
    void selectGradientColour(int index);
    void displayClicked(int entry);
    // OPTIONS
    void tabSizeChanged(bool width);
    void preferenceClicked(int index, bool ticked);
    // FUSION
    void insertField(const QString& marker);
    // CODE
    void showCode(const CodeObject& code);
    void clearCode();
    /// The "Texte lisible" box is for linear kinds only.
    void showTextChoice();
    /// Changes the selected code: `change` turns its values into the new ones, which
    /// the tab checks; the fields then show the code as it is.
    void changeCode(const std::function<void(CodeObject&)>& change);
    void applyCode();
    void codeSizeChanged();
    void chooseCodeColour();
    void createVCard();
    // The turn of any object
    void showRotation(const TabObject* object);

    MainWindowServices& m_menu;
    bool m_loaded = false;
    bool m_filling = false;   // fields are being filled from a tab: their handlers keep still
    bool m_applying = false;  // an edit of the tool box's own goes to the tab: the fields show it already
    QPointer<Etiquette> m_watched;
    QMetaObject::Connection m_watch;

    TabRows* m_tabs;
    QStackedWidget* m_stack;
    std::vector<QWidget*> m_pages;
    std::array<ObjectPage, kObjectKinds> m_objectPages{};

    QPushButton* m_textObject = nullptr;
    QPushButton* m_logoObject = nullptr;
    MillimetreField m_x, m_y;
    QListWidget* m_alignment = nullptr;
    QDoubleSpinBox* m_rotation = nullptr;

    ContentField* m_content = nullptr;
    QPushButton* m_fontButton = nullptr;
    QPushButton* m_colourButton = nullptr;
    std::array<QCheckBox*, 4> m_styles{};
    TextBoxPanel* m_textBox = nullptr;

    QPushButton* m_import = nullptr;
    QPushButton* m_defaultSize = nullptr;
    MillimetreField m_logoWidth, m_logoHeight;
    QCheckBox* m_proportions = nullptr;
    LogoFieldBox* m_logoField = nullptr;

    QListWidget* m_background = nullptr;
    QPushButton* m_backgroundButton = nullptr;
    QGroupBox* m_gradientGroup = nullptr;
    ucDegrade* m_degrade = nullptr;
    QListWidget* m_display = nullptr;

    MillimetreField m_tabWidth, m_tabHeight;
    std::array<QCheckBox*, 3> m_preferences{};

    DataPage* m_dataPage = nullptr;
    QStackedWidget* m_codePanels = nullptr;
    QComboBox* m_codeKind = nullptr;
    QPlainTextEdit* m_codeData = nullptr;
    QPushButton* m_codeApply = nullptr;
    QPushButton* m_vCard = nullptr;
    MillimetreField m_codeWidth, m_codeHeight;
    QPushButton* m_codeColour = nullptr;
    QCheckBox* m_codeText = nullptr;
    std::array<QLineEdit*, kVCardFields> m_vCardFields{};
    QPushButton* m_vCardCreate = nullptr;
};

}  // namespace plk
