#pragma once

#include "catalogue.h"
#include "query.h"
#include "resultat.h"
#include "sourcedonnees.h"
#include "table.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// The data module: the film table, the actor table with its data source, and the one shared query, all on
// the catalogue folder DossierProgramme + "data/".
class Tdm
{
public:
    explicit Tdm(const QString& dossierProgramme); // with its trailing '/'
    ~Tdm();
    Tdm(const Tdm&) = delete;
    Tdm& operator=(const Tdm&) = delete;

    // (Re)opens both tables (their files are created empty when missing) and the query, goes to the first
    // film, then lets the main window rebuild the list, the sheet and the home page (apresOuverture).
    // A table that cannot be opened stops it there with the store's message.
    Resultat OuvrirBase();
    // Closes the query and both tables, releasing the files (the backup and the restore need them free).
    void FermerBase();

    Table& tbFilms() { return m_tbFilms; }
    Table& tbActeurs() { return m_tbActeurs; }
    Query& query() { return m_query; }
    SourceDonnees& dsActeurs() { return *m_dsActeurs; }

    std::function<void()> apresOuverture;        // the list, the sheet and the home page refresh
    std::function<void(const QString&)> avertir; // shows a warning

    // The film table's refused post: a duplicate title becomes the program's warning and a silent failure;
    // any other failure goes on as it is.
    Resultat tbFilmsPostError(const Resultat& erreur);

    QString dossierProgramme() const { return m_dossierProgramme; }
    QString dossierCatalogue() const;

private:
    QString m_dossierProgramme;
    Table m_tbFilms;
    Table m_tbActeurs;
    Query m_query;
    std::unique_ptr<SourceDonnees> m_dsActeurs;
};

// The warning shown for a title that is empty or already in the catalogue.
inline const QString MessageTitreIncorrect =
    QStringLiteral("Attention, ce titre est incorrect ou existe déjà dans la base !");

// The distinct values of a field of the film table, in the list's order, as text forms
// ("SELECT DISTINCT <champ> FROM donnees ORDER BY <champ>"). premiereValeur, when given, is called once the
// result is open, with the first value (empty text when there is none), before the rest is read: the film
// list selects with it while it still holds its previous nodes. It must not use the query.
Resultat ChargerValeursDistinctes(Query& query, const QString& champ, QStringList& liste,
                                  const std::function<void(const QString&)>& premiereValeur = {});
