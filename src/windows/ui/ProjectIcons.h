#pragma once
// The six pictures of a project window's toolbar.

#include <QIcon>

namespace plk {

enum class ProjectIcon { Project, Save, Edit, Preview, Print, Close };

/// The desktop theme's icon where it has one, otherwise the program's own.
QIcon projectIcon(ProjectIcon icon);

}  // namespace plk
