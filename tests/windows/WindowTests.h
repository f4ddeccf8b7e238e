#pragma once
// What the tests of the program's windows share: the main window over scripted dialogs,
// the windows, tab and canvas they drive, and the widgets they read back.

#include "app/ui/frmMenu.h"
#include "base/core/AppState.h"
#include "base/core/Twips.h"
#include "canvas/core/Etiquette.h"
#include "canvas/ui/CanvasWidget.h"
#include "canvas/ui/EtiquetteView.h"
#include "document/core/ProjectFile.h"
#include "document/core/ProjectHistory.h"
#include "gradient/ui/ucDegrade.h"
#include "support/MainWindowFixture.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"
#include "support/WidgetDriving.h"
#include "widgets/ui/ToolbarButton.h"
#include "widgets/ui/TxtBox.h"
#include "widgets/ui/ucToolbar.h"
#include "windows/ui/frmAssist.h"
#include "windows/ui/frmOutils.h"
#include "windows/ui/frmProjet.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>

namespace plk::test {

/// Canvas pixels of a millimetre at 100 %.
constexpr double kPxPerMm = 56.7 / kTwipsPerPixel;

/// The canvas pixel of a point given in millimetres, at the zoom.
inline QPoint toPx(QPointF mm, int zoom = 100)
{
    const double f = kPxPerMm * zoom / 100.0;
    return QPoint(int(mm.x() * f), int(mm.y() * f));
}

/// A new project window of one tab, shown in the main window.
inline frmProjet* showNewProject(frmMenu& menu, double width, double height,
                                 OleColor background = kColorWindowBackground, bool border = true)
{
    frmProjet* w = menu.createProjectWindow(QStringLiteral("Carte"));
    w->surface(1).NewProjet(QStringLiteral("Carte"), width, height, background, kColorWindowFrame, false, false, border);
    w->setCaption(QStringLiteral("Carte"));
    menu.showProjectWindow(w);
    return w;
}

}  // namespace plk::test
