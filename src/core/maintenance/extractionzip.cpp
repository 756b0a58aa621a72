#include "archivezip.h"
#include "entreechiffree.h"
#include "erreurzip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <memory>
#include <zip.h>

QString NomSimple(const QString& nomEntree)
{
    QString nom = nomEntree;
    nom.replace(u'\\', u'/');
    if (nom.endsWith(u'/'))
        return QString(); // a folder
    nom = nom.mid(nom.lastIndexOf(u'/') + 1);
    // A drive-relative name such as "C:donnees.db".
    if (nom.size() >= 2 && nom.at(1) == u':' && nom.at(0).isLetter())
        nom = nom.mid(2);
    if (nom == QLatin1String(".") || nom == QLatin1String(".."))
        return QString();
    return nom;
}

Resultat ExtraireArchive(const QString& archive, const QString& dossier, const char* motDePasse,
                         QStringList& extraits, const Progression& progression)
{
    extraits.clear();
    if (!QFileInfo(archive).isFile())
        return Resultat::Echec(QStringLiteral("Le fichier « %1 » n'existe pas.").arg(Natif(archive)),
                               ZIP_ER_NOENT);
    int code = 0;
    zip_t* za = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, &code);
    if (!za)
        return EchecOuverture(code, archive);
    zip_set_default_password(za, motDePasse);

    // What is to be extracted, for the progress report.
    struct Entree
    {
        zip_uint64_t indice;
        QString nom;
        qint64 taille;
        // Deflated under the traditional encryption: read by our own decryption.
        bool chiffrementClassique;
        std::uint32_t crc;
    };
    std::vector<Entree> entrees;
    Avancement avancement;
    const zip_int64_t nombre = zip_get_num_entries(za, 0);
    for (zip_int64_t i = 0; i < nombre; ++i) {
        zip_stat_t etat;
        if (zip_stat_index(za, static_cast<zip_uint64_t>(i), 0, &etat) != 0 || !(etat.valid & ZIP_STAT_NAME))
            continue;
        const QString nom = NomSimple(QString::fromUtf8(etat.name));
        // Hidden names are never stored by a backup, and the catalogue's lock file is one of them.
        if (nom.isEmpty() || nom.startsWith(u'.'))
            continue;
        const qint64 taille = (etat.valid & ZIP_STAT_SIZE) ? static_cast<qint64>(etat.size) : 0;
        const bool classique = (etat.valid & ZIP_STAT_ENCRYPTION_METHOD) &&
                               (etat.valid & ZIP_STAT_COMP_METHOD) && (etat.valid & ZIP_STAT_CRC) &&
                               etat.encryption_method == ZIP_EM_TRAD_PKWARE &&
                               etat.comp_method == ZIP_CM_DEFLATE;
        entrees.push_back({static_cast<zip_uint64_t>(i), nom, taille, classique, etat.crc});
        avancement.octetsTotal += taille;
    }
    avancement.fichiersTotal = static_cast<int>(entrees.size());
    progression.Rapporter(avancement);

    const QDir cible(dossier);
    QByteArray tampon(256 * 1024, Qt::Uninitialized);
    Resultat resultat = Resultat::Succes();
    for (const Entree& entree : entrees) {
        const qint64 depart = avancement.octetsFaits;
        if (!extraits.contains(entree.nom)) {
            // A wrong password mostly fails here; about one in 256 passes the check byte and fails
            // while reading (inflate or CRC error). Either way the entry is skipped.
            zip_file_t* fz =
                zip_fopen_index(za, entree.indice, entree.chiffrementClassique ? ZIP_FL_ENCRYPTED : 0);
            std::unique_ptr<EntreeChiffree> chiffree;
            if (fz && entree.chiffrementClassique)
                chiffree = std::make_unique<EntreeChiffree>(fz, QByteArray(motDePasse ? motDePasse : ""),
                                                            entree.crc);
            if (fz) {
                QFile sortie(cible.filePath(entree.nom));
                if (!sortie.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                    zip_fclose(fz);
                    resultat = Resultat::Echec(QStringLiteral("Impossible de créer le fichier « %1 » : %2")
                                                   .arg(Natif(sortie.fileName()), sortie.errorString()));
                    break;
                }
                bool lisible = true;
                for (;;) {
                    if (progression.estAnnulee()) {
                        resultat = Resultat::Silencieux(QStringLiteral("Opération annulée."), CodeAnnulation);
                        break;
                    }
                    const qint64 lus =
                        chiffree ? chiffree->Lire(tampon.data(), tampon.size())
                                 : zip_fread(fz, tampon.data(), static_cast<zip_uint64_t>(tampon.size()));
                    if (lus < 0) {
                        lisible = false;
                        break;
                    }
                    if (lus == 0)
                        break;
                    if (sortie.write(tampon.constData(), lus) != lus) {
                        resultat =
                            Resultat::Echec(QStringLiteral("Impossible d'écrire le fichier « %1 » : %2")
                                                .arg(Natif(sortie.fileName()), sortie.errorString()));
                        break;
                    }
                    avancement.octetsFaits = std::min(depart + entree.taille, avancement.octetsFaits + lus);
                    progression.Rapporter(avancement);
                }
                chiffree.reset();
                // The raw read of an encrypted entry checks nothing itself: its CRC was checked above.
                if (zip_fclose(fz) != 0)
                    lisible = false;
                if (resultat && lisible && !sortie.flush()) {
                    resultat = Resultat::Echec(QStringLiteral("Impossible d'écrire le fichier « %1 » : %2")
                                                   .arg(Natif(sortie.fileName()), sortie.errorString()));
                }
                sortie.close();
                if (!resultat || !lisible) {
                    sortie.remove();
                    if (!resultat)
                        break;
                } else {
                    extraits << entree.nom;
                }
            }
        }
        ++avancement.fichiersFaits;
        avancement.octetsFaits = depart + entree.taille;
        progression.Rapporter(avancement);
    }
    zip_discard(za);
    return resultat;
}
