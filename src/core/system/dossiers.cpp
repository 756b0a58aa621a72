#include "dossiers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString AvecSeparateur(QString dossier)
{
    if (!dossier.endsWith(u'/'))
        dossier += u'/';
    return dossier;
}

// Creates one folder, or accepts the one already there if it is a real folder of this user: the
// temporary folder is shared, and a restore stages the whole catalogue here. False on an I/O error
// or on a folder (or link) that someone else put in the way.
bool CreerDossier(const QString& chemin)
{
    const QByteArray nom = QFile::encodeName(chemin);
    if (::mkdir(nom.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info;
    return ::lstat(nom.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid();
}

} // namespace

QString DossierTemporaire()
{
    return AvecSeparateur(QDir::tempPath());
}

QString CheminExecutable()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

QString DossierExecutable()
{
    return AvecSeparateur(QFileInfo(CheminExecutable()).absolutePath());
}

bool CreerDossiersTemporaires(int tentativesMax)
{
    for (int passe = 0; passe < tentativesMax; ++passe) {
        const QString racine = DossierTemporaire() + QStringLiteral("kinobral");
        const QString data = racine + QStringLiteral("/data");
        if (!CreerDossier(racine) || !CreerDossier(data))
            return false;
        // Both made or found; check again in case the folder went away meanwhile.
        if (QFileInfo(racine).isDir() && QFileInfo(data).isDir())
            return true;
    }
    return false;
}
