#pragma once

namespace plk {

/// Makes the Tahoma-compatible fonts of Debian's fonts-wine package available to the
/// program: the package installs them outside fontconfig's search path, and Tahoma
/// is the default font of every text object.
void registerProgramFonts();

}  // namespace plk
