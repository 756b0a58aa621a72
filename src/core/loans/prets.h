#pragma once

#include "catalogue/query.h"
#include "resultat.h"

#include <QString>
#include <vector>

// The loan register: one row per film with its borrower, loan date and lent flag, read from the film
// table, and the validation of one loan written back through the query's editable result.

// One film row of the register, as the grid shows it.
struct LignePret
{
    QString titre; // as stored, blanks included
    QString emprunteur;
    QString date;  // "dd/mm/yyyy"; empty when null
    QString prete; // "Vrai", "Faux", or empty when null

    bool EstPrete() const { return prete.compare(QLatin1String("VRAI"), Qt::CaseInsensitive) == 0; }
};

// The titles of the grid's first row.
inline const QString TitresColonnesPrets[4] = {QStringLiteral("Titre du film"), QStringLiteral("Emprunteur"),
                                               QStringLiteral("Date du prêt"), QStringLiteral("Prêté")};

// Whether the text converts to a date under the program's format dd/mm/yyyy. Never an error.
bool EstDate(const QString& texte);

// Every film in the store's order ("SELECT Titre, Emprunteur, DateEmprunt, Prete FROM Donnees").
// On failure lignes is left as it was. The query stays open on the result.
Resultat ChargerPrets(Query& query, std::vector<LignePret>& lignes);

// The row a validation gives from what the editor strip holds: the date only when EstDate says yes,
// the flag "Vrai" or "Faux", never empty.
LignePret LigneValidee(const QString& titre, const QString& emprunteur, const QString& date, bool prete);

// Writes one validated row to its film, found by its title exactly as stored ("SELECT Titre, Emprunteur,
// DateEmprunt, Prete FROM Donnees" / "WHERE Titre=:Titre"). A film no longer in the catalogue, or a
// borrower too long for its field, is refused with a message and nothing is written. The query is closed.
Resultat EnregistrerPret(Query& query, const LignePret& ligne);
