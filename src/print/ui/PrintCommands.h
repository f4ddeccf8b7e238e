#pragma once
// The printing commands of the program, for the selected tab of the active project
// window: the print set-up dialog, the preview, and printing after a confirmation.
// One instance lives for the whole run and owns the set-up dialog; a preview window
// is made afresh for every preview and released when it closes.

#include <QPointer>
#include <QString>

class QWidget;

namespace plk {

class Dialogs;
class Etiquette;
class PrinterCatalog;
class MainWindowServices;
class frmCalibration;
class frmPage;
class frmPrint;
class frmSheetDesigns;
class frmProjet;

class PrintCommands {
public:
    PrintCommands(MainWindowServices& menu, const PrinterCatalog& printers);
    ~PrintCommands();
    PrintCommands(const PrintCommands&) = delete;
    PrintCommands& operator=(const PrintCommands&) = delete;

    /// "Imprimer le projet": opens the set-up dialog.
    void showPrint();
    /// Previews the selected tab: with `fromStoredSettings` from the tab's own print
    /// settings, otherwise from the open set-up dialog's fields.
    void ShowPrintPreview(bool fromStoredSettings);
    /// Asks "Etes-vous sûr de vouloir imprimer le projet ?"; on Yes prints the selected
    /// tab with the set-up dialog's values (a PDF entry first asks for the file).
    void ConfirmAndPrint();
    /// The preview's "Configurer": the set-up dialog without its own "Aperçu".
    void configureFromPreview();
    /// "Étalonner l'imprimante...": the calibration of the printer chosen in the set-up.
    void calibrate();
    /// Prints the calibration's test sheet on the printer (the PDF entry first asks
    /// for the file); a failure is said.
    void printCalibrationSheet(const QString& printer);
    /// "Modèles et verso...": other tabs' designs on the selected tab's sheet, and its back.
    void editDesigns();
    frmSheetDesigns* designs() const;
    /// The calibration dialog, once opened.
    frmCalibration* calibration() const;

    MainWindowServices& menu() const { return m_menu; }
    Dialogs& dialogs() const;
    const PrinterCatalog& printers() const { return m_printers; }
    frmPrint& printDialog() const;
    /// The open preview window, if any.
    frmPage* preview() const;
    /// The active project window, or none.
    frmProjet* project() const;
    /// The selected tab of the active project window, or none.
    Etiquette* selectedTab() const;

    /// The printer last made current: the system's default until one is chosen.
    QString currentPrinter;

private:
    QWidget* topWindow() const;
    QString askPdfFile(const frmProjet* window, const QString& fileName);

    MainWindowServices& m_menu;
    const PrinterCatalog& m_printers;
    QPointer<frmPrint> m_print;  // a dialog of the main window
    QPointer<frmPage> m_preview;
    QPointer<frmCalibration> m_calibration;  // dialogs of the set-up
    QPointer<frmSheetDesigns> m_designs;
};

}  // namespace plk
