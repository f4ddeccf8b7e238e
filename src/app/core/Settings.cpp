#include "app/core/Settings.h"

#include "base/core/IniFile.h"
#include "base/core/ValueReader.h"

namespace plk {

namespace {

const QString kMenu = QStringLiteral("MENU");
const QString kOptions = QStringLiteral("OPTIONS");
const QString kTaskPane = QStringLiteral("BARRE XP");
const QString kToolBox = QStringLiteral("OUTILS");

std::optional<double> readReal(const QString& ini, const QString& section, const char* key, const RegionalFormat& f)
{
    return f.parseReal(ReadIni(ini, section, QLatin1String(key)));
}

std::optional<int> readInteger(const QString& ini, const QString& section, const char* key)
{
    try {
        return ValueReader(RegionalFormat()).integer<std::int16_t>(ReadIni(ini, section, QLatin1String(key)));
    } catch (const FormatError&) {
        return std::nullopt;
    }
}

}  // namespace

void saveMainWindow(const QString& ini, int state, const QRectF& g, const RegionalFormat& f)
{
    WriteIni(ini, kMenu, QStringLiteral("Windows"), QString::number(state));
    if (state != 0)
        return;
    WriteIni(ini, kMenu, QStringLiteral("Height"), f.formatReal(g.height()));
    WriteIni(ini, kMenu, QStringLiteral("Width"), f.formatReal(g.width()));
    WriteIni(ini, kMenu, QStringLiteral("Top"), f.formatReal(g.top()));
    WriteIni(ini, kMenu, QStringLiteral("Left"), f.formatReal(g.left()));
}

MainWindowSettings loadMainWindow(const QString& ini, const RegionalFormat& f)
{
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

void saveOptions(const QString& ini, const AppOptions& o)
{
    const std::int16_t values[5] = {o.Afficher, o.Animation, o.Position, o.Maximiser, o.Boite};
    for (int i = 0; i < 5; ++i)
        WriteIni(ini, kOptions, QLatin1String(kOptionKeys[i]), QString::number(values[i]));
}

std::vector<std::optional<int>> loadOptions(const QString& ini)
{
    std::vector<std::optional<int>> values;
    for (const char* key : kOptionKeys)
        values.push_back(readInteger(ini, kOptions, key));
    return values;
}

void saveTaskPane(const QString& ini, const std::vector<bool>& open, const RegionalFormat& f)
{
    for (std::size_t n = 0; n < open.size(); ++n)
        WriteIni(ini, kTaskPane, QStringLiteral("GRP-%1").arg(n + 1), f.formatBool(open[n]));
}

std::vector<bool> loadTaskPane(const QString& ini, int groups, const RegionalFormat& f)
{
    const ValueReader values(f);
    std::vector<bool> open;
    for (int n = 1; n <= groups; ++n) {
        const QString text = ReadIni(ini, kTaskPane, QStringLiteral("GRP-%1").arg(n));
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

void saveToolBox(const QString& ini, int page, double top, double left, const RegionalFormat& f)
{
    WriteIni(ini, kToolBox, QStringLiteral("Onglet"), QString::number(page));
    WriteIni(ini, kToolBox, QStringLiteral("Top"), f.formatReal(top));
    WriteIni(ini, kToolBox, QStringLiteral("Left"), f.formatReal(left));
}

ToolBoxSettings loadToolBox(const QString& ini, const RegionalFormat& f)
{
    return {readInteger(ini, kToolBox, "Onglet"), readReal(ini, kToolBox, "Top", f),
            readReal(ini, kToolBox, "Left", f)};
}

}  // namespace plk
