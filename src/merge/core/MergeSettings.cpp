#include "merge/core/MergeSettings.h"

#include "base/core/Cp1252.h"
#include "base/core/Records.h"
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

bool storableText(const QString& text)
{
    return fitsRecord(text) && fromCp1252(toCp1252(text)) == text;
}

bool storablePath(const QString& path) { return storableText(path); }

bool MergeSettings::hasOptions() const
{
    return counter != CounterSettings() || !dateFormat.isEmpty() || !timeFormat.isEmpty() || !copiesField.isEmpty();
}

QString mergeRecord(const MergeSettings& s, const QString& projectFolder)
{
    QStringList records;
    if (s.active()) {
        const bool relativeNow = s.relative && !projectFolder.isEmpty() && QDir::isAbsolutePath(s.dataFile);
        const QString path = relativeNow ? QDir(projectFolder).relativeFilePath(s.dataFile) : s.dataFile;
        records.append(kMergeKeyword + QLatin1Char('|') + path + QLatin1Char('|') + QString::number(s.firstLabel));
    }
    if (s.hasOptions()) {
        const CounterSettings& c = s.counter;
        records.append(QStringList{kMergeOptionsKeyword, QString::number(c.start), QString::number(c.step),
                                   QString::number(c.width), QString::number(int(c.perSheet)),
                                   QString::number(int(c.carryOn)), s.dateFormat, s.timeFormat, s.copiesField}
                           .join(QLatin1Char('|')));
    }
    return records.join(QStringLiteral("\r\n"));
}

namespace {

/// Field `index` of a record as a whole number within [least, most]; `fallback` when
/// the record is shorter.
qint64 boundedNumber(const QStringList& fields, int index, qint64 least, qint64 most, qint64 fallback)
{
    if (index >= fields.size())
        return fallback;
    bool ok = false;
    const qlonglong n = fields.at(index).toLongLong(&ok);
    if (!ok)
        throw FormatError("nombre attendu : « " + fields.at(index).toStdString() + " »");
    return std::clamp<qlonglong>(n, least, most);
}

}  // namespace

void readMergeOptions(const QStringList& fields, MergeSettings& s)
{
    CounterSettings& c = s.counter;
    const CounterSettings d;
    c.start = boundedNumber(fields, 1, 0, CounterSettings::kMaxStart, d.start);
    c.step = int(boundedNumber(fields, 2, 1, CounterSettings::kMaxStep, d.step));
    c.width = int(boundedNumber(fields, 3, 0, CounterSettings::kMaxWidth, d.width));
    c.perSheet = boundedNumber(fields, 4, 0, 1, 0) != 0;
    c.carryOn = boundedNumber(fields, 5, 0, 1, 0) != 0;
    // A format is a few characters; a field name as long as any.
    const auto text = [&fields](int index) { return index < fields.size() ? fields.at(index).left(kMaxTextLength) : QString(); };
    s.dateFormat = text(6);
    s.timeFormat = text(7);
    s.copiesField = text(8).trimmed();
}

MergeSettings carriedOn(const MergeSettings& settings, qint64 counted)
{
    MergeSettings next = settings;
    if (settings.counter.carryOn && counted > 0)
        next.counter.start = std::min(CounterSettings::kMaxStart, settings.counter.start + counted * settings.counter.step);
    return next;
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
