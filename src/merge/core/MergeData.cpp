#include "merge/core/MergeData.h"

#include "merge/core/BuiltInMarkers.h"
#include "merge/core/DataFile.h"
#include "merge/core/FieldMarkers.h"
#include "merge/core/LinkedFiles.h"

namespace plk {

MergeData loadMergeData(const MergeSettings& settings, const QStringList& texts)
{
    if (settings.needsConsent)
        return {DataTable(), linkedFileRefusal(settings.dataFile), {}, {}};
    DataFileResult read = readDataFile(settings.dataFile);
    if (!read.ok())
        return {DataTable(), read.error, {}, {}};
    QStringList unknown = unknownMarkers(texts, read.table.fields() + builtInMarkers());
    return {std::move(read.table), QString(), std::move(unknown), read.warning};
}

QString unknownMarkersWarning(const QStringList& unknown)
{
    QStringList markers;
    for (const QString& name : unknown)
        markers.append(QStringLiteral("«") + name + QStringLiteral("»"));
    const QString head = unknown.size() == 1
                             ? QStringLiteral("Ce champ ne figure pas dans le fichier de données ; il sera imprimé tel quel :")
                             : QStringLiteral("Ces champs ne figurent pas dans le fichier de données ; ils seront imprimés "
                                              "tels quels :");
    return head + QStringLiteral("\n\n") + markers.join(QStringLiteral(", "));
}

}  // namespace plk
