#include "catalogue/collation.h"
#include "outils_catalogue.h"
#include "tests_catalogue.h"

#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>

void TestFormes::textesEcrits_data()
{
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("ecrit");
    QTest::addColumn<bool>("accepte");
    QTest::addColumn<QString>("relu");

    QTest::newRow("date") << "Sortie"
                          << "31/05/2005" << true << "31/05/2005";
    QTest::newRow("date sans zéros") << "DateEmprunt"
                                     << "1/2/2004" << true << "01/02/2004";
    QTest::newRow("date impossible") << "Sortie"
                                     << "31/02/2005" << false << "";
    QTest::newRow("date ISO") << "Sortie"
                              << "2005-05-31" << false << "";
    QTest::newRow("année sur deux chiffres") << "Sortie"
                                             << "31/05/05" << false << "";
    QTest::newRow("heure") << "Duree"
                           << "01:45:00" << true << "01:45:00";
    QTest::newRow("heure sans secondes") << "Duree"
                                         << "2:05" << true << "02:05:00";
    QTest::newRow("heure impossible") << "Duree"
                                      << "25:00:00" << false << "";
    QTest::newRow("Vrai") << "DejaVu"
                          << "Vrai" << true << "Vrai";
    QTest::newRow("Faux") << "Prete"
                          << "Faux" << true << "Faux";
    QTest::newRow("vrai en minuscules") << "Prete"
                                        << "vrai" << true << "Vrai";
    QTest::newRow("oui") << "DejaVu"
                         << "oui" << false << "";
    QTest::newRow("True") << "DejaVu"
                          << "1" << false << "";
    QTest::newRow("montant") << "Prix"
                             << "12.50" << true << "12.5";
    QTest::newRow("montant entier") << "Prix"
                                    << "1999" << true << "1999";
    QTest::newRow("montant négatif") << "Prix"
                                     << "-0.0001" << true << "-0.0001";
    QTest::newRow("montant à virgule") << "Prix"
                                       << "12,50" << false << "";
    QTest::newRow("cinq décimales") << "Prix"
                                    << "1.23456" << false << "";
    QTest::newRow("montant exact") << "Prix"
                                   << "99999999999.9999" << true << "99999999999.9999";
    QTest::newRow("texte vide") << "Genre"
                                << "" << true << "";
    QTest::newRow("mémo sur plusieurs lignes") << "Audio"
                                               << "Français\nAnglais" << true << "Français\nAnglais";
}

// Every text form goes into the file and comes back from it (a new data module reads it).
void TestFormes::textesEcrits()
{
    QFETCH(QString, champ);
    QFETCH(QString, ecrit);
    QFETCH(bool, accepte);
    QFETCH(QString, relu);

    QTemporaryDir dossier;
    const QString programme = dossier.path() + QLatin1Char('/');
    {
        Tdm dm(programme);
        QVERIFY(dm.OuvrirBase());
        QVERIFY(dm.tbFilms().Append());
        QVERIFY(dm.tbFilms().EcrireTexte(QStringLiteral("Titre"), QStringLiteral("Film")));
        const Resultat r = dm.tbFilms().EcrireTexte(champ, ecrit);
        QCOMPARE(r.estSucces(), accepte);
        if (!accepte) {
            QVERIFY2(r.message().contains(champ) && r.message().contains(ecrit), qPrintable(r.message()));
            QVERIFY(dm.tbFilms().EstNul(champ)); // nothing written
        }
        QVERIFY(dm.tbFilms().Post());
    }
    Tdm dm(programme);
    QVERIFY(dm.OuvrirBase());
    QCOMPARE(dm.tbFilms().Texte(champ), relu);
    QCOMPARE(dm.tbFilms().EstNul(champ), relu.isEmpty());
}

void TestFormes::tailleDesTextes()
{
    QTemporaryDir dossier;
    Tdm dm(dossier.path() + QLatin1Char('/'));
    QVERIFY(dm.OuvrirBase());
    Table& films = dm.tbFilms();
    QVERIFY(films.Append());
    // Sizes count characters, not bytes: 250 accented letters fit the title.
    const QString limite(250, QChar(0xE9));
    QVERIFY(films.EcrireTexte(QStringLiteral("Titre"), limite));
    const Resultat trop = films.EcrireTexte(QStringLiteral("Titre"), limite + QLatin1Char('x'));
    QVERIFY(!trop);
    QVERIFY2(trop.message().contains(QLatin1String("'Titre'")) &&
                 trop.message().contains(QLatin1String("250")),
             qPrintable(trop.message()));
    QCOMPARE(films.Texte(QStringLiteral("Titre")), limite); // never cut, the earlier value stays
    QVERIFY(!films.EcrireTexte(QStringLiteral("Etoiles"), QString(19, QLatin1Char('*'))));
    QVERIFY(films.EcrireTexte(QStringLiteral("Resume"),
                              QString(100000, QLatin1Char('r')))); // a memo has no limit
    QVERIFY(films.Post());
    QCOMPARE(films.Texte(QStringLiteral("Titre")), limite);
    QCOMPARE(films.Texte(QStringLiteral("Resume")).size(), 100000);
}

void TestFormes::localeSansEffet_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("nomSysteme");
    QTest::addColumn<QString>("separateurSysteme");
    QTest::newRow("français") << "fr_FR.UTF-8"
                              << "fr_FR"
                              << ",";
    QTest::newRow("allemand") << "de_DE.UTF-8"
                              << "de_DE"
                              << ",";
    QTest::newRow("C") << "C.UTF-8"
                       << "C"
                       << ".";
}

// A child process runs under the user's locale; it writes and reads the same forms as always.
void TestFormes::localeSansEffet()
{
    QFETCH(QString, locale);
    QFETCH(QString, nomSysteme);
    QFETCH(QString, separateurSysteme);

    QTemporaryDir dossier;
    QProcess enfant;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), locale);
    env.insert(QStringLiteral("LC_ALL"), locale);
    enfant.setProcessEnvironment(env);
    enfant.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--enfant-formes"), dossier.path() + QLatin1Char('/')});
    QVERIFY(enfant.waitForFinished(120000));
    QCOMPARE(enfant.exitCode(), 0);
    const QStringList lignes = QString::fromUtf8(enfant.readAllStandardOutput()).split(QLatin1Char('\n'));
    const QStringList attendues = {
        QStringLiteral("systeme=%1 %2").arg(nomSysteme, separateurSysteme),
        QStringLiteral("table Sortie=31/05/2005 Duree=01:45:00 Prix=1234.5 DejaVu=Vrai Prete=Faux"),
        QStringLiteral("requete Sortie=31/05/2005 Duree=01:45:00 Prix=1234.5 DejaVu=Vrai Prete=Faux"),
        QStringLiteral("parametre=Le Cinquième Élément"), QString()};
    QCOMPARE(lignes, attendues);
}

int EnfantFormes(const QString& dossierProgramme)
{
    std::setlocale(LC_ALL, "");
    QLocale::setDefault(QLocale::system());
    QTextStream sortie(stdout);
    sortie << "systeme=" << QLocale::system().name() << ' ' << QLocale().decimalPoint() << '\n';
    Tdm dm(dossierProgramme);
    if (!dm.OuvrirBase()) {
        return 2;
    }
    const Champs film = {{QStringLiteral("Titre"), QStringLiteral("Le Cinquième Élément")},
                         {QStringLiteral("Sortie"), QStringLiteral("31/05/2005")},
                         {QStringLiteral("Duree"), QStringLiteral("01:45:00")},
                         {QStringLiteral("Prix"), QStringLiteral("1234.5")},
                         {QStringLiteral("DejaVu"), QStringLiteral("Vrai")},
                         {QStringLiteral("Prete"), QStringLiteral("Faux")}};
    if (!AjouterFiche(dm.tbFilms(), film)) {
        return 3;
    }
    const QStringList champs = {QStringLiteral("Sortie"), QStringLiteral("Duree"), QStringLiteral("Prix"),
                                QStringLiteral("DejaVu"), QStringLiteral("Prete")};
    sortie << "table";
    for (const QString& c : champs) {
        sortie << ' ' << c << '=' << dm.tbFilms().Texte(c);
    }
    Query& q = dm.query();
    q.SQL().Clear();
    q.SQL().Add(QStringLiteral("SELECT Sortie, Duree, Prix, DejaVu, Prete FROM Donnees"));
    if (!q.Open()) {
        return 4;
    }
    sortie << "\nrequete";
    for (const QString& c : champs) {
        sortie << ' ' << c << '=' << q.Texte(c);
    }
    q.SQL().Clear();
    q.SQL().Add(QStringLiteral("SELECT DISTINCT Titre FROM Donnees"));
    q.SQL().Add(QStringLiteral("WHERE Sortie=:Param"));
    q.ParamByName(QStringLiteral("Param")).DefinirDate(QStringLiteral("31/05/2005"));
    if (!q.Open()) {
        return 5;
    }
    sortie << "\nparametre=" << q.Texte(QStringLiteral("Titre")) << '\n';
    return 0;
}

void TestFormes::collation_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("signe");
    QTest::newRow("accent après la base") << "É"
                                          << "F" << -1;
    QTest::newRow("abricot avant Été") << "abricot"
                                       << "Été" << -1;
    QTest::newRow("Été parmi les E") << "Été"
                                     << "Ezra" << -1;
    QTest::newRow("été avant zèbre") << "été"
                                     << "zèbre" << -1;
    QTest::newRow("zèbre avant Zoé") << "zèbre"
                                     << "Zoé" << -1;
    QTest::newRow("ligature") << "œuvre"
                              << "ofre" << -1;
    QTest::newRow("casse départagée") << "Abc"
                                      << "abc" << -1;
    QTest::newRow("accent départagé") << "Eté"
                                      << "Été" << -1;
    QTest::newRow("apostrophe typographique") << "L’été"
                                              << "L'étf" << -1;
    QTest::newRow("préfixe") << "Alien"
                             << "Aliens" << -1;
    QTest::newRow("identiques") << "Amélie"
                                << "Amélie" << 0;
}

void TestFormes::collation()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, signe);
    const auto sgn = [](int v) { return (v > 0) - (v < 0); };
    QCOMPARE(sgn(Collation::ComparerFrancais(a, b)), signe);
    QCOMPARE(sgn(Collation::ComparerFrancais(b, a)), -signe);
}
