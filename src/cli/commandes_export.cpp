// The sheet leaving the program: exporter-web, envoyer, imprimer.

#include "commandes.h"
#include "exchange/courriel.h"
#include "exchange/courrielcompte.h"
#include "exchange/pageweb.h"
#include "printing/documentfiche.h"
#include "printing/impressionfiche.h"

#include <QDir>

namespace {

const Commande* CommandeNommee(const char* nom)
{
    for (const Commande& c : Commandes()) {
        if (qstrcmp(c.nom, nom) == 0)
            return &c;
    }
    return nullptr;
}

// Opens the catalogue, makes the film current and builds its sheet; Fait or the refusal's status.
int ConstruireFiche(Contexte& contexte, const QString& titre, DocumentFiche& document)
{
    if (!contexte.OuvrirCatalogue(false))
        return Refuse;
    Table& films = contexte.dm().tbFilms();
    if (!films.Locate(QStringLiteral("Titre"), titre))
        return contexte.Refuser(QStringLiteral("Le film « %1 » n'existe pas dans le catalogue.").arg(titre));
    const Resultat r = ConstruireImpression(films, document);
    return r ? Fait : contexte.Refuser(r);
}

} // namespace

int CommandeExporterWeb(Contexte& contexte, const QStringList& arguments)
{
    DocumentFiche document;
    const int code = ConstruireFiche(contexte, arguments.at(0), document);
    if (code != Fait)
        return code;
    const Resultat r = EnregistrerPageWeb(document, arguments.at(1));
    return r ? Fait : contexte.Refuser(r);
}

int CommandeEnvoyer(Contexte& contexte, const QStringList& arguments)
{
    const Commande* commande = CommandeNommee("envoyer");
    ParametresCourriel parametres;
    parametres.port = QStringLiteral("25");
    QStringList positionnels;
    QString delai;
    const QList<QPair<QLatin1String, QString*>> options = {
        {QLatin1String("--serveur"), &parametres.serveur},
        {QLatin1String("--port"), &parametres.port},
        {QLatin1String("--de"), &parametres.expediteur},
        {QLatin1String("--utilisateur"), &parametres.utilisateur},
        {QLatin1String("--delai"), &delai}};
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (!a.startsWith(QLatin1String("--"))) {
            positionnels << a;
            continue;
        }
        QString* cible = nullptr;
        for (const auto& [nom, valeur] : options) {
            if (a == nom)
                cible = valeur;
        }
        if (!cible)
            return MauvaisArguments(QStringLiteral("Option inconnue : %1").arg(a), commande);
        if (i + 1 >= arguments.size())
            return MauvaisArguments(QStringLiteral("L'option %1 attend une valeur.").arg(a), commande);
        *cible = arguments.at(++i);
    }
    if (!delai.isEmpty()) {
        // --delai SECONDES: the limit for connecting and for each server reply (60 s without it).
        bool ok = false;
        const int secondes = delai.toInt(&ok);
        if (!ok || secondes < 1 || secondes > 3600)
            return MauvaisArguments(QStringLiteral("Délai incorrect : %1").arg(delai), commande);
        parametres.delaiConnexionMs = parametres.delaiReponseMs = secondes * 1000;
    }
    if (positionnels.size() != 2 || parametres.serveur.isEmpty())
        return MauvaisArguments(QString(), commande);
    parametres.destinataires = positionnels.at(1);

    DocumentFiche document;
    const int code = ConstruireFiche(contexte, positionnels.at(0), document);
    if (code != Fait)
        return code;
    const QString dossier = contexte.dm().dossierProgramme();
    const QString page = dossier + QStringLiteral("export/courriel.htm");
    QDir().mkpath(dossier + QStringLiteral("export"));
    const Resultat enregistrement = EnregistrerPageWeb(document, page);
    if (!enregistrement)
        return contexte.Refuser(enregistrement);

    Contexte::Sortie(StatutEnvoiEnCours);
    const Resultat envoi = EnvoyerCourriel(page, parametres);
    if (!envoi)
        return contexte.Refuser(envoi);
    Contexte::Sortie(StatutEnvoiTermine);

    QStringList historique = LireHistoriqueAdresses(dossier + QStringLiteral("Config.ini"));
    const Resultat memoire =
        MemoriserAdresse(dossier + QStringLiteral("Config.ini"), historique, parametres.destinataires);
    return memoire ? Fait : contexte.Refuser(memoire);
}

int CommandeImprimer(Contexte& contexte, const QStringList& arguments)
{
    DocumentFiche document;
    const int code = ConstruireFiche(contexte, arguments.at(0), document);
    if (code != Fait)
        return code;
    const Resultat r = ImprimerFichePdf(document, arguments.at(1));
    return r ? Fait : contexte.Refuser(r);
}
