#pragma once
// The project files named on the command line ("plakatorium FILE...", as a file manager
// starts the program for the files it opens): each is opened as "Ouvrir un projet..."
// opens the file it is given, with the same messages when one cannot be read.

#include <QStringList>

namespace plk {

class MainWindowServices;

class FileArguments {
public:
    /// From the program's arguments, the first being the program itself. Paths are
    /// made absolute against the current folder; "file:" URLs become their paths.
    explicit FileArguments(const QStringList& arguments);

    const QStringList& files() const { return m_files; }
    /// Opens every file in a window of its own.
    void openIn(MainWindowServices& menu) const;
    /// Files a later start handed over: the main window comes to the front and opens them.
    static void openHandedOver(MainWindowServices& menu, const QStringList& files);

private:
    QStringList m_files;
};

}  // namespace plk
