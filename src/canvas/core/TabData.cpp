#include "canvas/core/TabData.h"

#include "canvas/core/Etiquette.h"

namespace plk {

QStringList mergedTexts(const Etiquette& tab)
{
    QStringList texts;
    for (int i = 1; i <= tab.labelCount(); ++i)
        texts.append(tab.label(i).Caption);
    for (int i = 1; i <= tab.codeCount(); ++i)
        if (tab.code(i).Visible)
            texts.append(tab.code(i).Data);
    // A logo's picture field is checked against the file as a marker would be.
    for (int i = 1; i <= tab.logoCount(); ++i)
        if (tab.logo(i).Visible && !tab.logo(i).pictureField.isEmpty())
            texts.append(QStringLiteral("«") + tab.logo(i).pictureField + QStringLiteral("»"));
    return texts;
}

MergeData loadTabData(const Etiquette& tab, bool agreed)
{
    MergeSettings settings = tab.mergeSettings();
    settings.needsConsent = settings.needsConsent && !agreed;
    MergeData data = loadMergeData(settings, mergedTexts(tab));
    if (data.ok() && data.table.rowCount() == 0)
        data.error = QStringLiteral("Fichier de données « %1 » : aucune ligne après celle des noms de champs.")
                         .arg(tab.mergeSettings().dataFile);
    return data;
}

}  // namespace plk
