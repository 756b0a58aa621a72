// The mail window: its settings, a real send through the window to aiosmtpd, the failures shown in its
// status line, and a silent server that leaves the program usable.
#include "app/erreurs.h"
#include "banc.h"
#include "exchange/exportweb.h"
#include "exchange/formmail.h"
#include "print/formapercu.h"
#include "serveursmtp.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");

bool Ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    return QDir().mkpath(QFileInfo(chemin).path()) && f.open(QIODevice::WriteOnly) &&
           f.write(octets) == octets.size();
}

// What a mail program reads in the maildir: the number of messages, then for the first one its
// recipients and the Content-ID of its picture, whose bytes go to `image`.
const char* const LireBoite = R"py(
import email, mailbox, sys
boite = mailbox.Maildir(sys.argv[1], create=False)
messages = [email.message_from_bytes(boite.get_bytes(k)) for k in boite.keys()]
print(len(messages))
m = messages[0]
print(m.get("X-RcptTo", ""))
for partie in m.walk():
    if partie.get_content_type() == "image/jpeg":
        open(sys.argv[2], "wb").write(partie.get_payload(decode=True))
        print(partie.get("Content-ID", ""))
)py";

} // namespace

class TestCourriel : public QObject
{
    Q_OBJECT

private:
    Banc banc;
    TFormApercu apercu;
    std::unique_ptr<TFormMail> formMail;
    QStringList erreurs;

    void Remplir(const QString& port, const QString& adresses)
    {
        formMail->EditSMTP->setText(QStringLiteral("127.0.0.1"));
        formMail->EditPort->setText(port);
        formMail->EditCompte->setText(QStringLiteral("moi@exemple.fr"));
        formMail->EditUser->setText(QStringLiteral("moi"));
        formMail->edAdresseMail->setEditText(adresses);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(banc.Pret());
        DefinirAfficheurErreur([this](const QString& texte) { erreurs << texte; });
    }

    void cleanupTestCase() { DefinirAfficheurErreur({}); }

    void init()
    {
        QFile::remove(banc.Chemin(QStringLiteral("Config.ini")));
        formMail = std::make_unique<TFormMail>(banc.DossierProgramme(), nullptr, banc.Chemin("thunderbird"));
        erreurs.clear();
    }

    void cleanup() { formMail.reset(); }

    // Without a mail account the server fields are empty; with one they are filled and the port is 25.
    // The history comes from Config.ini.
    void fenetre()
    {
        QCOMPARE(formMail->windowTitle(), QStringLiteral("Envoyer vers un destinataire"));
        QCOMPARE(formMail->size(), QSize(369, 241));
        QCOMPARE(formMail->Label1->text(), QStringLiteral("Adresse courriel destinataire"));
        QCOMPARE(formMail->bnEnvoyer->text(), QStringLiteral("Envoyer"));
        QCOMPARE(formMail->gpMail->title(), QStringLiteral("Informations du serveur mail"));
        for (QLineEdit* e :
             {formMail->EditSMTP, formMail->EditCompte, formMail->EditPort, formMail->EditUser})
            QCOMPARE(e->text(), QString());

        const QString tb = banc.Chemin(QStringLiteral("thunderbird"));
        QVERIFY(
            Ecrire(tb + "/profiles.ini", "[Profile0]\nName=p\nIsRelative=1\nPath=p.default\nDefault=1\n"));
        QVERIFY(Ecrire(tb + "/p.default/prefs.js",
                       "user_pref(\"mail.accountmanager.defaultaccount\", \"account1\");\n"
                       "user_pref(\"mail.account.account1.identities\", \"id1\");\n"
                       "user_pref(\"mail.identity.id1.smtpServer\", \"smtp1\");\n"
                       "user_pref(\"mail.identity.id1.useremail\", \"moi@exemple.fr\");\n"
                       "user_pref(\"mail.smtpserver.smtp1.hostname\", \"smtp.exemple.fr\");\n"
                       "user_pref(\"mail.smtpserver.smtp1.username\", \"moi\");\n"));
        QVERIFY(Ecrire(banc.Chemin(QStringLiteral("Config.ini")), "a@exemple.fr\r\nb@exemple.fr\r\n"));
        formMail = std::make_unique<TFormMail>(banc.DossierProgramme(), nullptr, tb);
        QVERIFY(QDir(tb).removeRecursively());
        QCOMPARE(formMail->EditSMTP->text(), QStringLiteral("smtp.exemple.fr"));
        QCOMPARE(formMail->EditCompte->text(), QStringLiteral("moi@exemple.fr"));
        QCOMPARE(formMail->EditUser->text(), QStringLiteral("moi"));
        QCOMPARE(formMail->EditPort->text(), QStringLiteral("25"));
        QCOMPARE(formMail->edAdresseMail->count(), 2);
        QCOMPARE(formMail->edAdresseMail->itemText(1), QStringLiteral("b@exemple.fr"));
        QCOMPARE(formMail->edAdresseMail->currentText(), QString());
    }

    // "Envoyer par courriel" then "Envoyer": the sheet reaches both recipients with its cover inline;
    // the window says so, hides, and keeps the address.
    void envoiReel()
    {
        ServeurSmtp serveur(banc.Chemin(QStringLiteral("boite")));
        QVERIFY(serveur.Pret());
        QVERIFY(banc.Aller(QStringLiteral("Petite jaquette")));
        PreparerCourriel(banc.Films(), apercu, *formMail);
        QVERIFY2(erreurs.isEmpty(), qPrintable(erreurs.join(u'\n')));
        QVERIFY(formMail->isVisible());
        QCOMPARE(formMail->lbStatus->text(), QString());
        QCOMPARE(LireFichier(banc.Chemin(QStringLiteral("export/img1.jpg"))), banc.petiteJaquette);

        QSignalSpy fin(formMail.get(), &TFormMail::EnvoiTermine);
        Remplir(QString::number(serveur.Port()), QStringLiteral("un@exemple.fr, deux@exemple.fr"));
        formMail->bnEnvoyer->click();
        QCOMPARE(formMail->lbStatus->text(), QStringLiteral("Envoi en cours ..."));
        QVERIFY(!formMail->bnEnvoyer->isEnabled());
        QVERIFY(fin.wait(120000));
        QCOMPARE(fin.at(0).at(0).toBool(), true);
        QCOMPARE(formMail->lbStatus->text(), QStringLiteral("Envoi terminé !"));
        QVERIFY(!formMail->isVisible());
        QVERIFY(formMail->bnEnvoyer->isEnabled());
        QCOMPARE(formMail->edAdresseMail->currentText(), QString());
        QCOMPARE(formMail->edAdresseMail->count(), 1);
        QCOMPARE(LireFichier(banc.Chemin(QStringLiteral("Config.ini"))),
                 QByteArray("un@exemple.fr, deux@exemple.fr\r\n"));

        const QString image = banc.Chemin(QStringLiteral("recue.jpg"));
        const Execution lu = Executer(
            Python, {"-c", QString::fromUtf8(LireBoite), banc.Chemin(QStringLiteral("boite")), image});
        QCOMPARE(lu.code, 0);
        QCOMPARE(lu.sortie.split(u'\n', Qt::SkipEmptyParts),
                 (QStringList{"1", "un@exemple.fr, deux@exemple.fr", "<img1.jpg>"}));
        QCOMPARE(LireFichier(image), banc.petiteJaquette);
    }

    void envoiEchoue_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("page");
        QTest::addColumn<QString>("debut");
        QTest::newRow("port qui n'est pas un nombre") << "2a5" << true << "Erreur d'envoi : [« 2a5 »";
        QTest::newRow("page absente") << "25" << false << "Erreur d'envoi : [Impossible d'ouvrir le fichier";
        QTest::newRow("connexion refusée")
            << QString::number(PortLibre()) << true
            << "Erreur d'envoie : [Connexion impossible au serveur « 127.0.0.1 »";
    }

    // The failure is the status line's text; the window stays open and nothing is remembered.
    void envoiEchoue()
    {
        QFETCH(QString, port);
        QFETCH(bool, page);
        QFETCH(QString, debut);
        QVERIFY(banc.Aller(QStringLiteral("Petite jaquette")));
        PreparerCourriel(banc.Films(), apercu, *formMail);
        if (!page)
            QVERIFY(QFile::remove(formMail->CheminPage()));
        QSignalSpy fin(formMail.get(), &TFormMail::EnvoiTermine);
        Remplir(port, QStringLiteral("un@exemple.fr"));
        formMail->bnEnvoyer->click();
        QVERIFY(fin.wait(120000));
        QCOMPARE(fin.at(0).at(0).toBool(), false);
        const QString statut = formMail->lbStatus->text();
        QVERIFY2(statut.startsWith(debut) && statut.endsWith(u']'), qPrintable(statut));
        QVERIFY(formMail->isVisible());
        QVERIFY(formMail->bnEnvoyer->isEnabled());
        QCOMPARE(formMail->edAdresseMail->currentText(), QStringLiteral("un@exemple.fr"));
        QVERIFY(!QFile::exists(banc.Chemin(QStringLiteral("Config.ini"))));
        QVERIFY(erreurs.isEmpty());
    }

    // A server that accepts and never answers: the program goes on (this thread accepts the
    // connection while the send waits), a second "Envoyer" or "Envoyer par courriel" starts nothing,
    // and the send ends in the exchange's error at its time limit.
    void serveurMuet()
    {
        QTcpServer muet;
        QVERIFY(muet.listen(QHostAddress::LocalHost, 0));
        QList<QTcpSocket*> connexions;
        connect(&muet, &QTcpServer::newConnection, this, [&] {
            while (QTcpSocket* s = muet.nextPendingConnection())
                connexions << s;
        });
        QVERIFY(banc.Aller(QStringLiteral("Petite jaquette")));
        PreparerCourriel(banc.Films(), apercu, *formMail);
        const QByteArray page = LireFichier(formMail->CheminPage());
        formMail->delaiMs = 2000;
        QSignalSpy fin(formMail.get(), &TFormMail::EnvoiTermine);
        Remplir(QString::number(muet.serverPort()), QStringLiteral("un@exemple.fr"));
        formMail->bnEnvoyer->click();
        QTRY_COMPARE_WITH_TIMEOUT(connexions.size(), 1, 60000);
        QVERIFY(fin.isEmpty());
        QCOMPARE(formMail->lbStatus->text(), QStringLiteral("Envoi en cours ..."));
        formMail->bnEnvoyer->click();
        QVERIFY(banc.Aller(QStringLiteral("Grande jaquette")));
        PreparerCourriel(banc.Films(), apercu, *formMail);
        QCOMPARE(LireFichier(formMail->CheminPage()), page);
        QVERIFY(fin.wait(120000));
        QCOMPARE(fin.size(), 1);
        QCOMPARE(formMail->lbStatus->text(),
                 QStringLiteral("Erreur d'envoie : [Le serveur « 127.0.0.1 » ne répond pas.]"));
        QCOMPARE(connexions.size(), 1);
    }
};

QObject* CreerTestCourriel()
{
    return new TestCourriel;
}

#include "tst_courriel.moc"
