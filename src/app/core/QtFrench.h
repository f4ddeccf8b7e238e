#pragma once

class QCoreApplication;

namespace plk {

/// Gives Qt's own texts (the file, colour and print dialogs, standard buttons, the
/// context menus of text fields) in French, from Debian's Qt translations
/// (qt6-translations-l10n). False when they are not installed: those texts stay English.
bool installQtFrench(QCoreApplication& app);

}  // namespace plk
