// "Sauvegarder la base" and "Restaurer la base" from the main window: the dialogs answered by their
// hooks, real archives checked with Info-ZIP, the catalogue reopened and the messages shown.
#include "app/erreurs.h"
#include "banc.h"
#include "browse/listefilms.h"
#include "home/pageaccueil.h"
#include "maintenance/dialogueprogression.h"
#include "system/programme.h"
#include "tests.h"
#include "widgets/boitemessage.h"
#include "widgets/dialoguesfichier.h"

#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QList<FilmAccueil> Films{{"Brazil", "20/02/1985"}, {"Amélie", "25/04/2001"}};

struct Sortie
{
    int code = -1;
    QString texte;
};

Sortie Lancer(const QString& programme, const QStringList& arguments, const QString& dossier = {})
{
    QProcess p;
    if (!dossier.isEmpty())
        p.setWorkingDirectory(dossier);
    p.start(programme, arguments);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
}

} // namespace

class TestSauvegardeGui : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir environnement;
    QStringList messages; // every message box, in order
    QStringList erreurs;  // the application's error box
    QList<DialoguesFichier::Demande> demandes;
    BoiteMessage::Reponse reponseConfirmation = BoiteMessage::Reponse::Oui;
    QString reponseDialogue;

    QString Attente() const { return environnement.filePath(QStringLiteral("TMPDIR/kinobral/data")); }

private slots:
    void initTestCase()
    {
        QVERIFY(environnement.isValid());
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "TMPDIR"}) {
            const QString dossier = environnement.filePath(QString::fromLatin1(variable));
            QVERIFY(QDir().mkpath(dossier));
            qputenv(variable, QFile::encodeName(dossier));
        }
        BoiteMessage::definirRepondeur([this](BoiteMessage::Type type, const QString& texte) {
            messages << texte;
            return type == BoiteMessage::Type::Confirmation ? reponseConfirmation : BoiteMessage::Reponse::Ok;
        });
        DefinirAfficheurErreur([this](const QString& texte) { erreurs << texte; });
        DialoguesFichier::DefinirRepondeur([this](const DialoguesFichier::Demande& d) {
            demandes << d;
            return reponseDialogue;
        });
    }

    void cleanupTestCase()
    {
        BoiteMessage::definirRepondeur({});
        DefinirAfficheurErreur({});
        DialoguesFichier::DefinirRepondeur({});
        DialogueProgression::delaiAffichageMs = 300;
    }

    void init()
    {
        messages.clear();
        erreurs.clear();
        demandes.clear();
        reponseConfirmation = BoiteMessage::Reponse::Oui;
        reponseDialogue.clear();
    }

    // The save dialog, the name completed with .zip unless it ends so in any case, the archive holding
    // the data folder's files under the catalogue password, the catalogue open again.
    void sauvegarde_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("archive");
        QTest::newRow("sans extension") << "sauvegarde"
                                        << "sauvegarde.zip";
        QTest::newRow("en majuscules") << "Copie.ZIP"
                                       << "Copie.ZIP";
        QTest::newRow("autre extension") << "base.7z"
                                         << "base.7z.zip";
    }

    void sauvegarde()
    {
        QFETCH(QString, nom);
        QFETCH(QString, archive);
        Banc b(Films);
        QVERIFY(b.estPret());
        QTemporaryDir sortie;
        reponseDialogue = sortie.filePath(nom);
        b.f().Sauvegarderlabase1Click();

        QCOMPARE(demandes.size(), 1);
        QCOMPARE(demandes[0].sens, DialoguesFichier::Sens::Enregistrer);
        QCOMPARE(demandes[0].titre, QStringLiteral("Sauvergarder..."));
        QCOMPARE(demandes[0].filtre, QStringLiteral("Fichier compressé (.zip)|*.zip"));
        QCOMPARE(demandes[0].dossier, b.programme());
        QCOMPARE(demandes[0].nomPropose, QString());
        QCOMPARE(erreurs, QStringList());
        QCOMPARE(messages, QStringList{"Votre base a bien été sauvegardée."});

        const QString chemin = sortie.filePath(archive);
        QVERIFY(QFileInfo(chemin).isFile());
        const Sortie liste = Lancer(QStringLiteral("unzip"), {"-P", "quibex", "-l", chemin});
        QCOMPARE(liste.code, 0);
        QVERIFY2(liste.texte.contains(QLatin1String("donnees.db")), qPrintable(liste.texte));
        QVERIFY(liste.texte.contains(QLatin1String("acteurs.db")));
        const Sortie test = Lancer(QStringLiteral("unzip"), {"-P", "quibex", "-t", chemin});
        QVERIFY2(test.code == 0, qPrintable(test.texte));

        // Reopened: the list, the sheet and the home page are back.
        QVERIFY(b.dm().tbFilms().EstOuverte());
        QCOMPARE(ListeTitres(), (QStringList{"Amélie", "Brazil"}));
        QCOMPARE(b.f().pageAccueil->CouverturesAccueil[0].titre, QStringLiteral("Amélie"));

        // The next time, the dialog opens where the last archive went, with its name.
        reponseDialogue.clear();
        b.f().Sauvegarderlabase1Click();
        QCOMPARE(demandes.size(), 2);
        QCOMPARE(demandes[1].dossier, sortie.path());
        QCOMPARE(demandes[1].nomPropose, archive);
    }

    // Cancelling the save dialog, or answering "Non" to the restore's question, changes nothing.
    void renoncer_data()
    {
        QTest::addColumn<bool>("restaurer");
        QTest::addColumn<BoiteMessage::Reponse>("reponse");
        QTest::addColumn<int>("dialogues");
        QTest::newRow("sauvegarde, dialogue annulé") << false << BoiteMessage::Reponse::Oui << 1;
        QTest::newRow("restauration, Non") << true << BoiteMessage::Reponse::Non << 0;
        QTest::newRow("restauration, dialogue annulé") << true << BoiteMessage::Reponse::Oui << 1;
    }

    void renoncer()
    {
        QFETCH(bool, restaurer);
        QFETCH(BoiteMessage::Reponse, reponse);
        QFETCH(int, dialogues);
        Banc b(Films);
        QVERIFY(b.estPret());
        const QByteArray avant = LireOctets(b.data() + QStringLiteral("donnees.db"));
        reponseConfirmation = reponse;
        reponseDialogue.clear();
        if (restaurer)
            b.f().Restaurerlabase1Click();
        else
            b.f().Sauvegarderlabase1Click();
        QCOMPARE(demandes.size(), dialogues);
        QCOMPARE(messages, restaurer
                               ? QStringList{"Cette fonction va remplacer la base actuelle, voulez-vous "
                                             "continuer ?"}
                               : QStringList{});
        if (restaurer && dialogues == 1) {
            QCOMPARE(demandes[0].sens, DialoguesFichier::Sens::Ouvrir);
            QCOMPARE(demandes[0].titre, QStringLiteral("Ouvrir..."));
            QCOMPARE(demandes[0].filtre, QStringLiteral("Fichier compressé (.zip)|*.zip"));
        }
        QCOMPARE(erreurs, QStringList());
        QVERIFY(b.dm().tbFilms().EstOuverte());
        QCOMPARE(LireOctets(b.data() + QStringLiteral("donnees.db")), avant);
        QCOMPARE(ListeTitres(), (QStringList{"Amélie", "Brazil"}));
    }

    // Our own archive brings the saved catalogue back: list, sheet and home page on it, the staging
    // folder made again, the success message after the question.
    void restauration()
    {
        Banc b(Films);
        QVERIFY(b.estPret());
        QTemporaryDir sortie;
        reponseDialogue = sortie.filePath(QStringLiteral("base"));
        b.f().Sauvegarderlabase1Click();
        QCOMPARE(erreurs, QStringList());

        QVERIFY(AjouterFilm(b.dm().tbFilms(), {{"Titre", "Casablanca"}, {"Sortie", "01/01/2020"}},
                            Jpeg(QSize(60, 80), Qt::red)));
        QVERIFY(b.dm().OuvrirBase());
        QCOMPARE(b.f().pageAccueil->CouverturesAccueil[0].titre, QStringLiteral("Casablanca"));
        messages.clear();
        reponseDialogue = sortie.filePath(QStringLiteral("base.zip"));
        b.f().Restaurerlabase1Click();

        QCOMPARE(erreurs, QStringList());
        QCOMPARE(messages,
                 (QStringList{"Cette fonction va remplacer la base actuelle, voulez-vous continuer ?",
                              "La base de données a bien été importée."}));
        QCOMPARE(demandes.last().dossier, sortie.path());
        QVERIFY(b.dm().tbFilms().EstOuverte());
        QCOMPARE(ListeTitres(), (QStringList{"Amélie", "Brazil"}));
        QCOMPARE(b.f().listeFilms->Texte(b.f().listeFilms->PremierSelectionne()),
                 b.dm().tbFilms().Texte(QStringLiteral("Titre")));
        QCOMPARE(b.f().pageAccueil->CouverturesAccueil[0].titre, QStringLiteral("Amélie"));
        QVERIFY(QFileInfo(Attente()).isDir());
        QCOMPARE(QDir(Attente()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }

    // Entries under another password cannot be read: the data folder keeps its files and, as the core
    // has it, the restore still ends with its message. A table that is not one of ours is left out and
    // named in a warning before the message.
    void archivesEtrangeres_data()
    {
        QTest::addColumn<QString>("motDePasse");
        QTest::addColumn<QString>("avertissement");
        QTest::newRow("autre mot de passe") << "autre" << QString();
        QTest::newRow("table étrangère") << "quibex"
                                         << "Ces fichiers de l'archive n'ont pas été importés, car ce ne "
                                            "sont pas des tables de Kinobral 2005 en bon état : donnees.db.";
    }

    void archivesEtrangeres()
    {
        QFETCH(QString, motDePasse);
        QFETCH(QString, avertissement);
        Banc b(Films);
        QVERIFY(b.estPret());
        QTemporaryDir sortie;
        QFile faux(sortie.filePath(QStringLiteral("donnees.db")));
        QVERIFY(faux.open(QIODevice::WriteOnly));
        faux.write("ceci n'est pas une table");
        faux.close();
        const QString archive = sortie.filePath(QStringLiteral("etrangere.zip"));
        const Sortie zip =
            Lancer(QStringLiteral("zip"), {"-q", "-P", motDePasse, archive, "donnees.db"}, sortie.path());
        QCOMPARE(zip.code, 0);
        const QByteArray avant = LireOctets(b.data() + QStringLiteral("donnees.db"));

        reponseDialogue = archive;
        b.f().Restaurerlabase1Click();
        QCOMPARE(erreurs, QStringList());
        QStringList attendus{"Cette fonction va remplacer la base actuelle, voulez-vous continuer ?"};
        if (!avertissement.isEmpty())
            attendus << avertissement;
        attendus << "La base de données a bien été importée.";
        QCOMPARE(messages, attendus);
        QCOMPARE(LireOctets(b.data() + QStringLiteral("donnees.db")), avant);
        QCOMPARE(ListeTitres(), (QStringList{"Amélie", "Brazil"}));
    }

    // A file that is no zip archive: the error box with the archive's failure, no success message, and
    // the catalogue open again, so the program stays usable.
    void archiveIllisible()
    {
        Banc b(Films);
        QVERIFY(b.estPret());
        QTemporaryDir sortie;
        const QString archive = sortie.filePath(QStringLiteral("pas-une-archive.zip"));
        QFile f(archive);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("ceci n'est pas une archive");
        f.close();
        reponseDialogue = archive;
        b.f().Restaurerlabase1Click();
        QCOMPARE(erreurs.size(), 1);
        QVERIFY2(erreurs[0].contains(QLatin1String("pas-une-archive.zip")), qPrintable(erreurs[0]));
        QCOMPARE(messages,
                 QStringList{"Cette fonction va remplacer la base actuelle, voulez-vous continuer ?"});
        QVERIFY(b.dm().tbFilms().EstOuverte());
        QCOMPARE(ListeTitres(), (QStringList{"Amélie", "Brazil"}));
        QVERIFY(QFileInfo(Attente()).isDir());
    }

    // The progress window: shown while the work runs, its Annuler button stops it; the archive is
    // not made, no message follows and the catalogue is open again.
    void annulation()
    {
        Banc b(Films);
        QVERIFY(b.estPret());
        QTemporaryDir sortie;
        reponseDialogue = sortie.filePath(QStringLiteral("annulee.zip"));
        DialogueProgression::delaiAffichageMs = 0;
        bool vue = false;
        // Runs from the progress window's own event handling, while the backup works.
        QTimer::singleShot(0, this, [&] {
            auto* dialogue = b.f().findChild<DialogueProgression*>();
            if (dialogue == nullptr || !dialogue->isVisible())
                return;
            vue = dialogue->windowTitle() == QLatin1String("Sauvegarde de la base");
            dialogue->bnAnnuler->click();
        });
        b.f().Sauvegarderlabase1Click();
        DialogueProgression::delaiAffichageMs = 300;
        QVERIFY(vue);
        QCOMPARE(erreurs, QStringList());
        QCOMPARE(messages, QStringList());
        QVERIFY(!QFileInfo::exists(reponseDialogue));
        QVERIFY(b.dm().tbFilms().EstOuverte());
        QCOMPARE(ListeTitres(), (QStringList{"Amélie", "Brazil"}));
        QCOMPARE(b.f().findChild<DialogueProgression*>(), nullptr);
    }

    // What the progress window writes for the files and bytes reported.
    void textesProgression_data()
    {
        QTest::addColumn<int>("faits");
        QTest::addColumn<int>("total");
        QTest::addColumn<qint64>("octetsFaits");
        QTest::addColumn<qint64>("octetsTotal");
        QTest::addColumn<QString>("fichiers");
        QTest::addColumn<QString>("octets");
        QTest::addColumn<int>("barre");
        QTest::newRow("avant le début") << 0 << 0 << qint64(0) << qint64(0) << "Préparation..."
                                        << "" << 0;
        QTest::newRow("premier fichier")
            << 0 << 4 << qint64(512) << qint64(3 * 1024 * 1024) << "Fichier 1 sur 4"
            << "512 octets sur 3,0 Mo" << 0;
        QTest::newRow("au milieu") << 2 << 4 << qint64(1536 * 1024) << qint64(3 * 1024 * 1024)
                                   << "Fichier 3 sur 4"
                                   << "1,5 Mo sur 3,0 Mo" << 500;
        QTest::newRow("fini") << 4 << 4 << qint64(2048) << qint64(2048) << "Fichier 4 sur 4"
                              << "2,0 Ko sur 2,0 Ko" << 1000;
    }

    void textesProgression()
    {
        QFETCH(int, faits);
        QFETCH(int, total);
        QFETCH(qint64, octetsFaits);
        QFETCH(qint64, octetsTotal);
        QFETCH(QString, fichiers);
        QFETCH(QString, octets);
        QFETCH(int, barre);
        DialogueProgression d(nullptr, QStringLiteral("Sauvegarde de la base"));
        Avancement a;
        a.fichiersFaits = faits;
        a.fichiersTotal = total;
        a.octetsFaits = octetsFaits;
        a.octetsTotal = octetsTotal;
        d.Rapporter(a);
        QCOMPARE(d.lbFichiers->text(), fichiers);
        QCOMPARE(d.lbOctets->text(), octets);
        QCOMPARE(d.pbAvancement->value(), barre);
        QVERIFY(!d.Annulee());
        d.bnAnnuler->click();
        QVERIFY(d.Annulee());
        QVERIFY(d.progression().estAnnulee());
    }

private:
    static QByteArray LireOctets(const QString& chemin)
    {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

QObject* CreerTestSauvegardeGui()
{
    return new TestSauvegardeGui;
}

#include "tst_sauvegarde_gui.moc"
