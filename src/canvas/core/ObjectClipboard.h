#pragma once
// The application's object clipboard: the last copied LABEL or LOGO record, shared by
// every tab of every project window for the whole run. The system clipboard is not used.

#include <QString>

namespace plk {

inline QString ObjectClipboard;

}  // namespace plk
