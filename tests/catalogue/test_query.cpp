#include "outils_catalogue.h"
#include "tests_catalogue.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

namespace {

const QStringList ChampsGroupes = {"Titre",   "Sortie",  "Realisateur", "Scenario",
                                   "Musique", "Editeur", "Public",      "Etoiles"};
const QStringList ChampsStatistiques = {"Genre",   "Realisateur", "Support",      "Langue",   "Public",
                                        "Etoiles", "FormatVideo", "Son",          "Standard", "ZoneDvd",
                                        "Editeur", "Sortie",      "FormatCinema", "DejaVu",   "Prete"};

void Remplacer(Query& q, const QStringList& lignes)
{
    q.SQL().Clear();
    for (const QString& ligne : lignes) {
        q.SQL().Add(ligne);
    }
}

// "nom=valeur" sets a text, "date:nom=valeur" a date written dd/mm/yyyy.
void Parametrer(Query& q, const QStringList& parametres)
{
    for (const QString& p : parametres) {
        const bool date = p.startsWith(QLatin1String("date:"));
        const QString nom = p.section(QLatin1Char('='), 0, 0).remove(QStringLiteral("date:"));
        const QString valeur = p.section(QLatin1Char('='), 1);
        if (date) {
            q.ParamByName(nom).DefinirDate(valeur);
        } else {
            q.ParamByName(nom).DefinirTexte(valeur);
        }
    }
}

} // namespace

void TestQuery::initTestCase()
{
    m_dossier = new QTemporaryDir;
    m_dm = new Tdm(m_dossier->path() + QLatin1Char('/'));
    QVERIFY(m_dm->OuvrirBase());
    const QList<Champs> films = {{{"Titre", "Léon"},
                                  {"Genre", "Policier"},
                                  {"Realisateur", "Luc Besson"},
                                  {"Sortie", "14/09/1994"},
                                  {"DejaVu", "Vrai"},
                                  {"Prete", "Faux"},
                                  {"Musique", "Éric Serra"},
                                  {"Etoiles", "4 étoiles"}},
                                 {{"Titre", "Le Grand Bleu"},
                                  {"Genre", "Drame"},
                                  {"Realisateur", "Luc Besson"},
                                  {"Sortie", "11/05/1988"},
                                  {"DejaVu", "Faux"},
                                  {"Prete", "Vrai"},
                                  {"Emprunteur", "Marie"},
                                  {"DateEmprunt", "02/03/2005"},
                                  {"Musique", "Éric Serra"}},
                                 {{"Titre", "Nikita"},
                                  {"Genre", "Policier"},
                                  {"Realisateur", "Luc Besson"},
                                  {"Sortie", "21/02/1990"},
                                  {"DejaVu", "Vrai"},
                                  {"Prete", "Faux"},
                                  {"Musique", "Eric Serra"}},
                                 {{"Titre", "Amélie"},
                                  {"Genre", "Comédie"},
                                  {"Realisateur", "Jean-Pierre Jeunet"},
                                  {"Sortie", "25/04/2001"},
                                  {"DejaVu", "Vrai"},
                                  {"Prete", "Faux"}},
                                 {{"Titre", "Delicatessen"},
                                  {"Genre", "Comédie"},
                                  {"Realisateur", "Jean-Pierre Jeunet"},
                                  {"Sortie", "17/04/1991"},
                                  {"DejaVu", "Faux"},
                                  {"Prete", "Faux"}},
                                 {{"Titre", "Être et avoir"},
                                  {"Genre", "Documentaire"},
                                  {"Realisateur", "Nicolas Philibert"},
                                  {"Sortie", "28/08/2002"},
                                  {"DejaVu", "Faux"},
                                  {"Prete", "Faux"}},
                                 {{"Titre", "Alien"},
                                  {"Genre", "Science-fiction"},
                                  {"Realisateur", "Ridley Scott"},
                                  {"Sortie", "25/05/1979"},
                                  {"DejaVu", "Vrai"},
                                  {"Prete", "Vrai"},
                                  {"Emprunteur", "Paul"},
                                  {"DateEmprunt", "01/04/2005"}},
                                 {{"Titre", "Sans date"}, {"Genre", "Drame"}}};
    const QStringList couverts = {"Léon", "Nikita", "Delicatessen"};
    for (int i = 0; i < films.size(); ++i) {
        const bool couvert = couverts.contains(films[i].first().second);
        QVERIFY(AjouterFiche(m_dm->tbFilms(), films[i], couvert ? Octets(50000 + i, i) : QByteArray()));
    }
}

void TestQuery::cleanupTestCase()
{
    delete m_dm;
    delete m_dossier;
}

void TestQuery::valeursDistinctes_data()
{
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QStringList>("attendu");
    QTest::newRow("Titre") << "Titre"
                           << QStringList{"Alien",         "Amélie", "Delicatessen", "Être et avoir",
                                          "Le Grand Bleu", "Léon",   "Nikita",       "Sans date"};
    QTest::newRow("Sortie") << "Sortie"
                            << QStringList{"",           "25/05/1979", "11/05/1988", "21/02/1990",
                                           "17/04/1991", "14/09/1994", "25/04/2001", "28/08/2002"};
    QTest::newRow("Realisateur") << "realisateur"
                                 << QStringList{"", "Jean-Pierre Jeunet", "Luc Besson", "Nicolas Philibert",
                                                "Ridley Scott"};
    QTest::newRow("Musique, exacte") << "Musique" << QStringList{"", "Eric Serra", "Éric Serra"};
}

// Statements 1 and 5: the list's and the search's values of a field.
void TestQuery::valeursDistinctes()
{
    QFETCH(QString, champ);
    QFETCH(QStringList, attendu);
    QStringList liste;
    QVERIFY(ChargerValeursDistinctes(m_dm->query(), champ, liste));
    QCOMPARE(liste, attendu);

    Query& q = m_dm->query();
    Remplacer(q, {"SELECT DISTINCT " + champ + " FROM Donnees ORDER BY " + champ});
    QVERIFY(q.Open());
    QCOMPARE(q.RecordCount(), attendu.size());
    QCOMPARE(Colonne(q, champ), attendu);
    q.First();
    QCOMPARE(q.Texte(champ), attendu.first());
    q.Close();
}

void TestQuery::titresDUnGroupe_data()
{
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("parametre");
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<bool>("commeDate");
    QTest::addColumn<QStringList>("attendu");
    QTest::newRow("réalisateur") << "Realisateur"
                                 << "Param"
                                 << "Luc Besson" << false << QStringList{"Le Grand Bleu", "Léon", "Nikita"};
    QTest::newRow("casse du paramètre") << "Genre"
                                        << "PARAM"
                                        << "Comédie" << false << QStringList{"Amélie", "Delicatessen"};
    QTest::newRow("valeur exacte") << "Realisateur"
                                   << "param"
                                   << "luc besson" << false << QStringList{};
    QTest::newRow("date") << "Sortie"
                          << "Param"
                          << "25/04/2001" << true << QStringList{"Amélie"};
}

// Statement 2: the titles of one group of the list.
void TestQuery::titresDUnGroupe()
{
    QFETCH(QString, champ);
    QFETCH(QString, parametre);
    QFETCH(QString, valeur);
    QFETCH(bool, commeDate);
    QFETCH(QStringList, attendu);
    Query& q = m_dm->query();
    Remplacer(q, {"SELECT DISTINCT Titre FROM Donnees", "WHERE " + champ + "=:Param"});
    if (commeDate) {
        q.ParamByName(parametre).DefinirDate(valeur);
    } else {
        q.ParamByName(parametre).DefinirTexte(valeur);
    }
    QVERIFY(q.Open());
    QStringList titres = Colonne(q, "Titre");
    titres.sort();
    attendu.sort();
    QCOMPARE(titres, attendu);
    if (commeDate) {
        // The same group, the parameter given as a date value.
        Remplacer(q, {"SELECT DISTINCT Titre FROM Donnees", "WHERE " + champ + "=:Param"});
        q.ParamByName(parametre).DefinirValeur(QDate(2001, 4, 25));
        QVERIFY(q.Open());
        QCOMPARE(Colonne(q, "Titre"), attendu);
    }
}

// Statement 3: the home page steps from the latest film to the first three covers.
void TestQuery::accueilParDateDecroissante()
{
    Query& q = m_dm->query();
    Remplacer(q, {"SELECT Sortie, Titre,BlobPicture FROM Donnees", "ORDER BY Sortie DESC"});
    QVERIFY(q.Open());
    QCOMPARE(q.RecordCount(), 8);
    QCOMPARE(q.FieldCount(), 3);
    QCOMPARE(q.NomChamp(2), QStringLiteral("BlobPicture"));
    QStringList ordre;
    QStringList couvertures;
    while (!q.Eof()) {
        ordre << q.Texte("Titre") + " " + q.Texte("Sortie");
        if (!q.EstNul("BlobPicture")) {
            const QByteArray octets = q.Blob("BlobPicture");
            QVERIFY(octets.size() >= 50000);
            couvertures << q.Texte("Titre");
        }
        q.Next();
    }
    QCOMPARE(ordre, QStringList({"Être et avoir 28/08/2002", "Amélie 25/04/2001", "Léon 14/09/1994",
                                 "Delicatessen 17/04/1991", "Nikita 21/02/1990", "Le Grand Bleu 11/05/1988",
                                 "Alien 25/05/1979", "Sans date "}));
    QCOMPARE(couvertures, QStringList({"Léon", "Delicatessen", "Nikita"}));
    // The bytes are the film's, unchanged.
    q.First();
    while (q.Texte("Titre") != QLatin1String("Nikita")) {
        q.Next();
    }
    QCOMPARE(q.Blob("BlobPicture"), Octets(50002, 2));
    q.Close();
}

// Statement 4: the statistics' count per value.
void TestQuery::compteParGroupe()
{
    Query& q = m_dm->query();
    Remplacer(q, {"SELECT COUNT(*) AS NBITEM, Genre FROM Donnees GROUP BY Genre"});
    QVERIFY(q.Open());
    QStringList barres;
    while (!q.Eof()) {
        barres << QStringLiteral("%1=%2").arg(q.Texte("Genre")).arg(q.Entier("nbitem"));
        QCOMPARE(q.Texte("NBITEM"), QString::number(q.Entier("NBITEM")));
        q.Next();
    }
    QCOMPARE(barres,
             QStringList({"Comédie=2", "Documentaire=1", "Drame=2", "Policier=2", "Science-fiction=1"}));
    Remplacer(q, {"SELECT COUNT(*) AS NBITEM, DejaVu FROM Donnees GROUP BY DejaVu"});
    QVERIFY(q.Open());
    QCOMPARE(q.Texte("DejaVu") + "=" + q.Texte("NBITEM"), QStringLiteral("=1")); // never said: empty
    q.Next();
    QCOMPARE(q.Texte("DejaVu") + "=" + q.Texte("NBITEM"), QStringLiteral("Faux=3"));
    q.Next();
    QCOMPARE(q.Texte("DejaVu") + "=" + q.Texte("NBITEM"), QStringLiteral("Vrai=4"));
    q.Close();
}

void TestQuery::recherche_data()
{
    QTest::addColumn<QStringList>("conditions");
    QTest::addColumn<QString>("operateur");
    QTest::addColumn<QStringList>("parametres");
    QTest::addColumn<QStringList>("attendu");
    QTest::newRow("ou") << QStringList{"Genre=:Genre", "Realisateur=:Realisateur"} << "Or"
                        << QStringList{"Genre=Comédie", "Realisateur=Ridley Scott"}
                        << QStringList{"Alien", "Amélie", "Delicatessen"};
    QTest::newRow("et, vu") << QStringList{"Genre=:Genre", "DejaVu=TRUE"} << "And"
                            << QStringList{"Genre=Policier"} << QStringList{"Léon", "Nikita"};
    QTest::newRow("période") << QStringList{"Sortie BETWEEN :DateDebut and :DateFin"} << "And"
                             << QStringList{"date:DateDebut=01/01/1990", "date:DateFin=31/12/1994"}
                             << QStringList{"Delicatessen", "Léon", "Nikita"};
    QTest::newRow("prêtés") << QStringList{"Prete=TRUE"} << "Or" << QStringList{}
                            << QStringList{"Alien", "Le Grand Bleu"};
    QTest::newRow("rien") << QStringList{"Genre=:Genre", "Prete=TRUE"} << "And"
                          << QStringList{"Genre=Comédie"} << QStringList{};
}

// Statement 6: the search, its conditions joined by And or Or, the last operator removed.
void TestQuery::recherche()
{
    QFETCH(QStringList, conditions);
    QFETCH(QString, operateur);
    QFETCH(QStringList, parametres);
    QFETCH(QStringList, attendu);
    Query& q = m_dm->query();
    q.SQL().Clear();
    q.SQL().Add("SELECT DISTINCT Titre FROM Donnees");
    q.SQL().Add("WHERE");
    for (const QString& condition : conditions) {
        q.SQL().Add(condition);
        q.SQL().Add(operateur);
    }
    q.SQL().Delete(q.SQL().Count() - 1);
    q.SQL().Add("ORDER BY Titre");
    Parametrer(q, parametres);
    QVERIFY(q.Open());
    QCOMPARE(q.RecordCount(), attendu.size());
    QCOMPARE(Colonne(q, "Titre"), attendu);
}

// Statement 7: the cover of the chosen result.
void TestQuery::couvertureDUnTitre()
{
    Query& q = m_dm->query();
    const auto ouvrir = [&](const QString& titre) {
        Remplacer(q, {"SELECT Titre,BlobPicture FROM Donnees", "WHERE Titre=:Titre"});
        q.ParamByName("Titre").DefinirTexte(titre);
        return q.Open();
    };
    QVERIFY(ouvrir("Nikita"));
    QVERIFY(!q.EstNul("BlobPicture"));
    QCOMPARE(q.Blob("blobpicture"), Octets(50002, 2));
    QVERIFY(ouvrir("Amélie"));
    QVERIFY(!q.Eof());
    QVERIFY(q.EstNul("BlobPicture"));
    QVERIFY(ouvrir("Inconnu"));
    QVERIFY(q.Eof());
    QVERIFY(q.EstNul("BlobPicture"));
    QCOMPARE(q.RecordCount(), 0);
    q.Close();
}

// Statements 8 and 9: the loan grid and saving one loan through the query's result.
void TestQuery::grilleEtPretModifie()
{
    Query& q = m_dm->query();
    const auto grille = [&] {
        Remplacer(q, {"SELECT Titre, Emprunteur, DateEmprunt, Prete FROM Donnees"});
        QMap<QString, QString> lignes;
        if (!q.Open()) {
            return lignes;
        }
        for (; !q.Eof(); q.Next()) {
            lignes[q.Texte("Titre")] =
                QStringList{q.Texte("Emprunteur"), q.Texte("DateEmprunt"), q.Texte("Prete")}.join(
                    QLatin1Char('|'));
        }
        return lignes;
    };
    QMap<QString, QString> avant = grille();
    QCOMPARE(avant.size(), 8);
    QCOMPARE(avant["Le Grand Bleu"], QStringLiteral("Marie|02/03/2005|Vrai"));
    QCOMPARE(avant["Léon"], QStringLiteral("||Faux"));

    const auto ouvrir = [&](const QString& titre) {
        Remplacer(q, {"SELECT Titre, Emprunteur, DateEmprunt, Prete FROM Donnees", "WHERE Titre=:Titre"});
        q.ParamByName("titre").DefinirTexte(titre);
        return q.Open();
    };
    // The film table is on the film being lent: it must see the change.
    Table& films = m_dm->tbFilms();
    QVERIFY(films.Locate("Titre", "Le Grand Bleu"));
    QCOMPARE(films.Texte("Prete"), QStringLiteral("Vrai"));

    QVERIFY(ouvrir("Le Grand Bleu"));
    QVERIFY(q.EstModifiable());
    QVERIFY(q.Edit());
    QVERIFY(q.EcrireTexte("Prete", "Faux"));
    QVERIFY(q.EcrireTexte("Emprunteur", ""));
    QVERIFY(q.EcrireDate("DateEmprunt", QDate()));
    QVERIFY(!q.EcrireTexte("DateEmprunt", "demain")); // refused, nothing written
    QVERIFY(q.Post());
    QCOMPARE(q.Texte("Prete"), QStringLiteral("Faux"));
    QVERIFY(q.EstNul("Emprunteur"));

    QVERIFY(ouvrir("Léon"));
    QVERIFY(q.Edit());
    QVERIFY(q.EcrireTexte("Emprunteur", "Jules"));
    QVERIFY(q.EcrireTexte("DateEmprunt", "15/06/2005"));
    QVERIFY(q.EcrireLogique("Prete", true));
    QVERIFY(!q.EcrireLogique("Emprunteur", true));
    QVERIFY(q.Post());

    // Cancel leaves the row as it was.
    QVERIFY(ouvrir("Alien"));
    QVERIFY(q.Edit());
    QVERIFY(q.EcrireTexte("Emprunteur", "Personne"));
    q.Cancel();
    QCOMPARE(q.Texte("Emprunteur"), QStringLiteral("Paul"));

    QMap<QString, QString> apres = grille();
    QCOMPARE(apres["Le Grand Bleu"], QStringLiteral("||Faux"));
    QCOMPARE(apres["Léon"], QStringLiteral("Jules|15/06/2005|Vrai"));
    QCOMPARE(apres["Alien"], QStringLiteral("Paul|01/04/2005|Vrai"));
    QCOMPARE(films.Texte("Prete"), QStringLiteral("Faux"));
    QVERIFY(films.EstNul("Emprunteur"));

    // A result that is not a plain selection cannot be edited.
    Remplacer(q, {"SELECT DISTINCT Titre FROM Donnees ORDER BY Titre"});
    QVERIFY(q.Open());
    QVERIFY(!q.EstModifiable());
    QVERIFY(!q.Edit());
    q.Close();
}

void TestQuery::pretTitreEnDouble()
{
    Query& q = m_dm->query();
    Remplacer(q, {"SELECT Titre, Emprunteur, DateEmprunt, Prete FROM Donnees", "WHERE Titre=:Titre"});
    q.ParamByName("Titre").DefinirTexte("Nikita");
    QVERIFY(q.Open());
    QVERIFY(q.Edit());
    QVERIFY(q.EcrireTexte("Titre", "Alien"));
    const Resultat r = q.Post();
    QVERIFY(!r);
    QCOMPARE(r.code(), CodeCleDupliquee);
    QCOMPARE(q.EtatRequete(), Query::Etat::Edition);
    QVERIFY(q.EcrireTexte("Titre", ""));
    QCOMPARE(q.Post().message(), QStringLiteral("Le champ 'Titre' doit avoir une valeur"));
    q.Cancel();
    QVERIFY(m_dm->tbFilms().Locate("Titre", "Nikita"));
    q.Close();
}

void TestQuery::parametresEtErreurs_data()
{
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<QStringList>("parametres");
    QTest::addColumn<QString>("message");
    QTest::newRow("sans valeur") << QStringList{"SELECT Titre FROM Donnees", "WHERE Titre=:Titre"}
                                 << QStringList{} << "Pas de valeur pour le paramètre 'Titre'";
    QTest::newRow("un des deux") << QStringList{"SELECT Titre FROM Donnees",
                                                "WHERE Sortie BETWEEN :DateDebut", "and :DateFin"}
                                 << QStringList{"date:datedebut=01/01/2000"}
                                 << "Pas de valeur pour le paramètre 'DateFin'";
    QTest::newRow("date fausse") << QStringList{"SELECT Titre FROM Donnees", "WHERE Sortie=:Param"}
                                 << QStringList{"date:Param=2001-04-25"} << "n'est pas une date correcte";
    QTest::newRow("paramètre absent") << QStringList{"SELECT Titre FROM Donnees"}
                                      << QStringList{"Genre=Drame"} << "Paramètre 'Genre' non trouvé";
    QTest::newRow("syntaxe") << QStringList{"SELEC Titre FROM Donnees"} << QStringList{} << "syntax error";
    QTest::newRow("champ inconnu") << QStringList{"SELECT Nom FROM Donnees"} << QStringList{}
                                   << "no such column: Nom";
}

// A statement SQLite rejects, or a parameter left without value, gives its error to the caller.
void TestQuery::parametresEtErreurs()
{
    QFETCH(QStringList, lignes);
    QFETCH(QStringList, parametres);
    QFETCH(QString, message);
    Query& q = m_dm->query();
    Remplacer(q, lignes);
    Parametrer(q, parametres);
    const Resultat r = q.Open();
    QVERIFY(!r);
    QVERIFY2(r.message().contains(message), qPrintable(r.message()));
    QVERIFY(!q.Active());
    QVERIFY(q.Eof());
    QVERIFY(q.Texte("Titre").isEmpty());
}

// French dictionary order for the list, exact values for the key and for DISTINCT.
void TestQuery::ordreFrancaisEtUnicite()
{
    QTemporaryDir dossier;
    Tdm dm(dossier.path() + QLatin1Char('/'));
    QVERIFY(dm.OuvrirBase());
    for (const char* titre : {"zèbre", "Zoé", "été", "Été", "Eté", "abricot", "Ábc", "abc", "Abc"}) {
        QVERIFY(AjouterFiche(dm.tbFilms(),
                             {{"Titre", QString::fromUtf8(titre)}, {"Genre", QString::fromUtf8(titre)}}));
    }
    QVERIFY(AjouterFiche(dm.tbFilms(), {{"Titre", "Été"}}).estSilencieux()); // an exact duplicate
    const QStringList attendu = {"Abc", "abc", "Ábc", "abricot", "Eté", "Été", "été", "zèbre", "Zoé"};
    QStringList titres;
    QVERIFY(ChargerValeursDistinctes(dm.query(), "Titre", titres));
    QCOMPARE(titres, attendu);
    QVERIFY(ChargerValeursDistinctes(dm.query(), "Genre", titres));
    QCOMPARE(titres, attendu);
    Query& q = dm.query();
    Remplacer(q, {"SELECT COUNT(*) AS NBITEM, Genre FROM Donnees GROUP BY Genre"});
    QVERIFY(q.Open());
    QCOMPARE(q.RecordCount(), 9);
    Remplacer(q, {"SELECT DISTINCT Titre FROM Donnees", "WHERE Genre=:Param"});
    q.ParamByName("Param").DefinirTexte("ete");
    QVERIFY(q.Open());
    QVERIFY(q.Eof());
    q.Close();
}

void TestQuery::aucuneInstructionNeParcourtLesLignes_data()
{
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<QStringList>("parametres");
    QTest::addColumn<bool>("triPermis"); // a group or a search sorts only the few titles it found
    for (const QString& champ : ChampsGroupes) {
        QTest::addRow("1 %s", qPrintable(champ))
            << QStringList{"SELECT DISTINCT " + champ + " FROM donnees ORDER BY " + champ} << QStringList{}
            << false;
        QTest::addRow("2 %s", qPrintable(champ))
            << QStringList{"SELECT DISTINCT Titre FROM Donnees", "WHERE " + champ + "=:Param"}
            << QStringList{"Param=x"} << true;
    }
    QTest::newRow("3") << QStringList{"SELECT Sortie, Titre,BlobPicture FROM Donnees", "ORDER BY Sortie DESC"}
                       << QStringList{} << false;
    for (const QString& champ : ChampsStatistiques) {
        QTest::addRow("4 %s", qPrintable(champ))
            << QStringList{"SELECT COUNT(*) AS NBITEM, " + champ + " FROM Donnees GROUP BY " + champ}
            << QStringList{} << false;
    }
    QTest::newRow("6") << QStringList{"SELECT DISTINCT Titre FROM Donnees",
                                      "WHERE",
                                      "Genre=:Genre",
                                      "Or",
                                      "Support=:Support",
                                      "Or",
                                      "DejaVu=TRUE",
                                      "Or",
                                      "Sortie BETWEEN :DateDebut and :DateFin",
                                      "ORDER BY Titre"}
                       << QStringList{"Genre=x", "Support=y", "date:DateDebut=01/01/2000",
                                      "date:DateFin=01/01/2001"}
                       << true;
    QTest::newRow("6 et") << QStringList{"SELECT DISTINCT Titre FROM Donnees",
                                         "WHERE",
                                         "Genre=:Genre",
                                         "And",
                                         "Prete=TRUE",
                                         "ORDER BY Titre"}
                          << QStringList{"Genre=x"} << true;
    QTest::newRow("7") << QStringList{"SELECT Titre,BlobPicture FROM Donnees", "WHERE Titre=:Titre"}
                       << QStringList{"Titre=x"} << false;
    QTest::newRow("8") << QStringList{"SELECT Titre, Emprunteur, DateEmprunt, Prete FROM Donnees"}
                       << QStringList{} << false;
    QTest::newRow("9") << QStringList{"SELECT Titre, Emprunteur, DateEmprunt, Prete FROM Donnees",
                                      "WHERE Titre=:Titre"}
                       << QStringList{"Titre=x"} << false;
}

// Every statement walks an index: none reads the table's rows (which hold the covers) to find, sort or group.
void TestQuery::aucuneInstructionNeParcourtLesLignes()
{
    QFETCH(QStringList, lignes);
    QFETCH(QStringList, parametres);
    QFETCH(bool, triPermis);
    Query& q = m_dm->query();
    Remplacer(q, lignes);
    Parametrer(q, parametres);
    QVERIFY(q.Open());
    const QString plan =
        Executer(m_dm->tbFilms().connexion()->db(), QStringLiteral("EXPLAIN QUERY PLAN ") + q.TexteExecute());
    q.Close();
    QVERIFY2(!plan.startsWith(QLatin1String("ERREUR")), qPrintable(plan));
    static const QRegularExpression parcours(QStringLiteral("SCAN Donnees$"),
                                             QRegularExpression::MultilineOption);
    QVERIFY2(!parcours.match(plan).hasMatch(), qPrintable(plan));
    if (!triPermis) {
        QVERIFY2(!plan.contains(QLatin1String("TEMP B-TREE")), qPrintable(plan));
    }
}

// Stepping over films with covers reads none of them: only the one asked for is read.
void TestQuery::couverturesNonDemandeesNonLues()
{
    QTemporaryDir dossier;
    const QString programme = dossier.path() + QLatin1Char('/');
    const int taille = 4 * 1024 * 1024;
    {
        Tdm dm(programme);
        QVERIFY(dm.OuvrirBase());
        for (int i = 0; i < 5; ++i) {
            QVERIFY(AjouterFiche(dm.tbFilms(),
                                 {{"Titre", QStringLiteral("Film %1").arg(i)},
                                  {"Sortie", QStringLiteral("0%1/01/2000").arg(i + 1)}},
                                 Octets(taille, i)));
        }
    }
    Tdm dm(programme);
    QVERIFY(dm.OuvrirBase());
    sqlite3* db = dm.tbFilms().connexion()->db();
    const auto pagesLues = [db] {
        int courant = 0;
        int maximum = 0;
        sqlite3_db_status(db, SQLITE_DBSTATUS_CACHE_MISS, &courant, &maximum, 1);
        return courant;
    };
    pagesLues();
    Query& q = dm.query();
    Remplacer(q, {"SELECT Sortie, Titre,BlobPicture FROM Donnees", "ORDER BY Sortie DESC"});
    QVERIFY(q.Open());
    QCOMPARE(q.RecordCount(), 5);
    int couvertes = 0;
    for (; !q.Eof(); q.Next()) {
        couvertes += q.EstNul("BlobPicture") ? 0 : 1;
        QVERIFY(!q.Texte("Titre").isEmpty());
    }
    QCOMPARE(couvertes, 5);
    dm.tbFilms().First();
    QVERIFY(!dm.tbFilms().EstNul("BlobPicture"));
    QVERIFY2(pagesLues() < 100, "des couvertures ont été lues sans être demandées");
    q.First();
    QCOMPARE(q.Blob("BlobPicture").size(), taille);
    QVERIFY(pagesLues() > taille / 4096 / 2); // the measure does see a cover being read
    q.Close();
}
