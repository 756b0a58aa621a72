#include "catalogue_essai.h"

CatalogueEssai::CatalogueEssai()
{
    if (!m_dossier.isValid())
        return;
    m_dm = std::make_unique<Tdm>(Dossier());
    m_ouvert = m_dm->OuvrirBase().estSucces();
}

bool CatalogueEssai::Ajouter(const Champs& champs, const QByteArray& couverture)
{
    Table& films = m_dm->tbFilms();
    if (!films.Append())
        return false;
    for (const auto& [champ, texte] : champs) {
        if (!films.EcrireTexte(champ, texte)) {
            films.Cancel();
            return false;
        }
    }
    if (!couverture.isNull() && !films.EcrireBlob(QStringLiteral("BlobPicture"), couverture)) {
        films.Cancel();
        return false;
    }
    return films.Post().estSucces();
}

bool CatalogueEssai::RemplirCollection()
{
    const QString t = QStringLiteral("Titre");
    const QString g = QStringLiteral("Genre");
    const QString r = QStringLiteral("Realisateur");
    const QString s = QStringLiteral("Sortie");
    const QString v = QStringLiteral("DejaVu");
    const QString p = QStringLiteral("Prete");
    const QString sf = QStringLiteral("Science-fiction");
    const QString scott = QStringLiteral("Ridley Scott");
    return Ajouter({{t, Alien}, {g, sf}, {r, scott}, {s, "25/05/1979"}, {v, "Vrai"}, {"Support", "DVD"}},
                   QByteArray("\xFF\xD8 couverture d'Alien", 21)) &&
           Ajouter({{t, BladeRunner},
                    {g, sf},
                    {r, scott},
                    {s, "25/06/1982"},
                    {p, "Vrai"},
                    {"Emprunteur", "Paul"},
                    {"DateEmprunt", "02/01/2005"},
                    {"Support", "DVD"}}) &&
           Ajouter({{t, Gladiator},
                    {g, QStringLiteral("Péplum")},
                    {r, scott},
                    {s, "05/05/2000"},
                    {v, "Vrai"},
                    {"Support", "DVD"}}) &&
           Ajouter({{t, Brazil},
                    {g, sf},
                    {r, "Terry Gilliam"},
                    {s, "20/02/1985"},
                    {v, "Faux"},
                    {"Support", "DVD"}}) &&
           Ajouter({{t, SansRien}}) && Ajouter({{t, TitreNu}, {"Support", "DVD"}}) &&
           Ajouter({{t, TitreABlancs}, {"Support", "DVD"}});
}
