#include "catalogue_essai.h"
#include "tests.h"

#include <QProcess>
#include <QTest>

namespace {

const QString Cli = QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME "kinobral-cli");

struct Execution
{
    int code = -1;
    QString sortie;
    QString erreur;
};

Execution Executer(const QString& dossier, const QStringList& arguments)
{
    QProcess p;
    p.start(Cli, QStringList{QStringLiteral("--dossier"), dossier} + arguments);
    Execution e;
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) {
        e.erreur = QStringLiteral("kinobral-cli ne s'est pas terminé normalement : ") + p.errorString();
        return e;
    }
    e.code = p.exitCode();
    e.sortie = QString::fromUtf8(p.readAllStandardOutput());
    e.erreur = QString::fromUtf8(p.readAllStandardError());
    return e;
}

const QString EnTete = QStringLiteral("Titre du film\tEmprunteur\tDate du prêt\tPrêté\n");

} // namespace

void TestCliRecherche::commandes_data()
{
    QTest::addColumn<bool>("vide");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("sortie");
    QTest::addColumn<QString>("erreur"); // the start of stderr

    QTest::newRow("rechercher ET") << false
                                   << QStringList{"rechercher", "--et", "Genre=Science-fiction",
                                                  "realisateur=Ridley Scott"}
                                   << 0 << "Alien\nBlade Runner\n"
                                   << "";
    QTest::newRow("rechercher OU") << false << QStringList{"rechercher", "--deja-vu", "--prete"} << 0
                                   << "Alien\nBlade Runner\nGladiator\n"
                                   << "";
    QTest::newRow("rechercher période")
        << false << QStringList{"rechercher", "--periode", "25/05/1979", "25/06/1982"} << 0
        << "Alien\nBlade Runner\n"
        << "";
    QTest::newRow("liste sans sélection") << false << QStringList{"rechercher", "--prete", "Site="} << 1 << ""
                                          << "Pas de valeur pour le paramètre 'Site'\n";
    QTest::newRow("critère inconnu") << false << QStringList{"rechercher", "Titre=Alien"} << 2 << ""
                                     << "« Titre=Alien » n'est pas un critère";
    QTest::newRow("critère en double") << false << QStringList{"rechercher", "Genre=a", "Genre=b"} << 2 << ""
                                       << "Le critère « Genre » est donné deux fois.";
    QTest::newRow("date incorrecte") << false
                                     << QStringList{"rechercher", "--periode", "31/02/2005", "01/03/2005"}
                                     << 2 << ""
                                     << "« 31/02/2005 » n'est pas une date correcte (JJ/MM/AAAA).";
    QTest::newRow("période incomplète")
        << false << QStringList{"rechercher", "--periode", "01/03/2005"} << 2 << ""
        << "L'option --periode attend deux dates JJ/MM/AAAA.";
    QTest::newRow("statistiques") << false << QStringList{"statistiques", "Genre"} << 0
                                  << "Péplum\t1\t25 %\nScience-fiction\t3\t75 %\n"
                                  << "";
    QTest::newRow("statistiques vides") << true << QStringList{"statistiques", "Format cinéma"} << 0 << ""
                                        << "";
    QTest::newRow("catégorie inconnue") << false << QStringList{"statistiques", "Titre"} << 2 << ""
                                        << "Catégorie inconnue : Titre";
    QTest::newRow("prets vide") << true << QStringList{"prets"} << 0 << ""
                                << "";
    QTest::newRow("preter : drapeau") << false << QStringList{"preter", "Alien", "Paul", "", "oui"} << 2 << ""
                                      << "Le dernier argument est Vrai ou Faux.";
    QTest::newRow("preter : film absent")
        << false << QStringList{"preter", "Disparu", "Paul", "", "Vrai"} << 1 << ""
        << "Le film « Disparu » n'existe pas dans le catalogue.\n";
}

void TestCliRecherche::commandes()
{
    QFETCH(bool, vide);
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, sortie);
    QFETCH(QString, erreur);
    CatalogueEssai c;
    QVERIFY(c.Valide());
    if (!vide)
        QVERIFY(c.RemplirCollection());
    c.Fermer();
    const Execution e = Executer(c.Dossier(), arguments);
    QVERIFY2(erreur.isEmpty() ? e.erreur.isEmpty() : e.erreur.startsWith(erreur), qPrintable(e.erreur));
    QCOMPARE(e.code, code);
    QCOMPARE(e.sortie, sortie);
}

void TestCliRecherche::preterPuisPrets()
{
    CatalogueEssai c;
    QVERIFY(c.Valide());
    QVERIFY(c.RemplirCollection());
    c.Fermer();
    Execution e = Executer(c.Dossier(), {"preter", "  Titre à blancs ", "Ami", "10/10/2005", "Vrai"});
    QVERIFY2(e.code == 0, qPrintable(e.erreur));
    e = Executer(c.Dossier(), {"preter", "Brazil", "Sam", "31/02/2005", "Faux"});
    QVERIFY2(e.code == 0, qPrintable(e.erreur));
    e = Executer(c.Dossier(), {"prets"});
    QCOMPARE(e.code, 0);
    // The title row first, then the films in the store's order.
    QVERIFY2(e.sortie.startsWith(EnTete), qPrintable(e.sortie));
    QStringList lignes = e.sortie.mid(EnTete.size()).split(u'\n', Qt::SkipEmptyParts);
    lignes.sort();
    QCOMPARE(lignes, (QStringList{"  Titre à blancs \tAmi\t10/10/2005\tVrai", "Alien\t\t\t",
                                  "Blade Runner\tPaul\t02/01/2005\tVrai", "Brazil\tSam\t\tFaux",
                                  "Gladiator\t\t\t", "Sans rien\t\t\t", "Titre à blancs\t\t\t"}));
    // The search reads the loans just written.
    e = Executer(c.Dossier(), {"rechercher", "--prete"});
    QCOMPARE(e.code, 0);
    QStringList lents = e.sortie.split(u'\n', Qt::SkipEmptyParts);
    lents.sort();
    QCOMPARE(lents, (QStringList{"  Titre à blancs ", "Blade Runner"}));
}
