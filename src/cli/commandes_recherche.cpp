// The search, statistics and loan commands: rechercher, statistiques, prets, preter.

#include "catalogue/formes.h"
#include "commandes.h"
#include "loans/prets.h"
#include "search/criteres.h"
#include "search/statistiques.h"

namespace {

const Commande* CommandeNommee(const char* nom)
{
    for (const Commande& c : Commandes()) {
        if (qstrcmp(c.nom, nom) == 0)
            return &c;
    }
    return nullptr;
}

// The list row of a field name given on the command line, case ignored.
const CritereRecherche* CritereListe(const QString& champ)
{
    for (const CritereRecherche& c : CriteresRecherche()) {
        if (c.genre == GenreCritere::Liste && c.champ.compare(champ, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

QString ChampsListe()
{
    QStringList champs;
    for (const CritereRecherche& c : CriteresRecherche()) {
        if (c.genre == GenreCritere::Liste)
            champs << c.champ;
    }
    return champs.join(QStringLiteral(", "));
}

} // namespace

int CommandeRechercher(Contexte& contexte, const QStringList& arguments)
{
    const Commande* commande = CommandeNommee("rechercher");
    DemandeRecherche demande;
    auto dejaCoche = [&demande](const QString& caseACocher) {
        for (const CritereCoche& c : demande.cochees) {
            if (c.caseACocher == caseACocher)
                return true;
        }
        return false;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        CritereCoche coche;
        if (argument == QLatin1String("--et")) {
            demande.operateurEt = true;
            continue;
        }
        if (argument == QLatin1String("--deja-vu")) {
            coche.caseACocher = QStringLiteral("ckDejaVu");
        } else if (argument == QLatin1String("--prete")) {
            coche.caseACocher = QStringLiteral("ckPrete");
        } else if (argument == QLatin1String("--periode")) {
            if (i + 2 >= arguments.size())
                return MauvaisArguments(QStringLiteral("L'option --periode attend deux dates JJ/MM/AAAA."),
                                        commande);
            for (QDate* date : {&coche.debut, &coche.fin}) {
                const QString texte = arguments.at(++i);
                if (!Formes::LireDate(texte, *date))
                    return MauvaisArguments(
                        QStringLiteral("« %1 » n'est pas une date correcte (JJ/MM/AAAA).").arg(texte),
                        commande);
            }
            coche.caseACocher = QStringLiteral("ckDateSortie");
        } else {
            const qsizetype egal = argument.indexOf(u'=');
            const CritereRecherche* critere = egal > 0 ? CritereListe(argument.left(egal)) : nullptr;
            if (!critere)
                return MauvaisArguments(
                    QStringLiteral("« %1 » n'est pas un critère (Champ=valeur, Champ parmi %2).")
                        .arg(argument, ChampsListe()),
                    commande);
            coche.caseACocher = critere->caseACocher;
            // An empty value is a list left without a selection.
            const QString valeur = DeschapperLigne(argument.mid(egal + 1));
            if (!valeur.isEmpty())
                coche.valeur = valeur;
        }
        if (dejaCoche(coche.caseACocher))
            return MauvaisArguments(QStringLiteral("Le critère « %1 » est donné deux fois.")
                                        .arg(ChampDeCaseACocher(coche.caseACocher)),
                                    commande);
        demande.cochees.append(coche);
    }

    if (!contexte.OuvrirCatalogue(false))
        return Refuse;
    QStringList titres;
    const Resultat r = LancerRecherche(contexte.dm().query(), demande, titres);
    if (!r)
        return contexte.Refuser(r);
    for (const QString& titre : titres)
        Contexte::Sortie(EchapperLigne(titre));
    return Fait;
}

int CommandeStatistiques(Contexte& contexte, const QStringList& arguments)
{
    const QString& categorie = arguments.at(0);
    // The panel offers only its list; anything else would silently count by Genre.
    if (!CategoriesStatistiques().contains(categorie))
        return MauvaisArguments(QStringLiteral("Catégorie inconnue : %1 (parmi : %2).")
                                    .arg(categorie, CategoriesStatistiques().join(QStringLiteral(", "))),
                                CommandeNommee("statistiques"));
    if (!contexte.OuvrirCatalogue(false))
        return Refuse;
    Statistiques stats;
    const Resultat r = CompterStatistiques(contexte.dm().query(), categorie, stats);
    if (!r)
        return contexte.Refuser(r);
    for (size_t i = 0; i < stats.barres.size(); ++i) {
        Contexte::Sortie(QStringLiteral("%1\t%2\t%3")
                             .arg(EchapperLigne(stats.barres[i].valeur))
                             .arg(stats.barres[i].nombre)
                             .arg(TextePourcentage(stats.Pourcentage(i))));
    }
    return Fait;
}

int CommandePrets(Contexte& contexte, const QStringList&)
{
    if (!contexte.OuvrirCatalogue(false))
        return Refuse;
    std::vector<LignePret> lignes;
    const Resultat r = ChargerPrets(contexte.dm().query(), lignes);
    if (!r)
        return contexte.Refuser(r);
    // As the grid: its title row is written only when there is at least one film.
    if (!lignes.empty()) {
        Contexte::Sortie(
            QStringList(std::begin(TitresColonnesPrets), std::end(TitresColonnesPrets)).join(u'\t'));
    }
    for (const LignePret& l : lignes) {
        Contexte::Sortie(EchapperLigne(l.titre) + u'\t' + EchapperLigne(l.emprunteur) + u'\t' + l.date +
                         u'\t' + l.prete);
    }
    return Fait;
}

int CommandePreter(Contexte& contexte, const QStringList& arguments)
{
    const QString& drapeau = arguments.at(3);
    if (drapeau != QLatin1String(Formes::Vrai) && drapeau != QLatin1String(Formes::Faux))
        return MauvaisArguments(QStringLiteral("Le dernier argument est Vrai ou Faux."),
                                CommandeNommee("preter"));
    if (!contexte.OuvrirCatalogue(true))
        return Refuse;
    const LignePret ligne = LigneValidee(DeschapperLigne(arguments.at(0)), DeschapperLigne(arguments.at(1)),
                                         arguments.at(2), drapeau == QLatin1String(Formes::Vrai));
    const Resultat r = EnregistrerPret(contexte.dm().query(), ligne);
    if (!r)
        return contexte.Refuser(r);
    return Fait;
}
