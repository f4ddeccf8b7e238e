#include "app/core/QtFrench.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace plk {

bool installQtFrench(QCoreApplication& app)
{
    // The application owns the translator: it serves for the whole run.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace plk
