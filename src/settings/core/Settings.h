#pragma once
// The four sections of the settings file, read into and written from plain values.
// A missing or unreadable value comes back empty and is simply not applied, so a
// first start leaves every window as designed.

#include "base/core/AppState.h"
#include "base/core/RegionalFormat.h"

#include <QList>
#include <QRect>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

namespace plk {

// Each save returns why the file could not be written (in French), or nothing.

/// At start: a settings file that exists but cannot be read is renamed with the
/// suffix ".illisible" (or ".illisible-2" ...) so that no save replaces it, and the
/// program runs on its defaults. What to tell the user; empty when the file is fine.
QString setAsideUnreadableSettings(const QString& file);

struct MainWindowSettings {
    std::optional<int> state;  // 0 normal, 1 minimised, 2 maximised
    std::optional<double> height, width, top, left;  // twips, normal state
};

/// "MENU": the state; and the geometry in twips, written only for a normal window.
QString saveMainWindow(const QString& ini, int state, const QRectF& geometryTwips, const RegionalFormat& format);
MainWindowSettings loadMainWindow(const QString& ini, const RegionalFormat& format);
/// The main window's geometry in pixels from the stored values (each missing one keeps
/// the designed value). Nothing when a value is not a usable number, when the window
/// would be larger than the screen it meets or would meet no screen: the window then
/// keeps its designed, centred place. A window partly off the screen it meets most is
/// moved wholly onto it. `screens` are the screens' available areas.
std::optional<QRect> storedMainWindowGeometry(const MainWindowSettings& stored, const QRect& designed,
                                              const QList<QRect>& screens);

/// "OPTIONS": the five check boxes, "Afficher" … "Boite".
QString saveOptions(const QString& ini, const AppOptions& options);
/// Each of the five values that reads as an integer.
std::vector<std::optional<int>> loadOptions(const QString& ini);
inline const char* const kOptionKeys[5] = {"Afficher", "Animation", "Position", "Maximiser", "Boite"};

/// "BARRE XP": "GRP-n" = whether group n is open, as the regional word.
QString saveTaskPane(const QString& ini, const std::vector<bool>& open, const RegionalFormat& format);
/// Whether each of the `groups` groups is to be opened. A value that is neither a
/// boolean word nor a number leaves its group closed.
std::vector<bool> loadTaskPane(const QString& ini, int groups, const RegionalFormat& format);

struct ToolBoxSettings {
    std::optional<int> page;
    std::optional<double> top, left;  // twips
};
QString saveToolBox(const QString& ini, int page, double top, double left, const RegionalFormat& format);
ToolBoxSettings loadToolBox(const QString& ini, const RegionalFormat& format);
/// The tool box's place in pixels from the stored values, when it puts the window (of
/// geometry `current`) on one of the screens; moved wholly onto that screen.
std::optional<QPoint> storedToolBoxPosition(const ToolBoxSettings& stored, const QRect& current,
                                            const QList<QRect>& screens);

}  // namespace plk
