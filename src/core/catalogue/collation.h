#pragma once

#include <QString>

struct sqlite3;

// French dictionary order for the catalogue's text fields: letters compare without their accents and
// case first ("Été" stands among the E), then exact bytes break the tie, so two texts compare equal only
// when they are the same. ORDER BY gets the French order while UNIQUE, DISTINCT, GROUP BY and = stay exact.
namespace Collation {

// Name under which the collation is registered on every connection and declared in the tables.
inline constexpr char Nom[] = "FRANCAIS";

// <0, 0 or >0, over UTF-8 text.
int ComparerFrancais(const char* a, int longueurA, const char* b, int longueurB);
int ComparerFrancais(const QString& a, const QString& b);

// Registers the collation on a connection; false when SQLite refuses it.
bool EnregistrerCollationFrancaise(sqlite3* db);

} // namespace Collation
