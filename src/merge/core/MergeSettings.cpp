#include "merge/core/MergeSettings.h"

#include "base/core/Cp1252.h"
#include "base/core/ValueReader.h"
#include "merge/core/LinkedFiles.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace plk {

namespace {

// A sheet holds at most 20 x 20 labels.
constexpr int kMaxFirstLabel = 400;

}  // namespace

MergeSettings chosenDataFile(const QString& path, const QString& projectFolder, std::int16_t firstLabel)
{
    MergeSettings s;
    s.dataFile = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!projectFolder.isEmpty()) {
        const QString fromProject = QDir(projectFolder).relativeFilePath(s.dataFile);
        s.relative = !fromProject.startsWith(QLatin1String("../")) && !QDir::isAbsolutePath(fromProject);
    }
    s.firstLabel = firstLabel;
    return s;
}

bool storablePath(const QString& path)
{
    if (path.contains(QLatin1Char('|')) || path.contains(QLatin1Char('\r')) || path.contains(QLatin1Char('\n')))
        return false;
    return fromCp1252(toCp1252(path)) == path;
}

QString mergeRecord(const MergeSettings& s, const QString& projectFolder)
{
    if (!s.active())
        return QString();
    const bool relativeNow = s.relative && !projectFolder.isEmpty() && QDir::isAbsolutePath(s.dataFile);
    const QString path = relativeNow ? QDir(projectFolder).relativeFilePath(s.dataFile) : s.dataFile;
    return kMergeKeyword + QLatin1Char('|') + path + QLatin1Char('|') + QString::number(s.firstLabel);
}

MergeSettings readMergeRecord(const QStringList& fields, const QString& projectFolder)
{
    const RegionalFormat plain = RegionalFormat::forLocale(QStringLiteral("C"));
    const RecordFields r(fields, plain);
    MergeSettings s;
    const QString& path = r.text(1);
    bool ok = false;
    const qlonglong first = r.text(2).toLongLong(&ok);
    if (!ok)
        throw FormatError("numéro d'étiquette attendu : « " + r.text(2).toStdString() + " »");
    s.firstLabel = std::int16_t(std::clamp<qlonglong>(first, 1, kMaxFirstLabel));
    s.relative = !path.isEmpty() && QDir::isRelativePath(path);
    s.dataFile = s.relative && !projectFolder.isEmpty() ? QDir::cleanPath(QDir(projectFolder).absoluteFilePath(path)) : path;
    s.needsConsent = s.active() && !projectFolder.isEmpty() && !insideProjectTree(s.dataFile, projectFolder);
    return s;
}

}  // namespace plk
