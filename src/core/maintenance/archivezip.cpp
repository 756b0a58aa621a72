#include "archivezip.h"

#include "erreurzip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

namespace {

void SynchroniserDossier(const QString& dossier)
{
    const int fd = ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The order in which zip_close writes the entries, with what each weighs for the progress report.
struct Ecriture
{
    const Progression* progression = nullptr;
    std::vector<qint64> tailles; // per written entry; -1 for an entry kept from the archive
    int fichiersTotal = 0;
    qint64 octetsTotal = 0;
};

// zip_close reports a fraction where each written entry takes an equal share, its data filling it.
void RapporterEcriture(zip_t*, double fraction, void* etat)
{
    const auto* e = static_cast<const Ecriture*>(etat);
    Avancement a;
    a.fichiersTotal = e->fichiersTotal;
    a.octetsTotal = e->octetsTotal;
    const double position = fraction * static_cast<double>(e->tailles.size());
    const size_t entieres = std::min(e->tailles.size(), static_cast<size_t>(position));
    for (size_t i = 0; i < entieres; ++i) {
        if (e->tailles[i] >= 0) {
            ++a.fichiersFaits;
            a.octetsFaits += e->tailles[i];
        }
    }
    if (entieres < e->tailles.size() && e->tailles[entieres] > 0)
        a.octetsFaits +=
            static_cast<qint64>((position - static_cast<double>(entieres)) * e->tailles[entieres]);
    e->progression->Rapporter(a);
}

int AnnulerEcriture(zip_t*, void* etat)
{
    return static_cast<const Ecriture*>(etat)->progression->estAnnulee() ? 1 : 0;
}

} // namespace

namespace {

// Adds the files to the archive at `copie`, naming `archive` in messages. libzip itself writes through
// a file beside `copie` that it renames over it, but does not flush it to disk first.
Resultat Ajouter(const QString& copie, bool nouvelle, const QString& archive,
                 const std::vector<FichierArchive>& fichiers, const char* motDePasse,
                 const Progression& progression)
{
    int code = 0;
    // libzip takes an empty file for a damaged archive unless told to start afresh.
    zip_t* za =
        zip_open(QFile::encodeName(copie).constData(), ZIP_CREATE | (nouvelle ? ZIP_TRUNCATE : 0), &code);
    if (!za)
        return EchecOuverture(code, archive);

    Ecriture ecriture;
    ecriture.progression = &progression;
    std::vector<qint64> taillesParIndice;
    for (const FichierArchive& fichier : fichiers) {
        zip_error_t erreur;
        zip_error_init(&erreur);
        zip_source_t* source =
            zip_source_file_create(QFile::encodeName(fichier.chemin).constData(), 0, -1, &erreur);
        if (!source) {
            const Resultat r = EchecZip(&erreur, fichier.chemin);
            zip_error_fini(&erreur);
            zip_discard(za);
            return r;
        }
        zip_error_fini(&erreur);
        const QByteArray nom = fichier.nom.toUtf8();
        // zip_file_replace would reset the compression level of a deflated entry: delete and add.
        const zip_int64_t ancien = zip_name_locate(za, nom.constData(), 0);
        if (ancien >= 0)
            zip_delete(za, static_cast<zip_uint64_t>(ancien));
        const zip_int64_t indice = zip_file_add(za, nom.constData(), source, ZIP_FL_ENC_UTF_8);
        if (indice < 0 ||
            zip_set_file_compression(za, static_cast<zip_uint64_t>(indice), ZIP_CM_DEFLATE, 1) != 0 ||
            zip_file_set_encryption(za, static_cast<zip_uint64_t>(indice), ZIP_EM_TRAD_PKWARE, motDePasse) !=
                0) {
            if (indice < 0)
                zip_source_free(source);
            const Resultat r = EchecZip(zip_get_error(za), archive);
            zip_discard(za);
            return r;
        }
        if (taillesParIndice.size() <= static_cast<size_t>(indice))
            taillesParIndice.resize(static_cast<size_t>(indice) + 1, -1);
        taillesParIndice[static_cast<size_t>(indice)] = fichier.taille;
        ++ecriture.fichiersTotal;
        ecriture.octetsTotal += fichier.taille;
    }
    // The entries zip_close will write, in its order: those not deleted, by index.
    const zip_int64_t entrees = zip_get_num_entries(za, 0);
    for (zip_int64_t i = 0; i < entrees; ++i) {
        zip_stat_t etat;
        if (zip_stat_index(za, static_cast<zip_uint64_t>(i), 0, &etat) != 0)
            continue; // deleted
        ecriture.tailles.push_back(
            static_cast<size_t>(i) < taillesParIndice.size() ? taillesParIndice[static_cast<size_t>(i)] : -1);
    }
    if (progression.rapporter)
        zip_register_progress_callback_with_state(za, 0.001, RapporterEcriture, nullptr, &ecriture);
    if (progression.annulation)
        zip_register_cancel_callback_with_state(za, AnnulerEcriture, nullptr, &ecriture);

    if (zip_close(za) != 0) {
        const Resultat r = EchecZip(zip_get_error(za), archive);
        zip_discard(za);
        return r;
    }
    return Resultat::Succes();
}

Resultat EchecEcriture(const QString& archive, const QString& raison)
{
    return Resultat::Echec(
        QStringLiteral("Impossible d'écrire l'archive « %1 » : %2.").arg(Natif(archive), raison));
}

} // namespace

Resultat EcrireArchive(const QString& archive, const std::vector<FichierArchive>& fichiers,
                       const char* motDePasse, const Progression& progression)
{
    // The new archive is made in a copy beside the old one, flushed to disk, then renamed over it: the
    // archive on disk is always either the old one or the whole new one.
    const QFileInfo info(archive);
    QTemporaryFile copie(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                         QStringLiteral(".XXXXXX"));
    if (!copie.open())
        return EchecEcriture(archive, copie.errorString());
    mode_t mode = 0666;
    if (info.exists()) {
        QFile ancienne(archive);
        if (!ancienne.open(QIODevice::ReadOnly))
            return Resultat::Echec(QStringLiteral("Impossible d'ouvrir le fichier « %1 » : %2.")
                                       .arg(Natif(archive), ancienne.errorString()));
        QByteArray tampon(1024 * 1024, Qt::Uninitialized);
        for (;;) {
            const qint64 lus = ancienne.read(tampon.data(), tampon.size());
            if (lus < 0)
                return Resultat::Echec(QStringLiteral("Impossible de lire le fichier « %1 » : %2.")
                                           .arg(Natif(archive), ancienne.errorString()));
            if (lus == 0)
                break;
            if (copie.write(tampon.constData(), lus) != lus)
                return EchecEcriture(archive, copie.errorString());
        }
        struct stat etat;
        if (::fstat(ancienne.handle(), &etat) == 0)
            mode = etat.st_mode & 07777;
    } else {
        const mode_t masque = ::umask(0);
        ::umask(masque);
        mode &= ~masque;
    }
    // libzip gives its output the mode of the file it replaces.
    ::fchmod(copie.handle(), mode);
    if (!copie.flush())
        return EchecEcriture(archive, copie.errorString());
    copie.close();

    const Resultat r = Ajouter(copie.fileName(), !info.exists(), archive, fichiers, motDePasse, progression);
    if (!r)
        return r;
    const QByteArray chemin = QFile::encodeName(copie.fileName());
    const int fd = ::open(chemin.constData(), O_RDONLY | O_CLOEXEC);
    const bool durable = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!durable || ::rename(chemin.constData(), QFile::encodeName(archive).constData()) != 0)
        return EchecEcriture(archive, TexteSysteme(errno));
    copie.setAutoRemove(false);
    SynchroniserDossier(info.absolutePath());
    return Resultat::Succes();
}
