#pragma once

#include "catalogue/query.h"
#include "resultat.h"

#include <QString>
#include <QStringList>
#include <vector>

// The statistics count: films of the catalogue counted by one category, one bar per value.

// The category captions of the statistics list, in the list's order.
const QStringList& CategoriesStatistiques();

// The film-table field counted for a category caption; anything not in the list counts by Genre.
// The comparison is exact.
QString NomChampCategorie(const QString& legende);

struct BarreStatistique
{
    QString valeur; // the category's value, as text
    qint64 nombre = 0;
};

struct Statistiques
{
    std::vector<BarreStatistique> barres; // in the order the store returns the groups
    qint64 total = 0;                     // sum of the bars: films without a value count nowhere

    // The bar's share of the total, 0 to 100.
    double Pourcentage(size_t barre) const;
};

// The mark written above a bar: at most two decimals, trailing zeros dropped ("33.33 %", "100 %").
QString TextePourcentage(double pourcentage);

// Counts by a category caption ("SELECT COUNT(*) AS NBITEM, <champ> FROM Donnees GROUP BY <champ>"). The
// group of films without a value gives no bar. On failure stats is left as it was; the query stays open.
Resultat CompterStatistiques(Query& query, const QString& legende, Statistiques& stats);
