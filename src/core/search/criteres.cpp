#include "criteres.h"

namespace {

const QString ChampTitre = QStringLiteral("Titre");
const QString ChampCouverture = QStringLiteral("BlobPicture");

CritereRecherche Liste(const char* champ)
{
    const QString f = QString::fromLatin1(champ);
    return {QStringLiteral("ck") + f, QStringLiteral("cb") + f, f, f + QStringLiteral("=:") + f,
            GenreCritere::Liste};
}

} // namespace

const std::vector<CritereRecherche>& CriteresRecherche()
{
    static const std::vector<CritereRecherche> criteres = {
        Liste("Genre"),
        Liste("Realisateur"),
        Liste("Scenario"),
        Liste("Musique"),
        Liste("Site"),
        Liste("Etoiles"),
        Liste("Public"),
        Liste("FormatCinema"),
        Liste("FormatVideo"),
        Liste("Support"),
        Liste("ZoneDvd"),
        Liste("Standard"),
        Liste("Son"),
        {QStringLiteral("ckDejaVu"), QString(), QStringLiteral("DejaVu"), QStringLiteral("DejaVu=TRUE"),
         GenreCritere::Drapeau},
        {QStringLiteral("ckPrete"), QString(), QStringLiteral("Prete"), QStringLiteral("Prete=TRUE"),
         GenreCritere::Drapeau},
        {QStringLiteral("ckDateSortie"), QString(), QStringLiteral("Sortie"),
         QStringLiteral("Sortie BETWEEN :dateDebut and :dateFin"), GenreCritere::Periode},
    };
    return criteres;
}

const CritereRecherche* CritereParCase(const QString& caseACocher)
{
    for (const CritereRecherche& c : CriteresRecherche()) {
        if (c.caseACocher == caseACocher)
            return &c;
    }
    return nullptr;
}

QString ChampDeCaseACocher(const QString& caseACocher)
{
    return caseACocher.mid(2);
}

QString ListeDeCaseACocher(const QString& caseACocher)
{
    return QStringLiteral("cb") + ChampDeCaseACocher(caseACocher);
}

namespace {

// The ticked state of each row of the table, whatever order the panel gave them in.
std::vector<const CritereCoche*> CocheesDansLOrdre(const DemandeRecherche& demande)
{
    const std::vector<CritereRecherche>& criteres = CriteresRecherche();
    std::vector<const CritereCoche*> cochees(criteres.size(), nullptr);
    for (const CritereCoche& coche : demande.cochees) {
        for (size_t i = 0; i < criteres.size(); ++i) {
            if (criteres[i].caseACocher == coche.caseACocher)
                cochees[i] = &coche;
        }
    }
    return cochees;
}

} // namespace

QStringList LignesRecherche(const DemandeRecherche& demande)
{
    const QString connecteur = demande.operateurEt ? QStringLiteral("And") : QStringLiteral("Or");
    const std::vector<CritereRecherche>& criteres = CriteresRecherche();
    const std::vector<const CritereCoche*> cochees = CocheesDansLOrdre(demande);

    QStringList lignes{QStringLiteral("SELECT DISTINCT Titre FROM Donnees"), QStringLiteral("WHERE")};
    for (size_t i = 0; i < criteres.size(); ++i) {
        if (cochees[i]) {
            lignes << criteres[i].condition << connecteur;
        }
    }
    // The trailing connective, or WHERE itself when nothing is ticked.
    lignes.removeLast();
    lignes << QStringLiteral("ORDER BY Titre");
    return lignes;
}

Resultat LancerRecherche(Query& query, const DemandeRecherche& demande, QStringList& titres)
{
    const std::vector<CritereRecherche>& criteres = CriteresRecherche();
    const std::vector<const CritereCoche*> cochees = CocheesDansLOrdre(demande);

    query.SQL().Clear();
    for (const QString& ligne : LignesRecherche(demande))
        query.SQL().Add(ligne);

    const CritereCoche* periode = nullptr;
    for (size_t i = 0; i < criteres.size(); ++i) {
        const CritereCoche* coche = cochees[i];
        if (!coche)
            continue;
        // A list without a selection leaves its parameter unset: the store then names it in its refusal.
        if (criteres[i].genre == GenreCritere::Liste && coche->valeur)
            query.ParamByName(criteres[i].champ).DefinirTexte(*coche->valeur);
        if (criteres[i].genre == GenreCritere::Periode)
            periode = coche;
    }
    if (periode) {
        // A null date would make BETWEEN select nothing without a word: refuse it instead.
        if (!periode->debut.isValid() || !periode->fin.isValid())
            return Resultat::Echec(
                QStringLiteral("La période de sortie demande deux dates correctes (jj/mm/aaaa)."));
        query.ParamByName(ParametreDateDebut).DefinirDate(periode->debut);
        query.ParamByName(ParametreDateFin).DefinirDate(periode->fin);
    }

    Resultat r = query.Open();
    if (!r)
        return r;
    QStringList trouves;
    const int colonne = query.IndiceChamp(ChampTitre);
    for (; !query.Eof(); query.Next()) {
        QString titre = query.Texte(colonne);
        if (!titre.isEmpty())
            trouves << std::move(titre);
    }
    if (!query.ErreurLecture())
        return query.ErreurLecture();
    titres = std::move(trouves);
    return Resultat::Succes();
}

Resultat ChargerListeCritere(Query& query, const QString& caseACocher, QStringList& valeurs)
{
    const CritereRecherche* critere = CritereParCase(caseACocher);
    if (!critere || critere->genre != GenreCritere::Liste)
        return Resultat::Echec(QStringLiteral("« %1 » n'est pas un critère à liste.").arg(caseACocher));
    const QString champ = ChampDeCaseACocher(caseACocher);
    query.SQL().Clear();
    query.SQL().Add(QStringLiteral("SELECT DISTINCT ") + champ + QStringLiteral(" FROM Donnees ORDER BY ") +
                    champ);
    Resultat r = query.Open();
    if (!r)
        return r;
    QStringList lues;
    for (; !query.Eof(); query.Next()) {
        QString valeur = query.Texte(0);
        if (!valeur.isEmpty())
            lues << std::move(valeur);
    }
    if (!query.ErreurLecture())
        return query.ErreurLecture();
    valeurs << lues;
    return Resultat::Succes();
}

Resultat LireCouvertureResultat(Query& query, const QString& titre, QByteArray& octets)
{
    query.SQL().Clear();
    query.SQL().Add(QStringLiteral("SELECT Titre,BlobPicture FROM Donnees"));
    query.SQL().Add(QStringLiteral("WHERE Titre=:Titre"));
    query.ParamByName(ChampTitre).DefinirTexte(titre);
    Resultat r = query.Open();
    if (!r)
        return r;
    octets = query.EstNul(ChampCouverture) ? QByteArray() : query.Blob(ChampCouverture);
    query.Close();
    return Resultat::Succes();
}
