#include "outils_catalogue.h"
#include "tests_catalogue.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

namespace {

QString Programme(const QTemporaryDir& dossier)
{
    return dossier.path() + QLatin1Char('/');
}

Champs FilmComplet()
{
    return {{"Titre", "Le Fabuleux Destin d'Amélie Poulain"},
            {"Editeur", "UGC Vidéo"},
            {"Genre", "Comédie"},
            {"Realisateur", "Jean-Pierre Jeunet"},
            {"Acteur", "Audrey Tautou, Mathieu Kassovitz; Rufus."},
            {"Resume", "Amélie, une jeune serveuse…\nSecond paragraphe."},
            {"Etoiles", "5 étoiles"},
            {"Site", "http://www.amelie.example/"},
            {"Sortie", "25/04/2001"},
            {"Scenario", "Guillaume Laurant"},
            {"Musique", "Yann Tiersen"},
            {"Langue", "France"},
            {"Duree", "02:02:00"},
            {"Support", "DVD"},
            {"DateSortieDvd", "03/10/2001"},
            {"DejaVu", "Vrai"},
            {"Prete", "Faux"},
            {"Multimedia", "Bonus"},
            {"FormatVideo", "16/9"},
            {"Notes", "À revoir"},
            {"Emprunteur", "Paul"},
            {"DateEmprunt", "01/01/2005"},
            {"Standard", "PAL"},
            {"ZoneDvd", "Zone 2"},
            {"Public", "Tous publics"},
            {"Son", "Dolby Digital 5.1"},
            {"Prix", "22.99"},
            {"Audio", "Français\nAnglais"},
            {"SousTitres", "Anglais"},
            {"FormatCinema", "1.85"}};
}

QStringList Titres(Table& films)
{
    QStringList titres;
    films.First();
    while (!films.Eof()) {
        titres << films.Texte(QStringLiteral("Titre"));
        films.Next();
    }
    return titres;
}

} // namespace

void TestTable::ouvertureCreeLesFichiers()
{
    QTemporaryDir dossier;
    int ouvertures = 0;
    {
        Tdm dm(Programme(dossier));
        dm.apresOuverture = [&] { ++ouvertures; };
        QVERIFY(dm.OuvrirBase());
        QCOMPARE(dm.dossierCatalogue(), Programme(dossier) + QStringLiteral("data/"));
        QVERIFY(QFile::exists(dm.dossierCatalogue() + QStringLiteral("donnees.db")));
        QVERIFY(QFile::exists(dm.dossierCatalogue() + QStringLiteral("acteurs.db")));
        QCOMPARE(ouvertures, 1);
        QCOMPARE(dm.tbFilms().RecordCount(), 0);
        QVERIFY(dm.tbFilms().Eof() && dm.tbFilms().Bof());
        QVERIFY(!dm.tbFilms().Locate(QStringLiteral("Titre"), QStringLiteral("Alien")));
        QVERIFY(dm.tbFilms().Texte(QStringLiteral("Titre")).isEmpty());
        QStringList titres{QStringLiteral("reste d'avant")};
        QVERIFY(ChargerValeursDistinctes(dm.query(), QStringLiteral("Titre"), titres));
        QVERIFY(titres.isEmpty());
        QVERIFY(AjouterFiche(dm.tbFilms(), {{"Titre", "Alien"}}));
        // Reopening keeps what is there.
        QVERIFY(dm.OuvrirBase());
        QCOMPARE(ouvertures, 2);
        QCOMPARE(dm.tbFilms().RecordCount(), 1);
        QCOMPARE(dm.tbFilms().Texte(QStringLiteral("Titre")), QStringLiteral("Alien"));
        dm.FermerBase();
        QVERIFY(!dm.tbFilms().EstOuverte() && !dm.tbActeurs().EstOuverte() && !dm.query().Active());
    }
}

// Every field of a film goes into the file and comes back, as text and as values, in a new data module.
void TestTable::ficheComplete()
{
    QTemporaryDir dossier;
    const QByteArray couverture = Octets(300 * 1024, 1);
    {
        Tdm dm(Programme(dossier));
        QVERIFY(dm.OuvrirBase());
        QVERIFY(AjouterFiche(dm.tbFilms(), FilmComplet(), couverture));
        QVERIFY(AjouterFiche(dm.tbFilms(), {{"Titre", "Sans couverture"}}));
    }
    Tdm dm(Programme(dossier));
    QVERIFY(dm.OuvrirBase());
    Table& films = dm.tbFilms();
    QCOMPARE(films.RecordCount(), 2);
    for (const auto& [champ, texte] : FilmComplet()) {
        QCOMPARE(films.Texte(champ), texte);
        QCOMPARE(films.Texte(champ.toUpper()), texte); // field names without regard to case
    }
    QCOMPARE(films.Entier(QStringLiteral("Num")), 1);
    QCOMPARE(films.Logique(QStringLiteral("DejaVu")), true);
    QCOMPARE(films.Logique(QStringLiteral("Prete")), false);
    QCOMPARE(films.Monnaie(QStringLiteral("Prix")), 229900);
    QCOMPARE(films.Date(QStringLiteral("Sortie")), QDate(2001, 4, 25));
    QVERIFY(!films.EstNul(QStringLiteral("BlobPicture")));
    QCOMPARE(films.Blob(QStringLiteral("BlobPicture")), couverture);
    films.Next();
    QCOMPARE(films.Texte(QStringLiteral("Titre")), QStringLiteral("Sans couverture"));
    QCOMPARE(films.Entier(QStringLiteral("Num")), 2);
    QVERIFY(films.EstNul(QStringLiteral("BlobPicture")));
    QVERIFY(films.Blob(QStringLiteral("BlobPicture")).isEmpty());
    QVERIFY(films.EstNul(QStringLiteral("Sortie")));
    QCOMPARE(films.Logique(QStringLiteral("DejaVu")), false);
    // The record number is the store's.
    QVERIFY(films.Edit());
    QVERIFY(!films.EcrireTexte(QStringLiteral("Num"), QStringLiteral("7")));
    QVERIFY(!films.EcrireTexte(QStringLiteral("Inconnu"), QStringLiteral("7")));
    films.Cancel();
}

void TestTable::navigationEtRecherche()
{
    QTemporaryDir dossier;
    Tdm dm(Programme(dossier));
    QVERIFY(dm.OuvrirBase());
    Table& films = dm.tbFilms();
    for (const char* titre : {"Abc", "abc", "Ábc", "Brazil"}) {
        QVERIFY(AjouterFiche(films, {{"Titre", QString::fromUtf8(titre)}}));
    }
    // The table's own order is the order of entry.
    QCOMPARE(Titres(films), QStringList({"Abc", "abc", "Ábc", "Brazil"}));

    films.First();
    QVERIFY(films.Bof() && !films.Eof());
    films.Prior();
    QVERIFY(films.Bof());
    QCOMPARE(films.Texte("Titre"), QStringLiteral("Abc"));
    films.Last();
    QVERIFY(films.Eof());
    QCOMPARE(films.Texte("Titre"), QStringLiteral("Brazil"));
    films.Next();
    QVERIFY(films.Eof());
    QCOMPARE(films.Texte("Titre"), QStringLiteral("Brazil"));
    films.Prior();
    QVERIFY(!films.Eof() && !films.Bof());
    QCOMPARE(films.Texte("Titre"), QStringLiteral("Ábc"));

    // Locate is exact: case and accents count, no partial match.
    QVERIFY(films.Locate(QStringLiteral("Titre"), QStringLiteral("abc")));
    QCOMPARE(films.Texte("Titre"), QStringLiteral("abc"));
    QVERIFY(films.Locate(QStringLiteral("titre"), QStringLiteral("Ábc")));
    QCOMPARE(films.Texte("Titre"), QStringLiteral("Ábc"));
    QVERIFY(!films.Locate(QStringLiteral("Titre"), QStringLiteral("ABC")));
    QVERIFY(!films.Locate(QStringLiteral("Titre"), QStringLiteral("Bra")));
    QCOMPARE(films.Texte("Titre"), QStringLiteral("Ábc")); // not found: the current record stays
    films.Next();
    QCOMPARE(films.Texte("Titre"), QStringLiteral("Brazil"));

    // The actor table locates on its key the same way.
    QVERIFY(AjouterFiche(dm.tbActeurs(), {{"NomPrenom", "Tautou Audrey"}, {"DateDeNaissance", "09/08/1976"}},
                         Octets(1000, 2), QStringLiteral("Photo")));
    QVERIFY(AjouterFiche(dm.tbActeurs(), {{"NomPrenom", "Kassovitz Mathieu"}}));
    QVERIFY(dm.tbActeurs().Locate(QStringLiteral("NomPrenom"), QStringLiteral("Tautou Audrey")));
    QCOMPARE(dm.tbActeurs().Texte("DateDeNaissance"), QStringLiteral("09/08/1976"));
    QCOMPARE(dm.tbActeurs().Blob("Photo"), Octets(1000, 2));
    QCOMPARE(dm.tbActeurs().RecordCount(), 2);
}

void TestTable::editionTableVideAjoute()
{
    QTemporaryDir dossier;
    Tdm dm(Programme(dossier));
    QVERIFY(dm.OuvrirBase());
    Table& films = dm.tbFilms();
    QVERIFY(films.Edit());
    QCOMPARE(films.EtatTable(), Table::Etat::Insertion);
    QVERIFY(films.EcrireTexte("Titre", "Premier"));
    QVERIFY(films.Post());
    QCOMPARE(films.RecordCount(), 1);
    QCOMPARE(films.EtatTable(), Table::Etat::Navigation);
    // On a table with records, Edit edits the current one.
    QVERIFY(films.Edit());
    QCOMPARE(films.EtatTable(), Table::Etat::Edition);
    QVERIFY(films.EcrireTexte("Genre", "Drame"));
    QVERIFY(films.Post());
    QCOMPARE(films.RecordCount(), 1);
    QCOMPARE(films.Texte("Genre"), QStringLiteral("Drame"));
    QVERIFY(!films.EcrireTexte("Genre", "Western")); // only while editing
}

void TestTable::suppressionRendCourantLeVoisin()
{
    QTemporaryDir dossier;
    Tdm dm(Programme(dossier));
    QVERIFY(dm.OuvrirBase());
    Table& films = dm.tbFilms();
    for (const char* titre : {"Un", "Deux", "Trois", "Quatre"}) {
        QVERIFY(AjouterFiche(films, {{"Titre", QString::fromUtf8(titre)}}, Octets(5000, 3)));
    }
    QVERIFY(films.Locate("Titre", "Deux"));
    QVERIFY(films.Delete());
    QCOMPARE(films.Texte("Titre"), QStringLiteral("Trois")); // the next one
    QVERIFY(films.Locate("Titre", "Quatre"));
    QVERIFY(films.Delete());
    QCOMPARE(films.Texte("Titre"), QStringLiteral("Trois")); // the new last one
    QCOMPARE(films.RecordCount(), 2);
    QVERIFY(films.Delete());
    QVERIFY(films.Delete());
    QCOMPARE(films.RecordCount(), 0);
    QVERIFY(films.Eof() && films.Bof());
    QVERIFY(!films.Delete());
    // Gone from the file too.
    dm.FermerBase();
    QVERIFY(dm.OuvrirBase());
    QCOMPARE(dm.tbFilms().RecordCount(), 0);
}

void TestTable::titreEnDouble()
{
    QTemporaryDir dossier;
    Tdm dm(Programme(dossier));
    QStringList avertissements;
    dm.avertir = [&](const QString& message) { avertissements << message; };
    QVERIFY(dm.OuvrirBase());
    Table& films = dm.tbFilms();
    QVERIFY(AjouterFiche(films, {{"Titre", "Alien"}, {"Genre", "Horreur"}}));
    QVERIFY(AjouterFiche(films, {{"Titre", "Brazil"}}));

    // A new film with an existing title: the warning, a silent failure, the record kept as it was written.
    QVERIFY(films.Append());
    QVERIFY(films.EcrireTexte("Titre", "Alien"));
    QVERIFY(films.EcrireTexte("Genre", "Science-fiction"));
    const Resultat r = films.Post();
    QVERIFY(!r);
    QVERIFY(r.estSilencieux());
    QCOMPARE(r.code(), CodeCleDupliquee);
    QCOMPARE(avertissements, QStringList{"Attention, ce titre est incorrect ou existe déjà dans la base !"});
    QCOMPARE(films.EtatTable(), Table::Etat::Insertion);
    QCOMPARE(films.Texte("Titre"), QStringLiteral("Alien"));
    QCOMPARE(films.Texte("Genre"), QStringLiteral("Science-fiction"));
    QCOMPARE(films.RecordCount(), 2);
    // The user corrects the title and posts again.
    QVERIFY(films.EcrireTexte("Titre", "Aliens"));
    QVERIFY(films.Post());
    QCOMPARE(films.RecordCount(), 3);

    // Renaming a film to another's title is refused the same way; the stored film is untouched.
    QVERIFY(films.Locate("Titre", "Brazil"));
    QVERIFY(films.Edit());
    QVERIFY(films.EcrireTexte("Titre", "Alien"));
    QVERIFY(films.Post().estSilencieux());
    QCOMPARE(films.EtatTable(), Table::Etat::Edition);
    films.Cancel();
    QCOMPARE(films.Texte("Titre"), QStringLiteral("Brazil"));
    QVERIFY(films.Locate("Titre", "Alien"));
    QCOMPARE(films.Texte("Genre"), QStringLiteral("Horreur"));
    QCOMPARE(avertissements.size(), 2);

    // Without the data module's handler, the store's own key-violation failure comes out.
    films.surErreurPoster = nullptr;
    QVERIFY(films.Append());
    QVERIFY(films.EcrireTexte("Titre", "Brazil"));
    const Resultat brut = films.Post();
    QVERIFY(!brut && !brut.estSilencieux());
    QCOMPARE(brut.code(), CodeCleDupliquee);
    QVERIFY2(brut.message().contains(QLatin1String("Titre")), qPrintable(brut.message()));
    films.Cancel();
}

void TestTable::champRequis_data()
{
    QTest::addColumn<bool>("acteurs");
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("autre");
    QTest::newRow("film") << false << "Titre"
                          << "Genre";
    QTest::newRow("acteur") << true << "NomPrenom"
                            << "LieuDeNaissance";
}

void TestTable::champRequis()
{
    QFETCH(bool, acteurs);
    QFETCH(QString, champ);
    QFETCH(QString, autre);
    QTemporaryDir dossier;
    Tdm dm(Programme(dossier));
    QStringList avertissements;
    dm.avertir = [&](const QString& message) { avertissements << message; };
    QVERIFY(dm.OuvrirBase());
    Table& table = acteurs ? dm.tbActeurs() : dm.tbFilms();
    QVERIFY(table.Append());
    QVERIFY(table.EcrireTexte(autre, QStringLiteral("Paris")));
    for (const QString& vide : {QString(), QStringLiteral("")}) {
        QVERIFY(table.EcrireTexte(champ, vide));
        const Resultat r = table.Post();
        QVERIFY(!r);
        QVERIFY(!r.estSilencieux());
        QCOMPARE(r.message(), QStringLiteral("Le champ '%1' doit avoir une valeur").arg(champ));
        QCOMPARE(table.EtatTable(), Table::Etat::Insertion);
        QCOMPARE(table.Texte(autre), QStringLiteral("Paris"));
    }
    QCOMPARE(table.RecordCount(), 0);
    QVERIFY(avertissements.isEmpty());
}

void TestTable::valeursRefusees()
{
    QTemporaryDir dossier;
    Tdm dm(Programme(dossier));
    QVERIFY(dm.OuvrirBase());
    Table& films = dm.tbFilms();
    QVERIFY(AjouterFiche(films, {{"Titre", "Alien"}, {"Sortie", "25/05/1979"}, {"Prix", "9.9"}}));
    QVERIFY(films.Edit());
    const Resultat date = films.EcrireTexte("Sortie", "31/02/1979");
    QVERIFY(!date);
    QVERIFY2(date.message().contains(QLatin1String("'Sortie'")), qPrintable(date.message()));
    QCOMPARE(films.Texte("Sortie"), QStringLiteral("25/05/1979"));
    QVERIFY(!films.EcrireTexte("Prix", "9,90"));
    QVERIFY(!films.EcrireLogique("Prix", true));
    QVERIFY(!films.EcrireMonnaie("Titre", 10));
    QCOMPARE(films.Texte("Prix"), QStringLiteral("9.9"));
    QVERIFY(films.Post());
    QCOMPARE(films.Texte("Sortie"), QStringLiteral("25/05/1979"));
}

void TestTable::annulationEtNavigationEnEdition()
{
    QTemporaryDir dossier;
    Tdm dm(Programme(dossier));
    QVERIFY(dm.OuvrirBase());
    Table& films = dm.tbFilms();
    QVERIFY(AjouterFiche(films, {{"Titre", "Un"}, {"Genre", "Drame"}}, Octets(2000, 4)));
    QVERIFY(AjouterFiche(films, {{"Titre", "Deux"}}));
    films.First();
    QVERIFY(films.Edit());
    QVERIFY(films.EcrireTexte("Genre", "Comédie"));
    QVERIFY(films.EcrireBlob("BlobPicture", QByteArray()));
    QCOMPARE(films.Texte("Genre"), QStringLiteral("Comédie"));
    QVERIFY(films.EstNul("BlobPicture"));
    films.Cancel();
    QCOMPARE(films.Texte("Genre"), QStringLiteral("Drame"));
    QCOMPARE(films.Blob("BlobPicture"), Octets(2000, 4));

    // Moving while editing posts first, as the bound controls expect...
    QVERIFY(films.Edit());
    QVERIFY(films.EcrireTexte("Genre", "Policier"));
    films.Next();
    QCOMPARE(films.EtatTable(), Table::Etat::Navigation);
    QCOMPARE(films.Texte("Titre"), QStringLiteral("Deux"));
    films.First();
    QCOMPARE(films.Texte("Genre"), QStringLiteral("Policier"));
    QCOMPARE(films.Blob("BlobPicture"), Octets(2000, 4)); // an edit leaves an unwritten cover alone
    // ...and a refused post keeps the table where it is.
    QVERIFY(films.Edit());
    QVERIFY(films.EcrireTexte("Titre", "Deux"));
    films.Next();
    QCOMPARE(films.EtatTable(), Table::Etat::Edition);
    QVERIFY(!films.Locate("Titre", "Deux"));
    films.Cancel();
    QCOMPARE(films.Texte("Titre"), QStringLiteral("Un"));
    // Cancelling an append goes back to the record that was current.
    QVERIFY(films.Append());
    films.Cancel();
    QCOMPARE(films.Texte("Titre"), QStringLiteral("Un"));
    QCOMPARE(films.RecordCount(), 2);
}

void TestTable::sourceActeurs()
{
    QTemporaryDir dossier;
    Tdm dm(Programme(dossier));
    QVERIFY(dm.OuvrirBase());
    QVERIFY(AjouterFiche(dm.tbActeurs(), {{"NomPrenom", "Reno Jean"}}));
    QVERIFY(AjouterFiche(dm.tbActeurs(), {{"NomPrenom", "Bouquet Carole"}}));
    QSignalSpy changements(&dm.dsActeurs(), &SourceDonnees::donneesChangees);
    dm.tbActeurs().First();
    QCOMPARE(changements.size(), 1);
    dm.tbActeurs().Next();
    QCOMPARE(changements.size(), 2);
    QVERIFY(dm.tbActeurs().Edit());
    QVERIFY(dm.tbActeurs().EcrireTexte("LieuDeNaissance", "Neuilly-sur-Seine"));
    QVERIFY(dm.tbActeurs().Post());
    QCOMPARE(changements.size(), 5);
    QCOMPARE(&dm.dsActeurs().table(), &dm.tbActeurs());
}

void TestTable::fichierEtranger_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("sql");
    QTest::newRow("texte") << "donnees.db" << QByteArray("Ceci n'est pas une base.\n") << QString();
    QTest::newRow("autre base") << "donnees.db" << QByteArray() << "CREATE TABLE Clients(Nom TEXT)";
    QTest::newRow("autres champs") << "donnees.db" << QByteArray()
                                   << "CREATE TABLE Donnees(Num INTEGER, Nom TEXT)";
    QTest::newRow("acteurs") << "acteurs.db" << QByteArray(8192, 'x') << QString();
}

// A file that is not one of our tables is refused with a message, and left exactly as it was.
void TestTable::fichierEtranger()
{
    QFETCH(QString, fichier);
    QFETCH(QByteArray, contenu);
    QFETCH(QString, sql);
    QTemporaryDir dossier;
    QVERIFY(QDir(dossier.path()).mkpath(QStringLiteral("data")));
    const QString chemin = dossier.path() + QStringLiteral("/data/") + fichier;
    if (sql.isEmpty()) {
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    } else {
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(chemin).constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    QFile lu(chemin);
    QVERIFY(lu.open(QIODevice::ReadOnly));
    const QByteArray avant = lu.readAll();
    lu.close();

    Tdm dm(Programme(dossier));
    bool suite = false;
    dm.apresOuverture = [&] { suite = true; };
    const Resultat r = dm.OuvrirBase();
    QVERIFY(!r);
    QVERIFY2(r.message().contains(QLatin1String("n'est pas un catalogue de Kinobral 2005")) &&
                 r.message().contains(fichier),
             qPrintable(r.message()));
    QVERIFY(!suite);
    QVERIFY(lu.open(QIODevice::ReadOnly));
    QCOMPARE(lu.readAll(), avant);
}

void TestTable::processusTue_data()
{
    QTest::addColumn<int>("confirmations");
    QTest::newRow("au premier") << 1;
    QTest::newRow("après 12") << 12;
    QTest::newRow("après 40") << 40;
}

// A child process appends and edits films and says when each post has returned; it is killed at some
// moment. Every confirmed change is in the file, and no record is half-written.
void TestTable::processusTue()
{
    QFETCH(int, confirmations);
    QTemporaryDir dossier;
    QProcess enfant;
    enfant.setProcessChannelMode(QProcess::SeparateChannels);
    enfant.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--enfant-ecrire"), Programme(dossier)});
    QVERIFY(enfant.waitForStarted());
    QStringList confirmes;
    QByteArray tampon;
    while (confirmes.size() < confirmations) {
        QVERIFY2(enfant.waitForReadyRead(60000), "le processus enfant ne confirme rien");
        tampon += enfant.readAllStandardOutput();
        while (tampon.contains('\n')) {
            const int fin = static_cast<int>(tampon.indexOf('\n'));
            confirmes << QString::fromUtf8(tampon.left(fin));
            tampon.remove(0, fin + 1);
        }
    }
    enfant.kill();
    QVERIFY(enfant.waitForFinished());
    tampon += enfant.readAllStandardOutput();
    for (const QByteArray& ligne : tampon.split('\n')) {
        if (!ligne.isEmpty()) {
            confirmes << QString::fromUtf8(ligne);
        }
    }

    Tdm dm(Programme(dossier));
    QVERIFY(dm.OuvrirBase());
    QCOMPARE(Executer(dm.tbFilms().connexion()->db(), QStringLiteral("PRAGMA integrity_check")),
             QStringLiteral("ok"));
    Table& films = dm.tbFilms();
    // Every record there is whole: its fields all tell the same number.
    QSet<int> presents;
    QSet<int> modifies;
    for (films.First(); !films.Eof(); films.Next()) {
        const QString titre = films.Texte("Titre");
        QVERIFY(titre.startsWith(QLatin1String("Film ")));
        const int n = titre.mid(5).toInt();
        QCOMPARE(films.Texte("Resume"), QStringLiteral("résumé %1 ").arg(n).repeated(200));
        QCOMPARE(films.Monnaie("Prix"), qint64(n) * 10000 + 1);
        QCOMPARE(films.Blob("BlobPicture"), Octets(20000, n));
        const QString notes = films.Texte("Notes");
        QVERIFY(notes.isEmpty() || notes == QStringLiteral("modifié %1").arg(n).repeated(50));
        presents << n;
        if (!notes.isEmpty()) {
            modifies << n;
        }
    }
    for (const QString& confirme : confirmes) {
        const int n = confirme.section(QLatin1Char(' '), 1).toInt();
        if (confirme.startsWith(QLatin1String("ajout "))) {
            QVERIFY2(presents.contains(n), qPrintable(confirme));
        } else {
            QVERIFY2(modifies.contains(n), qPrintable(confirme));
        }
    }
}

int EnfantEcrire(const QString& dossierProgramme)
{
    Tdm dm(dossierProgramme);
    if (!dm.OuvrirBase()) {
        return 2;
    }
    Table& films = dm.tbFilms();
    QTextStream sortie(stdout);
    for (int n = 0;; ++n) {
        const Champs champs = {{"Titre", QStringLiteral("Film %1").arg(n)},
                               {"Resume", QStringLiteral("résumé %1 ").arg(n).repeated(200)},
                               {"Prix", QStringLiteral("%1.0001").arg(n)}};
        if (!AjouterFiche(films, champs, Octets(20000, n))) {
            return 3;
        }
        sortie << "ajout " << n << '\n';
        sortie.flush();
        if (n % 3 == 2) {
            if (!films.Locate("Titre", QStringLiteral("Film %1").arg(n - 1)) || !films.Edit() ||
                !films.EcrireTexte("Notes", QStringLiteral("modifié %1").arg(n - 1).repeated(50)) ||
                !films.Post()) {
                return 4;
            }
            sortie << "modification " << n - 1 << '\n';
            sortie.flush();
        }
    }
}
