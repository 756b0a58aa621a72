#include "system/verroucatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstring>

namespace {

const QString Cli = QStringLiteral(KINOBRAL_DOSSIER_PROGRAMME "kinobral-cli");
const QString MessageVerrou =
    QStringLiteral("Le catalogue est ouvert dans Kinobral 2005 ; fermez le programme avant de le modifier.");

struct Execution
{
    int code = -1;
    QString sortie;
    QString erreur;
};

Execution Executer(const QStringList& arguments, const QString& programme = Cli)
{
    QProcess p;
    p.start(programme, arguments);
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

// Holds the catalogue lock of a data folder, as the running program does, until its input closes.
int TenirVerrouCatalogue(const char* dossier)
{
    VerrouCatalogue verrou;
    const bool acquis = verrou.Prendre(QString::fromLocal8Bit(dossier)).estSucces();
    std::puts(acquis ? "acquis" : "occupe");
    std::fflush(stdout);
    while (acquis && std::getchar() != EOF) {
    }
    return acquis ? 0 : 1;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void titresDansLOrdreDeLaListe();
    void dossierParDefaut();
    void ficheComplete();
    void refus_data();
    void refus();
    void supprimer();
    void catalogueOuvertParLeProgramme();

private:
    Execution Cmd(const QStringList& arguments)
    {
        return Executer(QStringList{"--dossier", m_dossier->path()} + arguments);
    }
    QStringList Titres();

    QTemporaryDir m_modele;
    std::unique_ptr<QTemporaryDir> m_dossier;
};

// The same small catalogue for every test, made once through the tool itself.
void TestCli::initTestCase()
{
    QVERIFY(m_modele.isValid());
    for (const char* titre : {"Zorro", "Été meurtrier", "avatar", "Amélie", "Abc"}) {
        const Execution e = Executer(
            {"--dossier", m_modele.path(), "ajouter", QStringLiteral("Titre=") + QString::fromUtf8(titre)});
        QVERIFY2(e.code == 0, qPrintable(e.erreur));
    }
}

void TestCli::init()
{
    m_dossier = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dossier->isValid());
    QVERIFY(QDir().mkdir(m_dossier->filePath(QStringLiteral("data"))));
    for (const QString& fichier : {QStringLiteral("data/donnees.db"), QStringLiteral("data/acteurs.db")})
        QVERIFY(QFile::copy(m_modele.filePath(fichier), m_dossier->filePath(fichier)));
}

QStringList TestCli::Titres()
{
    const Execution e = Cmd({"titres"});
    if (e.code != 0)
        return {QStringLiteral("échec : ") + e.erreur};
    return e.sortie.split(u'\n', Qt::SkipEmptyParts);
}

// The alphabetical list's order: accents and case do not come first.
void TestCli::titresDansLOrdreDeLaListe()
{
    QCOMPARE(Titres(), (QStringList{"Abc", "Amélie", "avatar", "Été meurtrier", "Zorro"}));
}

// Without --dossier the catalogue is the one beside the executable.
void TestCli::dossierParDefaut()
{
    QTemporaryDir programme;
    QVERIFY(programme.isValid());
    const QString copie = programme.filePath(QStringLiteral("kinobral-cli"));
    QVERIFY(QFile::copy(Cli, copie));
    const Execution ajout = Executer({"ajouter", "Titre=Ici"}, copie);
    QVERIFY2(ajout.code == 0, qPrintable(ajout.erreur));
    QVERIFY(QFile::exists(programme.filePath(QStringLiteral("data/donnees.db"))));
    const Execution titres = Executer({"titres"}, copie);
    QCOMPARE(titres.sortie, QStringLiteral("Ici\n"));
}

// Every field in stored order with its text form; multi-line values stay on one line, and what
// fiche prints can be given back to ajouter unchanged.
void TestCli::ficheComplete()
{
    QByteArray couverture(1234, '\0');
    for (int i = 0; i < couverture.size(); ++i)
        couverture[i] = static_cast<char>(i * 7);
    const QString image = m_dossier->filePath(QStringLiteral("couverture.jpg"));
    QFile f(image);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(couverture) == couverture.size());
    f.close();

    const QStringList champs = {
        "Titre=Le Fabuleux Destin",
        "Editeur=UGC Vidéo",
        "Genre=Comédie",
        "Realisateur=Jean Martin",
        "Acteur=Audrey Lune, Mathieu Roux",
        R"(Resume=Première ligne\nDeuxième \\ ligne)",
        "Etoiles=4 étoiles",
        "Site=http://example.org/film",
        "Sortie=25/04/2001",
        "Langue=France",
        "Duree=02:02:00",
        "Support=DVD",
        "DejaVu=Vrai",
        "Prete=Faux",
        "Notes=À revoir",
        "Prix=19.99",
        R"(Audio=Français\nAnglais)",
        "BlobPicture=@" + image,
    };
    const Execution ajout = Cmd(QStringList{"ajouter"} + champs);
    QVERIFY2(ajout.code == 0, qPrintable(ajout.erreur));

    const Execution fiche = Cmd({"fiche", "Le Fabuleux Destin"});
    QCOMPARE(fiche.code, 0);
    QCOMPARE(fiche.erreur, QString());
    const QStringList attendu = {
        "Num=6",
        "Titre=Le Fabuleux Destin",
        "Editeur=UGC Vidéo",
        "Genre=Comédie",
        "Realisateur=Jean Martin",
        "Acteur=Audrey Lune, Mathieu Roux",
        R"(Resume=Première ligne\nDeuxième \\ ligne)",
        "Etoiles=4 étoiles",
        "Site=http://example.org/film",
        "Sortie=25/04/2001",
        "Scenario=",
        "Musique=",
        "Langue=France",
        "Duree=02:02:00",
        "Support=DVD",
        "DateSortieDvd=",
        "DejaVu=Vrai",
        "Prete=Faux",
        "Multimedia=",
        "FormatVideo=",
        "Notes=À revoir",
        "Emprunteur=",
        "DateEmprunt=",
        "Standard=",
        "ZoneDvd=",
        "Public=",
        "Son=",
        "Prix=19.99",
        R"(Audio=Français\nAnglais)",
        "SousTitres=",
        "FormatCinema=",
        "BlobPicture=1234",
    };
    QCOMPARE(fiche.sortie.split(u'\n', Qt::SkipEmptyParts), attendu);

    // The printed values, given back under another title, make the same sheet.
    QStringList copie;
    for (const QString& ligne : attendu.mid(2, attendu.size() - 3))
        copie << ligne;
    const Execution ajoutCopie =
        Cmd(QStringList{"ajouter", "Titre=La copie", "BlobPicture=@" + image} + copie);
    QVERIFY2(ajoutCopie.code == 0, qPrintable(ajoutCopie.erreur));
    QStringList attenduCopie = attendu;
    attenduCopie[0] = QStringLiteral("Num=7");
    attenduCopie[1] = QStringLiteral("Titre=La copie");
    QCOMPARE(Cmd({"fiche", "La copie"}).sortie.split(u'\n', Qt::SkipEmptyParts), attenduCopie);
}

void TestCli::refus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message"); // the first line on stderr

    const QString absent = QStringLiteral("/nulle/part/couverture.jpg");
    QTest::newRow("titre existant") << QStringList{"ajouter", "Titre=Zorro", "Genre=Aventure"} << 1
                                    << QStringLiteral(
                                           "Attention, ce titre est incorrect ou existe déjà dans la base !");
    QTest::newRow("sans titre") << QStringList{"ajouter", "Genre=Aventure"} << 1
                                << QStringLiteral("Le champ 'Titre' doit avoir une valeur");
    QTest::newRow("titre vide") << QStringList{"ajouter", "Titre=", "Genre=Aventure"} << 1
                                << QStringLiteral("Le champ 'Titre' doit avoir une valeur");
    QTest::newRow("date incorrecte") << QStringList{"ajouter", "Titre=Nouveau", "Sortie=32/13/2005"} << 1
                                     << QStringLiteral(
                                            "'32/13/2005' n'est pas une date correcte pour le champ "
                                            "'Sortie' (jj/mm/aaaa).");
    QTest::newRow("couverture introuvable")
        << QStringList{"ajouter", "Titre=Nouveau", "BlobPicture=@" + absent} << 1
        << QStringLiteral("Impossible de lire le fichier « %1 » : ").arg(absent); // then the system's reason
    QTest::newRow("fiche d'un film absent")
        << QStringList{"fiche", "zorro"} << 1
        << QStringLiteral("Le film « zorro » n'existe pas dans le catalogue.");
    QTest::newRow("suppression d'un film absent")
        << QStringList{"supprimer", "Zorr"} << 1
        << QStringLiteral("Le film « Zorr » n'existe pas dans le catalogue.");

    QTest::newRow("sans commande") << QStringList{} << 2 << QStringLiteral("Aucune commande.");
    QTest::newRow("commande inconnue")
        << QStringList{"lister"} << 2 << QStringLiteral("Commande inconnue : lister");
    QTest::newRow("fiche sans titre")
        << QStringList{"fiche"} << 2
        << QStringLiteral("Usage : kinobral-cli [--dossier DOSSIER] fiche TITRE");
    QTest::newRow("supprimer deux titres")
        << QStringList{"supprimer", "Zorro", "Abc"} << 2
        << QStringLiteral("Usage : kinobral-cli [--dossier DOSSIER] supprimer TITRE");
    QTest::newRow("titres en trop") << QStringList{"titres", "Zorro"} << 2
                                    << QStringLiteral("Usage : kinobral-cli [--dossier DOSSIER] titres");
    QTest::newRow("ajouter sans champ")
        << QStringList{"ajouter"} << 2
        << QStringLiteral("Usage : kinobral-cli [--dossier DOSSIER] ajouter Champ=valeur...");
    QTest::newRow("champ inconnu") << QStringList{"ajouter", "Titre=Nouveau", "Pays=France"} << 2
                                   << QStringLiteral("Champ inconnu : Pays");
    QTest::newRow("sans signe égal") << QStringList{"ajouter", "Titre=Nouveau", "Genre"} << 2
                                     << QStringLiteral("« Genre » n'est pas de la forme Champ=valeur.");
    QTest::newRow("numéro imposé") << QStringList{"ajouter", "Titre=Nouveau", "Num=3"} << 2
                                   << QStringLiteral("Le champ 'Num' est numéroté par le catalogue.");
    QTest::newRow("champ répété") << QStringList{"ajouter", "Titre=Nouveau", "titre=Autre"} << 2
                                  << QStringLiteral("Le champ 'Titre' est donné deux fois.");
    QTest::newRow("couverture sans @")
        << QStringList{"ajouter", "Titre=Nouveau", "BlobPicture=image.jpg"} << 2
        << QStringLiteral("Le champ 'BlobPicture' attend le nom d'un fichier après @.");
    QTest::newRow("option inconnue") << QStringList{"--base", "x", "titres"} << 2
                                     << QStringLiteral("Option inconnue : --base");
}

// Each refusal gives its exit status and French message, prints nothing on stdout and leaves the
// catalogue as it was.
void TestCli::refus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, message);

    const QStringList avant = Titres();
    const Execution e = Cmd(arguments);
    QCOMPARE(e.code, code);
    const QString premiereLigne = e.erreur.section(u'\n', 0, 0);
    QCOMPARE(premiereLigne.left(message.size()), message);
    QVERIFY2(premiereLigne.size() == message.size() || message.endsWith(QLatin1String(" : ")),
             qPrintable(e.erreur));
    QCOMPARE(e.sortie, QString());
    QCOMPARE(Titres(), avant);
}

void TestCli::supprimer()
{
    const Execution e = Cmd({"supprimer", "Amélie"});
    QCOMPARE(e.code, 0);
    QCOMPARE(Titres(), (QStringList{"Abc", "avatar", "Été meurtrier", "Zorro"}));
    QCOMPARE(Cmd({"fiche", "Amélie"}).code, 1);

    // A folder that does not exist is refused rather than made into an empty catalogue.
    const QString absent = m_dossier->filePath(QStringLiteral("absent"));
    const Execution dossier = Executer({"--dossier", absent, "titres"});
    QCOMPARE(dossier.code, 1);
    QCOMPARE(dossier.erreur, QStringLiteral("Le dossier « %1 » n'existe pas.\n").arg(absent));
    QVERIFY(!QFile::exists(absent));
}

// While the program has this catalogue open, the tool reads it but does not change it; a
// catalogue in another folder is not concerned.
void TestCli::catalogueOuvertParLeProgramme()
{
    QTemporaryDir autre;
    QVERIFY(autre.isValid());
    QVERIFY(QDir().mkpath(autre.filePath(QStringLiteral("data"))));

    QProcess programme;
    programme.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    programme.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--verrou-catalogue"), m_dossier->filePath(QStringLiteral("data"))});
    QVERIFY(programme.waitForStarted());
    while (!programme.canReadLine())
        QVERIFY(programme.waitForReadyRead(30000));
    QCOMPARE(programme.readLine().trimmed(), QByteArray("acquis"));

    for (const QStringList& arguments :
         {QStringList{"ajouter", "Titre=Nouveau"}, QStringList{"supprimer", "Zorro"}}) {
        const Execution e = Cmd(arguments);
        QCOMPARE(e.code, 1);
        QCOMPARE(e.erreur, MessageVerrou + u'\n');
    }
    QCOMPARE(Titres(), (QStringList{"Abc", "Amélie", "avatar", "Été meurtrier", "Zorro"}));
    QCOMPARE(Cmd({"fiche", "Zorro"}).code, 0);
    QCOMPARE(Executer({"--dossier", autre.path(), "ajouter", "Titre=Ailleurs"}).code, 0);

    programme.closeWriteChannel();
    QVERIFY(programme.waitForFinished());
    QCOMPARE(Cmd({"ajouter", "Titre=Nouveau"}).code, 0);
    QVERIFY(Titres().contains(QStringLiteral("Nouveau")));
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--verrou-catalogue") == 0)
        return TenirVerrouCatalogue(argv[2]);
    QCoreApplication app(argc, argv);
    TestCli t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_cli.moc"
