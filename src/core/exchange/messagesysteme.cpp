#include "messagesysteme.h"

#include <cerrno>
#include <cstring>

QString MessageSysteme(int erreur, const QString& repli)
{
    switch (erreur) {
    case ENOENT:
        return QStringLiteral("Le fichier ou le dossier spécifié est introuvable.");
    case ENOTDIR:
        return QStringLiteral("Le chemin d'accès spécifié est introuvable.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Accès refusé.");
    case EISDIR:
        return QStringLiteral("Ce nom est celui d'un dossier.");
    case EROFS:
        return QStringLiteral("Le support est protégé en écriture.");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Il n'y a pas assez d'espace sur le disque.");
    case ENAMETOOLONG:
        return QStringLiteral("Le nom du fichier est trop long.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Le système ne peut pas ouvrir davantage de fichiers.");
    case EIO:
        return QStringLiteral("Erreur d'entrée/sortie sur le périphérique.");
    default:
        break;
    }
    if (!repli.isEmpty()) {
        return repli;
    }
    return erreur != 0 ? QString::fromLocal8Bit(std::strerror(erreur)) : QStringLiteral("Erreur inconnue.");
}
