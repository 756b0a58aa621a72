#include "prets.h"

#include "catalogue/formes.h"

namespace {

const QString LigneSelection = QStringLiteral("SELECT Titre, Emprunteur, DateEmprunt, Prete FROM Donnees");

} // namespace

bool EstDate(const QString& texte)
{
    QDate date;
    return Formes::LireDate(texte, date);
}

Resultat ChargerPrets(Query& query, std::vector<LignePret>& lignes)
{
    query.SQL().Clear();
    query.SQL().Add(LigneSelection);
    Resultat r = query.Open();
    if (!r)
        return r;
    std::vector<LignePret> lues;
    lues.reserve(static_cast<size_t>(query.RecordCount()));
    for (; !query.Eof(); query.Next())
        lues.push_back({query.Texte(0), query.Texte(1), query.Texte(2), query.Texte(3)});
    if (!query.ErreurLecture())
        return query.ErreurLecture();
    lignes = std::move(lues);
    return Resultat::Succes();
}

LignePret LigneValidee(const QString& titre, const QString& emprunteur, const QString& date, bool prete)
{
    return {titre, emprunteur, EstDate(date) ? date : QString(),
            QString::fromLatin1(prete ? Formes::Vrai : Formes::Faux)};
}

Resultat EnregistrerPret(Query& query, const LignePret& ligne)
{
    query.SQL().Clear();
    query.SQL().Add(LigneSelection);
    query.SQL().Add(QStringLiteral("WHERE Titre=:Titre"));
    // The title as stored: a title kept with its blanks finds its own film and no other.
    query.ParamByName(QStringLiteral("Titre")).DefinirTexte(ligne.titre);
    Resultat r = query.Open();
    if (r && query.Eof())
        r = Resultat::Echec(
            QStringLiteral("Le film « %1 » n'existe pas dans le catalogue.").arg(ligne.titre));
    if (r)
        r = query.Edit();
    if (r)
        r = query.EcrireTexte(QStringLiteral("Emprunteur"), ligne.emprunteur);
    if (r)
        r = EstDate(ligne.date) ? query.EcrireTexte(QStringLiteral("DateEmprunt"), ligne.date)
                                : query.Effacer(QStringLiteral("DateEmprunt"));
    if (r)
        r = query.EcrireTexte(QStringLiteral("Prete"), ligne.EstPrete() ? QString::fromLatin1(Formes::Vrai)
                                                                        : QString::fromLatin1(Formes::Faux));
    if (r)
        r = query.Post();
    if (!r)
        query.Cancel();
    query.Close();
    return r;
}
