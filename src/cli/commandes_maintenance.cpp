// Backup, restore and the glossary: sauvegarder, restaurer, glossaire.

#include "catalogue/tdm.h"
#include "commandes.h"
#include "maintenance/sauvegarde.h"
#include "reference/glossaire.h"
#include "system/verroucatalogue.h"

#include <QDir>
#include <QFileInfo>
#include <functional>

namespace {

// Both commands work on the files, so they only take the catalogue lock: a catalogue whose tables do not
// open can still be saved, or replaced by a restore.
int TravaillerSurLesFichiers(Contexte& contexte, const std::function<Resultat(Tdm&)>& travail)
{
    Tdm dm(contexte.dossierProgramme());
    QDir().mkpath(dm.dossierCatalogue());
    VerrouCatalogue verrou;
    const Resultat pris = verrou.Prendre(dm.dossierCatalogue());
    if (!pris)
        return contexte.Refuser(pris);
    const Resultat r = travail(dm);
    if (!r)
        return contexte.Refuser(r);
    return Fait;
}

} // namespace

int CommandeSauvegarder(Contexte& contexte, const QStringList& arguments)
{
    const QString archive = QFileInfo(arguments.at(0)).absoluteFilePath();
    return TravaillerSurLesFichiers(contexte, [&archive](Tdm& dm) {
        QStringList laissesDeCote;
        const Resultat r = SauvegarderBase(dm, archive, {}, &laissesDeCote);
        if (!laissesDeCote.isEmpty())
            Contexte::Erreur(AvertissementSauvegarde(laissesDeCote));
        if (r)
            Contexte::Sortie(MessageSauvegardeFaite);
        return r;
    });
}

int CommandeRestaurer(Contexte& contexte, const QStringList& arguments)
{
    const QString archive = QFileInfo(arguments.at(0)).absoluteFilePath();
    if (!QFileInfo(archive).isFile())
        return contexte.Refuser(
            QStringLiteral("Le fichier « %1 » n'existe pas.").arg(QDir::toNativeSeparators(arguments.at(0))));
    return TravaillerSurLesFichiers(contexte, [&archive](Tdm& dm) {
        QStringList laissesDeCote;
        const Resultat r = RestaurerBase(dm, archive, {}, &laissesDeCote);
        if (!laissesDeCote.isEmpty())
            Contexte::Erreur(AvertissementRestauration(laissesDeCote));
        if (r)
            Contexte::Sortie(MessageRestaurationFaite);
        return r;
    });
}

int CommandeGlossaire(Contexte& contexte, const QStringList& arguments)
{
    Glossaire glossaire;
    const Resultat r = glossaire.Charger(Glossaire::Chemin(contexte.dossierProgramme()));
    if (!r)
        return contexte.Refuser(r);
    QString definition;
    if (!glossaire.Chercher(arguments.at(0), definition))
        return contexte.Refuser(
            QStringLiteral("Le terme « %1 » n'est pas dans le glossaire.").arg(arguments.at(0)));
    Contexte::Sortie(definition);
    return Fait;
}
