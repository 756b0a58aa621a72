#pragma once

#include "resultat.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

class Query;

// The covers of the latest films, read for the home page.

// The three frames of the strip: cover k is drawn into (24 + 240·k, 21), 205 × 273.
inline constexpr int NombreCouverturesAccueil = 3;
inline constexpr QSize TailleCouvertureAccueil(205, 273);
QRect EmplacementCouvertureAccueil(int k);

struct CouvertureLue
{
    QString titre;
    QImage image; // decoded at TailleCouvertureAccueil
};

// Steps through "SELECT Sortie, Titre,BlobPicture FROM Donnees" / "ORDER BY Sortie DESC" on the shared
// query, latest release first, and keeps the first `nombre` films whose cover decodes, each decoded
// once, straight at the size it is shown. Films without a cover, and covers that do not decode, are
// passed over. Stops reading as soon as it has them; the query is closed in every case.
Resultat LireCouverturesAccueil(Query& query, std::vector<CouvertureLue>& couvertures,
                                int nombre = NombreCouverturesAccueil);
