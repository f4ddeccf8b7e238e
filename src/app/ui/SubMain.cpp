#include "app/ui/SubMain.h"

#include "app/core/Fonts.h"
#include "app/core/QtFrench.h"
#include "app/ui/FileArguments.h"
#include "app/ui/HandOverQueue.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/RecentProjectsMenu.h"
#include "app/ui/SingleInstance.h"
#include "app/ui/TaskPaneSetup.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmMenu.h"
#include "app/ui/frmOptions.h"
#include "base/core/AppState.h"
#include "export/ui/frmExport.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/PrinterOutput.h"
#include "settings/core/AppPaths.h"
#include "settings/core/Settings.h"
#include "widgets/ui/Dialogs.h"
#include "windows/ui/FormParts.h"
#include "windows/ui/TemplateMenu.h"
#include "windows/ui/frmAssist.h"
#include "windows/ui/frmOutils.h"

#include <QApplication>
#include <QIcon>

namespace plk {

namespace {

void restoreMainWindow(frmMenu& menu, const AppPaths& paths)
{
    const MainWindowSettings s = loadMainWindow(paths.settingsFile(), RegionalFormat::system());
    if (s.state == 2) {
        menu.setWindowState(Qt::WindowMaximized);
        return;
    }
    if (const auto g = storedMainWindowGeometry(s, menu.geometry(), screenAreas()))
        menu.setGeometry(*g);
}

}  // namespace

int SubMain(QApplication& app)
{
    installQtFrench(app);
    registerProgramFonts();
    QApplication::setApplicationName(QStringLiteral("Plakatorium"));
    QApplication::setFont(QFont(QStringLiteral("Tahoma"), 8));
    const AppPaths paths = AppPaths::forRunningProgram();
    // An installed program offers its templates from where they were installed.
    if (paths.createFolders() && paths.installedTemplatesFolder().isEmpty())
        installShippedTemplates(paths.templatesFolder());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/plakatorium.svg")));

    QtDialogs qtDialogs;
    HeldMessages heldDialogs(qtDialogs);
    Dialogs& dialogs = heldDialogs;
    const FileArguments arguments(QApplication::arguments());
    SingleInstance instance;
    if (!instance.acquire()) {
        if (!instance.handOver(arguments.files()))
            dialogs.message(nullptr, QStringLiteral("Application déjà active dans Windows."), Dialogs::Icon::Exclamation,
                            Dialogs::Buttons::Ok);
        return 0;
    }

    // Before anything reads or writes it: an unreadable file would be replaced.
    const QString settingsNotice = setAsideUnreadableSettings(paths.settingsFile());
    AppState state;
    frmMenu menu(paths, dialogs, state);
    restoreMainWindow(menu, paths);
    frmOptions options(menu);
    options.SaveLoadOptions(0);
    buildTaskPane(menu);
    SaveLoadTaskPane(menu, 0);
    TemplateMenu templates(menu);
    RecentProjectsMenu recents(menu, menu.fileMenu());
    frmAbout about(menu);
    HelpWindow help(&menu);
    frmOutils outils(menu);
    menu.setToolBox(&outils);
    frmAssist assist(menu);
    menu.parts.showWizard = [&assist](bool addTabMode, frmProjet* window) { assist.Afficher(addTabMode, window); };
    menu.parts.showOptions = [&options] { options.exec(); };
    menu.parts.showAbout = [&about] { about.exec(); };
    frmExport exporter(menu);
    menu.parts.showExport = [&exporter] { exporter.exec(); };
    menu.parts.showHelp = [&help](const QString& key) { help.ShowHelpTopic(key); };
    const SystemPrinters printers;
    PrintCommands printing(menu, printers);
    menu.parts.showPrint = [&printing] { printing.showPrint(); };
    menu.parts.showPreview = [&printing] { printing.ShowPrintPreview(true); };
    menu.onQueryClose = [&menu] { SaveLoadTaskPane(menu, -1); };
    HandOverQueue handOvers(
        heldDialogs, [&menu](const QString& file) { FileArguments::openHandedOver(menu, {file}); }, &menu);
    instance.listen([&handOvers](const QStringList& files) { handOvers.add(files); });
    menu.show();
    if (!settingsNotice.isEmpty())
        dialogs.message(&menu, settingsNotice, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
    arguments.openIn(menu);
    return app.exec();
}

}  // namespace plk
