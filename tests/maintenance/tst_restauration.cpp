#include "maintenance/archivezip.h"
#include "maintenance/sauvegarde.h"
#include "outils_maintenance.h"

#include <QDir>
#include <QDirIterator>
#include <QTest>
#include <sqlite3.h>

namespace {

// A plain zip archive (no password) holding entries whose names try to leave the extraction folder.
const QString ScriptHostile = QStringLiteral(R"(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], 'w') as z:
    for nom in sys.argv[2:]:
        i = zipfile.ZipInfo('x')
        i.filename = nom
        z.writestr(i, 'contenu de ' + nom)
)");

const QString Cli = QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME "kinobral-cli");

} // namespace

class TestRestauration : public QObject
{
    Q_OBJECT

private slots:
    void allerRetour();
    void archiveDeZip();
    void entreeAbimee();
    void autreMotDePasse();
    void nomsHostiles();
    void tablesRefusees();
    void echecs_data();
    void echecs();
    void outilEnLigneDeCommande();
};

// Backup, changes, restore: the saved files come back (the subfolder's file directly in the data folder),
// the replaced ones are in the trash, the lock file is left alone and the staging folder is empty.
void TestRestauration::allerRetour()
{
    Bac bac;
    bac.Remplir();
    const QString archive = bac.racine() + QStringLiteral("sauvegarde.zip");
    QVERIFY(SauvegarderBase(bac.dm(), archive));
    const auto sauve = bac.Contenu();

    QVERIFY(bac.dm().tbFilms().Append());
    QVERIFY(bac.dm().tbFilms().EcrireTexte(QStringLiteral("Titre"), QStringLiteral("Casablanca")));
    QVERIFY(bac.dm().tbFilms().Post());
    EcrireFichier(bac.data() + QStringLiteral("glossaire.dat"), "changé");
    EcrireFichier(bac.data() + QStringLiteral("seulement-ici.txt"), "reste");
    EcrireFichier(bac.data() + QStringLiteral(".verrou"), "verrou du programme");

    int fichiersTotal = 0;
    Progression progression;
    progression.rapporter = [&](const Avancement& a) { fichiersTotal = a.fichiersTotal; };
    QStringList laissesDeCote{QStringLiteral("ancien")};
    const Resultat r = RestaurerBase(bac.dm(), archive, progression, &laissesDeCote);
    QVERIFY2(r, qPrintable(r.message()));
    QVERIFY(laissesDeCote.isEmpty());
    QCOMPARE(fichiersTotal, 4);

    QCOMPARE(bac.Titres(), (QStringList{QStringLiteral("Amélie"), QStringLiteral("Brazil")}));
    QCOMPARE(bac.dm().tbFilms().Texte(QStringLiteral("Titre")), QStringLiteral("Amélie"));
    QCOMPARE(bac.dm().tbActeurs().RecordCount(), 1);
    const auto apres = bac.Contenu();
    QCOMPARE(apres["donnees.db"], sauve["donnees.db"]);
    QCOMPARE(apres["acteurs.db"], sauve["acteurs.db"]);
    QCOMPARE(apres["glossaire.dat"], sauve["glossaire.dat"]);
    QCOMPARE(apres["extra.txt"], sauve["sous/extra.txt"]);
    QCOMPARE(apres["sous/extra.txt"], sauve["sous/extra.txt"]);
    QCOMPARE(apres["seulement-ici.txt"], QByteArray("reste"));
    QCOMPARE(apres[".verrou"], QByteArray("verrou du programme"));
    QCOMPARE(apres[".cache"], QByteArray("cache"));
    QCOMPARE(apres.size(), sauve.size() + 2);

    // What was replaced can be taken back from the trash.
    QCOMPARE(LireFichier(bac.corbeille() + QStringLiteral("glossaire.dat")), QByteArray("changé"));
    QVERIFY(QFileInfo::exists(bac.corbeille() + QStringLiteral("donnees.db")));

    QVERIFY(QFileInfo(bac.attente()).isDir());
    QVERIFY(
        QDir(bac.attente()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
}

// An archive made by Info-ZIP with the catalogue password restores.
void TestRestauration::archiveDeZip()
{
    Bac bac;
    bac.Remplir();
    Bac autre;
    QVERIFY(autre.dm().OuvrirBase());
    QVERIFY(autre.dm().tbFilms().Append());
    QVERIFY(autre.dm().tbFilms().EcrireTexte(QStringLiteral("Titre"), QStringLiteral("Zazie dans le métro")));
    QVERIFY(autre.dm().tbFilms().Post());
    autre.dm().FermerBase();
    const QString archive = autre.racine() + QStringLiteral("zip.zip");
    QCOMPARE(Executer(QStringLiteral("zip"), {"-q", "-P", "quibex", archive, "donnees.db", "acteurs.db"},
                      autre.data())
                 .code,
             0);

    QStringList laissesDeCote;
    const Resultat r = RestaurerBase(bac.dm(), archive, {}, &laissesDeCote);
    QVERIFY2(r, qPrintable(r.message()));
    QVERIFY(laissesDeCote.isEmpty());
    QCOMPARE(bac.Titres(), QStringList{QStringLiteral("Zazie dans le métro")});
    QCOMPARE(bac.dm().tbActeurs().RecordCount(), 0);
    QCOMPARE(LireFichier(bac.data() + QStringLiteral("glossaire.dat")),
             QByteArray("Zone|Code r\xe9gional du disque.\r\n"));
}

// An encrypted entry whose data was damaged fails its CRC check: it is skipped without a word and the
// archive's other entries are still restored.
void TestRestauration::entreeAbimee()
{
    Bac bac;
    bac.Remplir();
    const QByteArray avantAbime = LireFichier(bac.data() + QStringLiteral("glossaire.dat"));
    const QString source = bac.racine() + QStringLiteral("source/");
    QDir().mkpath(source);
    QByteArray texte;
    for (int i = 0; i < 2000; ++i)
        texte += "Format|Ligne " + QByteArray::number(i) + " du glossaire\r\n";
    EcrireFichier(source + QStringLiteral("notes.txt"), texte);
    EcrireFichier(source + QStringLiteral("glossaire.dat"), texte);
    const QString archive = bac.racine() + QStringLiteral("abimee.zip");
    QCOMPARE(
        Executer(QStringLiteral("zip"), {"-q", "-P", "quibex", archive, "notes.txt", "glossaire.dat"}, source)
            .code,
        0);

    // The second entry's data start after its local header: 30 bytes, its name, its extra field.
    QByteArray octets = LireFichier(archive);
    const int nom = octets.indexOf("glossaire.dat");
    QVERIFY(nom > 30);
    const int extra =
        static_cast<unsigned char>(octets[nom - 2]) | static_cast<unsigned char>(octets[nom - 1]) << 8;
    const int donnees = nom + 13 + extra + 12; // after the encryption header
    octets[donnees + 200] = static_cast<char>(octets[donnees + 200] ^ 0x5A);
    EcrireFichier(archive, octets);

    const Resultat r = RestaurerBase(bac.dm(), archive);
    QVERIFY2(r, qPrintable(r.message()));
    QCOMPARE(LireFichier(bac.data() + QStringLiteral("notes.txt")), texte);
    QCOMPARE(LireFichier(bac.data() + QStringLiteral("glossaire.dat")), avantAbime);
}

// Entries encrypted with another password cannot be extracted: nothing changes and the restore ends as
// a success, as the user sees it.
void TestRestauration::autreMotDePasse()
{
    Bac bac;
    bac.Remplir();
    const auto avant = bac.Contenu();
    Bac autre;
    autre.Remplir();
    autre.dm().FermerBase();
    const QString archive = autre.racine() + QStringLiteral("autre.zip");
    QCOMPARE(Executer(QStringLiteral("zip"),
                      {"-q", "-P", "secret", archive, "donnees.db", "acteurs.db", "glossaire.dat"},
                      autre.data())
                 .code,
             0);

    const Resultat r = RestaurerBase(bac.dm(), archive);
    QVERIFY2(r, qPrintable(r.message()));
    QCOMPARE(bac.Contenu(), avant);
    QCOMPARE(bac.Titres().size(), 2);
    QVERIFY(
        QDir(bac.attente()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
}

// Whatever an entry's stored name, it is written under its bare name in the staging folder and
// nowhere else; folders, "..", hidden names and the lock file are not extracted.
void TestRestauration::nomsHostiles()
{
    Bac bac;
    bac.Remplir();
    const auto avant = bac.Contenu();
    const QString archive = bac.racine() + QStringLiteral("hostile.zip");
    const QStringList noms = {"../../evasion1.txt",
                              "/tmp/evasion2.txt",
                              "C:\\Windows\\evasion3.txt",
                              "sous/../../../evasion4.txt",
                              "D:evasion5.txt",
                              "..",
                              "dossier/",
                              ".verrou",
                              "a/.cache"};
    const Execution py = Python(ScriptHostile, QStringList{archive} + noms);
    QVERIFY2(py.code == 0, py.erreur.constData());
    // The names are stored as given.
    QCOMPARE(QString::fromUtf8(Executer(QStringLiteral("unzip"), {"-Z1", archive}).sortie)
                 .split(u'\n', Qt::SkipEmptyParts),
             noms);

    const bool absolueAvant = QFileInfo::exists(QStringLiteral("/tmp/evasion2.txt"));
    const Resultat r = RestaurerBase(bac.dm(), archive);
    QVERIFY2(r, qPrintable(r.message()));
    QCOMPARE(QFileInfo::exists(QStringLiteral("/tmp/evasion2.txt")), absolueAvant);
    for (int i = 1; i <= 5; ++i) {
        const QString nom = QStringLiteral("evasion%1.txt").arg(i);
        QVERIFY2(QFileInfo::exists(bac.data() + nom), qPrintable(nom));
    }
    QCOMPARE(LireFichier(bac.data() + QStringLiteral("evasion3.txt")),
             QByteArray("contenu de C:\\Windows\\evasion3.txt"));
    QCOMPARE(bac.Contenu().size(), avant.size() + 5);
    QCOMPARE(LireFichier(bac.data() + QStringLiteral(".verrou")), avant[".verrou"]);
    QCOMPARE(LireFichier(bac.data() + QStringLiteral(".cache")), avant[".cache"]);
    // Nothing landed outside the data folder.
    QDirIterator it(bac.racine(), {"evasion*"}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        QVERIFY2(chemin.startsWith(bac.data()), qPrintable(chemin));
    }
}

// A damaged table and a table of another program are not moved in; the other files still are.
void TestRestauration::tablesRefusees()
{
    Bac bac;
    bac.Remplir();
    const auto avant = bac.Contenu();
    const QString faux = bac.racine() + QStringLiteral("faux/");
    QDir().mkpath(faux);
    QByteArray abime = avant["donnees.db"];
    abime.replace(0, 16, QByteArray(16, 'x')); // the SQLite header
    EcrireFichier(faux + QStringLiteral("donnees.db"), abime);
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(faux + QStringLiteral("acteurs.db")).constData(), &db),
             SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, "CREATE TABLE clients(nom TEXT); INSERT INTO clients VALUES('x')", nullptr,
                          nullptr, nullptr),
             SQLITE_OK);
    sqlite3_close(db);
    EcrireFichier(faux + QStringLiteral("donnees.db-journal"), "journal");
    EcrireFichier(faux + QStringLiteral("glossaire.dat"), "Nouveau|glossaire");
    const QString archive = bac.racine() + QStringLiteral("faux.zip");
    QCOMPARE(Executer(QStringLiteral("zip"),
                      {"-q", "-P", "quibex", archive, "donnees.db", "acteurs.db", "donnees.db-journal",
                       "glossaire.dat"},
                      faux)
                 .code,
             0);

    QStringList laissesDeCote;
    const Resultat r = RestaurerBase(bac.dm(), archive, {}, &laissesDeCote);
    QVERIFY2(r, qPrintable(r.message()));
    QCOMPARE(laissesDeCote, (QStringList{"donnees.db", "donnees.db-journal", "acteurs.db"}));
    const QString avertissement = AvertissementRestauration(laissesDeCote);
    QVERIFY(avertissement.contains(QStringLiteral("donnees.db, donnees.db-journal, acteurs.db")));
    const auto apres = bac.Contenu();
    QCOMPARE(apres["donnees.db"], avant["donnees.db"]);
    QCOMPARE(apres["acteurs.db"], avant["acteurs.db"]);
    QVERIFY(!apres.contains("donnees.db-journal"));
    QCOMPARE(apres["glossaire.dat"], QByteArray("Nouveau|glossaire"));
    QCOMPARE(bac.Titres().size(), 2);
    QVERIFY(
        QDir(bac.attente()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
}

// An archive that cannot be read stops the restore before anything changed; the catalogue stays open.
void TestRestauration::echecs_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("message");
    QTest::newRow("absente") << "absente.zip" << QByteArray() << "n'existe pas";
    QTest::newRow("pas une archive") << "texte.zip" << QByteArray("du texte") << "n'est pas une archive zip";
    QTest::newRow("vide") << "vide.zip" << QByteArray("") << "n'est pas une archive zip";
}

void TestRestauration::echecs()
{
    QFETCH(QString, nom);
    QFETCH(QByteArray, contenu);
    QFETCH(QString, message);
    Bac bac;
    bac.Remplir();
    const auto avant = bac.Contenu();
    const QString archive = bac.racine() + nom;
    if (!contenu.isNull())
        QVERIFY(EcrireFichier(archive, contenu));
    EcrireFichier(bac.attente() + QStringLiteral("reste.txt"), "d'une restauration interrompue");
    const Resultat r = RestaurerBase(bac.dm(), archive);
    QVERIFY(!r);
    QVERIFY2(r.message().contains(message), qPrintable(r.message()));
    QVERIFY(r.message().contains(nom));
    QCOMPARE(bac.Contenu(), avant);
    QCOMPARE(bac.Titres().size(), 2);
    QVERIFY(QFileInfo(bac.attente()).isDir());
    QVERIFY(
        QDir(bac.attente()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
}

// sauvegarder, restaurer and their refusals through the command-line tool.
void TestRestauration::outilEnLigneDeCommande()
{
    Bac bac;
    bac.Remplir();
    bac.dm().FermerBase();
    const QString archive = bac.racine() + QStringLiteral("cli.zip");
    const QStringList dossier = {"--dossier", bac.programme()};

    const Execution sauvegarde = Executer(Cli, dossier + QStringList{"sauvegarder", archive});
    QCOMPARE(sauvegarde.code, 0);
    QCOMPARE(sauvegarde.sortie, MessageSauvegardeFaite.toUtf8() + '\n');
    QCOMPARE(Executer(QStringLiteral("unzip"), {"-P", "quibex", "-tq", archive}).code, 0);

    QFile::remove(bac.data() + QStringLiteral("glossaire.dat"));
    const Execution restauration = Executer(Cli, dossier + QStringList{"restaurer", archive});
    QCOMPARE(restauration.code, 0);
    QCOMPARE(restauration.sortie, MessageRestaurationFaite.toUtf8() + '\n');
    QVERIFY(QFileInfo::exists(bac.data() + QStringLiteral("glossaire.dat")));

    const Execution absente = Executer(Cli, dossier + QStringList{"restaurer", bac.racine() + "absente.zip"});
    QCOMPARE(absente.code, 1);
    QVERIFY(QString::fromUtf8(absente.erreur).contains(QStringLiteral("n'existe pas")));
}

int ExecuterTestsRestauration(int argc, char** argv)
{
    TestRestauration t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_restauration.moc"
