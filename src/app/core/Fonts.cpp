#include "app/core/Fonts.h"

#include <QDir>
#include <QFontDatabase>

namespace plk {

void registerProgramFonts()
{
    const QDir wineFonts(QStringLiteral("/usr/share/wine/fonts"));
    for (const QString& name : {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf")}) {
        if (wineFonts.exists(name))
            QFontDatabase::addApplicationFont(wineFonts.filePath(name));
    }
}

}  // namespace plk
