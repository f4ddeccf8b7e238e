#pragma once
// A tool box that records whether it is shown, hidden or closed, and clears
// `BoiteVisible` on closing as the real one does.

#include "base/core/AppState.h"
#include "windows/ui/MainWindowServices.h"

#include <QStringList>

namespace plk::test {

class RecordingToolBox final : public ToolBoxLink {
public:
    QStringList calls;
    AppState* app = nullptr;
    void objectClicked(frmProjet&, int) override {}
    void editObject(frmProjet&, int tab) override { calls << QStringLiteral("edit object of tab %1").arg(tab); }
    void clearObject() override {}
    void Remplir_Outils(frmProjet&, int) override {}
    void showToolBox() override { calls << QStringLiteral("show"); }
    void hideToolBox() override { calls << QStringLiteral("hide"); }
    void closeToolBox() override
    {
        calls << QStringLiteral("close");
        if (app)
            app->BoiteVisible = false;
    }
};

}  // namespace plk::test
