#include "catalogue_essai.h"
#include "search/criteres.h"
#include "tests.h"

#include <QTest>

Q_DECLARE_METATYPE(DemandeRecherche)

namespace {

const QString Debut = QStringLiteral("SELECT DISTINCT Titre FROM Donnees");
const QString Fin = QStringLiteral("ORDER BY Titre");

CritereCoche Coche(const QString& caseACocher, const QString& valeur = QString())
{
    CritereCoche c;
    c.caseACocher = caseACocher;
    if (!valeur.isNull())
        c.valeur = valeur;
    return c;
}

CritereCoche Periode(const QString& debut, const QString& fin)
{
    CritereCoche c;
    c.caseACocher = QStringLiteral("ckDateSortie");
    c.debut = QDate::fromString(debut, QStringLiteral("dd/MM/yyyy"));
    c.fin = QDate::fromString(fin, QStringLiteral("dd/MM/yyyy"));
    return c;
}

DemandeRecherche Demande(bool et, const QList<CritereCoche>& cochees)
{
    DemandeRecherche d;
    d.operateurEt = et;
    d.cochees = cochees;
    return d;
}

// The tick boxes and condition lines of the panel, as the search statement must carry them.
const QList<QPair<QString, QString>> Lignes = {
    {"ckGenre", "Genre=:Genre"},
    {"ckRealisateur", "Realisateur=:Realisateur"},
    {"ckScenario", "Scenario=:Scenario"},
    {"ckMusique", "Musique=:Musique"},
    {"ckSite", "Site=:Site"},
    {"ckEtoiles", "Etoiles=:Etoiles"},
    {"ckPublic", "Public=:Public"},
    {"ckFormatCinema", "FormatCinema=:FormatCinema"},
    {"ckFormatVideo", "FormatVideo=:FormatVideo"},
    {"ckSupport", "Support=:Support"},
    {"ckZoneDvd", "ZoneDvd=:ZoneDvd"},
    {"ckStandard", "Standard=:Standard"},
    {"ckSon", "Son=:Son"},
    {"ckDejaVu", "DejaVu=TRUE"},
    {"ckPrete", "Prete=TRUE"},
    {"ckDateSortie", "Sortie BETWEEN :dateDebut and :dateFin"},
};

} // namespace

void TestRecherche::caseACocherDonneChampEtListe()
{
    QCOMPARE(ChampDeCaseACocher(QStringLiteral("ckRealisateur")), QStringLiteral("Realisateur"));
    QCOMPARE(ListeDeCaseACocher(QStringLiteral("ckFormatCinema")), QStringLiteral("cbFormatCinema"));
    // Every list row's field and list follow from its tick box's name alone.
    int listes = 0;
    for (const CritereRecherche& c : CriteresRecherche()) {
        if (c.genre != GenreCritere::Liste)
            continue;
        ++listes;
        QCOMPARE(ChampDeCaseACocher(c.caseACocher), c.champ);
        QCOMPARE(ListeDeCaseACocher(c.caseACocher), c.liste);
        QCOMPARE(CritereParCase(c.caseACocher), &c);
    }
    QCOMPARE(listes, 13);
    QCOMPARE(CritereParCase(QStringLiteral("ckTitre")), nullptr);
}

void TestRecherche::lignesRecherche_data()
{
    QTest::addColumn<bool>("et");
    QTest::addColumn<QStringList>("cases");
    QTest::addColumn<QStringList>("attendu");

    QTest::newRow("rien") << false << QStringList() << QStringList{Debut, Fin};
    QTest::newRow("genre et réalisateur, ET")
        << true << QStringList{"ckGenre", "ckRealisateur"}
        << QStringList{Debut, "WHERE", "Genre=:Genre", "And", "Realisateur=:Realisateur", Fin};
    QTest::newRow("déjà vu et période, OU")
        << false << QStringList{"ckDejaVu", "ckDateSortie"}
        << QStringList{Debut, "WHERE", "DejaVu=TRUE", "Or", "Sortie BETWEEN :dateDebut and :dateFin", Fin};
    // The rows join in the panel's order, whatever order they were ticked in.
    QTest::newRow("ordre du tableau") << false << QStringList{"ckSon", "ckGenre"}
                                      << QStringList{Debut, "WHERE", "Genre=:Genre", "Or", "Son=:Son", Fin};
    for (const auto& [caseACocher, condition] : Lignes) {
        QTest::addRow("seul %s", qPrintable(caseACocher))
            << false << QStringList{caseACocher} << QStringList{Debut, "WHERE", condition, Fin};
    }
    QStringList toutes;
    QStringList attendu{Debut, "WHERE"};
    for (qsizetype i = Lignes.size() - 1; i >= 0; --i)
        toutes << Lignes[i].first;
    for (const auto& ligne : Lignes)
        attendu << ligne.second << "And";
    attendu.last() = Fin;
    QTest::newRow("les seize, ET") << true << toutes << attendu;
}

void TestRecherche::lignesRecherche()
{
    QFETCH(bool, et);
    QFETCH(QStringList, cases);
    QFETCH(QStringList, attendu);
    QList<CritereCoche> cochees;
    for (const QString& c : cases)
        cochees << Coche(c, QStringLiteral("x"));
    QCOMPARE(LignesRecherche(Demande(et, cochees)), attendu);
}

void TestRecherche::recherche_data()
{
    QTest::addColumn<DemandeRecherche>("demande");
    QTest::addColumn<QStringList>("attendu");

    const QString sf = QStringLiteral("Science-fiction");
    const QString scott = QStringLiteral("Ridley Scott");
    QTest::newRow("OU : une fois chacun")
        << Demande(false, {Coche("ckGenre", sf), Coche("ckRealisateur", scott)})
        << QStringList{Alien, BladeRunner, Brazil, Gladiator};
    QTest::newRow("ET") << Demande(true, {Coche("ckGenre", sf), Coche("ckRealisateur", scott)})
                        << QStringList{Alien, BladeRunner};
    QTest::newRow("valeur absente") << Demande(false, {Coche("ckGenre", "Western")}) << QStringList();
    QTest::newRow("période, bornes comprises")
        << Demande(false, {Periode("25/05/1979", "25/06/1982")}) << QStringList{Alien, BladeRunner};
    QTest::newRow("période d'un jour")
        << Demande(false, {Periode("05/05/2000", "05/05/2000")}) << QStringList{Gladiator};
    QTest::newRow("période inversée")
        << Demande(false, {Periode("05/05/2000", "01/01/1970")}) << QStringList();
    QTest::newRow("déjà vu OU prêté") << Demande(false, {Coche("ckDejaVu"), Coche("ckPrete")})
                                      << QStringList{Alien, BladeRunner, Gladiator};
    QTest::newRow("déjà vu ET période")
        << Demande(true, {Coche("ckDejaVu"), Periode("01/01/1979", "31/12/1985")}) << QStringList{Alien};
    QTest::newRow("genre ET prêté ET période")
        << Demande(true, {Periode("01/01/1970", "31/12/1999"), Coche("ckPrete"), Coche("ckGenre", sf)})
        << QStringList{BladeRunner};
}

void TestRecherche::recherche()
{
    QFETCH(DemandeRecherche, demande);
    QFETCH(QStringList, attendu);
    CatalogueEssai c;
    QVERIFY(c.Valide());
    QVERIFY(c.RemplirCollection());
    QStringList titres{QStringLiteral("précédent")};
    const Resultat r = LancerRecherche(c.query(), demande, titres);
    QVERIFY2(r.estSucces(), qPrintable(r.message()));
    QCOMPARE(titres, attendu);
}

void TestRecherche::rechercheSansCritereDonneChaqueTitreUneFois()
{
    CatalogueEssai c;
    QVERIFY(c.Valide());
    QVERIFY(c.RemplirCollection());
    QStringList titres;
    QVERIFY(LancerRecherche(c.query(), DemandeRecherche(), titres).estSucces());
    // The alphabetical film list holds each title once, in the same order.
    QStringList liste;
    QVERIFY(ChargerValeursDistinctes(c.query(), QStringLiteral("Titre"), liste).estSucces());
    QCOMPARE(titres.size(), 7);
    QCOMPARE(titres, liste);
    QVERIFY(titres.contains(TitreABlancs));
}

void TestRecherche::listeSansSelection_data()
{
    QTest::addColumn<bool>("vide");
    QTest::newRow("catalogue vide") << true;
    QTest::newRow("aucun film n'a de site") << false;
}

void TestRecherche::listeSansSelection()
{
    QFETCH(bool, vide);
    CatalogueEssai c;
    QVERIFY(c.Valide());
    if (!vide)
        QVERIFY(c.RemplirCollection());
    const QString caseACocher = vide ? QStringLiteral("ckGenre") : QStringLiteral("ckSite");
    QStringList valeurs;
    QVERIFY(ChargerListeCritere(c.query(), caseACocher, valeurs).estSucces());
    QVERIFY(valeurs.isEmpty());

    // The list stayed empty, so nothing is selected: the search names the parameter left without a value
    // and the previous results stay.
    const QStringList avant{QStringLiteral("résultat précédent")};
    QStringList titres = avant;
    const Resultat r =
        LancerRecherche(c.query(), Demande(false, {Coche("ckDejaVu"), Coche(caseACocher)}), titres);
    QVERIFY(!r.estSucces());
    QCOMPARE(r.message(),
             QStringLiteral("Pas de valeur pour le paramètre '%1'").arg(ChampDeCaseACocher(caseACocher)));
    QCOMPARE(titres, avant);
}

void TestRecherche::periodeIncorrecte()
{
    CatalogueEssai c;
    QVERIFY(c.Valide());
    QStringList titres{QStringLiteral("x")};
    const Resultat r =
        LancerRecherche(c.query(), Demande(false, {Periode("31/02/2005", "01/03/2005")}), titres);
    QVERIFY(!r.estSucces());
    QCOMPARE(r.message(), QStringLiteral("La période de sortie demande deux dates correctes (jj/mm/aaaa)."));
    QCOMPARE(titres, QStringList{QStringLiteral("x")});
}

void TestRecherche::listeCritere()
{
    CatalogueEssai c;
    QVERIFY(c.Valide());
    QVERIFY(c.RemplirCollection());
    // Items already in the list stay: it is not emptied before the values are added.
    QStringList valeurs{QStringLiteral("déjà là")};
    QVERIFY(ChargerListeCritere(c.query(), QStringLiteral("ckGenre"), valeurs).estSucces());
    QCOMPARE(valeurs, (QStringList{"déjà là", "Péplum", "Science-fiction"}));
    QCOMPARE(c.query().SQL().Texte(), QStringLiteral("SELECT DISTINCT Genre FROM Donnees ORDER BY Genre"));

    // The values are those of the moment of the call: a later film shows only after a new call.
    QVERIFY(c.Ajouter({{"Titre", "Nosferatu"}, {"Genre", "Epouvante"}}));
    QStringList relues;
    QVERIFY(ChargerListeCritere(c.query(), QStringLiteral("ckGenre"), relues).estSucces());
    QCOMPARE(relues, (QStringList{"Epouvante", "Péplum", "Science-fiction"}));

    // Rows without a list, and names that are no row, are refused before any statement.
    for (const char* nom : {"ckDejaVu", "ckDateSortie", "ckTitre", "ckGenre FROM x; --"}) {
        QStringList aucune;
        const Resultat r = ChargerListeCritere(c.query(), QString::fromUtf8(nom), aucune);
        QVERIFY2(!r.estSucces(), nom);
        QVERIFY(aucune.isEmpty());
    }
}

void TestRecherche::couverture()
{
    CatalogueEssai c;
    QVERIFY(c.Valide());
    QVERIFY(c.RemplirCollection());
    QByteArray octets("ancienne");
    QVERIFY(LireCouvertureResultat(c.query(), Alien, octets).estSucces());
    QCOMPARE(octets, QByteArray("\xFF\xD8 couverture d'Alien", 21));
    QVERIFY(!c.query().Active());
    QVERIFY(LireCouvertureResultat(c.query(), Brazil, octets).estSucces());
    QVERIFY(octets.isEmpty());
    octets = "ancienne";
    QVERIFY(LireCouvertureResultat(c.query(), QStringLiteral("Film disparu"), octets).estSucces());
    QVERIFY(octets.isEmpty());
}
