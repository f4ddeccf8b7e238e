#pragma once
// What the tests of the main window share: the window over scripted dialogs, its task
// pane, project windows and menus.

#include "app/ui/TaskPaneSetup.h"
#include "app/ui/frmMenu.h"
#include "base/core/AppState.h"
#include "base/core/IniFile.h"
#include "canvas/core/Etiquette.h"
#include "canvas/ui/CanvasWidget.h"
#include "canvas/ui/EtiquetteView.h"
#include "support/MainWindowFixture.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"
#include "widgets/ui/BarreXP.h"
#include "widgets/ui/ucToolbar.h"
#include "windows/ui/TemplateMenu.h"
#include "windows/ui/frmProjet.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabBar>
#include <QtTest>
