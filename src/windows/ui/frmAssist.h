#pragma once
// The new-project wizard: a name, a size in millimetres, a background colour and a
// border colour (or no border), on one page in three steps. It opens a new project
// window with one tab, or, in its add-tab mode, appends a tab to a project window.
// Every showing starts again from the designed defaults.

#include "base/core/Colors.h"
#include "catalogue/core/Product.h"
#include "windows/ui/FormParts.h"

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plk {

class ColorWell;
class HeaderPlus;
class MainWindowServices;
class ProductChooser;
class frmProjet;

class frmAssist : public QDialog {
    Q_OBJECT

public:
    explicit frmAssist(MainWindowServices& menu);

    /// Set by the caller before showing: false creates a new project, true adds a tab
    /// to `TabWindow`.
    bool AddTabMode = false;
    QPointer<frmProjet> TabWindow;

    /// Shows the wizard as a modal dialog in the given mode.
    void Afficher(bool addTabMode, frmProjet* window);

    // --- the dialog's parts ---------------------------------------------------------
    HeaderPlus* banner() const { return m_banner; }
    /// The step headings 0, 2 and 7.
    QLabel* Label1(int index) const;
    QLineEdit* Text1() const { return m_name; }
    TxtBox* TxtBox1() const { return m_width.box; }
    TxtBox* TxtBox2() const { return m_height.box; }
    /// 1 background, 2 border.
    ColorWell* pctFond(int index) const { return m_swatches.at(std::size_t(index - 1)); }
    QPushButton* Bouton1(int index) const { return m_colourButtons.at(std::size_t(index - 1)); }
    QLabel* borderCaption() const { return m_borderCaption; }
    QCheckBox* Check1() const { return m_noBorder; }
    QCheckBox* Check2() const { return m_showToolBox; }
    /// 0 "Créer" (or "Ajouter"), 1 "Annuler", 2 "Aide".
    QPushButton* Bouton2(int index) const { return m_buttons.at(std::size_t(index)); }
    /// "Choisir un produit...", and the dialog it opens (made on first use).
    QPushButton* productButton() const { return m_productButton; }
    ProductChooser* productChooser();

    /// "Créer" / "Ajouter": makes the project or the tab and closes the wizard.
    void create();

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// The designed state, the texts of the mode, and the place over the main window.
    void load();
    void pickColour(int index);
    /// The product chosen, as long as the size fields still show its size.
    void takeProduct(const Product& product);
    std::optional<Product> chosenProduct() const;

    MainWindowServices& m_menu;
    HeaderPlus* m_banner;
    std::array<QLabel*, 3> m_steps{};
    QLineEdit* m_name;
    MillimetreField m_width, m_height;
    std::array<ColorWell*, 2> m_swatches{};
    std::array<QPushButton*, 2> m_colourButtons{};
    QLabel* m_borderCaption = nullptr;
    QCheckBox* m_noBorder;
    QCheckBox* m_showToolBox;
    std::array<QPushButton*, 3> m_buttons{};
    QPushButton* m_productButton;
    ProductChooser* m_chooser = nullptr;
    std::optional<Product> m_product;
    QPoint m_productFields;  // the width and height the fields showed for it
};

/// The first letter of every word upper case, the other letters lower case; words
/// are separated by blanks.
QString properCase(const QString& text);

}  // namespace plk
