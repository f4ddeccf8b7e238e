#pragma once
// The program's main window with a project opened from a file, printers for tests,
// scripted dialogs and a tool box that records what it is asked, for the tests of
// the print set-up and the preview.

#include "app/ui/frmMenu.h"
#include "print/PrintTests.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/frmPage.h"
#include "support/MainWindowFixture.h"
#include "support/RecordingToolBox.h"
#include "support/TestSupport.h"
#include "windows/ui/frmProjet.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

namespace plk::test {

struct PrintFixture : MainWindowFixture {
    RecordingToolBox toolBox;
    std::unique_ptr<FakePrinters> printers;
    std::unique_ptr<PrintCommands> commands;
    QStringList help;

    /// Printers "Bureau" (unprintable margins 4.2 and 3.6 mm) and "Atelier" (none),
    /// "Atelier" being the system's current one.
    PrintFixture()
    {
        start();
        menu->setGeometry(100, 100, 1000, 760);
        toolBox.app = &app;
        menu->setToolBox(&toolBox);
        printers = std::make_unique<FakePrinters>(
            dir.path(),
            std::vector<FakePrinters::Entry>{{QStringLiteral("Bureau"), QMarginsF(4.2, 3.6, 4.2, 3.6)},
                                             {QStringLiteral("Atelier"), QMarginsF()}},
            QStringLiteral("Atelier"));
        commands = std::make_unique<PrintCommands>(*menu, *printers);
        menu->parts.showPrint = [this] { commands->showPrint(); };
        menu->parts.showPreview = [this] { commands->ShowPrintPreview(true); };
        menu->parts.showHelp = [this](const QString& key) { help << key; };
    }

    ~PrintFixture()
    {
        commands.reset();
        stop();
    }

    /// Opens a project file with these bytes, as "Ouvrir un projet..." does, and
    /// forgets the dialogs that took.
    frmProjet* open(const QByteArray& bytes, const QString& name = QStringLiteral("Exemple.plk"))
    {
        frmProjet* window = MainWindowFixture::open(bytes, 0, name);
        dialogs->shown.clear();
        return window;
    }

    /// Opens the project and previews it through "Aperçu avant impression"; the
    /// preview window, or none.
    frmPage* preview(const QByteArray& bytes)
    {
        if (!open(bytes))
            return nullptr;
        menu->Mnu_ID_Fichier_Click(Fichier::Apercu);
        return commands->preview();
    }
};

}  // namespace plk::test
