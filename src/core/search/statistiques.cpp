#include "statistiques.h"

#include <utility>

const QStringList& CategoriesStatistiques()
{
    static const QStringList categories = {
        QStringLiteral("Genre"),         QStringLiteral("Editeur"),      QStringLiteral("Etoiles"),
        QStringLiteral("Support"),       QStringLiteral("Format vidéo"), QStringLiteral("Standard"),
        QStringLiteral("Zone Dvd"),      QStringLiteral("Public"),       QStringLiteral("Son"),
        QStringLiteral("Format cinéma"),
    };
    return categories;
}

QString NomChampCategorie(const QString& legende)
{
    static const std::pair<QString, QString> champs[] = {
        {QStringLiteral("Editeur"), QStringLiteral("Editeur")},
        {QStringLiteral("Etoiles"), QStringLiteral("Etoiles")},
        {QStringLiteral("Support"), QStringLiteral("Support")},
        {QStringLiteral("Format vidéo"), QStringLiteral("FormatVideo")},
        {QStringLiteral("Standard"), QStringLiteral("Standard")},
        {QStringLiteral("Zone Dvd"), QStringLiteral("ZoneDvd")},
        {QStringLiteral("Public"), QStringLiteral("Public")},
        {QStringLiteral("Son"), QStringLiteral("Son")},
        {QStringLiteral("Format cinéma"), QStringLiteral("FormatCinema")},
    };
    for (const auto& [cle, champ] : champs) {
        if (legende == cle)
            return champ;
    }
    return QStringLiteral("Genre");
}

double Statistiques::Pourcentage(size_t barre) const
{
    if (barre >= barres.size() || total <= 0)
        return 0.0;
    return 100.0 * static_cast<double>(barres[barre].nombre) / static_cast<double>(total);
}

QString TextePourcentage(double pourcentage)
{
    QString texte = QString::number(pourcentage, 'f', 2);
    while (texte.endsWith(QLatin1Char('0')))
        texte.chop(1);
    if (texte.endsWith(QLatin1Char('.')))
        texte.chop(1);
    return texte + QStringLiteral(" %");
}

Resultat CompterStatistiques(Query& query, const QString& legende, Statistiques& stats)
{
    const QString champ = NomChampCategorie(legende);
    query.SQL().Clear();
    query.SQL().Add(QStringLiteral("SELECT COUNT(*) AS NBITEM, ") + champ +
                    QStringLiteral(" FROM Donnees GROUP BY ") + champ);
    Resultat r = query.Open();
    if (!r)
        return r;
    Statistiques lues;
    const int colonneValeur = query.IndiceChamp(champ);
    for (; !query.Eof(); query.Next()) {
        QString valeur = query.Texte(colonneValeur);
        if (valeur.isEmpty())
            continue;
        const qint64 nombre = query.Entier(QStringLiteral("NBITEM"));
        lues.barres.push_back({std::move(valeur), nombre});
        lues.total += nombre;
    }
    if (!query.ErreurLecture())
        return query.ErreurLecture();
    stats = std::move(lues);
    return Resultat::Succes();
}
