#include "app/core/Fonts.h"
#include "app/core/MemoryTuning.h"
#include "batch/core/BatchCommands.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

// The tool's own output is its result and one line per failure; Qt's notes about the
// platform (no runtime folder, no screen) would only get in the way of scripts.
void quietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char* argv[])
{
    plk::keepLargeBlocksForReuse();
    qInstallMessageHandler(quietQtNotes);
    // No windows: text metrics and pictures still need a GUI application.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    plk::registerProgramFonts();
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return plk::runBatch(args, out, err);
}
