#include "FuzzSupport.h"

#include "app/core/Fonts.h"
#include "document/core/ProjectFile.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace plk::fuzz {

void initialise()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    // Made once and never destroyed: the run ends by exit(), after Qt's thread-local
    // storage is gone, where the application's destructor would crash.
    static const QGuiApplication* const app = new QGuiApplication(argc, argv);
    (void)app;
    registerProgramFonts();
}

const RegionalFormat& format()
{
    static const RegionalFormat french = RegionalFormat::forLocale(QStringLiteral("fr_FR.UTF-8"));
    return french;
}

void finding(const char* what, const QString& detail)
{
    std::fprintf(stderr, "FINDING: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

namespace {

QString readBack(const QString& text, Project& into)
{
    const ReadResult r = readProjectData(encodeProjectText(text), into, format());
    if (!r.ok())
        finding("a written project does not read back",
                QStringLiteral("line %1: %2\n%3").arg(r.line).arg(r.reason, text));
    return projectFileText(into, format());
}

}  // namespace

void paintWriteAndReadBack(Project& project)
{
    for (int i = 1; i <= project.tabCount(); ++i)
        (void)project.tab(i).Picture(false);
    const QString first = projectFileText(project, format());
    Project second;
    const QString again = readBack(first, second);
    Project third;
    if (readBack(again, third) != again)
        finding("a project read back is written differently", again);
}

}  // namespace plk::fuzz
