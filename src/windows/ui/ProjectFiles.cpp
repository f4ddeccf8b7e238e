#include "windows/ui/ProjectFiles.h"

#include "catalogue/core/Catalogue.h"
#include "document/core/GlabelsImport.h"
#include "document/core/LegacyImport.h"
#include "document/core/ProjectFile.h"
#include "settings/core/AppPaths.h"
#include "windows/ui/frmProjet.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace plk {

QStringList ProjectFiles::openFilters()
{
    return {QStringLiteral("Format Plakatorium (*.plk *.plc)"), QStringLiteral("Format ancien (*.prj)"),
            QStringLiteral("Projet gLabels (*.glabels)")};
}

QString ProjectFiles::sameFileKey(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QStringList ProjectFiles::saveFilters() { return {QStringLiteral("Format Plakatorium (*.plk)")}; }

bool ProjectFiles::save(frmProjet& window, bool saveAs)
{
    QString path = window.filePath();
    const bool ask = path.isEmpty() || saveAs;
    if (ask) {
        Dialogs::FileRequest request;
        request.title = QStringLiteral("Enregistrer le projet sous...");
        request.filters = saveFilters();
        request.directory = m_paths.projectsFolder();
        request.fileName = window.lastSaveName;
        request.defaultSuffix = QStringLiteral("plk");
        const auto chosen = m_dialogs.saveFile(&window, request);
        if (!chosen)
            return false;
        path = request.withDefaultSuffix(chosen->path);
        window.lastSaveName = QFileInfo(path).fileName();
    }
    const QString reason = writeProjectFile(path, window.project());
    if (!reason.isEmpty()) {
        m_dialogs.message(&window,
                          QStringLiteral("Erreur lors de l'enregistrement du projet.\n\n%1\n%2")
                              .arg(QDir::toNativeSeparators(path), reason),
                          Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return false;
    }
    QApplication::beep();
    window.markSaved();
    if (ask) {
        window.setCaption(captionFromFileTitle(QFileInfo(path).fileName()));
        window.setFilePath(path);
    }
    if (used)
        used(path);
    return true;
}

std::optional<ProjectFiles::Choice> ProjectFiles::askOpen(QWidget* parent)
{
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Ouvrir un projet");
    request.filters = openFilters();
    request.directory = m_paths.projectsFolder();
    const auto chosen = m_dialogs.openFile(parent, request);
    if (!chosen)
        return std::nullopt;
    return Choice{chosen->path, QFileInfo(chosen->path).fileName(), chosen->filterIndex == 1,
                  chosen->filterIndex == 2};
}

ProjectFiles::Choice ProjectFiles::choiceFor(const QString& path)
{
    const QFileInfo info(path);
    return Choice{path, info.fileName(), info.suffix().compare(QLatin1String("prj"), Qt::CaseInsensitive) == 0,
                  isGlabelsFile(path)};
}

bool ProjectFiles::readInto(frmProjet& window, const Choice& file)
{
    const bool read = readOrImport(window, file);
    if (read && used)
        used(file.path);
    return read;
}

bool ProjectFiles::readOrImport(frmProjet& window, const Choice& file)
{
    const QString shown = QDir::toNativeSeparators(file.path);
    if (file.glabels)
        return importGlabels(window, file);
    if (file.legacy) {
        const ReadResult r = importLegacyProject(file.path, file.fileTitle, window.project());
        if (!r.ok()) {
            m_dialogs.message(&window,
                              QStringLiteral("Le fichier « %1 » ne peut pas être importé.\n\n%2").arg(shown, r.reason),
                              Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
            return false;
        }
        window.setFilePath(file.path);
        return true;
    }
    const ReadResult r = readProjectFile(file.path, window.project());
    if (r.status == ReadResult::Status::CannotOpen) {
        m_dialogs.message(&window, QStringLiteral("Le fichier « %1 » ne peut pas être ouvert.\n\n%2").arg(shown, r.reason),
                          Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return false;
    }
    window.setCaption(captionFromFileTitle(file.fileTitle));
    window.setFilePath(file.path);
    if (r.status == ReadResult::Status::StoppedAtRecord)
        m_dialogs.message(&window,
                          QStringLiteral("La lecture du fichier « %1 » s'est arrêtée à la ligne %2 (%3).\n\n"
                                         "Le projet est ouvert avec ce qui a pu être lu.")
                              .arg(shown)
                              .arg(r.line)
                              .arg(r.reason),
                          Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
    return true;
}

bool ProjectFiles::importGlabels(frmProjet& window, const Choice& file)
{
    const QString shown = QDir::toNativeSeparators(file.path);
    const Catalogue catalogue(Catalogue::defaultFolders(m_paths.programFolder()));
    const GlabelsImport imported = importGlabelsProject(file.path, window.project(), QString(),
                                                        RegionalFormat::system(), &catalogue);
    const ReadResult& r = imported.result;
    if (r.status == ReadResult::Status::CannotOpen) {
        m_dialogs.message(&window, QStringLiteral("Le fichier « %1 » ne peut pas être ouvert.\n\n%2").arg(shown, r.reason),
                          Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return false;
    }
    // The window keeps no file: Enregistrer asks for a name of ours, so that the
    // gLabels file is never written over.
    const QString name = QFileInfo(file.path).completeBaseName();
    window.setCaption(name);
    window.lastSaveName = name + QStringLiteral(".plk");
    if (r.status == ReadResult::Status::StoppedAtRecord)
        m_dialogs.message(&window,
                          QStringLiteral("L'import du fichier « %1 » s'est arrêté (%2).\n\n"
                                         "Le projet est ouvert avec ce qui a pu être lu.")
                              .arg(shown, r.reason),
                          Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
    if (!imported.losses.isEmpty())
        m_dialogs.message(&window, glabelsLossesMessage(file.path, imported.losses), Dialogs::Icon::Exclamation,
                          Dialogs::Buttons::Ok);
    return true;
}

}  // namespace plk
