#include "app/ui/FileArguments.h"

#include "windows/ui/MainWindowServices.h"

#include <QFileInfo>
#include <QUrl>
#include <QWidget>

namespace plk {

FileArguments::FileArguments(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString path = argument.startsWith(QLatin1String("file:")) ? QUrl(argument).toLocalFile() : argument;
        if (!path.isEmpty())
            m_files << QFileInfo(path).absoluteFilePath();
    }
}

void FileArguments::openIn(MainWindowServices& menu) const
{
    for (const QString& file : m_files)
        menu.openProjectFile(file);
}

void FileArguments::openHandedOver(MainWindowServices& menu, const QStringList& files)
{
    QWidget* window = menu.mainWidget();
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->raise();
    window->activateWindow();
    for (const QString& file : files)
        menu.openProjectFile(file);
}

}  // namespace plk
