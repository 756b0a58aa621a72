#include "erreurzip.h"

#include "archivezip.h"

#include <QDir>
#include <cstring>
#include <zip.h>

QString Natif(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin);
}

QString TexteSysteme(int erreur)
{
    return QString::fromLocal8Bit(std::strerror(erreur));
}

namespace {

// libzip's code, with the system's reason when there is one.
QString TexteErreurZip(int code, int systeme, const QString& archive)
{
    const QString nom = Natif(archive);
    QString texte;
    switch (code) {
    case ZIP_ER_NOZIP:
        return QStringLiteral("Le fichier « %1 » n'est pas une archive zip.").arg(nom);
    case ZIP_ER_NOENT:
        return QStringLiteral("Le fichier « %1 » n'existe pas.").arg(nom);
    case ZIP_ER_INCONS:
    case ZIP_ER_CRC:
    case ZIP_ER_COMPNOTSUPP:
        return QStringLiteral("L'archive « %1 » est endommagée ou d'un format inconnu.").arg(nom);
    case ZIP_ER_MEMORY:
        return QStringLiteral("Mémoire insuffisante pour traiter l'archive « %1 ».").arg(nom);
    case ZIP_ER_OPEN:
        texte = QStringLiteral("Impossible d'ouvrir le fichier « %1 »").arg(nom);
        break;
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
        texte = QStringLiteral("Impossible de lire le fichier « %1 »").arg(nom);
        break;
    case ZIP_ER_TMPOPEN:
    case ZIP_ER_WRITE:
    case ZIP_ER_RENAME:
    case ZIP_ER_CLOSE:
    case ZIP_ER_REMOVE:
    case ZIP_ER_RDONLY:
        texte = QStringLiteral("Impossible d'écrire l'archive « %1 »").arg(nom);
        break;
    default: {
        zip_error_t erreur;
        zip_error_init_with_code(&erreur, code);
        texte = QStringLiteral("Erreur de l'archive « %1 » : %2")
                    .arg(nom, QString::fromLocal8Bit(zip_error_strerror(&erreur)));
        zip_error_fini(&erreur);
        return texte + u'.';
    }
    }
    if (systeme != 0)
        texte += QStringLiteral(" : ") + TexteSysteme(systeme);
    return texte + u'.';
}

} // namespace

Resultat EchecZip(const zip_error_t* erreur, const QString& archive)
{
    const int code = zip_error_code_zip(erreur);
    const int systeme = zip_error_system_type(erreur) == ZIP_ET_SYS ? zip_error_code_system(erreur) : 0;
    if (code == ZIP_ER_CANCELLED)
        return Resultat::Silencieux(QStringLiteral("Opération annulée."), CodeAnnulation);
    return Resultat::Echec(TexteErreurZip(code, systeme, archive), code);
}

Resultat EchecOuverture(int code, const QString& archive)
{
    zip_error_t erreur;
    zip_error_init_with_code(&erreur, code);
    const Resultat r = EchecZip(&erreur, archive);
    zip_error_fini(&erreur);
    return r;
}
