#include "base/core/SystemReason.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace plk {

namespace {

// The errors a file operation meets in practice.
constexpr std::array<std::pair<int, const char*>, 22> kReasons{{
    {ENOENT, "fichier ou dossier introuvable"},
    {EACCES, "permission refusée"},
    {EPERM, "opération non permise"},
    {ENOSPC, "plus de place sur le disque"},
    {EDQUOT, "quota de disque dépassé"},
    {EROFS, "système de fichiers en lecture seule"},
    {EIO, "erreur d'entrée-sortie"},
    {EFBIG, "fichier trop volumineux"},
    {EISDIR, "c'est un dossier"},
    {ENOTDIR, "un élément du chemin n'est pas un dossier"},
    {ENFILE, "trop de fichiers ouverts sur le système"},  // before EMFILE, whose English text it starts with
    {EMFILE, "trop de fichiers ouverts"},
    {ENAMETOOLONG, "nom de fichier trop long"},
    {EEXIST, "le fichier existe déjà"},
    {ELOOP, "trop de liens symboliques"},
    {EBUSY, "périphérique ou ressource occupé"},
    {ENOMEM, "mémoire insuffisante"},
    {EXDEV, "lien entre des systèmes de fichiers différents"},
    {ETXTBSY, "fichier texte occupé"},
    {EINVAL, "argument invalide"},
    {EAGAIN, "ressource temporairement indisponible"},
    {ENXIO, "périphérique ou adresse inexistant"},
}};

}  // namespace

QString systemReason(int error)
{
    for (const auto& [number, text] : kReasons)
        if (number == error)
            return QString::fromUtf8(text);
    return QStringLiteral("erreur système %1").arg(error);
}

QString inFrench(const QString& reason)
{
    QString french = reason;
    for (const auto& [number, text] : kReasons) {
        // The English text, whatever the user's settings, and the system's own in the
        // user's language (Qt's reasons come in it when its messages are installed).
        const char* english = ::strerrordesc_np(number);
        if (english)
            french.replace(QString::fromLatin1(english), QString::fromUtf8(text), Qt::CaseInsensitive);
        const QString local = QString::fromLocal8Bit(::strerror(number));
        if (!local.isEmpty())
            french.replace(local, QString::fromUtf8(text), Qt::CaseInsensitive);
    }
    return french;
}

}  // namespace plk
