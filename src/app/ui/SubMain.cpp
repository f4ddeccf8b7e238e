#include "app/ui/SubMain.h"

#include "app/core/AppPaths.h"
#include "app/core/AppState.h"
#include "app/core/Fonts.h"
#include "app/core/Settings.h"
#include "app/ui/Dialogs.h"
#include "app/ui/TaskPaneSetup.h"
#include "app/ui/frmMenu.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace plk {

namespace {

void restoreMainWindow(frmMenu& menu, const AppPaths& paths)
{
    const MainWindowSettings s = loadMainWindow(paths.settingsFile(), RegionalFormat::system());
    if (s.state == 2) {
        menu.setWindowState(Qt::WindowMaximized);
        return;
    }
    const auto px = [](double twips) { return int(twips / 15.0); };
    QRect g = menu.geometry();
    if (s.height)
        g.setHeight(px(*s.height));
    if (s.width)
        g.setWidth(px(*s.width));
    if (s.top)
        g.moveTop(px(*s.top));
    if (s.left)
        g.moveLeft(px(*s.left));
    menu.setGeometry(g);
}

void restoreOptions(const AppPaths& paths)
{
    const auto values = loadOptions(paths.settingsFile());
    std::int16_t* targets[5] = {&Options.Afficher, &Options.Animation, &Options.Position, &Options.Maximiser,
                                &Options.Boite};
    for (int i = 0; i < 5; ++i)
        if (values[std::size_t(i)])
            *targets[i] = std::int16_t(*values[std::size_t(i)] != 0);
}

}  // namespace

int SubMain(QApplication& app)
{
    registerProgramFonts();
    QApplication::setApplicationName(QStringLiteral("Plakatorium"));
    QApplication::setFont(QFont(QStringLiteral("Tahoma"), 8));
    const AppPaths paths = AppPaths::forRunningProgram();
    paths.createFolders();

    QtDialogs qtDialogs;
    Dialogs& dialogs = qtDialogs;
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    QLockFile instance(runtime + QStringLiteral("/plakatorium.lock"));
    instance.setStaleLockTime(0);
    if (!instance.tryLock()) {
        dialogs.message(nullptr, QStringLiteral("Application déjà active dans Windows."), Dialogs::Icon::Exclamation,
                        Dialogs::Buttons::Ok);
        return 0;
    }

    frmMenu menu(paths, dialogs);
    restoreMainWindow(menu, paths);
    restoreOptions(paths);
    buildTaskPane(menu);
    try {
        SaveLoadTaskPane(menu, 0);
    } catch (const std::exception&) {
        // A damaged "BARRE XP" section leaves the groups closed.
    }
    menu.onQueryClose = [&menu] { SaveLoadTaskPane(menu, -1); };
    menu.show();
    return app.exec();
}

}  // namespace plk
