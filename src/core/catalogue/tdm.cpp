#include "tdm.h"

Tdm::Tdm(const QString& dossierProgramme)
    : m_dossierProgramme(dossierProgramme), m_dsActeurs(std::make_unique<SourceDonnees>(m_tbActeurs))
{
    m_tbFilms.surErreurPoster = [this](const Resultat& erreur) { return tbFilmsPostError(erreur); };
}

Tdm::~Tdm()
{
    FermerBase();
}

QString Tdm::dossierCatalogue() const
{
    return m_dossierProgramme + QStringLiteral("data/");
}

Resultat Tdm::OuvrirBase()
{
    // 1. The catalogue password has nothing to be registered with: the files are not encrypted
    //    (MotDePasseCatalogue protects the backup archive).
    // 2. The film table.
    m_query.Close();
    m_tbFilms.Fermer();
    Resultat r = m_tbFilms.Ouvrir(dossierCatalogue(), SchemaFilms());
    if (!r) {
        return r;
    }
    // 3. The actor table.
    m_tbActeurs.Fermer();
    r = m_tbActeurs.Ouvrir(dossierCatalogue(), SchemaActeurs());
    if (!r) {
        return r;
    }
    // 4. The query runs on the film table's file, through the same connection, so that a result left
    //    open never blocks a post.
    m_query.Attacher(m_tbFilms.connexion());
    // 5. The first film in the table's own order.
    m_tbFilms.First();
    // 6 to 9. The list, the sheet and the home page.
    if (apresOuverture) {
        apresOuverture();
    }
    return Resultat::Succes();
}

void Tdm::FermerBase()
{
    m_query.Attacher(nullptr);
    m_tbFilms.Fermer();
    m_tbActeurs.Fermer();
}

Resultat Tdm::tbFilmsPostError(const Resultat& erreur)
{
    if (!erreur && erreur.code() == CodeCleDupliquee) {
        if (avertir) {
            avertir(MessageTitreIncorrect);
        }
        return Resultat::Silencieux(MessageTitreIncorrect, CodeCleDupliquee);
    }
    return erreur;
}

Resultat ChargerValeursDistinctes(Query& query, const QString& champ, QStringList& liste,
                                  const std::function<void(const QString&)>& premiereValeur)
{
    liste.clear();
    query.SQL().Clear();
    query.SQL().Add(QStringLiteral("SELECT DISTINCT ") + champ + QStringLiteral(" FROM donnees ORDER BY ") +
                    champ);
    const Resultat r = query.Open();
    if (!r) {
        return r;
    }
    if (premiereValeur) {
        premiereValeur(query.Eof() ? QString() : query.Texte(0));
    }
    while (!query.Eof()) {
        liste << query.Texte(0);
        query.Next();
    }
    const Resultat lecture = query.ErreurLecture();
    query.Close();
    return lecture;
}
