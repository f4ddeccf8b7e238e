#include "windows/ui/TemplateMenu.h"

#include "document/core/ProjectFile.h"
#include "settings/core/AppPaths.h"
#include "widgets/ui/Dialogs.h"
#include "windows/ui/MainWindowServices.h"
#include "windows/ui/ProjectFiles.h"
#include "windows/ui/frmProjet.h"

#include <QAction>
#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <algorithm>

namespace plk {

const QString& TemplateMenu::placeholder()
{
    static const QString text = QStringLiteral("[ Aucun gabarit disponible ]");
    return text;
}

TemplateMenu::TemplateMenu(MainWindowServices& menu)
    : QObject(menu.mainWidget()), m_menu(menu)
{
    menu.commandParts().refreshTemplates = [this] { RefreshTemplateMenu(); };
    menu.commandParts().saveAsTemplate = [this] {
        if (frmProjet* window = m_menu.activeProject())
            SaveAsTemplate(*window);
    };
    RefreshTemplateMenu();
}

void TemplateMenu::RefreshTemplateMenu()
{
    QMenu* gabarits = m_menu.templatesMenu();
    for (int i = 1; i < m_entries.size(); ++i)
        delete m_entries[i];
    if (m_entries.isEmpty()) {
        QAction* first = gabarits->addAction(QString());
        connect(first, &QAction::triggered, this, [this] { Mnu_File_Gabarits_Click(0); });
        m_entries.append(first);
    }
    m_entries.resize(1);
    m_entries[0]->setText(placeholder());
    m_entries[0]->setData(QString());

    const QList<QFileInfo> files = templateFiles();
    for (int j = 0; j < files.size(); ++j) {
        if (j > 0) {
            QAction* entry = gabarits->addAction(QString());
            connect(entry, &QAction::triggered, this, [this, j] { Mnu_File_Gabarits_Click(j); });
            m_entries.append(entry);
        }
        // "&" would be taken for a shortcut mark in a menu caption.
        m_entries[j]->setText(captionFromFileTitle(files[j].fileName()).replace(QLatin1Char('&'), QStringLiteral("&&")));
        m_entries[j]->setData(files[j].filePath());
    }
}

QList<QFileInfo> TemplateMenu::templateFiles() const
{
    // Numbers in names in their numeric order: sheets of 38,1 mm labels before 105 mm
    // ones. The menus are French, and so is their order, whatever the user's locale.
    QCollator collator(QLocale(QLocale::French, QLocale::France));
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto list = [&collator](const QString& folder) {
        QList<QFileInfo> files = QDir(folder).entryInfoList({QStringLiteral("*.gab")}, QDir::Files);
        std::sort(files.begin(), files.end(), [&collator](const QFileInfo& a, const QFileInfo& b) {
            return collator.compare(a.fileName(), b.fileName()) < 0;
        });
        return files;
    };
    QList<QFileInfo> files = list(m_menu.paths().templatesFolder());
    QStringList names;
    for (const QFileInfo& f : files)
        names << f.fileName();
    const QString installed = m_menu.paths().installedTemplatesFolder();
    if (!installed.isEmpty()) {
        for (const QFileInfo& f : list(installed))
            if (!names.contains(f.fileName()))
                files << f;
    }
    return files;
}

void TemplateMenu::Mnu_File_Gabarits_Click(int index)
{
    if (index < 0 || index >= m_entries.size())
        return;
    const QString path = m_entries[index]->data().toString();
    if (path.isEmpty())
        return;
    frmProjet* window = m_menu.createProjectWindow();
    ProjectFiles files(m_menu.dialogs(), m_menu.paths());
    if (!files.readInto(*window, {path, QFileInfo(path).fileName(), false})) {
        delete window->parentWidget();  // never shown
        return;
    }
    // A new project: Enregistrer asks for a name, the template itself stays as it is.
    window->setFilePath(QString());
    m_menu.showProjectWindow(window);
}

void TemplateMenu::SaveAsTemplate(frmProjet& window)
{
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Enregistrer le projet sous...");
    request.filters = {QStringLiteral("Gabarit Plakatorium (*.gab)")};
    request.directory = m_menu.paths().templatesFolder();
    request.defaultSuffix = QStringLiteral("gab");
    request.fileName = request.withDefaultSuffix(window.caption());
    const auto chosen = m_menu.dialogs().saveFile(&window, request);
    if (!chosen)
        return;
    // Only names ending in ".gab" are listed in the Gabarits menu.
    const QString path = request.withDefaultSuffix(chosen->path);
    const QString reason = writeProjectFile(path, window.project());
    if (!reason.isEmpty()) {
        m_menu.dialogs().message(&window,
                                 QStringLiteral("Erreur lors de l'enregistrement du gabarit.\n\n%1\n%2")
                                     .arg(QDir::toNativeSeparators(path), reason),
                                 Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return;
    }
    RefreshTemplateMenu();
}

void installShippedTemplates(const QString& templatesFolder)
{
    const QDir shipped(QStringLiteral(":/templates"));
    // The address template's sample data file goes beside it.
    for (const QString& name : shipped.entryList({QStringLiteral("*.gab"), QStringLiteral("*.csv")}, QDir::Files)) {
        const QString target = templatesFolder + QLatin1Char('/') + name;
        if (!QFileInfo::exists(target) && QFile::copy(shipped.filePath(name), target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

}  // namespace plk
