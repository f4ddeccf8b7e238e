#include "print/ui/PrintCommands.h"

#include "canvas/core/Etiquette.h"
#include "canvas/ui/TabDataPrompts.h"
#include "print/ui/PrinterOutput.h"
#include "print/ui/frmPage.h"
#include "print/ui/frmPrint.h"
#include "settings/core/AppPaths.h"
#include "widgets/ui/Dialogs.h"
#include "widgets/ui/ToolbarButton.h"
#include "windows/ui/MainWindowServices.h"
#include "windows/ui/frmProjet.h"

#include <QApplication>
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
    m_preview = new frmPage(*this, topWindow());
    // From the set-up dialog, which stays open under the preview: no second set-up.
    if (!fromStoredSettings)
        m_preview->Bouton(0)->setEnabled(false);
    {
        const BusyCursor busy;
        m_preview->Print_Preview(*tab, values, *data);
    }
    m_preview->showModal();
}

QString PrintCommands::askPdfFile(const frmProjet& window)
{
    Dialogs::FileRequest request;
    request.title = kPdfFileEntry;
    request.filters = {QStringLiteral("Document PDF (*.pdf)")};
    request.directory =
        window.filePath().isEmpty() ? m_menu.paths().projectsFolder() : QFileInfo(window.filePath()).absolutePath();
    request.fileName = window.project().tabCaption(window.selectedTab()) + QStringLiteral(".pdf");
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
    QString pdfFile;
    if (tab.PrinterName() == kPdfFileEntry) {
        pdfFile = askPdfFile(*window);
        if (pdfFile.isEmpty())
            return;
    }
    bool printed = false;
    QString pdfFailure;
    {
        const BusyCursor busy;
        printed = Print_Projet(tab, values, m_printers, pdfFile, data->get(), &pdfFailure);
    }
    if (printed) {
        // A counter that carries on starts the next run after this run's last label.
        tab.setMergeSettings(carriedOn(tab.mergeSettings(), countersUsed(tab, values, data->get())));
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
