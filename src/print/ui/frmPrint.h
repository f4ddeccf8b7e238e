#pragma once
// "Imprimer le projet": the print set-up of the selected tab — the printer and its
// unprintable margins, the print quality, the number of sheets, and where the labels
// go on a sheet. The fields are loaded from the tab when the dialog opens and stored
// back into it when it closes; "Aperçu" and "Imprimer" use the fields as they stand.
//
// The dialog is modal without a nested event loop: opening returns at once and
// closing stores the fields (done()).

#include "base/core/Records.h"
#include "print/core/SheetPlan.h"

#include <QDialog>
#include <array>
#include <memory>

class QComboBox;
class QPushButton;
class QPrinter;

namespace plk {

class DataTable;
class Etiquette;
class HeaderPlus;
class PrintCommands;
class PrintExtras;
class ProductChooser;
struct Product;
class TxtBox;
struct LayoutValues;

class frmPrint : public QDialog {
    Q_OBJECT

public:
    explicit frmPrint(PrintCommands& commands, QWidget* parent = nullptr);

    /// Loads the selected tab into the fields (once until the dialog is unloaded).
    void Load();
    /// Stores the fields back into the tab; the next use loads afresh.
    void Unload();
    bool isLoaded() const { return m_tab != nullptr; }
    /// Loads, then shows the dialog modally.
    void showModal();

    /// The nine layout values of the fields, in order.
    LayoutValues fieldValues() const;
    /// Clears the list and fills it with the installed printers in the system's order
    /// and the PDF entry; selects the current printer.
    void FillPrinterList(QComboBox* list);
    /// Writes the printer's unprintable margins (whole mm) into the two fields.
    void ReadPrinterMargins(TxtBox* left, TxtBox* top, QPrinter& printer);

    HeaderPlus* Header() const { return m_header; }
    QComboBox* Combo1() const { return m_printers; }
    QPushButton* Bouton1() const { return m_refresh; }
    QComboBox* RS() const { return m_quality; }
    TxtBox* MargeH() const { return m_margeH; }
    TxtBox* MargeG() const { return m_margeG; }
    TxtBox* NbrP() const { return m_nbrP; }
    TxtBox* PosX() const { return m_posX; }
    TxtBox* PosY() const { return m_posY; }
    TxtBox* SepH() const { return m_sepH; }
    TxtBox* SepV() const { return m_sepV; }
    TxtBox* NbrH() const { return m_nbrH; }
    TxtBox* NbrV() const { return m_nbrV; }
    /// The paper, copies, outlines, crop marks, mirror and the product chooser.
    PrintExtras* extras() const { return m_extras; }
    /// The dialog "Choisir un produit..." opens (made on first use).
    ProductChooser* productChooser();
    /// 0 "Aperçu", 1 "Imprimer", 2 "Retour", 3 "Aide".
    QPushButton* Bouton2(int index) const { return m_buttons.at(std::size_t(index)); }
    /// "Étalonner l'imprimante...": the calibration of the chosen printer.
    QPushButton* calibrateButton() const { return m_calibrate; }
    /// "Modèles et verso...": other tabs' designs on the sheet, and the back.
    QPushButton* designsButton() const { return m_designs; }

    void done(int result) override;

private:
    void printerSelected();
    void qualitySelected();
    void centreOverMainWindow();
    /// The fields as they read now, without settling the one being typed in.
    LayoutValues currentValues() const;
    /// For a tab filled from data files: the sheets the job prints with the layout of
    /// the fields, shown in the (greyed) "Page(s)" field.
    void showSheetCount();
    /// Lays the tab out for a maker's product and shows its layout in the fields.
    void takeProduct(const Product& product);
    void showLayout(const PrintSettings& settings);

    PrintCommands& m_commands;
    Etiquette* m_tab = nullptr;  // the tab being set up, while loaded
    bool m_hidToolBox = false;
    std::shared_ptr<const DataTable> m_table;  // the tab's rows, whose copies make the sheets
    DesignLookup m_designLookup;               // the other designs on the sheet, with their rows
    QMetaObject::Connection m_watch;           // the tab's other designs and back, changed meanwhile
    /// Whether data files make the sheets (the field then shows their count)...
    bool m_rowsDecide = false;
    /// ...and the tab's own sheet count, kept for printing without them.
    int m_storedSheets = 1;
    HeaderPlus* m_header;
    QComboBox* m_printers;
    QPushButton* m_refresh;
    QPushButton* m_calibrate;
    QPushButton* m_designs;
    QComboBox* m_quality;
    TxtBox* m_margeH;
    TxtBox* m_margeG;
    TxtBox* m_nbrP;
    TxtBox* m_posX;
    TxtBox* m_posY;
    TxtBox* m_sepH;
    TxtBox* m_sepV;
    TxtBox* m_nbrH;
    TxtBox* m_nbrV;
    std::array<QPushButton*, 4> m_buttons{};
    PrintExtras* m_extras;
    ProductChooser* m_chooser = nullptr;
};

}  // namespace plk
