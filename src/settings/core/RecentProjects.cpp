#include "settings/core/RecentProjects.h"

#include "base/core/Cp1252.h"
#include "base/core/IniFile.h"

#include <QFileInfo>
#include <algorithm>

namespace plk {

namespace {

const QString kSection = QStringLiteral("RECENTS");

QString key(int n) { return QStringLiteral("Projet%1").arg(n); }

}  // namespace

RecentProjects::RecentProjects(const QString& settingsFile) : m_file(settingsFile)
{
    for (int n = 1; n <= kMaxProjects; ++n) {
        const QString path = ReadIni(m_file, kSection, key(n));
        if (path.isEmpty())
            continue;
        m_stored = n;
        if (!m_paths.contains(path))
            m_paths << path;
    }
}

QString RecentProjects::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!storable(absolute))
        return QString();
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
    while (m_paths.size() > kMaxProjects)
        m_paths.removeLast();
    return save();
}

QString RecentProjects::remove(const QString& path)
{
    return m_paths.removeAll(path) > 0 ? save() : QString();
}

bool RecentProjects::storable(const QString& path)
{
    if (path.isEmpty() || path.size() > kIniValueMax || path != path.trimmed())
        return false;
    for (const QChar c : path)
        if (c.category() == QChar::Other_Control)
            return false;
    return fromCp1252(toCp1252(path)) == path;
}

QString RecentProjects::save()
{
    // Keys past the list are emptied only where they held a project.
    const int keys = std::max(m_stored, int(m_paths.size()));
    IniDocument ini = IniDocument::load(m_file);
    for (int n = 1; n <= keys; ++n)
        ini.setValue(kSection, key(n), m_paths.value(n - 1));
    QString reason;
    if (!ini.save(m_file, &reason))
        return reason;
    m_stored = int(m_paths.size());
    return QString();
}

}  // namespace plk
