#pragma once
// The two picture dialogs of the design windows: a logo's picture (the project
// window's double click and the tool box's "Importer un logo") and a tab's
// background picture (the tool box's background button).

#include "widgets/ui/Dialogs.h"

namespace plk {

class AppPaths;

/// Starts in the program's "Images" folder while the logo has no picture file,
/// otherwise at that file.
Dialogs::FileRequest logoPictureRequest(const QString& currentPath, const AppPaths& paths);

/// Starts in "Images/Images de fond" (or "Images" when there is no such folder) while
/// the tab has no background picture, otherwise at that picture.
Dialogs::FileRequest backgroundPictureRequest(const QString& currentPath, const AppPaths& paths);

/// What the user is told when a chosen file cannot be read as a picture, or when its
/// path cannot be stored in the project.
QString unreadablePictureMessage(const QString& path);

}  // namespace plk
