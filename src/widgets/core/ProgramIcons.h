#pragma once
// The program's own icons, drawn for it as SVG, with the desktop theme's icon of the
// same meaning taking precedence where the theme has one.

#include "widgets/core/TPict.h"

#include <QIcon>

namespace plk {

/// The theme's icon `themeName`, or the program's icon at `resource` when the theme
/// has none.
QIcon themedIcon(const char* themeName, const char* resource);

/// The pictures of the task pane's thirteen commands, image k for item k.
TPict taskPaneImages();

}  // namespace plk
