#include "deplacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Natif(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin);
}

bool MemeSysteme(const QString& fichier, const QString& dossier)
{
    struct stat a, b;
    return ::stat(QFile::encodeName(fichier).constData(), &a) == 0 &&
           ::stat(QFile::encodeName(dossier).constData(), &b) == 0 && a.st_dev == b.st_dev;
}

bool Renommer(const QString& de, const QString& vers)
{
    return ::rename(QFile::encodeName(de).constData(), QFile::encodeName(vers).constData()) == 0;
}

void SynchroniserDossier(const QString& dossier)
{
    const int fd = ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Copies a file to a hidden temporary file in the target's folder (hidden files are never archived),
// flushed to disk. Returns its path, or an empty text after setting `erreur`.
QString CopierACote(const QString& source, const QString& cible, QString& erreur)
{
    QFile entree(source);
    if (!entree.open(QIODevice::ReadOnly)) {
        erreur = entree.errorString();
        return QString();
    }
    QTemporaryFile copie(QFileInfo(cible).absolutePath() + QStringLiteral("/.restauration-XXXXXX"));
    copie.setAutoRemove(true);
    if (!copie.open()) {
        erreur = copie.errorString();
        return QString();
    }
    QByteArray tampon(1024 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 lus = entree.read(tampon.data(), tampon.size());
        if (lus < 0) {
            erreur = entree.errorString();
            return QString();
        }
        if (lus == 0)
            break;
        if (copie.write(tampon.constData(), lus) != lus) {
            erreur = copie.errorString();
            return QString();
        }
    }
    if (!copie.flush() || ::fsync(copie.handle()) != 0) {
        erreur = copie.errorString();
        return QString();
    }
    copie.setPermissions(entree.permissions());
    copie.setAutoRemove(false);
    return copie.fileName();
}

// Puts `source` in the place of `cible`; the old `cible` goes to the trash.
bool RemplacerFichier(const QString& source, const QString& cible, QString& erreur)
{
    // Cross-device: the slow copy is made while the old file is still in place.
    QString nouveau = source;
    if (!MemeSysteme(source, QFileInfo(cible).absolutePath())) {
        nouveau = CopierACote(source, cible, erreur);
        if (nouveau.isEmpty())
            return false;
    }
    QString dansLaCorbeille;
    if (QFileInfo::exists(cible) || QFileInfo(cible).isSymLink()) {
        if (!QFile::moveToTrash(cible, &dansLaCorbeille)) {
            erreur = QStringLiteral("impossible de mettre l'ancien fichier à la corbeille");
            if (nouveau != source)
                QFile::remove(nouveau);
            return false;
        }
    }
    if (!Renommer(nouveau, cible)) {
        erreur = QString::fromLocal8Bit(std::strerror(errno));
        if (!dansLaCorbeille.isEmpty())
            Renommer(dansLaCorbeille, cible);
        if (nouveau != source)
            QFile::remove(nouveau);
        return false;
    }
    if (nouveau != source)
        QFile::remove(source);
    return true;
}

void Fusionner(const QString& source, const QString& cible, QStringList& echecs)
{
    if (!QDir().mkpath(cible)) {
        echecs << QStringLiteral("« %1 » : impossible de créer le dossier").arg(Natif(cible));
        return;
    }
    const QFileInfoList elements = QDir(source).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& element : elements) {
        const QString destination = QDir(cible).filePath(element.fileName());
        if (element.isDir() && !element.isSymLink()) {
            Fusionner(element.filePath(), destination, echecs);
            QDir().rmdir(element.filePath());
            continue;
        }
        QString erreur;
        if (!RemplacerFichier(element.filePath(), destination, erreur))
            echecs << QStringLiteral("« %1 » : %2").arg(Natif(destination), erreur);
    }
    SynchroniserDossier(cible);
}

} // namespace

Resultat DeplacerFichiers(const QString& source, const QString& destination)
{
    const QFileInfo infoSource(source);
    if (!infoSource.isDir())
        return Resultat::Echec(QStringLiteral("Le dossier « %1 » n'existe pas.").arg(Natif(source)));
    QStringList echecs;
    Fusionner(infoSource.absoluteFilePath(), QDir(destination).filePath(infoSource.fileName()), echecs);
    QDir().rmdir(infoSource.absoluteFilePath());
    if (!echecs.isEmpty())
        return Resultat::Echec(QStringLiteral("Ces fichiers n'ont pas pu être remplacés :\n") +
                               echecs.join(u'\n'));
    return Resultat::Succes();
}
