#include "support/MainWindowFixture.h"

#include "app/ui/frmMenu.h"
#include "base/core/AppState.h"
#include "support/TestSupport.h"
#include "windows/ui/frmAssist.h"
#include "windows/ui/frmOutils.h"
#include "windows/ui/frmProjet.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace plk::test {

MainWindowFixture::MainWindowFixture() = default;

MainWindowFixture::~MainWindowFixture() { stop(); }

void MainWindowFixture::start(const QString& installedTemplates)
{
    app = AppState();
    dialogs = std::make_unique<ScriptedDialogs>();
    menu = std::make_unique<frmMenu>(AppPaths(dir.path(), installedTemplates), *dialogs, app);
    menu->show();
}

frmOutils& MainWindowFixture::startToolBox()
{
    toolBox = std::make_unique<frmOutils>(*menu);
    menu->setToolBox(toolBox.get());
    return *toolBox;
}

frmAssist& MainWindowFixture::startWizard()
{
    wizard = std::make_unique<frmAssist>(*menu);
    menu->parts.showWizard = [this](bool addTabMode, frmProjet*) { showWizard(addTabMode); };
    return *wizard;
}

void MainWindowFixture::showWizard(bool addTabMode)
{
    wizard->AddTabMode = addTabMode;
    wizard->TabWindow = menu->activeProject();
    wizard->show();
}

void MainWindowFixture::closeProjects()
{
    if (!menu)
        return;
    for (QMdiSubWindow* sub : menu->workspace()->subWindowList()) {
        dialogs->answers.push_back(Dialogs::Answer::No);
        sub->close();
    }
}

void MainWindowFixture::stop()
{
    closeProjects();
    wizard.reset();
    toolBox.reset();
    menu.reset();
}

frmProjet* MainWindowFixture::open(const QByteArray& bytes, int filter, const QString& name)
{
    const QString path = dir.filePath(name);
    writeBytes(path, bytes);
    dialogs->files.push_back(Dialogs::FileAnswer{path, filter});
    menu->Mnu_ID_Fichier_Click(Fichier::Ouvrir);
    return menu->activeProject();
}

}  // namespace plk::test
