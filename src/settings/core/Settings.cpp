#include "settings/core/Settings.h"

#include "base/core/IniFile.h"
#include "base/core/Surface.h"
#include "base/core/ValueReader.h"
#include "widgets/core/WindowPlacement.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace plk {

namespace {

const QString kMenu = QStringLiteral("MENU");
const QString kOptions = QStringLiteral("OPTIONS");
const QString kTaskPane = QStringLiteral("BARRE XP");
const QString kToolBox = QStringLiteral("OUTILS");

std::optional<double> readReal(const IniDocument& ini, const QString& section, const char* key, const RegionalFormat& f)
{
    return f.parseReal(ini.value(section, QLatin1String(key)));
}

std::optional<int> readInteger(const IniDocument& ini, const QString& section, const char* key)
{
    try {
        return ValueReader(RegionalFormat()).integer<std::int16_t>(ini.value(section, QLatin1String(key)));
    } catch (const FormatError&) {
        return std::nullopt;
    }
}

/// Empty when the document was written, otherwise why not.
QString saved(const IniDocument& ini, const QString& file)
{
    QString reason;
    return ini.save(file, &reason) ? QString() : reason;
}

/// Twips as whole pixels (the fraction dropped), for values a screen could hold.
std::optional<int> wholePixels(double twips)
{
    constexpr double kFarthest = 1 << 20;  // pixels; far beyond any screen, well within int
    const double px = std::trunc(twips / kTwipsPerPixel);
    if (!(std::fabs(px) <= kFarthest))
        return std::nullopt;  // also NaN and infinities
    return int(px);
}

/// Sets one side of the geometry from a stored value; false when the value is unusable.
bool apply(const std::optional<double>& stored, QRect& g, void (QRect::*set)(int))
{
    if (!stored)
        return true;
    const std::optional<int> px = wholePixels(*stored);
    if (px)
        (g.*set)(*px);
    return px.has_value();
}

/// The window moved wholly onto the screen it overlaps most; nothing when it meets
/// no screen or is larger than that screen.
std::optional<QRect> keptOnScreen(const QRect& window, const QList<QRect>& screens)
{
    const QRect* best = nullptr;
    qint64 bestArea = 0;
    for (const QRect& screen : screens) {
        const QRect common = window.intersected(screen);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    if (!best || window.width() > best->width() || window.height() > best->height())
        return std::nullopt;
    return keptWithin(window, *best);
}

}  // namespace

QString setAsideUnreadableSettings(const QString& file)
{
    QString reason;
    if (!IniDocument::load(file, &reason).unreadable())
        return QString();
    QString aside = file + QStringLiteral(".illisible");
    for (int n = 2; QFileInfo(aside).exists() || QFileInfo(aside).isSymLink(); ++n)
        aside = file + QStringLiteral(".illisible-%1").arg(n);
    const QString head = QStringLiteral("Le fichier de réglages « %1 » ne peut pas être lu (%2) : ").arg(file, reason);
    if (!QDir().rename(file, aside))
        return head + QStringLiteral("les réglages par défaut sont utilisés, et ne seront pas enregistrés.");
    return head + QStringLiteral("il est conservé sous le nom « %1 » et les réglages par défaut sont utilisés.").arg(aside);
}

QString saveMainWindow(const QString& file, int state, const QRectF& g, const RegionalFormat& f)
{
    IniDocument ini = IniDocument::load(file);
    ini.setValue(kMenu, QStringLiteral("Windows"), QString::number(state));
    if (state == 0) {
        ini.setValue(kMenu, QStringLiteral("Height"), f.formatReal(g.height()));
        ini.setValue(kMenu, QStringLiteral("Width"), f.formatReal(g.width()));
        ini.setValue(kMenu, QStringLiteral("Top"), f.formatReal(g.top()));
        ini.setValue(kMenu, QStringLiteral("Left"), f.formatReal(g.left()));
    }
    return saved(ini, file);
}

MainWindowSettings loadMainWindow(const QString& file, const RegionalFormat& f)
{
    const IniDocument ini = IniDocument::load(file);
    MainWindowSettings s;
    s.state = readInteger(ini, kMenu, "Windows");
    if (s.state == 0 || s.state == 1) {
        s.height = readReal(ini, kMenu, "Height", f);
        s.width = readReal(ini, kMenu, "Width", f);
        s.top = readReal(ini, kMenu, "Top", f);
        s.left = readReal(ini, kMenu, "Left", f);
    }
    return s;
}

std::optional<QRect> storedMainWindowGeometry(const MainWindowSettings& s, const QRect& designed,
                                              const QList<QRect>& screens)
{
    QRect g = designed;
    if (!apply(s.height, g, &QRect::setHeight) || !apply(s.width, g, &QRect::setWidth) ||
        !apply(s.top, g, &QRect::moveTop) || !apply(s.left, g, &QRect::moveLeft))
        return std::nullopt;
    if (g.isEmpty())
        return std::nullopt;
    return keptOnScreen(g, screens);
}

QString saveOptions(const QString& file, const AppOptions& o)
{
    IniDocument ini = IniDocument::load(file);
    const std::int16_t values[5] = {o.Afficher, o.Animation, o.Position, o.Maximiser, o.Boite};
    for (int i = 0; i < 5; ++i)
        ini.setValue(kOptions, QLatin1String(kOptionKeys[i]), QString::number(values[i]));
    return saved(ini, file);
}

std::vector<std::optional<int>> loadOptions(const QString& file)
{
    const IniDocument ini = IniDocument::load(file);
    std::vector<std::optional<int>> values;
    for (const char* key : kOptionKeys)
        values.push_back(readInteger(ini, kOptions, key));
    return values;
}

QString saveTaskPane(const QString& file, const std::vector<bool>& open, const RegionalFormat& f)
{
    IniDocument ini = IniDocument::load(file);
    for (std::size_t n = 0; n < open.size(); ++n)
        ini.setValue(kTaskPane, QStringLiteral("GRP-%1").arg(n + 1), f.formatBool(open[n]));
    return saved(ini, file);
}

std::vector<bool> loadTaskPane(const QString& file, int groups, const RegionalFormat& f)
{
    const IniDocument ini = IniDocument::load(file);
    const ValueReader values(f);
    std::vector<bool> open;
    for (int n = 1; n <= groups; ++n) {
        const QString text = ini.value(kTaskPane, QStringLiteral("GRP-%1").arg(n));
        bool isOpen = false;
        try {
            isOpen = !text.isEmpty() && values.boolean(text);
        } catch (const FormatError&) {
            // An unreadable value leaves its own group closed, and only that one.
        }
        open.push_back(isOpen);
    }
    return open;
}

QString saveToolBox(const QString& file, int page, double top, double left, const RegionalFormat& f)
{
    IniDocument ini = IniDocument::load(file);
    ini.setValue(kToolBox, QStringLiteral("Onglet"), QString::number(page));
    ini.setValue(kToolBox, QStringLiteral("Top"), f.formatReal(top));
    ini.setValue(kToolBox, QStringLiteral("Left"), f.formatReal(left));
    return saved(ini, file);
}

ToolBoxSettings loadToolBox(const QString& file, const RegionalFormat& f)
{
    const IniDocument ini = IniDocument::load(file);
    return {readInteger(ini, kToolBox, "Onglet"), readReal(ini, kToolBox, "Top", f),
            readReal(ini, kToolBox, "Left", f)};
}

std::optional<QPoint> storedToolBoxPosition(const ToolBoxSettings& s, const QRect& current,
                                            const QList<QRect>& screens)
{
    QRect g = current;
    if (!apply(s.top, g, &QRect::moveTop) || !apply(s.left, g, &QRect::moveLeft))
        return std::nullopt;
    const std::optional<QRect> kept = keptOnScreen(g, screens);
    return kept ? std::optional<QPoint>(kept->topLeft()) : std::nullopt;
}

}  // namespace plk
