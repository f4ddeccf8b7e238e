#include "print/ui/PrintCommands.h"

#include "canvas/core/Etiquette.h"
#include "canvas/ui/TabDataPrompts.h"
#include "print/core/CalibrationSheet.h"
#include "print/core/PrintJob.h"
#include "print/ui/JobDesigns.h"
#include "print/ui/PrinterOutput.h"
#include "print/ui/frmCalibration.h"
#include "print/ui/frmPage.h"
#include "print/ui/frmPrint.h"
#include "print/ui/frmSheetDesigns.h"
#include "settings/core/AppPaths.h"
#include "widgets/ui/Dialogs.h"
#include "widgets/ui/ToolbarButton.h"
#include "windows/ui/MainWindowServices.h"
#include "windows/ui/frmProjet.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>

namespace plk {

namespace {

/// The hourglass pointer while printing or building a preview blocks the program.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

PrintCommands::PrintCommands(MainWindowServices& menu, const PrinterCatalog& printers)
    : currentPrinter(printers.defaultPrinterName()), m_menu(menu), m_printers(printers),
      m_print(new frmPrint(*this, menu.mainWidget()))
{
}

PrintCommands::~PrintCommands() { delete m_print; }

frmPrint& PrintCommands::printDialog() const { return *m_print; }

frmPage* PrintCommands::preview() const { return m_preview; }

frmCalibration* PrintCommands::calibration() const { return m_calibration; }

frmSheetDesigns* PrintCommands::designs() const { return m_designs; }

Dialogs& PrintCommands::dialogs() const { return m_menu.dialogs(); }

frmProjet* PrintCommands::project() const { return m_menu.activeProject(); }

Etiquette* PrintCommands::selectedTab() const
{
    frmProjet* window = project();
    return window ? &window->surface(window->selectedTab()) : nullptr;
}

QWidget* PrintCommands::topWindow() const
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : m_menu.mainWidget();
}

void PrintCommands::showPrint() { m_print->showModal(); }

void PrintCommands::configureFromPreview()
{
    m_print->Load();
    m_print->Bouton2(0)->setEnabled(false);
    m_print->showModal();
}

void PrintCommands::calibrate()
{
    if (!m_calibration)
        m_calibration = new frmCalibration(*this, m_print);
    const QString printer = m_print->Combo1()->currentText();
    if (!printer.isEmpty())
        m_calibration->showFor(printer);
}

void PrintCommands::editDesigns()
{
    frmProjet* window = project();
    if (!window)
        return;
    if (!m_designs)
        m_designs = new frmSheetDesigns(m_print);
    const int tab = window->selectedTab();
    m_designs->showFor(window->project(), tab, tabLayout(window->surface(tab), m_print->fieldValues()));
}

void PrintCommands::printCalibrationSheet(const QString& printer)
{
    QString failure;
    if (printer == kPdfFileEntry) {
        const QString file = askPdfFile(project(), QStringLiteral("Etalonnage"));
        if (file.isEmpty())
            return;
        const BusyCursor busy;
        failure = calibrationSheetToPdf(file, printer);
        if (!failure.isEmpty())
            failure = QStringLiteral("Le fichier PDF « %1 » n'a pas pu être écrit.\n\n%2").arg(QFileInfo(file).fileName(), failure);
    } else {
        const BusyCursor busy;
        if (!plk::printCalibrationSheet(m_printers, printer))
            failure = QStringLiteral("L'impression n'a pas pu aboutir sur l'imprimante « %1 ».").arg(printer);
    }
    if (!failure.isEmpty())
        dialogs().message(topWindow(), failure, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

void PrintCommands::ShowPrintPreview(bool fromStoredSettings)
{
    Etiquette* tab = selectedTab();
    if (!tab)
        return;
    const LayoutValues values = fromStoredSettings ? layoutValues(tab->print()) : m_print->fieldValues();
    // The preview warns of markers that name no field as printing does: it shows what will be printed.
    const auto data = rowsForLabels(dialogs(), topWindow(), *tab, project()->linkedFileAnswers(), true);
    if (!data)
        return;
    auto designs = jobDesigns(dialogs(), topWindow(), *project(), *tab, false);
    if (!designs)
        return;
    m_preview = new frmPage(*this, topWindow());
    // From the set-up dialog, which stays open under the preview: no second set-up.
    if (!fromStoredSettings)
        m_preview->Bouton(0)->setEnabled(false);
    {
        const BusyCursor busy;
        m_preview->Print_Preview(*tab, values, *data, std::move(*designs));
    }
    m_preview->showModal();
}

QString PrintCommands::askPdfFile(const frmProjet* window, const QString& fileName)
{
    Dialogs::FileRequest request;
    request.title = kPdfFileEntry;
    request.filters = {QStringLiteral("Document PDF (*.pdf)")};
    request.directory = !window || window->filePath().isEmpty() ? m_menu.paths().projectsFolder()
                                                                : QFileInfo(window->filePath()).absolutePath();
    request.fileName = fileName + QStringLiteral(".pdf");
    request.defaultSuffix = QStringLiteral("pdf");
    const auto answer = dialogs().saveFile(topWindow(), request);
    return answer ? request.withDefaultSuffix(answer->path) : QString();
}

void PrintCommands::ConfirmAndPrint()
{
    frmProjet* window = project();
    if (!window)
        return;
    if (dialogs().message(topWindow(), QStringLiteral("Etes-vous sûr de vouloir imprimer le projet ?"),
                          Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    Etiquette& tab = window->surface(window->selectedTab());
    // Printing from a preview that was not opened from the set-up dialog: the values
    // are those the dialog loads from the tab.
    const bool loadedHere = !m_print->isLoaded();
    m_print->Load();
    const LayoutValues values = m_print->fieldValues();
    if (loadedHere)
        m_print->Unload();

    // Nothing goes to the printer when the data file cannot be read.
    const auto data = rowsForLabels(dialogs(), topWindow(), tab, window->linkedFileAnswers(), true);
    if (!data)
        return;
    const auto designs = jobDesigns(dialogs(), topWindow(), *window, tab, true);
    if (!designs)
        return;
    JobExtras extras;
    extras.designs = *designs;
    extras.calibration = CalibrationStore(m_menu.paths().settingsFile()).forPrinter(tab.PrinterName());
    QString pdfFile;
    if (tab.PrinterName() == kPdfFileEntry) {
        pdfFile = askPdfFile(window, window->project().tabCaption(window->selectedTab()));
        if (pdfFile.isEmpty())
            return;
    }
    bool printed = false;
    QString pdfFailure;
    {
        const BusyCursor busy;
        printed = Print_Projet(tab, values, m_printers, pdfFile, data->get(), &pdfFailure, extras);
    }
    if (printed) {
        // A counter that carries on starts the next run after this run's last label.
        tab.setMergeSettings(carriedOn(tab.mergeSettings(), countersUsed(tab, values, data->get(), *designs)));
        return;
    }
    const QString text =
        pdfFile.isEmpty()
            ? QStringLiteral("L'impression n'a pas pu aboutir sur l'imprimante « %1 ».").arg(tab.PrinterName())
            : QStringLiteral("Le fichier PDF « %1 » n'a pas pu être écrit.\n\n%2")
                  .arg(QFileInfo(pdfFile).fileName(), pdfFailure);
    dialogs().message(topWindow(), text, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

}  // namespace plk
