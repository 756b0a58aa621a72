#pragma once

#include "catalogue/query.h"
#include "resultat.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The criteria search: the sixteen criterion rows, the search statement built from the ticked rows, the
// values offered by a list criterion and the cover of a result. The search panel and kinobral-cli both go
// through here, so that they send the same statements.

enum class GenreCritere
{
    Liste,   // a value picked from the row's drop-down list
    Drapeau, // a logical field that must be true
    Periode, // release dates between two dates
};

// One row of the search panel, in the order its condition joins the statement.
struct CritereRecherche
{
    QString caseACocher; // "ckGenre"
    QString liste;       // "cbGenre"; empty for the flags and the period
    QString champ;       // "Genre"
    QString condition;   // "Genre=:Genre"
    GenreCritere genre;
};

// The sixteen rows, in statement order.
const std::vector<CritereRecherche>& CriteresRecherche();
// The row whose tick box has this name; nullptr when there is none.
const CritereRecherche* CritereParCase(const QString& caseACocher);
// The field of a tick box, from its name alone: the name without its first two characters.
QString ChampDeCaseACocher(const QString& caseACocher);
// The list of the same row: "cb" followed by the field.
QString ListeDeCaseACocher(const QString& caseACocher);

// The parameters of the period row (found by ":dateDebut" and ":dateFin", case ignored).
inline const QString ParametreDateDebut = QStringLiteral("DateDebut");
inline const QString ParametreDateFin = QStringLiteral("DateFin");

// A ticked row, as the panel holds it.
struct CritereCoche
{
    QString caseACocher;           // "ckGenre", "ckDejaVu", "ckDateSortie", ...
    std::optional<QString> valeur; // the list's selected item; none when the list has no selection
    QDate debut;                   // the period's dates
    QDate fin;
};

// What the panel asks: the ticked rows (in any order) and the connective.
struct DemandeRecherche
{
    bool operateurEt = false; // "And" when true, "Or" otherwise
    QList<CritereCoche> cochees;
};

// The search statement, line by line, exactly as it is sent.
QStringList LignesRecherche(const DemandeRecherche& demande);

// Builds, binds and runs the search. On success titres holds the non-empty titles in the result's order;
// on failure (a ticked list without a selection: "Pas de valeur pour le paramètre '...'") it is left as
// it was. The query stays open on the result.
Resultat LancerRecherche(Query& query, const DemandeRecherche& demande, QStringList& titres);

// Appends to valeurs the distinct non-empty values of a list row's field, in the store's order
// ("SELECT DISTINCT <champ> FROM Donnees ORDER BY <champ>"). The tick box must name a list row.
// The query stays open on the result.
Resultat ChargerListeCritere(Query& query, const QString& caseACocher, QStringList& valeurs);

// The cover bytes of a result title ("SELECT Titre,BlobPicture FROM Donnees" / "WHERE Titre=:Titre");
// empty when the film has no cover or no longer exists. The query is closed afterwards.
Resultat LireCouvertureResultat(Query& query, const QString& titre, QByteArray& octets);
