#include "couverturesaccueil.h"

#include "catalogue/query.h"
#include "imaging/jpeg.h"

#include <QRect>

QRect EmplacementCouvertureAccueil(int k)
{
    return QRect(QPoint(24 + 240 * k, 21), TailleCouvertureAccueil);
}

Resultat LireCouverturesAccueil(Query& query, std::vector<CouvertureLue>& couvertures, int nombre)
{
    couvertures.clear();
    query.SQL().Clear();
    query.SQL().Add(QStringLiteral("SELECT Sortie, Titre,BlobPicture FROM Donnees"));
    query.SQL().Add(QStringLiteral("ORDER BY Sortie DESC"));
    Resultat r = query.Open();
    if (!r)
        return r;
    const QString champImage = QStringLiteral("BlobPicture");
    for (; !query.Eof() && static_cast<int>(couvertures.size()) < nombre; query.Next()) {
        if (query.EstNul(champImage))
            continue;
        const QByteArray octets = query.Blob(champImage);
        if (octets.isEmpty())
            continue;
        QImage image = DecoderJpeg(octets, TailleCouvertureAccueil);
        if (image.isNull())
            continue; // a damaged cover leaves its frame to the next film
        couvertures.push_back({query.Texte(QStringLiteral("Titre")), std::move(image)});
    }
    r = query.ErreurLecture();
    query.Close();
    return r;
}
