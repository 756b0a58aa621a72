// The sheet file commands: exporter-fiche, importer-fiche.

#include "catalogue/connexion.h"
#include "commandes.h"
#include "exchange/fichefichier.h"
#include "exchange/saisiefilm.h"

#include <QDir>

int CommandeExporterFiche(Contexte& contexte, const QStringList& arguments)
{
    if (!contexte.OuvrirCatalogue(false))
        return Refuse;
    const QString& titre = arguments.at(0);
    Table& films = contexte.dm().tbFilms();
    if (!films.Locate(QStringLiteral("Titre"), titre))
        return contexte.Refuser(QStringLiteral("Le film « %1 » n'existe pas dans le catalogue.").arg(titre));
    ContenuFiche contenu;
    Resultat r = LireFicheFilm(films, contenu);
    if (r)
        r = EcrireFichierFiche(arguments.at(1), contenu);
    return r ? Fait : contexte.Refuser(r);
}

// Each file is read and added as the editor would add it; a refused one is reported and the others go
// on. The whole run is one transaction, synced once at the end: a film per fsync would make a large
// import take minutes.
int CommandeImporterFiche(Contexte& contexte, const QStringList& arguments)
{
    if (!contexte.OuvrirCatalogue(true))
        return Refuse;
    // Refusals are printed below with the file's name, not by the data module's warning.
    contexte.dm().avertir = nullptr;
    Table& films = contexte.dm().tbFilms();
    Lot lot(films.connexion());
    Resultat r = lot.Commencer();
    if (!r)
        return contexte.Refuser(r);

    int refuses = 0;
    for (const QString& chemin : arguments) {
        ContenuFiche contenu;
        r = LireFichierFiche(chemin, contenu);
        if (r)
            r = AjouterNouveauFilm(films, SaisieDepuisFiche(contenu));
        if (!r) {
            ++refuses;
            Contexte::Erreur(QStringLiteral("%1 : %2").arg(QDir::toNativeSeparators(chemin), r.message()));
        }
    }
    r = lot.Valider();
    if (!r) {
        return contexte.Refuser(
            QStringLiteral("Aucune fiche n'a été importée : le catalogue n'a pas pu être écrit. %1")
                .arg(r.message()));
    }
    return refuses == 0 ? Fait : Refuse;
}
