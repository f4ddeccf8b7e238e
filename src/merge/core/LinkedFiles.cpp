#include "merge/core/LinkedFiles.h"

#include "base/core/IniFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace plk {

namespace {

const QString kSection = QStringLiteral("FICHIERS LIES");
const QString kYes = QStringLiteral("Oui");
const QString kNo = QStringLiteral("Non");

/// The path with its links resolved as far as it exists (a missing file is judged by
/// where it would be).
QString resolved(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : folder + QLatin1Char('/') + info.fileName();
}

}  // namespace

bool insideProjectTree(const QString& dataFile, const QString& projectFolder)
{
    if (projectFolder.isEmpty() || dataFile.isEmpty())
        return false;
    const QString folder = resolved(projectFolder);
    const QString relative = QDir(folder).relativeFilePath(resolved(dataFile));
    if (relative.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(relative))
        return false;
    QStringList parts = relative.split(QLatin1Char('/'));
    parts.removeLast();  // the file itself
    return std::none_of(parts.begin(), parts.end(), [](const QString& p) { return p.startsWith(QLatin1Char('.')); });
}

QString linkedFileQuestion(const QString& dataFile)
{
    return QStringLiteral("Ce projet lit le fichier « %1 », hors de son dossier. Autoriser cette lecture ?").arg(dataFile);
}

QString linkedFileRefusal(const QString& dataFile)
{
    return QStringLiteral("Ce projet lit le fichier « %1 », hors de son dossier : lecture refusée. Choisissez ce fichier "
                          "dans la page « FUSION » de la boîte à outils pour l'autoriser.")
        .arg(dataFile);
}

QString LinkedFileAnswers::key(const QString& dataFile) const
{
    const QByteArray both = m_project.toUtf8() + '\0' + dataFile.toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(both, QCryptographicHash::Sha256).toHex().left(16));
}

std::optional<bool> LinkedFileAnswers::answer(const QString& dataFile) const
{
    const QString value = IniDocument::load(m_settings).value(kSection, key(dataFile));
    if (value == kYes)
        return true;
    if (value == kNo)
        return false;
    return std::nullopt;
}

bool LinkedFileAnswers::remember(const QString& dataFile, bool agreed, QString* reason) const
{
    IniDocument ini = IniDocument::load(m_settings);
    ini.setValue(kSection, key(dataFile), agreed ? kYes : kNo);
    return ini.save(m_settings, reason);
}

}  // namespace plk
