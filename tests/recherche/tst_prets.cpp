#include "catalogue_essai.h"
#include "loans/prets.h"
#include "tests.h"

#include <QTest>

namespace {

QString Texte(const LignePret& l)
{
    return QStringList{l.titre, l.emprunteur, l.date, l.prete}.join(u'|');
}

// The register's rows as "titre|emprunteur|date|prêté".
QStringList Registre(Query& query)
{
    std::vector<LignePret> lignes;
    const Resultat r = ChargerPrets(query, lignes);
    if (!r)
        return {QStringLiteral("échec : ") + r.message()};
    QStringList textes;
    for (const LignePret& l : lignes)
        textes << Texte(l);
    return textes;
}

QString LigneDe(Query& query, const QString& titre)
{
    for (const QString& ligne : Registre(query)) {
        if (ligne.startsWith(titre + u'|'))
            return ligne;
    }
    return QString();
}

} // namespace

void TestPrets::estDate_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("date");
    QTest::newRow("complète") << "31/05/2005" << true;
    QTest::newRow("29 février bissextile") << "29/02/2004" << true;
    QTest::newRow("un chiffre") << "1/2/2005" << true;
    QTest::newRow("31 février") << "31/02/2005" << false;
    QTest::newRow("29 février non bissextile") << "29/02/2005" << false;
    QTest::newRow("mois 13") << "01/13/2005" << false;
    QTest::newRow("à moitié saisie") << "12/03/    " << false;
    QTest::newRow("masque vide") << "  /  /    " << false;
    QTest::newRow("vide") << "" << false;
    QTest::newRow("année à deux chiffres") << "31/05/05" << false;
    QTest::newRow("tirets") << "31-05-2005" << false;
    QTest::newRow("texte") << "demain" << false;
}

void TestPrets::estDate()
{
    QFETCH(QString, texte);
    QFETCH(bool, date);
    QCOMPARE(EstDate(texte), date);
}

void TestPrets::registre()
{
    CatalogueEssai c;
    QVERIFY(c.Valide());
    QVERIFY(c.RemplirCollection());
    // Every film once, in the store's order; never-lent films show empty cells, the lent one its borrower,
    // date and flag.
    QStringList registre = Registre(c.query());
    registre.sort();
    QCOMPARE(registre, (QStringList{"  Titre à blancs |||", "Alien|||", "Blade Runner|Paul|02/01/2005|Vrai",
                                    "Brazil|||", "Gladiator|||", "Sans rien|||", "Titre à blancs|||"}));
    QCOMPARE(c.query().SQL().Texte(),
             QStringLiteral("SELECT Titre, Emprunteur, DateEmprunt, Prete FROM Donnees"));
}

void TestPrets::registreVide()
{
    CatalogueEssai c;
    QVERIFY(c.Valide());
    std::vector<LignePret> lignes{LignePret{"ancienne", "", "", ""}};
    QVERIFY(ChargerPrets(c.query(), lignes).estSucces());
    QVERIFY(lignes.empty());
}

void TestPrets::validation_data()
{
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("emprunteur");
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("prete");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("prêt") << Brazil << "Sam Lowry"
                          << "01/03/2005" << true << "Brazil|Sam Lowry|01/03/2005|Vrai";
    // A film never lent, validated as it stands: the flag is no longer null.
    QTest::newRow("sans changement") << Gladiator << ""
                                     << "" << false << "Gladiator|||Faux";
    QTest::newRow("31 février") << Brazil << "Sam"
                                << "31/02/2005" << true << "Brazil|Sam||Vrai";
    QTest::newRow("date à moitié saisie") << Brazil << "Sam"
                                          << "12/03/    " << true << "Brazil|Sam||Vrai";
    // Unticking the flag keeps the borrower and the date.
    QTest::newRow("rendu") << BladeRunner << "Paul"
                           << "02/01/2005" << false << "Blade Runner|Paul|02/01/2005|Faux";
    QTest::newRow("effacé") << BladeRunner << ""
                            << "" << false << "Blade Runner|||Faux";
}

void TestPrets::validation()
{
    QFETCH(QString, titre);
    QFETCH(QString, emprunteur);
    QFETCH(QString, date);
    QFETCH(bool, prete);
    QFETCH(QString, attendu);
    CatalogueEssai c;
    QVERIFY(c.Valide());
    QVERIFY(c.RemplirCollection());
    QStringList avant = Registre(c.query());

    const LignePret ligne = LigneValidee(titre, emprunteur, date, prete);
    // The grid's row is what is then stored.
    QCOMPARE(Texte(ligne), attendu);
    const Resultat r = EnregistrerPret(c.query(), ligne);
    QVERIFY2(r.estSucces(), qPrintable(r.message()));
    QVERIFY(!c.query().Active());

    // Read back through the film table as well: only that film changed.
    QStringList apres = Registre(c.query());
    QCOMPARE(apres.size(), avant.size());
    for (qsizetype i = 0; i < apres.size(); ++i) {
        if (apres[i].startsWith(titre + u'|'))
            QCOMPARE(apres[i], attendu);
        else
            QCOMPARE(apres[i], avant[i]);
    }
    Table& films = c.dm().tbFilms();
    QVERIFY(films.Locate(QStringLiteral("Titre"), titre));
    QCOMPARE(films.Texte(QStringLiteral("Prete")), QString::fromLatin1(prete ? "Vrai" : "Faux"));
    QCOMPARE(films.EstNul(QStringLiteral("DateEmprunt")), ligne.date.isEmpty());
}

void TestPrets::titreABlancs()
{
    CatalogueEssai c;
    QVERIFY(c.Valide());
    QVERIFY(c.RemplirCollection());
    // The title with blanks finds its own film; the one that reads the same once trimmed is untouched.
    QVERIFY(EnregistrerPret(c.query(), LigneValidee(TitreABlancs, "Ami", "10/10/2005", true)).estSucces());
    QCOMPARE(LigneDe(c.query(), TitreABlancs), QStringLiteral("  Titre à blancs |Ami|10/10/2005|Vrai"));
    QCOMPARE(LigneDe(c.query(), TitreNu), QStringLiteral("Titre à blancs|||"));
    QVERIFY(EnregistrerPret(c.query(), LigneValidee(TitreNu, "Autre", "", false)).estSucces());
    QCOMPARE(LigneDe(c.query(), TitreABlancs), QStringLiteral("  Titre à blancs |Ami|10/10/2005|Vrai"));
    QCOMPARE(LigneDe(c.query(), TitreNu), QStringLiteral("Titre à blancs|Autre||Faux"));
}

void TestPrets::refus()
{
    CatalogueEssai c;
    QVERIFY(c.Valide());
    QVERIFY(c.RemplirCollection());
    const QStringList avant = Registre(c.query());

    // A film deleted meanwhile: refused, and no record is created.
    Resultat r = EnregistrerPret(c.query(), LigneValidee(QStringLiteral("Disparu"), "X", "01/01/2005", true));
    QVERIFY(!r.estSucces());
    QCOMPARE(r.message(), QStringLiteral("Le film « Disparu » n'existe pas dans le catalogue."));
    QVERIFY(!c.query().Active());

    // A borrower longer than its field: refused with the field's message, the film keeps its loan.
    r = EnregistrerPret(c.query(), LigneValidee(BladeRunner, QString(51, u'é'), "03/03/2005", true));
    QVERIFY(!r.estSucces());
    QVERIFY2(r.message().contains(QStringLiteral("Emprunteur")), qPrintable(r.message()));
    QVERIFY(!c.query().Active());
    QCOMPARE(Registre(c.query()), avant);

    // Fifty characters fit.
    QVERIFY(EnregistrerPret(c.query(), LigneValidee(BladeRunner, QString(50, u'é'), "", true)).estSucces());
    QCOMPARE(LigneDe(c.query(), BladeRunner),
             BladeRunner + u'|' + QString(50, u'é') + QStringLiteral("||Vrai"));
}
