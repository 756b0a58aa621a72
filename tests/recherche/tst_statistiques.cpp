#include "catalogue_essai.h"
#include "search/statistiques.h"
#include "tests.h"

#include <QTest>

namespace {

// "valeur=nombre=pourcentage" per bar, to compare a whole chart at once.
QStringList Barres(const Statistiques& s)
{
    QStringList barres;
    for (size_t i = 0; i < s.barres.size(); ++i)
        barres << QStringLiteral("%1=%2=%3")
                      .arg(s.barres[i].valeur)
                      .arg(s.barres[i].nombre)
                      .arg(TextePourcentage(s.Pourcentage(i)));
    return barres;
}

} // namespace

void TestStatistiques::comptes_data()
{
    QTest::addColumn<QString>("categorie");
    QTest::addColumn<QString>("instruction");
    QTest::addColumn<QStringList>("attendu");

    // Films without a genre count in no bar and in no percentage.
    QTest::newRow("Genre") << "Genre"
                           << "SELECT COUNT(*) AS NBITEM, Genre FROM Donnees GROUP BY Genre"
                           << QStringList{"Péplum=1=25 %", "Science-fiction=3=75 %"};
    // One value for every film that has one: a single bar at 100 %.
    QTest::newRow("Support") << "Support"
                             << "SELECT COUNT(*) AS NBITEM, Support FROM Donnees GROUP BY Support"
                             << QStringList{"DVD=6=100 %"};
    QTest::newRow("aucune valeur")
        << "Format vidéo"
        << "SELECT COUNT(*) AS NBITEM, FormatVideo FROM Donnees GROUP BY FormatVideo" << QStringList();
    // The caption is compared exactly; anything else counts by genre.
    QTest::newRow("légende inconnue") << "format vidéo"
                                      << "SELECT COUNT(*) AS NBITEM, Genre FROM Donnees GROUP BY Genre"
                                      << QStringList{"Péplum=1=25 %", "Science-fiction=3=75 %"};
    QTest::newRow("une valeur par film")
        << "Etoiles"
        << "SELECT COUNT(*) AS NBITEM, Etoiles FROM Donnees GROUP BY Etoiles"
        << QStringList{"1 étoile=1=33.33 %", "2 étoiles=1=33.33 %", "3 étoiles=1=33.33 %"};
}

void TestStatistiques::comptes()
{
    QFETCH(QString, categorie);
    QFETCH(QString, instruction);
    QFETCH(QStringList, attendu);
    CatalogueEssai c;
    QVERIFY(c.Valide());
    QVERIFY(c.RemplirCollection());
    QVERIFY(c.Ajouter({{"Titre", "E1"}, {"Etoiles", "1 étoile"}}));
    QVERIFY(c.Ajouter({{"Titre", "E2"}, {"Etoiles", "2 étoiles"}}));
    QVERIFY(c.Ajouter({{"Titre", "E3"}, {"Etoiles", "3 étoiles"}}));
    Statistiques s;
    const Resultat r = CompterStatistiques(c.query(), categorie, s);
    QVERIFY2(r.estSucces(), qPrintable(r.message()));
    QCOMPARE(c.query().SQL().Texte(), instruction);
    QCOMPARE(Barres(s), attendu);
    qint64 somme = 0;
    for (const BarreStatistique& b : s.barres)
        somme += b.nombre;
    QCOMPARE(s.total, somme);
}

void TestStatistiques::catalogueVide()
{
    CatalogueEssai c;
    QVERIFY(c.Valide());
    QVERIFY(c.Ajouter({{"Titre", "Seul"}, {"Genre", "Drame"}}));
    Statistiques s;
    QVERIFY(CompterStatistiques(c.query(), QStringLiteral("Genre"), s).estSucces());
    QCOMPARE(Barres(s), QStringList{"Drame=1=100 %"});
    // Emptied afterwards, the catalogue gives an empty chart, not the previous one.
    Table& films = c.dm().tbFilms();
    QVERIFY(films.Locate(QStringLiteral("Titre"), QStringLiteral("Seul")));
    QVERIFY(films.Delete().estSucces());
    QVERIFY(CompterStatistiques(c.query(), QStringLiteral("Genre"), s).estSucces());
    QVERIFY(s.barres.empty());
    QCOMPARE(s.total, qint64(0));
    QCOMPARE(s.Pourcentage(0), 0.0);
}

void TestStatistiques::textePourcentage_data()
{
    QTest::addColumn<double>("valeur");
    QTest::addColumn<QString>("texte");
    QTest::newRow("entier") << 100.0 << "100 %";
    QTest::newRow("tiers") << 100.0 / 3 << "33.33 %";
    QTest::newRow("deux tiers arrondis") << 200.0 / 3 << "66.67 %";
    QTest::newRow("une décimale") << 12.5 << "12.5 %";
    QTest::newRow("zéro") << 0.0 << "0 %";
}

void TestStatistiques::textePourcentage()
{
    QFETCH(double, valeur);
    QFETCH(QString, texte);
    QCOMPARE(TextePourcentage(valeur), texte);
}
