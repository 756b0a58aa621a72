#include "sauvegarde.h"

#include "archivezip.h"
#include "catalogue/catalogue.h"
#include "catalogue/connexion.h"
#include "catalogue/tdm.h"
#include "deplacement.h"
#include "system/dossiers.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <memory>
#include <vector>

namespace {

QString Natif(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin);
}

// The files to back up: those of the data folder first, then those of its subfolders, each level in
// name order. Hidden files and folders are not visited.
void ListerFichiers(const QString& dossier, const QString& exclu, std::vector<FichierArchive>& fichiers,
                    QSet<QString>& noms, QStringList& laissesDeCote)
{
    const QDir d(dossier);
    const QFileInfoList elements = d.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& f : elements) {
        if (f.absoluteFilePath() == exclu || f.canonicalFilePath() == exclu)
            continue; // an archive saved into the data folder does not hold itself
        if (noms.contains(f.fileName())) {
            laissesDeCote << f.absoluteFilePath();
            continue;
        }
        noms.insert(f.fileName());
        fichiers.push_back({f.absoluteFilePath(), f.fileName(), f.size()});
    }
    const QFileInfoList sousDossiers = d.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& s : sousDossiers) {
        if (!s.isSymLink()) // a link could lead back up and round
            ListerFichiers(s.absoluteFilePath(), exclu, fichiers, noms, laissesDeCote);
    }
}

QString DossierAttente()
{
    return DossierTemporaire() + QStringLiteral("kinobral/data");
}

// Empties the staging folder of whatever an interrupted restore left there.
bool ViderDossier(const QString& dossier)
{
    bool vide = true;
    const QFileInfoList elements =
        QDir(dossier).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& e : elements) {
        if (e.isDir() && !e.isSymLink())
            vide = QDir(e.absoluteFilePath()).removeRecursively() && vide;
        else
            vide = QFile::remove(e.absoluteFilePath()) && vide;
    }
    return vide;
}

// Keeps only the tables that open as catalogue tables of this program. SQLite's side files never go
// into the data folder: a journal that came with its table has been played into it by the check, and
// one without its table would be played into the current table.
void VerifierTables(const QString& attente, const QStringList& extraits, QStringList& laissesDeCote)
{
    for (const DescriptionTable* schema : {&SchemaFilms(), &SchemaActeurs()}) {
        bool acceptee = false;
        if (extraits.contains(schema->fichier)) {
            std::shared_ptr<Connexion> connexion;
            acceptee = Connexion::Ouvrir(attente, *schema, connexion).estSucces();
            connexion.reset();
            if (!acceptee) {
                QFile::remove(QDir(attente).filePath(schema->fichier));
                laissesDeCote << schema->fichier;
            }
        }
        for (const char* suffixe : {"-journal", "-wal", "-shm"}) {
            const QString nom = schema->fichier + QLatin1String(suffixe);
            QFile::remove(QDir(attente).filePath(nom));
            if (!acceptee && extraits.contains(nom))
                laissesDeCote << nom;
        }
    }
}

Resultat Rouvrir(Tdm& dm, const Resultat& resultat)
{
    const Resultat ouverture = dm.OuvrirBase();
    if (!resultat)
        return resultat;
    return ouverture;
}

} // namespace

QString AvecExtensionZip(const QString& nom)
{
    if (nom.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
        return nom;
    return nom + QStringLiteral(".zip");
}

Resultat SauvegarderBase(Tdm& dm, const QString& archive, const Progression& progression,
                         QStringList* laissesDeCote)
{
    dm.FermerBase();
    std::vector<FichierArchive> fichiers;
    QSet<QString> noms;
    QStringList doublons;
    const QFileInfo infoArchive(archive);
    ListerFichiers(dm.dossierCatalogue(), infoArchive.exists() ? infoArchive.canonicalFilePath() : QString(),
                   fichiers, noms, doublons);
    if (laissesDeCote)
        *laissesDeCote = doublons;
    if (fichiers.empty()) {
        return Rouvrir(
            dm, Resultat::Echec(QStringLiteral("Le dossier « %1 » ne contient aucun fichier à sauvegarder.")
                                    .arg(Natif(dm.dossierCatalogue()))));
    }
    Resultat r = EcrireArchive(archive, fichiers, MotDePasseCatalogue, progression);
    if (!r && r.code() == CodeAnnulation)
        r = Resultat::Silencieux(QStringLiteral("La sauvegarde a été annulée."), CodeAnnulation);
    return Rouvrir(dm, r);
}

Resultat RestaurerBase(Tdm& dm, const QString& archive, const Progression& progression,
                       QStringList* laissesDeCote)
{
    if (laissesDeCote)
        laissesDeCote->clear();
    dm.FermerBase();
    const QString attente = DossierAttente();
    if (!CreerDossiersTemporaires() || !ViderDossier(attente)) {
        return Rouvrir(
            dm,
            Resultat::Echec(
                QStringLiteral("Impossible de préparer le dossier temporaire « %1 ».").arg(Natif(attente))));
    }

    QStringList extraits;
    Resultat r = ExtraireArchive(archive, attente, MotDePasseCatalogue, extraits, progression);
    if (!r) {
        ViderDossier(attente);
        if (r.code() == CodeAnnulation)
            r = Resultat::Silencieux(QStringLiteral("La restauration a été annulée."), CodeAnnulation);
        return Rouvrir(dm, r);
    }

    QStringList refuses;
    VerifierTables(attente, extraits, refuses);
    if (laissesDeCote)
        *laissesDeCote = refuses;

    const Resultat deplacement = DeplacerFichiers(attente, dm.dossierProgramme());
    ViderDossier(attente);
    if (!deplacement)
        r = Resultat::Echec(QStringLiteral("La base n'a été que partiellement importée. ") +
                            deplacement.message());
    r = Rouvrir(dm, r);
    CreerDossiersTemporaires();
    return r;
}

QString AvertissementRestauration(const QStringList& laissesDeCote)
{
    if (laissesDeCote.isEmpty())
        return QString();
    return QStringLiteral(
               "Ces fichiers de l'archive n'ont pas été importés, car ce ne sont pas des tables de "
               "Kinobral 2005 en bon état : %1.")
        .arg(laissesDeCote.join(QStringLiteral(", ")));
}

QString AvertissementSauvegarde(const QStringList& laissesDeCote)
{
    if (laissesDeCote.isEmpty())
        return QString();
    QStringList noms;
    for (const QString& chemin : laissesDeCote)
        noms << Natif(chemin);
    return QStringLiteral("Ces fichiers n'ont pas été sauvegardés, car l'archive contient déjà un fichier du "
                          "même nom : %1.")
        .arg(noms.join(QStringLiteral(", ")));
}
