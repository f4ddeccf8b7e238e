#pragma once

class QApplication;

namespace plk {

/// The program's start: folders, single instance, settings, main window. Returns
/// the exit code.
int SubMain(QApplication& app);

}  // namespace plk
